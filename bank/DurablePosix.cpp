// Durable files on POSIX: open(O_EXCL), write, fsync, rename, fsync of the folder.
#include "DurableFiles.h"
#include "PathText.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace kvardelon::durable {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void failWith(int error, const fs::path& path)
{
    throw std::system_error(error, std::generic_category(), pathToUtf8(path));
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

}  // namespace

bool createFlushed(const fs::path& path, std::string_view bytes, const fs::path& like)
{
    // Readable as the umask allows, like any new file, unless the old file says otherwise.
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.get() < 0 && errno == EEXIST)
        return false;
    if (fd.get() < 0)
        failWith(errno, path);
    // A file its owner could not read gives no permissions worth keeping: the new one must
    // be readable by the game.
    struct stat old {};
    if (::stat(like.c_str(), &old) == 0 && (old.st_mode & S_IRUSR) != 0 &&
        ::fchmod(fd.get(), old.st_mode & 07777) != 0)
        failWith(errno, path);
    writeAll(fd.get(), bytes, path);
    if (::fsync(fd.get()) != 0 || fd.close() != 0)
        failWith(errno, path);
    return true;
}

void renameOver(const fs::path& from, const fs::path& to)
{
    if (::rename(from.c_str(), to.c_str()) != 0)
        failWith(errno, to);
}

void flushFolder(const fs::path& folder)
{
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    // Some file systems cannot flush a folder and say EINVAL; only a failed write matters.
    if (fd.get() >= 0 && ::fsync(fd.get()) != 0 && errno == EIO)
        failWith(errno, folder);
}

}  // namespace kvardelon::durable
