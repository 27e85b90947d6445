// Replacing a file so that a crash at any moment leaves the old file or the new one whole.
#include "BankFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <random>
#include <system_error>

namespace kvardelon {

namespace fs = std::filesystem;

namespace {

// A temporary older than this belongs to a process that died in mid-write.
constexpr auto kAbandonedAfter = std::chrono::minutes(1);

[[noreturn]] void failWith(int error, const fs::path& path)
{
    throw std::system_error(error, std::generic_category(), path.string());
}

// A file descriptor closed when it goes; close() reports the error a delayed write may bring.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    int close()
    {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

// Creates a new temporary beside `file`, readable as the umask allows; its descriptor and name.
std::pair<int, fs::path> createTemporary(const fs::path& file)
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = temporaryPrefix(file);
        for (int i = 0; i < 6; ++i)
            name += kLetters[pick(random)];
        const fs::path path = file.parent_path() / name;
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return {fd, path};
        if (errno != EEXIST)
            failWith(errno, path);
    }
    failWith(EEXIST, file);
}

void writeAll(int fd, std::string_view bytes, const fs::path& path)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            failWith(errno, path);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

// Writes, flushes and closes the temporary; leaves it for the caller to remove on failure.
void fillTemporary(int fd, const fs::path& temporary, const fs::path& file, std::string_view bytes)
{
    struct stat old {};
    if (::stat(file.c_str(), &old) == 0 && ::fchmod(fd, old.st_mode & 07777) != 0)
        failWith(errno, temporary);
    writeAll(fd, bytes, temporary);
    if (::fsync(fd) != 0)
        failWith(errno, temporary);
}

// Makes the rename itself durable. Some file systems cannot flush a folder: they say EINVAL.
void flushFolder(const fs::path& folder)
{
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0)
        return;
    if (::fsync(fd.get()) != 0 && errno == EIO)
        failWith(errno, folder);
}

void removeAbandonedTemporaries(const fs::path& file)
{
    const std::string prefix = temporaryPrefix(file);
    const auto now = fs::file_time_type::clock::now();
    std::error_code ignored;
    for (const fs::directory_entry& entry : fs::directory_iterator(file.parent_path(), ignored)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(prefix) && name.size() == prefix.size() + 6 &&
            now - entry.last_write_time(ignored) > kAbandonedAfter)
            fs::remove(entry.path(), ignored);
    }
}

}  // namespace

std::string temporaryPrefix(const fs::path& file)
{
    return "." + file.filename().string() + ".new-";
}

void replaceFileSafely(const fs::path& given, std::string_view bytes)
{
    std::error_code notALink;
    fs::path file = fs::is_symlink(given, notALink) ? fs::canonical(given, notALink) : given;
    if (file.empty())
        file = given;  // a link that leads nowhere: replace the link itself
    if (file.parent_path().empty())
        file = fs::path(".") / file;

    auto [fd, temporary] = createTemporary(file);
    Descriptor descriptor(fd);
    try {
        fillTemporary(descriptor.get(), temporary, file, bytes);
        if (descriptor.close() != 0)
            failWith(errno, temporary);
        if (::rename(temporary.c_str(), file.c_str()) != 0)
            failWith(errno, file);
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
    flushFolder(file.parent_path());
    removeAbandonedTemporaries(file);
}

}  // namespace kvardelon
