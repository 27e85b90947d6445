// What safe replacement needs of the system, one implementation for POSIX and one for Windows.
#pragma once

#include <filesystem>
#include <string_view>

namespace kvardelon::durable {

// Creates `path`, which must not exist, writes `bytes` to it and flushes it to disk, with the
// permissions of `like` where that exists. False, creating nothing, when `path` exists;
// std::system_error on any other failure, with `path` perhaps left behind for the caller; on
// Windows, permission_denied before anything is written when `like` is marked read-only.
bool createFlushed(const std::filesystem::path& path, std::string_view bytes, const std::filesystem::path& like);

// Renames `from` over `to` in one step; std::system_error on failure, `to` untouched.
void renameOver(const std::filesystem::path& from, const std::filesystem::path& to);

// Makes a rename in the folder last through a crash, where the system can say so.
void flushFolder(const std::filesystem::path& folder);

}  // namespace kvardelon::durable
