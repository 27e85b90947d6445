// Replacing a file so that a crash at any moment leaves the old file or the new one whole.
#include "BankFiles.h"
#include "DurableFiles.h"
#include "PathText.h"

#include <chrono>
#include <random>
#include <system_error>

namespace kvardelon {

namespace fs = std::filesystem;

namespace {

// A temporary older than this belongs to a process that died in mid-write.
constexpr auto kAbandonedAfter = std::chrono::minutes(1);
constexpr std::size_t kRandomLetters = 6;

// Writes the bytes to a new temporary beside `file`, flushed to disk; returns its path.
fs::path writeTemporary(const fs::path& file, std::string_view bytes)
{
    static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = temporaryPrefix(file);
        for (std::size_t i = 0; i < kRandomLetters; ++i)
            name += kLetters[pick(random)];
        const fs::path temporary = file.parent_path() / name;
        try {
            if (durable::createFlushed(temporary, bytes, file))
                return temporary;
        } catch (...) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            throw;
        }
    }
    throw std::system_error(std::make_error_code(std::errc::file_exists), pathToUtf8(file));
}

void removeAbandonedTemporaries(const fs::path& file)
{
    const std::string prefix = temporaryPrefix(file);
    const auto now = fs::file_time_type::clock::now();
    std::error_code ignored;
    for (const fs::directory_entry& entry : fs::directory_iterator(file.parent_path(), ignored)) {
        const std::string name = pathToUtf8(entry.path().filename());
        if (name.starts_with(prefix) && name.size() == prefix.size() + kRandomLetters &&
            now - entry.last_write_time(ignored) > kAbandonedAfter)
            fs::remove(entry.path(), ignored);
    }
}

}  // namespace

std::string temporaryPrefix(const fs::path& file)
{
    return "." + pathToUtf8(file.filename()) + ".new-";
}

void replaceFileSafely(const fs::path& given, std::string_view bytes)
{
    // A link is followed so that it stays a link; one that leads nowhere is replaced itself.
    std::error_code notALink;
    fs::path file = fs::is_symlink(given, notALink) ? fs::canonical(given, notALink) : given;
    if (file.empty())
        file = given;
    if (file.parent_path().empty())
        file = fs::path(".") / file;

    const fs::path temporary = writeTemporary(file, bytes);
    try {
        durable::renameOver(temporary, file);
    } catch (...) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw;
    }
    durable::flushFolder(file.parent_path());
    removeAbandonedTemporaries(file);
}

}  // namespace kvardelon
