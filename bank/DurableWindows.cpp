// Durable files on Windows: CreateFileW(CREATE_NEW), WriteFile, FlushFileBuffers, MoveFileExW.
#include "DurableFiles.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <system_error>

namespace kvardelon::durable {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void failWith(DWORD error, const fs::path& path)
{
    throw std::system_error(static_cast<int>(error), std::system_category(), path.string());
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

}  // namespace

bool createFlushed(const fs::path& path, std::string_view bytes, const fs::path&)
{
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
        bytes.remove_prefix(written);
    }
    if (!FlushFileBuffers(file.get()))
        failWith(GetLastError(), path);
    return true;
}

void renameOver(const fs::path& from, const fs::path& to)
{
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        failWith(GetLastError(), to);
}

void flushFolder(const fs::path&)
{
    // MOVEFILE_WRITE_THROUGH has already waited for the rename to reach the disk.
}

}  // namespace kvardelon::durable
