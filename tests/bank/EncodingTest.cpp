// The encodings of bank files: which one a file is read in, the windows-1251 table both
// ways checked against the system's own (the C library's, or Windows'), and the characters
// windows-1251 cannot hold.
#include "BankError.h"
#include "BankText.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#elif __has_include(<iconv.h>)
#include <iconv.h>
#define KVARDELON_HAVE_ICONV 1
#endif

namespace kvardelon::test {
namespace {

using namespace std::string_literals;

const std::string kMark = "\xEF\xBB\xBF";

struct Lines {
    std::vector<std::string> lines;
    Encoding encoding;

    bool operator==(const Lines&) const = default;
};

void PrintTo(const Lines& read, std::ostream* out)
{
    static constexpr std::array<const char*, 3> kNames = {"windows-1251", "UTF-8", "UTF-8 with the mark"};
    *out << kNames.at(static_cast<std::size_t>(read.encoding)) << ::testing::PrintToString(read.lines);
}

Lines readAll(std::string_view bytes)
{
    LineReader reader(bytes, "data/qw1.txt", 1);
    Lines read{{}, reader.encoding()};
    std::string line;
    while (reader.nextLine(line))
        read.lines.push_back(line);
    return read;
}

struct Encoded {
    const char* name;
    std::string bytes;
    Lines read;
};

class Encodings : public ::testing::TestWithParam<Encoded> {};

TEST_P(Encodings, decideHowTheFileIsReadAndWhatItsLinesSay)
{
    EXPECT_EQ(readAll(GetParam().bytes), GetParam().read);
}

constexpr Encoding kCp1251 = Encoding::Cp1251;
constexpr Encoding kUtf8 = Encoding::Utf8;
constexpr Encoding kMarked = Encoding::Utf8WithMark;

INSTANTIATE_TEST_SUITE_P(
    LineReader, Encodings,
    ::testing::Values(
        Encoded{"markMeansUtf8", kMark + "Москва\r\nЁж № 1", {{"Москва", "Ёж № 1"}, kMarked}},
        Encoded{"validUtf8WithoutTheMarkIsUtf8", "Москва\r\nЁж № 1", {{"Москва", "Ёж № 1"}, kUtf8}},
        Encoded{"windows1251Russian", "\xCC\xEE\xF1\xEA\xE2\xE0", {{"Москва"}, kCp1251}},
        Encoded{"pureAsciiIsWindows1251", "Moscow\r\n2", {{"Moscow", "2"}, kCp1251}},
        // One byte that forms no character anywhere makes the whole file windows-1251.
        Encoded{"oneStrayByteAfterUtf8", "Москва\r\n\xFF", {{"РњРѕСЃРєРІР°", "я"}, kCp1251}},
        Encoded{"utf8CutAtTheEnd", "Ж\xD0", {{"Р–Р"}, kCp1251}},
        // "Рё" in windows-1251 is D0 B8, the UTF-8 of "и": a pair alone cannot be told apart.
        Encoded{"windows1251PairThatFormsUtf8", "\xD0\xB8", {{"и"}, kUtf8}},
        Encoded{"markAloneIsAnEmptyFile", kMark, {{}, kMarked}},
        Encoded{"markThenALineEnd", kMark + "\r\n", {{""}, kMarked}},
        Encoded{"everyLineEndAsBefore", kMark + "a\r\nb\rc\nd\n\re", {{"a", "b", "c", "d", "", "e"}, kMarked}},
        Encoded{"markLaterIsACharacterOfTheText", "a\r\n" + kMark + "b", {{"a", kMark + "b"}, kUtf8}},
        Encoded{"partOfTheMarkIsWindows1251", "\xEF\xBB", {{"п»"}, kCp1251}},
        Encoded{"fourByteCharacterKept", kMark + "\xF0\x9F\x98\x80", {{"\xF0\x9F\x98\x80"}, kMarked}},
        Encoded{"strayByte", kMark + "a\xFF" "b", {{"a\uFFFDb"}, kMarked}},
        Encoded{"characterCutByTheLineEnd", kMark + "\xD0\r\n\x9C", {{"\uFFFD", "\uFFFD"}, kMarked}},
        Encoded{"truncatedThreeBytesAreOneReplacement", kMark + "\xE2\x82" "a", {{"\uFFFDa"}, kMarked}},
        Encoded{"overlongForm", kMark + "\xC0\xAF", {{"\uFFFD\uFFFD"}, kMarked}},
        Encoded{"surrogate", kMark + "\xED\xA0\x80", {{"\uFFFD\uFFFD\uFFFD"}, kMarked}},
        Encoded{"beyondU10FFFF", kMark + "\xF4\x90\x80\x80", {{"\uFFFD\uFFFD\uFFFD\uFFFD"}, kMarked}},
        Encoded{"overlongWithoutTheMarkIsWindows1251", "\xC0\xAF", {{"АЇ"}, kCp1251}},
        Encoded{"nulPassesAsInWindows1251", kMark + "a\0b"s, {{"a\0b"s}, kMarked}}),
    [](const ::testing::TestParamInfo<Encoded>& row) { return std::string(row.param.name); });

TEST(LineReader, theLineBoundCountsTheFilesBytesAndNotTheMark)
{
    const std::string longest(kMaxLineBytes, 'x');
    EXPECT_EQ(readAll(kMark + longest + "\r\nnext"), (Lines{{longest, "next"}, kMarked}));

    // Each stray byte grows threefold into U+FFFD; the bound is on the bytes of the file.
    const Lines replaced = readAll(kMark + std::string(kMaxLineBytes, '\xFF'));
    ASSERT_EQ(replaced.lines.size(), 1U);
    EXPECT_EQ(replaced.lines[0].size(), 3 * kMaxLineBytes);

    EXPECT_THROW(readAll(kMark + std::string(kMaxLineBytes + 1, 'x')), BankError);
}

// The byte in UTF-8 as the system converts it: Windows' code page 1251, else the C library's
// CP1251; empty where it has no character. Nothing when the system cannot say.
std::optional<std::string> systemFromCp1251(char byte)
{
#if defined(_WIN32)
    wchar_t wide = 0;
    if (MultiByteToWideChar(1251, MB_ERR_INVALID_CHARS, &byte, 1, &wide, 1) != 1)
        return std::string();
    // Windows hands the one unassigned byte (0x98) over as a C1 control: no character either.
    if (wide >= 0x80 && wide <= 0x9F)
        return std::string();
    std::array<char, 8> out{};
    const int length = WideCharToMultiByte(CP_UTF8, 0, &wide, 1, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
    return std::string(out.data(), static_cast<std::size_t>(length));
#elif defined(KVARDELON_HAVE_ICONV)
    static const iconv_t convert = ::iconv_open("UTF-8", "CP1251");
    if (convert == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    ::iconv(convert, nullptr, nullptr, nullptr, nullptr);
    std::array<char, 8> out{};
    char* in = &byte;
    char* outPointer = out.data();
    std::size_t inLeft = 1;
    std::size_t outLeft = out.size();
    if (::iconv(convert, &in, &inLeft, &outPointer, &outLeft) == static_cast<std::size_t>(-1))
        return std::string();
    return std::string(out.data(), out.size() - outLeft);
#else
    static_cast<void>(byte);
    return std::nullopt;
#endif
}

TEST(Cp1251, everyByteMeansWhatTheSystemSaysAndEncodesBackToItself)
{
    for (int value = 0; value < 256; ++value) {
        const char byte = static_cast<char>(value);
        const std::optional<std::string> expected = systemFromCp1251(byte);
        if (!expected)
            GTEST_SKIP() << "the system has no CP1251 to compare with";
        const std::string decoded = cp1251ToUtf8(std::string(1, byte));
        // The one byte with no character (0x98) is shown as U+FFFD.
        EXPECT_EQ(decoded, expected->empty() ? std::string(kReplacementCharacter) : *expected) << "byte " << value;
        if (!expected->empty()) {
            const Cp1251Text encoded = encodeCp1251(*expected);
            EXPECT_EQ(encoded.bytes, std::string(1, byte)) << "byte " << value;
            EXPECT_TRUE(encoded.unencodable.empty()) << "byte " << value;
        }
    }
}

TEST(Cp1251, everyCharacterItCannotHoldIsReportedWithItsPlace)
{
    // "€" and "№" fit; "ü", the emoji, U+FFFD and a stray byte do not.
    const Cp1251Text text = encodeCp1251("€ü№\xF0\x9F\x98\x80\uFFFDa\xFF");
    EXPECT_EQ(text.bytes, "\x88?\xB9??a?");
    ASSERT_EQ(text.unencodable.size(), 4U);
    EXPECT_EQ(text.unencodable[0].offset, 3U);
    EXPECT_EQ(text.unencodable[0].character, U'ü');
    EXPECT_EQ(text.unencodable[0].text, "ü");
    EXPECT_EQ(text.unencodable[1].offset, 8U);
    EXPECT_EQ(text.unencodable[1].character, U'\U0001F600');
    EXPECT_EQ(text.unencodable[2].character, U'\uFFFD');
    EXPECT_EQ(text.unencodable[3].offset, 16U);
    EXPECT_EQ(text.unencodable[3].text, "\uFFFD");
}

}  // namespace
}  // namespace kvardelon::test
