// Starting Qt with what it and the libraries under it say held back until the desktop is reached.
#include "Desktop.h"

#include <QByteArray>
#include <QByteArrayList>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

#if defined(Q_OS_LINUX)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace kvardelon {

namespace {

QByteArray variable(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? QByteArray(value) : QByteArray();
}

// Where Qt was sent, as the player set it: "DISPLAY=:1", or empty when nothing is set.
QByteArray displaySet()
{
    QByteArrayList set;
    for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"}) {
        if (const QByteArray value = variable(name); !value.isEmpty())
            set << name + QByteArray("=") + value;
    }
    return set.join(", ");
}

// The error stream, which the libraries under Qt write to directly (Xlib when the server refuses
// the connection): turned into a file in memory while Qt starts, and back afterwards.
#if defined(Q_OS_LINUX)
int realErrors = -1;
int errorsAside = -1;

void setErrorsAside()
{
    std::fflush(stderr);
    realErrors = ::dup(STDERR_FILENO);
    errorsAside = ::memfd_create("kvardelon-start", MFD_CLOEXEC);
    if (realErrors < 0 || errorsAside < 0 || ::dup2(errorsAside, STDERR_FILENO) < 0) {
        for (int fd : {realErrors, errorsAside})
            if (fd >= 0)
                ::close(fd);
        realErrors = errorsAside = -1;
    }
}

// Back to the real stream, with what was written meanwhile when `keep`.
void bringErrorsBack(bool keep)
{
    if (errorsAside < 0)
        return;
    std::fflush(stderr);
    ::dup2(realErrors, STDERR_FILENO);
    char buffer[4096];
    ssize_t length = 0;
    if (keep && ::lseek(errorsAside, 0, SEEK_SET) == 0) {
        while ((length = ::read(errorsAside, buffer, sizeof buffer)) > 0) {
            if (::write(STDERR_FILENO, buffer, static_cast<std::size_t>(length)) != length)
                break;
        }
    }
    ::close(errorsAside);
    ::close(realErrors);
    realErrors = errorsAside = -1;
}
#else
void setErrorsAside() {}
void bringErrorsBack(bool) {}
#endif

// The program's name and who needs the desktop, for the one line.
const char* programName = "kvardelon";
const char* needingIt = "игре";

[[noreturn]] void noDesktop(const QByteArray& why)
{
    bringErrorsBack(false);
    std::fprintf(stderr, "%s: %s, %s нужен рабочий стол.\n", programName, why.constData(), needingIt);
    std::fflush(stderr);
    // At once: Qt is half started, and nothing of the game has begun.
    std::_Exit(1);
}

// What Qt says while it connects to the desktop: held back, passed on once it stands. A fatal
// message in that time means that no platform could be started, which Qt would end with an abort.
struct Held {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString message;
};

std::mutex heldLock;
std::vector<Held> held;
QtMessageHandler passOn = nullptr;

const char* orNull(const QByteArray& text)
{
    return text.isNull() ? nullptr : text.constData();
}

void holdBack(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg)
        noDesktop("не удалось подключиться к графическому дисплею (" + displaySet() + ")");
    const std::lock_guard lock(heldLock);
    held.push_back({type, context.file, context.function, context.category, context.line, message});
}

void passOnHeld()
{
    qInstallMessageHandler(passOn);
    const std::lock_guard lock(heldLock);
    for (const Held& message : held) {
        const QMessageLogContext context(orNull(message.file), message.line, orNull(message.function),
                                         orNull(message.category));
        if (passOn != nullptr)
            passOn(message.type, context, message.message);
    }
    held.clear();
}

}  // namespace

std::unique_ptr<QApplication> startOnDesktop(int& argc, char** argv, const char* program, const char* needsIt)
{
    programName = program;
    needingIt = needsIt;
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    // With nothing set Qt would not even try: say so before starting it.
    if (displaySet().isEmpty())
        noDesktop("нет графического дисплея (не заданы DISPLAY и WAYLAND_DISPLAY)");
#endif
    setErrorsAside();
    passOn = qInstallMessageHandler(holdBack);
    auto app = std::make_unique<QApplication>(argc, argv);
    bringErrorsBack(true);
    passOnHeld();
    return app;
}

}  // namespace kvardelon
