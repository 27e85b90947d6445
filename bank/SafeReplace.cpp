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

// Removes this file's own temporaries left by a process that died in mid-write: regular
// files of the temporaries' names, written more than a minute ago. Whatever goes wrong
// here is no failure of the save, which is done.
void removeAbandonedTemporaries(const fs::path& file) noexcept
{
    try {
        const std::string prefix = temporaryPrefix(file);
        const auto oldest = fs::file_time_type::clock::now() - kAbandonedAfter;
        std::error_code error;
        for (fs::directory_iterator entry(file.parent_path(), error), end; !error && entry != end;
             entry.increment(error)) {
            const std::string name = pathToUtf8(entry->path().filename());
            if (!name.starts_with(prefix) || name.size() != prefix.size() + kRandomLetters)
                continue;
            std::error_code unknown;
            if (!fs::is_regular_file(entry->symlink_status(unknown)) || unknown)
                continue;
            const fs::file_time_type written = entry->last_write_time(unknown);
            if (!unknown && written < oldest)
                fs::remove(entry->path(), unknown);
        }
    } catch (...) {
        // Out of memory while naming a file: the temporaries wait for the next save.
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
    replaceFilesSafely({{given, std::string(bytes)}});
}

void replaceFilesSafely(const std::vector<FileBytes>& files)
{
    std::vector<fs::path> places;
    for (const FileBytes& file : files) {
        const ReplaceTarget target = replaceTarget(file.file);
        if (!target.replaceable())
            throw NotReplaceable(target);
        places.push_back(target.place.parent_path().empty() ? fs::path(".") / target.place : target.place);
    }
    std::vector<fs::path> temporaries;
    const auto removeTemporaries = [&temporaries](std::size_t from) {
        std::error_code ignored;
        for (std::size_t i = from; i < temporaries.size(); ++i)
            fs::remove(temporaries[i], ignored);
    };
    for (std::size_t i = 0; i < files.size(); ++i) {
        try {
            temporaries.push_back(writeTemporary(places[i], files[i].bytes));
        } catch (const std::system_error& error) {
            removeTemporaries(0);
            throw std::system_error(error.code(), pathToUtf8(files[i].file));
        } catch (...) {
            removeTemporaries(0);
            throw;
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        try {
            durable::renameOver(temporaries[i], places[i]);
        } catch (const std::system_error& error) {
            removeTemporaries(i);
            throw std::system_error(error.code(), pathToUtf8(files[i].file));
        }
    }
    // The new files are in place: from here on nothing may report the save as failed.
    for (const fs::path& place : places) {
        try {
            durable::flushFolder(place.parent_path());
        } catch (const std::system_error&) {
            // The rename stands; only its surviving a crash is less certain.
        }
        removeAbandonedTemporaries(place);
    }
}

}  // namespace kvardelon
