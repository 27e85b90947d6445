// Durable files on Windows: CreateFileW(CREATE_NEW), WriteFile, FlushFileBuffers, MoveFileExW.
#include "DurableFiles.h"
#include "PathText.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <system_error>

namespace kvardelon::durable {

namespace fs = std::filesystem;

namespace {

// Windows' error as the portable condition that callers test for (no room, no right, busy):
// GCC 12's system_category() does not map Windows' codes, and would take ERROR_ACCESS_DENIED (5)
// for EIO.
std::errc conditionOf(DWORD error)
{
    switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        return std::errc::permission_denied;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return std::errc::device_or_resource_busy;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return std::errc::no_space_on_device;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
        return std::errc::no_such_file_or_directory;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return std::errc::file_exists;
    case ERROR_FILENAME_EXCED_RANGE:
        return std::errc::filename_too_long;
    default:
        return std::errc::io_error;
    }
}

[[noreturn]] void failWith(DWORD error, const fs::path& path)
{
    throw std::system_error(std::make_error_code(conditionOf(error)), pathToUtf8(path));
}

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle()
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

// A virus scanner or a search indexer may hold a file just written for a moment: a rename
// refused as busy is tried again, for half a second at most.
constexpr int kRenameAttempts = 10;
constexpr DWORD kRenamePauseMs = 50;

}  // namespace

bool createFlushed(const fs::path& path, std::string_view bytes, const fs::path& like)
{
    // Windows refuses to replace a read-only file, but only at the rename; refused here, before
    // anything is written, it is refused alike on every file system (and under Wine).
    const DWORD attributes = GetFileAttributesW(like.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        failWith(ERROR_ACCESS_DENIED, like);
    // The new file takes the folder's permissions, as every file made in it does.
    const Handle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_EXISTS)
            return false;
        failWith(error, path);
    }
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD chunk = bytes.size() > 0x40000000 ? 0x40000000 : static_cast<DWORD>(bytes.size());
        if (!WriteFile(file.get(), bytes.data(), chunk, &written, nullptr))
            failWith(GetLastError(), path);
        if (written == 0)
            failWith(ERROR_WRITE_FAULT, path);
        bytes.remove_prefix(written);
    }
    if (!FlushFileBuffers(file.get()))
        failWith(GetLastError(), path);
    return true;
}

void renameOver(const fs::path& from, const fs::path& to)
{
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return;
        const DWORD error = GetLastError();
        const bool busy = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
        if (!busy || attempt == kRenameAttempts)
            failWith(error, to);
        Sleep(kRenamePauseMs);
    }
}

void flushFolder(const fs::path&)
{
    // MOVEFILE_WRITE_THROUGH has already waited for the rename to reach the disk.
}

}  // namespace kvardelon::durable
