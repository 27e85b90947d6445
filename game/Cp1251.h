// Windows-1251 text turned into UTF-8 by a table of our own.
#pragma once

#include <string>
#include <string_view>

namespace kvardelon {

// Appends bytes in windows-1251 to out as UTF-8. The one byte the code page leaves
// unused (0x98) becomes U+FFFD, the replacement character.
void appendCp1251AsUtf8(std::string& out, std::string_view bytes);

std::string cp1251ToUtf8(std::string_view bytes);

// The most bytes of UTF-8 that one byte of windows-1251 can become.
inline constexpr std::size_t kMaxUtf8PerCp1251Byte = 3;

// Writes bytes in windows-1251 as UTF-8 to out, which must have room for
// kMaxUtf8PerCp1251Byte bytes per byte plus one; returns the end of what it wrote.
char* writeCp1251AsUtf8(std::string_view bytes, char* out);

}  // namespace kvardelon
