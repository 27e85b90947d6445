// Reading a bank file's bytes: lines and their ends, records one at a time, the sixth line.
#include "BankError.h"
#include "BankText.h"

#include <gtest/gtest.h>

namespace kvardelon::test {
namespace {

std::vector<std::string> readAll(std::string_view bytes)
{
    LineReader reader(bytes, "data/qw1.txt", 1);
    std::vector<std::string> lines;
    std::string line;
    while (reader.nextLine(line))
        lines.push_back(line);
    EXPECT_EQ(reader.lineNumber(), static_cast<int>(lines.size()));
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
    EXPECT_EQ(readAll(GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    LineReader, LineEndings,
    ::testing::Values(LineEnds{"crlf", "a\r\nb\r\n", {"a", "b"}},
                      LineEnds{"crAlone", "a\rb\r", {"a", "b"}},
                      LineEnds{"lfAlone", "a\nb\n", {"a", "b"}},
                      LineEnds{"mixed", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
                      LineEnds{"noFinalLineEnd", "a\r\nb", {"a", "b"}},
                      LineEnds{"emptyLines", "\r\n\r\nx\r\n", {"", "", "x"}},
                      // Two line ends in a row are an empty line between them, whichever they are.
                      LineEnds{"twoLfAreAnEmptyLine", "a\n\nb\n", {"a", "", "b"}},
                      LineEnds{"threeLfAreTwoEmptyLines", "\n\n\nx", {"", "", "", "x"}},
                      LineEnds{"twoCrAreAnEmptyLine", "a\r\rb\r", {"a", "", "b"}},
                      LineEnds{"threeCrAreTwoEmptyLines", "\r\r\rx", {"", "", "", "x"}},
                      LineEnds{"crLfThenLf", "a\r\n\nb", {"a", "", "b"}},
                      LineEnds{"lfThenCrIsTwoLineEnds", "a\n\rb", {"a", "", "b"}},
                      LineEnds{"empty", "", {}}),
    [](const ::testing::TestParamInfo<LineEnds>& row) { return std::string(row.param.name); });

// An empty line lost anywhere would shift every record after it.
class EmptyLinesInRecords : public ::testing::TestWithParam<const char*> {};

TEST_P(EmptyLinesInRecords, keepEveryRecordInItsPlace)
{
    const std::string end = GetParam();
    // Record 1 has an empty question and an empty answer line; record 2 an empty answer B.
    const std::string bytes = end + "a" + end + "b" + end + "c" + end + "d" + end + end +
                              "q2" + end + "a2" + end + end + end + "d2" + end + "4" + end + "q3";
    RecordReader reader(bytes, "data/qw5.txt", 5);
    const std::optional<Record> first = reader.next();
    const std::optional<Record> second = reader.next();
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->question, "");
    EXPECT_EQ(first->answerLine, "");
    EXPECT_EQ(second->question, "q2");
    EXPECT_EQ(second->answers, (std::array<std::string, 4>{"a2", "", "", "d2"}));
    EXPECT_EQ(second->answerLine, "4");
    EXPECT_EQ(second->line, 7);
}

INSTANTIATE_TEST_SUITE_P(LineReader, EmptyLinesInRecords, ::testing::Values("\n", "\r", "\r\n"),
                         [](const ::testing::TestParamInfo<const char*>& row) {
                             return std::string(row.param) == "\n" ? "lfOnly" : row.param[1] ? "crLf" : "crOnly";
                         });

TEST(LineReader, decodesWindows1251ToUtf8AndKeepsTheRawBytes)
{
    LineReader reader("\xCC\xEE\xF1\xEA\xE2\xE0 \xA8\xB8 \xB9 \x98\r\nnext", "data/qw1.txt", 1);
    std::string line;
    ASSERT_TRUE(reader.nextLine(line));
    EXPECT_EQ(line, "Москва Ёё № \xEF\xBF\xBD");
    EXPECT_EQ(reader.rawLine(), "\xCC\xEE\xF1\xEA\xE2\xE0 \xA8\xB8 \xB9 \x98");
    EXPECT_EQ(reader.encoding(), Encoding::Cp1251);
}

TEST(LineReader, aLineBeyondTheBoundIsAnErrorNamingItsLine)
{
    const std::string bytes = "ok\r\n" + std::string(kMaxLineBytes, 'x') + "\r\n" + std::string(kMaxLineBytes + 1, 'x');
    LineReader reader(bytes, "data/qw4.txt", 4);
    std::string line;
    reader.nextLine(line);
    ASSERT_TRUE(reader.nextLine(line)) << "a line at the bound is allowed";
    try {
        reader.nextLine(line);
        FAIL() << "a line one byte beyond the bound was read";
    } catch (const BankError& error) {
        EXPECT_EQ(error.reason(), BankError::Reason::LineTooLong);
        EXPECT_EQ(error.line(), 3);
        EXPECT_EQ(error.file(), "data/qw4.txt");
        EXPECT_EQ(error.step(), 4);
    }
}

TEST(RecordReader, readsNoFurtherThanAskedAndSaysWhatAShortRecordLacks)
{
    // After two whole records a cut one, then a line no reader may take.
    const std::string bytes = "q1\r\na\r\nb\r\nc\r\nd\r\n1\r\nq2\r\na\r\nb\r\nc\r\nd\r\n 2\r\nq3\r\nonly\r\n" +
                              std::string(kMaxLineBytes + 1, 'x');
    RecordReader reader(bytes, "data/qw7.txt", 7);
    EXPECT_EQ(reader.next()->question, "q1");
    const std::optional<Record> second = reader.next();
    EXPECT_EQ(second->answerLine, " 2");
    EXPECT_EQ(second->line, 7);
    EXPECT_EQ(reader.lineNumber(), 12);
    try {
        reader.next();
        FAIL() << "a record cut short was read";
    } catch (const BankError& error) {
        EXPECT_EQ(error.reason(), BankError::Reason::LineTooLong);
        EXPECT_EQ(error.line(), 15);
    }

    RecordReader cut("q1\r\na\r\nb", "data/qw7.txt", 7);
    try {
        cut.next();
        FAIL() << "three lines made a record";
    } catch (const BankError& error) {
        EXPECT_EQ(error.reason(), BankError::Reason::TooShort);
        EXPECT_EQ(error.line(), 3);
        EXPECT_EQ(error.details().record, 1);
        EXPECT_EQ(error.details().missingLines, 3);
    }
    EXPECT_EQ(RecordReader("", "data/qw7.txt", 7).next(), std::nullopt);
}

struct SixthLine {
    const char* line;
    std::optional<std::int16_t> number;
};

class SixthLines : public ::testing::TestWithParam<SixthLine> {};

TEST_P(SixthLines, readAsTheirLeadingDecimalNumberRoundedHalfToEven)
{
    EXPECT_EQ(answerNumber(GetParam().line), GetParam().number) << "line \"" << GetParam().line << "\"";
}

INSTANTIATE_TEST_SUITE_P(AnswerNumber, SixthLines,
                         ::testing::Values(SixthLine{"3", 3}, SixthLine{" 3", 3}, SixthLine{" 3 ", 3},
                                           SixthLine{"\t4", 4}, SixthLine{"2.5", 2}, SixthLine{"3.5", 4},
                                           SixthLine{"2.51", 3}, SixthLine{"2.4999", 2}, SixthLine{"1.", 1},
                                           SixthLine{".5", 0}, SixthLine{".6", 1}, SixthLine{"", 0},
                                           SixthLine{"text", 0}, SixthLine{"+3", 3}, SixthLine{"-2", -2},
                                           SixthLine{"3abc", 3}, SixthLine{"1e1", 1}, SixthLine{"0x3", 0},
                                           SixthLine{"1 2", 1}, SixthLine{"32767", 32767},
                                           SixthLine{"32767.5", std::nullopt}, SixthLine{"32766.5", 32766},
                                           SixthLine{"-32768", -32768}, SixthLine{"-32768.5", -32768},
                                           SixthLine{"-32768.51", std::nullopt}, SixthLine{"99999", std::nullopt},
                                           SixthLine{"123456789012345678901234567890", std::nullopt},
                                           SixthLine{"\xEF\xBC\x93", 0}));

}  // namespace
}  // namespace kvardelon::test
