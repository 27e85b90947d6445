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
        } catch (const std::system_error& error) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            throw std::system_error(error.code(), pathToUtf8(file));
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

ReplaceTarget replaceTarget(const fs::path& given)
{
    ReplaceTarget target{given, fs::file_type::not_found, false};
    std::error_code error;
    const fs::file_status own = fs::symlink_status(given, error);
    if (!fs::is_symlink(own)) {
        // What cannot be looked at (a folder with no access) is left to the writing to refuse.
        if (own.type() != fs::file_type::none)
            target.type = own.type();
        return target;
    }
    target.throughLink = true;
    const fs::path real = fs::canonical(given, error);
    if (error) {
        std::error_code unread;
        const fs::path leads = fs::read_symlink(given, unread);
        target.place = unread ? given : (given.parent_path() / leads).lexically_normal();
        return target;
    }
    target.place = real;
    target.type = fs::status(real, error).type();
    if (error)
        target.type = fs::file_type::not_found;
    return target;
}

NotReplaceable::NotReplaceable(ReplaceTarget target)
    : std::system_error(std::make_error_code(std::errc::operation_not_supported), pathToUtf8(target.place)),
      target_(std::move(target))
{
}

std::string temporaryPrefix(const fs::path& file)
{
    return "." + pathToUtf8(file.filename()) + ".new-";
}

void replaceFileSafely(const fs::path& given, std::string_view bytes)
{
    const ReplaceTarget target = replaceTarget(given);
    if (!target.replaceable())
        throw NotReplaceable(target);
    fs::path file = target.place;
    if (file.parent_path().empty())
        file = fs::path(".") / file;

    const fs::path temporary = writeTemporary(file, bytes);
    try {
        durable::renameOver(temporary, file);
    } catch (const std::system_error& error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw std::system_error(error.code(), pathToUtf8(given));
    }
    durable::flushFolder(file.parent_path());
    removeAbandonedTemporaries(file);
}

}  // namespace kvardelon
