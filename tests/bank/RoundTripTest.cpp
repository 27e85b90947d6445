// Bank files written back: byte for byte when unchanged, in the file's own form when changed.
#include "BankError.h"
#include "BankFiles.h"
#include "BankText.h"
#include "Scratch.h"
#include "ShippedBanks.h"
#include "StepFiles.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kvardelon::test {
namespace {

namespace fs = std::filesystem;

// Records "q1".."qN" with answers "a".."d" and the answer 1, each line ended by `end`.
std::string records(int count, const std::string& end = "\r\n")
{
    std::string bytes;
    for (int r = 1; r <= count; ++r)
        bytes += "q" + std::to_string(r) + end + "a" + end + "b" + end + "c" + end + "d" + end + "1" + end;
    return bytes;
}

// Where two texts part, rather than both printed whole: some are long.
::testing::AssertionResult sameBytes(const std::string& actual, const std::string& expected)
{
    if (actual == expected)
        return ::testing::AssertionSuccess();
    const auto parting = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    const auto at = static_cast<std::size_t>(parting.first - actual.begin());
    return ::testing::AssertionFailure() << actual.size() << " bytes where " << expected.size()
                                         << " were read; they part at byte " << at << ": "
                                         << ::testing::PrintToString(actual.substr(at, 16)) << " for "
                                         << ::testing::PrintToString(expected.substr(at, 16));
}

void expectWrittenBackAsRead(const std::string& bytes, const std::string& name)
{
    const BankFile file = parseBankFile(bytes);
    const WrittenFile written = writeBankFile(file);
    EXPECT_TRUE(sameBytes(written.bytes, bytes)) << name;
    EXPECT_TRUE(written.unencodable.empty()) << name;
    EXPECT_EQ(parseBankFile(written.bytes).records, file.records) << name;
}

class ShippedBanks : public ::testing::TestWithParam<ShippedBank> {};

TEST_P(ShippedBanks, everyFileInEveryEncodingIsWrittenBackByteForByte)
{
    for (int step = 1; step <= kSteps; ++step) {
        const std::string name = stepFileName(step);
        const std::string shipped = readFile(fs::path(KVARDELON_SOURCE_DIR) / GetParam().folder / name);
        const std::string utf8 = cp1251ToUtf8(shipped);
        ASSERT_EQ(parseBankFile(utf8).encoding, Encoding::Utf8) << name;
        expectWrittenBackAsRead(shipped, name);
        expectWrittenBackAsRead(utf8, name + " in UTF-8");
        expectWrittenBackAsRead(std::string(kUtf8ByteOrderMark) + utf8, name + " in UTF-8 with the mark");
    }
}

INSTANTIATE_TEST_SUITE_P(
    WriteBankFile, ShippedBanks, ::testing::ValuesIn(kShippedBanks),
    [](const ::testing::TestParamInfo<ShippedBank>& row) { return std::string(row.param.name); });

struct OddFile {
    const char* name;
    std::string bytes;
};

class OddFiles : public ::testing::TestWithParam<OddFile> {};

TEST_P(OddFiles, areWrittenBackByteForByte)
{
    expectWrittenBackAsRead(GetParam().bytes, GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    WriteBankFile, OddFiles,
    ::testing::Values(OddFile{"empty", ""}, OddFile{"markAlone", "\xEF\xBB\xBF"},
                      OddFile{"mixedLineEnds", records(2, "\r\n") + records(1, "\n") + "x\ry\r\nz\n\r\n"},
                      OddFile{"unusedByte0x98", records(1) + "q\x98\r\n\x98\r\nb\r\nc\r\nd\r\n2\r\n"},
                      OddFile{"noFinalLineEnd", records(10) + "q11\r\na\r\nb\r\nc\r\nd\r\n1"},
                      OddFile{"trailingPartialRecord", records(10) + "q11\r\nonly\r\n\r\n"},
                      OddFile{"recordsAfterTheTenth", records(13, "\n")},
                      OddFile{"overLongLine", records(1) + std::string(kMaxLineBytes + 5, '\xE0') + "\r\n" + records(1)},
                      OddFile{"illFormedUtf8WithMark", "\xEF\xBB\xBF" + records(1) + "\xFF\xD0\r\n\xE2\x82"},
                      OddFile{"crAloneThenEmptyLines", "a\r\r\r\n\nb\r"},
                      OddFile{"nothingButLineEnds", "\r\n\n\r\r"}),
    [](const ::testing::TestParamInfo<OddFile>& row) { return std::string(row.param.name); });

TEST(WriteBankFile, aChangedRecordTakesTheFilesEncodingAndLineEndTheRestStaysAsItWas)
{
    // A UTF-8 file without the mark, LF ends, an odd CR LF kept in record 1.
    const std::string utf8 = "Вопрос\r\nа\nб\nв\nг\n1\n" + records(1, "\n");
    BankFile file = parseBankFile(utf8);
    ASSERT_EQ(file.lineEnd, LineEnd::Lf);
    file.records[1].question = "Новый\nвопрос";
    EXPECT_EQ(writeBankFile(file).bytes, "Вопрос\r\nа\nб\nв\nг\n1\nНовый вопрос\na\nb\nc\nd\n1\n");

    // windows-1251, CR LF, no final line end; a record added after it.
    const std::string cp1251 = "\xC2\xEE\xEF\xF0\xEE\xF1\r\n\x98\r\nb\r\nc\r\nd\r\n2";
    file = parseBankFile(cp1251);
    Record added{"Ёлка", {"ü", "b", "c", "d"}, "3"};
    file.records.push_back(added);
    file.records[0].answerLine = "4";
    const WrittenFile written = writeBankFile(file);
    EXPECT_EQ(written.bytes, "\xC2\xEE\xEF\xF0\xEE\xF1\r\n\x98\r\nb\r\nc\r\nd\r\n4\r\n\xA8\xEB\xEA\xE0\r\n?\r\nb\r\nc\r\nd\r\n3");
    ASSERT_EQ(written.unencodable.size(), 1U) << "the unchanged 0x98 is kept, ü has no byte";
    EXPECT_EQ(written.unencodable[0].record, 1);
    EXPECT_EQ(written.unencodable[0].field, 1);
    EXPECT_EQ(written.unencodable[0].character.text, "ü");
}

TEST(WriteBankFile, aChangedLineEndedByCrAloneNeverSwallowsTheEmptyLineAfterIt)
{
    // CR is the file's line end; the empty answer B ends with LF.
    BankFile file = parseBankFile("q\rold\n\nc\rd\r1\rz\r");
    file.records[0].answers[0] = "new";
    const BankFile again = parseBankFile(writeBankFile(file).bytes);
    ASSERT_EQ(again.records.size(), 1U);
    EXPECT_EQ(again.records[0].answers, (std::array<std::string, 4>{"new", "", "c", "d"}));
    EXPECT_EQ(again.rest, std::vector<std::string>{"z"});
}

TEST(WriteBankFile, movedAndRemovedRecordsKeepTheirOwnBytes)
{
    const std::string bytes = "q\x98\r\na\r\nb\r\nc\r\nd\r\n1\nr\x98\r\na\r\nb\r\nc\r\nd\r\n2\r\n";
    BankFile file = parseBankFile(bytes);
    std::swap(file.records[0], file.records[1]);
    EXPECT_EQ(writeBankFile(file).bytes, "r\x98\r\na\r\nb\r\nc\r\nd\r\n2\r\nq\x98\r\na\r\nb\r\nc\r\nd\r\n1\n");
    file.records.erase(file.records.begin());
    EXPECT_EQ(writeBankFile(file).bytes, "q\x98\r\na\r\nb\r\nc\r\nd\r\n1\n");
}

TEST(WriteBankFile, aNewFileIsWindows1251WithCrLf)
{
    BankFile file = newBankFile();
    file.records.push_back({"Столица?", {"Москва", "b", "c", "d"}, "1"});
    EXPECT_EQ(writeBankFile(file).bytes, "\xD1\xF2\xEE\xEB\xE8\xF6\xE0?\r\n\xCC\xEE\xF1\xEA\xE2\xE0\r\nb\r\nc\r\nd\r\n1\r\n");
}

}  // namespace
}  // namespace kvardelon::test
