// The windows-1251 code page (bytes 0x80..0xFF and their Unicode code points) and the
// well-formedness of UTF-8.
#include "Cp1251.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <utility>

namespace kvardelon {

namespace {

constexpr std::array<char16_t, 128> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

// The UTF-8 form of every byte, worked out once. Four bytes are stored so that a
// form is copied whole, whatever its length.
struct Utf8Form {
    std::array<char, 4> bytes;
    std::size_t length;
};

constexpr Utf8Form utf8Form(char16_t codePoint)
{
    if (codePoint < 0x80)
        return {{static_cast<char>(codePoint), 0, 0, 0}, 1};
    // Every code point of the table lies below U+10000: two or three bytes.
    if (codePoint < 0x800)
        return {{static_cast<char>(0xC0 | (codePoint >> 6)), static_cast<char>(0x80 | (codePoint & 0x3F)), 0, 0}, 2};
    return {{static_cast<char>(0xE0 | (codePoint >> 12)), static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)),
             static_cast<char>(0x80 | (codePoint & 0x3F)), 0},
            3};
}

constexpr std::array<Utf8Form, 256> kUtf8Forms = [] {
    std::array<Utf8Form, 256> forms{};
    for (std::size_t byte = 0; byte < 0x80; ++byte)
        forms[byte] = utf8Form(static_cast<char16_t>(byte));
    for (std::size_t byte = 0x80; byte < 0x100; ++byte)
        forms[byte] = utf8Form(kUpperHalf[byte - 0x80]);
    return forms;
}();

// The upper half the other way round: code point to byte, sorted by code point. 0x98,
// which stands for no character, has no place in it.
struct CodePointByte {
    char16_t codePoint;
    std::uint8_t byte;
};

constexpr std::array<CodePointByte, 127> kBytesOfCodePoints = [] {
    std::array<CodePointByte, 127> pairs{};
    std::size_t n = 0;
    for (std::size_t byte = 0x80; byte < 0x100; ++byte) {
        if (byte != 0x98)
            pairs[n++] = {kUpperHalf[byte - 0x80], static_cast<std::uint8_t>(byte)};
    }
    std::sort(pairs.begin(), pairs.end(),
              [](const CodePointByte& a, const CodePointByte& b) { return a.codePoint < b.codePoint; });
    return pairs;
}();

std::optional<char> cp1251Byte(char32_t codePoint)
{
    if (codePoint < 0x80)
        return static_cast<char>(codePoint);
    const auto found = std::lower_bound(kBytesOfCodePoints.begin(), kBytesOfCodePoints.end(), codePoint,
                                        [](const CodePointByte& pair, char32_t wanted) { return pair.codePoint < wanted; });
    if (found == kBytesOfCodePoints.end() || found->codePoint != codePoint)
        return std::nullopt;
    return static_cast<char>(found->byte);
}

}  // namespace

Cp1251Text encodeCp1251(std::string_view utf8)
{
    Cp1251Text text;
    text.bytes.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const Utf8Sequence sequence = utf8Sequence(utf8.substr(i));
        const std::string_view bytes = utf8.substr(i, sequence.length);
        const char32_t codePoint = sequence.wellFormed ? codePointOf(bytes) : U'\uFFFD';
        if (const std::optional<char> byte = cp1251Byte(codePoint)) {
            text.bytes += *byte;
        } else {
            text.bytes += '?';
            text.unencodable.push_back(
                {i, codePoint, sequence.wellFormed ? std::string(bytes) : std::string(kReplacementCharacter)});
        }
        i += sequence.length;
    }
    return text;
}

char* writeCp1251AsUtf8(std::string_view bytes, char* out)
{
    // A form is copied whole, four bytes, and the pointer moves on by its length.
    for (const char c : bytes) {
        const Utf8Form& form = kUtf8Forms[static_cast<std::uint8_t>(c)];
        std::memcpy(out, form.bytes.data(), form.bytes.size());
        out += form.length;
    }
    return out;
}

void appendCp1251AsUtf8(std::string& out, std::string_view bytes)
{
    const std::size_t start = out.size();
    out.resize(start + bytes.size() * kMaxUtf8PerCp1251Byte + 1);
    char* end = writeCp1251AsUtf8(bytes, out.data() + start);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

std::string cp1251ToUtf8(std::string_view bytes)
{
    std::string out;
    appendCp1251AsUtf8(out, bytes);
    return out;
}

Utf8Sequence utf8Sequence(std::string_view bytes)
{
    const auto byteAt = [bytes](std::size_t i) { return static_cast<std::uint8_t>(bytes[i]); };
    const std::uint8_t lead = byteAt(0);
    if (lead < 0x80)
        return {1, true};

    // The second byte's range also rules out overlong forms (E0, F0), surrogates (ED)
    // and code points beyond U+10FFFF (F4); C0, C1 and F5..FF never begin a character.
    std::size_t length = 0;
    std::uint8_t secondLow = 0x80;
    std::uint8_t secondHigh = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            secondLow = 0xA0;
        else if (lead == 0xED)
            secondHigh = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            secondLow = 0x90;
        else if (lead == 0xF4)
            secondHigh = 0x8F;
    } else {
        return {1, false};
    }

    for (std::size_t i = 1; i < length; ++i) {
        if (i == bytes.size())
            return {i, false};
        const std::uint8_t low = i == 1 ? secondLow : std::uint8_t{0x80};
        const std::uint8_t high = i == 1 ? secondHigh : std::uint8_t{0xBF};
        if (byteAt(i) < low || byteAt(i) > high)
            return {i, false};
    }
    return {length, true};
}

bool replaceIllFormedUtf8(std::string& text)
{
    const std::string_view bytes = text;
    std::size_t i = 0;
    Utf8Sequence sequence{0, true};
    while (i < bytes.size() && (sequence = utf8Sequence(bytes.substr(i))).wellFormed)
        i += sequence.length;
    if (i == bytes.size())
        return false;

    // Rare: only a damaged line pays for the copy.
    std::string fixed(bytes.substr(0, i));
    while (i < bytes.size()) {
        sequence = utf8Sequence(bytes.substr(i));
        if (sequence.wellFormed)
            fixed += bytes.substr(i, sequence.length);
        else
            fixed += kReplacementCharacter;
        i += sequence.length;
    }
    text = std::move(fixed);
    return true;
}

}  // namespace kvardelon
