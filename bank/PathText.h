// Paths as UTF-8 text and back, alike on every system. On Windows path::string() gives the
// ANSI code page, which cannot hold every name (a Cyrillic folder on an English Windows)
// and throws on what it cannot convert; these never go through it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kvardelon {

inline std::string pathToUtf8(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

// The bytes of `utf8` as they are where the system's names are bytes (POSIX).
inline std::filesystem::path pathFromUtf8(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace kvardelon
