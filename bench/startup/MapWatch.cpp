// Starts a program and reports the time to its first window's map on X, and its memory and CPU time then.
//
//   kvardelon-startup-watch PROGRAM [ARGUMENT...]
//
// Prints one line, "MILLISECONDS VMRSS_KIB CPU_MILLISECONDS", stops the program and exits 0;
// exits 1 when no window is mapped within 30 seconds. The CPU time is that of all the
// program's threads up to the map, from /proc/PID/task/*/schedstat: unlike the wall time it
// hardly changes when other work shares the processors.
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kPatience = std::chrono::seconds(30);

// xcb hands out replies and events from malloc.
struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T>
using Owned = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const auto length = static_cast<std::uint16_t>(std::strlen(name));
    const Owned<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, length, name), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The process id a window carries in _NET_WM_PID, or -1.
long windowPid(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t pidAtom)
{
    const Owned<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4)
        return -1;
    std::uint32_t pid = 0;
    std::memcpy(&pid, xcb_get_property_value(reply.get()), sizeof pid);
    return static_cast<long>(pid);
}

// VmRSS of a process in KiB, from /proc/PID/status; -1 when it cannot be read.
long residentKib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// Time on a processor of all the threads of a process, in milliseconds; -1 when unreadable.
double cpuMilliseconds(pid_t pid)
{
    std::error_code error;
    std::filesystem::directory_iterator tasks("/proc/" + std::to_string(pid) + "/task", error);
    if (error)
        return -1;
    double nanoseconds = 0;
    for (const std::filesystem::directory_entry& task : tasks) {
        std::ifstream schedstat(task.path() / "schedstat");
        double onCpu = 0;
        if (schedstat >> onCpu)
            nanoseconds += onCpu;
    }
    return nanoseconds / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fputs("usage: kvardelon-startup-watch PROGRAM [ARGUMENT...]\n", stderr);
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection) != 0) {
        std::fputs("kvardelon-startup-watch: cannot open the X display\n", stderr);
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int n = 0; n < screenNumber; ++n)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    const xcb_atom_t pidAtom = atom(connection, "_NET_WM_PID");

    // Top-level windows are the root's children when no window manager runs: their maps
    // reach whoever listens to the root's substructure.
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("kvardelon-startup-watch: fork");
        return 1;
    }
    if (child == 0) {
        close(xcb_get_file_descriptor(connection));
        execvp(argv[1], argv + 1);
        std::perror("kvardelon-startup-watch: exec");
        _exit(127);
    }

    double milliseconds = -1;
    long kib = -1;
    double cpu = -1;
    pollfd watched{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (milliseconds < 0 && Clock::now() - start < kPatience) {
        while (milliseconds < 0) {
            const Owned<xcb_generic_event_t> event(xcb_poll_for_event(connection));
            if (!event)
                break;
            if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY)
                continue;
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
            if (map->override_redirect == 0 && windowPid(connection, map->window, pidAtom) == child) {
                const Clock::time_point mapped = Clock::now();
                kib = residentKib(child);
                cpu = cpuMilliseconds(child);
                milliseconds = std::chrono::duration<double, std::milli>(mapped - start).count();
            }
        }
        if (milliseconds < 0 && xcb_connection_has_error(connection) == 0)
            poll(&watched, 1, 100);
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "kvardelon-startup-watch: %s ended before showing a window\n", argv[1]);
            return 1;
        }
    }

    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    if (milliseconds < 0) {
        std::fprintf(stderr, "kvardelon-startup-watch: %s mapped no window in time\n", argv[1]);
        return 1;
    }
    std::printf("%.2f %ld %.2f\n", milliseconds, kib, cpu);
    return 0;
}
