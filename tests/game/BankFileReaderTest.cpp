// Reading bank files line by line: line ends, the code page, and files that are not files.
#include "BankError.h"
#include "Cp1251.h"
#include "Fakes.h"
#include "QuestionBank.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace kvardelon::test {
namespace {

std::vector<std::string> readAll(const TempBank& bank, int step = 1)
{
    BankFileReader reader(bank.file(step), step);
    std::vector<std::string> lines;
    std::string line;
    while (reader.nextLine(line))
        lines.push_back(line);
    return lines;
}

struct LineEnds {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

class LineEndings : public ::testing::TestWithParam<LineEnds> {};

TEST_P(LineEndings, splitTheFileIntoTheExpectedLines)
{
    TempBank bank;
    bank.write(1, GetParam().bytes);
    EXPECT_EQ(readAll(bank), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    BankFileReader, LineEndings,
    ::testing::Values(LineEnds{"crlf", "a\r\nb\r\n", {"a", "b"}},
                      LineEnds{"crAlone", "a\rb\r", {"a", "b"}},
                      LineEnds{"lfAlone", "a\nb\n", {"a", "b"}},
                      LineEnds{"mixed", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
                      LineEnds{"noFinalLineEnd", "a\r\nb", {"a", "b"}},
                      LineEnds{"emptyLines", "\r\n\r\nx\r\n", {"", "", "x"}},
                      LineEnds{"lfThenCrIsTwoLineEnds", "a\n\rb", {"a", "", "b"}},
                      LineEnds{"empty", "", {}}),
    [](const ::testing::TestParamInfo<LineEnds>& row) { return std::string(row.param.name); });

TEST(BankFileReader, crLfSplitByTheBufferIsStillOneLineEnd)
{
    for (const std::size_t length : {16383U, 16384U, 16385U}) {
        TempBank bank;
        bank.write(1, std::string(length, 'x') + "\r\nnext\r\n");
        const auto lines = readAll(bank);
        ASSERT_EQ(lines.size(), 2U) << "line of " << length;
        EXPECT_EQ(lines[1], "next");
    }
}

TEST(BankFileReader, decodesWindows1251ToUtf8)
{
    TempBank bank;
    bank.write(1, "\xCC\xEE\xF1\xEA\xE2\xE0 \xA8\xB8 \xB9 \x98\r\n");
    EXPECT_EQ(readAll(bank), std::vector<std::string>{"Москва Ёё № \xEF\xBF\xBD"});
}

TEST(Cp1251, everyByteDecodesToOneCodePoint)
{
    EXPECT_EQ(cp1251ToUtf8("\xC0\xDF\xE0\xFF"), "АЯая");
    EXPECT_EQ(cp1251ToUtf8("\x85\x96\x97\xAB\xBB"), "…–—«»");
    EXPECT_EQ(cp1251ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(BankFileReader, countsLinesAsItReadsThem)
{
    TempBank bank;
    bank.write(1, "a\r\nb\r\nc");
    BankFileReader reader(bank.file(1), 1);
    std::string line;
    EXPECT_EQ(reader.lineNumber(), 0);
    reader.nextLine(line);
    reader.nextLine(line);
    EXPECT_EQ(reader.lineNumber(), 2);
}

TEST(BankFileReader, aLineBeyondTheBoundIsAnErrorNamingItsLine)
{
    TempBank bank;
    bank.write(1, "ok\r\n" + std::string(3 * 1024 * 1024, 'x') + "\r\n");
    BankFileReader reader(bank.file(1), 1);
    std::string line;
    reader.nextLine(line);
    try {
        reader.nextLine(line);
        FAIL() << "a line of three megabytes was read";
    } catch (const BankError& error) {
        EXPECT_EQ(error.reason(), BankError::Reason::LineTooLong);
        EXPECT_EQ(error.line(), 2);
    }
}

BankError::Reason openingFails(const std::filesystem::path& file)
{
    try {
        BankFileReader reader(file, 7);
    } catch (const BankError& error) {
        EXPECT_EQ(error.file(), file);
        EXPECT_EQ(error.step(), 7);
        return error.reason();
    }
    ADD_FAILURE() << file << " opened";
    return BankError::Reason::ReadFailed;
}

TEST(BankFileReader, refusesWhatIsNotARegularFile)
{
    using Reason = BankError::Reason;
    namespace fs = std::filesystem;
    TempBank bank;
    EXPECT_EQ(openingFails(bank.file(7)), Reason::MissingFile);
    EXPECT_EQ(openingFails(bank.root() / "nowhere" / "qw7.txt"), Reason::MissingFolder);

    fs::create_directory(bank.file(7));
    EXPECT_EQ(openingFails(bank.file(7)), Reason::NotRegularFile);

    fs::create_symlink(bank.root() / "missing.txt", bank.file(8));
    EXPECT_EQ(openingFails(bank.file(8)), Reason::NotRegularFile);

    fs::create_symlink(bank.file(9), bank.file(9));
    EXPECT_EQ(openingFails(bank.file(9)), Reason::NotRegularFile);

    // A pipe with no writer would block an open for reading; a device would never end.
    ASSERT_EQ(::mkfifo(bank.file(10).c_str(), 0600), 0);
    EXPECT_EQ(openingFails(bank.file(10)), Reason::NotRegularFile);

    fs::create_symlink("/dev/zero", bank.file(11));
    EXPECT_EQ(openingFails(bank.file(11)), Reason::NotRegularFile);
}

TEST(BankError, messagesNameTheFileTheLineAndWhatIsWrong)
{
    const BankError shortFile({.reason = BankError::Reason::TooShort,
                               .file = "data/qw7.txt",
                               .step = 7,
                               .line = 38,
                               .record = 7,
                               .missingLines = 4});
    EXPECT_STREQ(shortFile.what(),
                 "Файл вопросов для ступени 7 (data/qw7.txt) кончается на строке 38, "
                 "а вопросу № 7 нужно ещё 4 строки.");

    const BankError empty({.reason = BankError::Reason::TooShort,
                           .file = "data/qw2.txt",
                           .step = 2,
                           .record = 1,
                           .missingLines = 6});
    EXPECT_STREQ(empty.what(), "Файл вопросов для ступени 2 (data/qw2.txt) пуст, а вопросу № 1 нужно ещё 6 строк.");

    const BankError outOfRange({.reason = BankError::Reason::AnswerOutOfRange,
                                .file = "data/qw3.txt",
                                .step = 3,
                                .line = 12,
                                .text = std::string(100, '9')});
    const std::string message = outOfRange.what();
    EXPECT_NE(message.find("строка 12"), std::string::npos);
    EXPECT_NE(message.find("«" + std::string(40, '9') + "…»"), std::string::npos);
}

}  // namespace
}  // namespace kvardelon::test
