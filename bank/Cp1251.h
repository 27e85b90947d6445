// The two encodings of bank files: windows-1251, turned into UTF-8 by a table of our own,
// and UTF-8 itself, checked sequence by sequence.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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

// The three bytes that mark a bank file as UTF-8 when it begins with them.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The UTF-8 character that stands in for bytes that are no character.
inline constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// The UTF-8 sequence at the start of bytes: how many bytes it takes and whether they
// form one well-formed character (no overlong form, no surrogate, nothing beyond
// U+10FFFF). An ill-formed start takes its longest part that could still have begun a
// character, at least one byte: that part is what one U+FFFD replaces.
struct Utf8Sequence {
    std::size_t length;
    bool wellFormed;
};

// bytes must not be empty.
Utf8Sequence utf8Sequence(std::string_view bytes);

// The code point of one well-formed sequence, all of its bytes (one to four). Inline: the
// checker decodes every line with it at each keystroke.
inline char32_t codePointOf(std::string_view sequence)
{
    static constexpr std::uint8_t kLeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t codePoint = static_cast<std::uint8_t>(sequence[0]) & kLeadBits[sequence.size()];
    for (std::size_t i = 1; i < sequence.size(); ++i)
        codePoint = (codePoint << 6) | (static_cast<std::uint8_t>(sequence[i]) & 0x3FU);
    return codePoint;
}

// Replaces every ill-formed sequence in text by U+FFFD; false when there was none,
// in which case text is left as it was.
bool replaceIllFormedUtf8(std::string& text);

// UTF-8 to windows-1251. Every character with no windows-1251 byte is reported with its place.
// Bytes that form no character count as one U+FFFD each ill-formed part, reported as such.
struct Unencodable {
    std::size_t offset;    // byte offset in the UTF-8 text given
    char32_t character;
    std::string text;      // the character itself in UTF-8
};
struct Cp1251Text {
    std::string bytes;                     // unencodable characters written as '?'
    std::vector<Unencodable> unencodable;  // empty when every character fits
};
Cp1251Text encodeCp1251(std::string_view utf8);

}  // namespace kvardelon
