// Bank files that begin with the UTF-8 byte order mark: read as UTF-8, never passing
// on bytes that form no character; every other file stays windows-1251.
#include "BankError.h"
#include "Fakes.h"
#include "QuestionBank.h"

#include <gtest/gtest.h>

namespace kvardelon::test {
namespace {

using namespace std::string_literals;

const std::string kMark = "\xEF\xBB\xBF";

struct Lines {
    std::vector<std::string> lines;
    bool utf8;

    bool operator==(const Lines&) const = default;
};

void PrintTo(const Lines& read, std::ostream* out)
{
    *out << (read.utf8 ? "UTF-8" : "windows-1251") << ::testing::PrintToString(read.lines);
}

Lines readAll(const std::string& bytes)
{
    TempBank bank;
    bank.write(1, bytes);
    BankFileReader reader(bank.file(1), 1);
    Lines read{{}, false};
    std::string line;
    while (reader.nextLine(line))
        read.lines.push_back(line);
    read.utf8 = reader.isUtf8();
    EXPECT_EQ(reader.lineNumber(), static_cast<int>(read.lines.size()));
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

INSTANTIATE_TEST_SUITE_P(
    BankFileReader, Encodings,
    ::testing::Values(
        Encoded{"markMeansUtf8", kMark + "Москва\r\nЁж № 1", {{"Москва", "Ёж № 1"}, true}},
        Encoded{"sameBytesWithoutTheMarkAreWindows1251", "Москва\r\n", {{"РњРѕСЃРєРІР°"}, false}},
        Encoded{"markAloneIsAnEmptyFile", kMark, {{}, true}},
        Encoded{"markThenALineEnd", kMark + "\r\n", {{""}, true}},
        Encoded{"everyLineEndAsBefore", kMark + "a\r\nb\rc\nd\n\re", {{"a", "b", "c", "d", "", "e"}, true}},
        Encoded{"markOnlyCountsAtTheStart", "a\r\n" + kMark + "b", {{"a", "п»їb"}, false}},
        Encoded{"partOfTheMarkIsWindows1251", "\xEF\xBB", {{"п»"}, false}},
        Encoded{"fourByteCharacterKept", kMark + "\xF0\x9F\x98\x80", {{"\xF0\x9F\x98\x80"}, true}},
        Encoded{"strayByte", kMark + "a\xFF" "b", {{"a\uFFFDb"}, true}},
        Encoded{"characterCutByTheLineEnd", kMark + "\xD0\r\n\x9C", {{"\uFFFD", "\uFFFD"}, true}},
        Encoded{"truncatedThreeBytesAreOneReplacement", kMark + "\xE2\x82" "a", {{"\uFFFDa"}, true}},
        Encoded{"overlongForm", kMark + "\xC0\xAF", {{"\uFFFD\uFFFD"}, true}},
        Encoded{"surrogate", kMark + "\xED\xA0\x80", {{"\uFFFD\uFFFD\uFFFD"}, true}},
        Encoded{"beyondU10FFFF", kMark + "\xF4\x90\x80\x80", {{"\uFFFD\uFFFD\uFFFD\uFFFD"}, true}},
        Encoded{"nulPassesAsInWindows1251", kMark + "a\0b"s, {{"a\0b"s}, true}}),
    [](const ::testing::TestParamInfo<Encoded>& row) { return std::string(row.param.name); });

TEST(BankFileReader, aCharacterSplitBetweenTwoReadsStaysWhole)
{
    // The reader takes the file in pieces of a few kilobytes; "Ж" straddles the seams.
    for (std::size_t padding = 4090; padding <= 4096; ++padding) {
        for (const std::size_t seam : {std::size_t{0}, std::size_t{4096}}) {
            const std::string line = std::string(padding + seam, 'x') + "ЖЖЖ";
            ASSERT_EQ(readAll(kMark + line + "\r\n"), (Lines{{line}, true})) << "padding " << padding + seam;
        }
    }
}

TEST(BankFileReader, theLineBoundCountsTheFilesBytesAndNotTheMark)
{
    const std::string longest(kMaxLineBytes, 'x');
    EXPECT_EQ(readAll(kMark + longest + "\r\nnext"), (Lines{{longest, "next"}, true}));

    // Each stray byte grows threefold into U+FFFD; the bound is on the bytes of the file.
    const Lines replaced = readAll(kMark + std::string(kMaxLineBytes, '\xFF'));
    ASSERT_EQ(replaced.lines.size(), 1U);
    EXPECT_EQ(replaced.lines[0].size(), 3 * kMaxLineBytes);

    TempBank bank;
    bank.write(1, kMark + "ok\r\n" + std::string(kMaxLineBytes + 1, 'x'));
    BankFileReader reader(bank.file(1), 1);
    std::string line;
    reader.nextLine(line);
    try {
        reader.nextLine(line);
        FAIL() << "a line one byte beyond the bound was read";
    } catch (const BankError& error) {
        EXPECT_EQ(error.reason(), BankError::Reason::LineTooLong);
        EXPECT_EQ(error.line(), 2);
    }
}

}  // namespace
}  // namespace kvardelon::test
