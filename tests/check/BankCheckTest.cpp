// Checking banks: each error and warning found at its file and line and nothing else,
// clean files left alone, the shipped banks clean in both of their possible encodings.
#include "BankCheck.h"
#include "Cp1251.h"
#include "Fakes.h"
#include "PathText.h"
#include "QuestionBank.h"
#include "ShippedBanks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace kvardelon::check {
namespace {

using namespace std::string_literals;
using test::record;
using test::TempBank;

// Lines ended by CR LF.
std::string lines(std::initializer_list<std::string> texts)
{
    std::string bytes;
    for (const std::string& text : texts)
        bytes += text + "\r\n";
    return bytes;
}

// Records from..to of the step's standard file: questions "qS-R", answer A.
std::string records(int step, int from, int to)
{
    std::string bytes;
    for (int r = from; r <= to; ++r)
        bytes += record("q" + std::to_string(step) + "-" + std::to_string(r), 1);
    return bytes;
}

// Records 1..10 of the step with record `at` replaced.
std::string withRecord(int at, const std::string& replacement, int step = 3)
{
    return records(step, 1, at - 1) + replacement + records(step, at + 1, 10);
}

std::string listed(const std::vector<Finding>& findings)
{
    std::string text;
    for (const Finding& finding : findings)
        text += "\n  " + formatFinding(finding);
    return text.empty() ? " none" : text;
}

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

// Sixty lines "Вопрос 1", "Вопрос 2", ... in UTF-16 without the mark: beside a Russian letter
// stands a 4, not a zero.
std::string russianUtf16()
{
    std::string bytes;
    for (int line = 1; line <= 60; ++line) {
        bytes += std::string("\x12\x04\x3E\x04\x3F\x04\x40\x04\x3E\x04\x41\x04 \0", 14);
        for (const char digit : std::to_string(line) + "\r\n")
            bytes += std::string{digit, '\0'};
    }
    return bytes;
}

// ASCII bytes as UTF-16, as a text editor saves "Unicode": two bytes a character.
std::string asUtf16(const std::string& ascii, bool bigEndian, bool mark)
{
    std::string bytes = mark ? (bigEndian ? "\xFE\xFF" : "\xFF\xFE") : "";
    for (const char c : ascii)
        bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    return bytes;
}

struct BrokenFile {
    const char* name;
    std::string bytes;  // of qw3.txt; every other file is clean
    Problem problem;
    int line;
    const char* saying;  // a part of the message
};

class BrokenFiles : public ::testing::TestWithParam<BrokenFile> {};

TEST_P(BrokenFiles, giveOneFindingAtTheirLineAndNothingElse)
{
    TempBank bank;
    bank.writeAll();
    bank.write(3, GetParam().bytes);
    const std::vector<Finding> findings = checkBank(bank.folder());
    ASSERT_EQ(findings.size(), 1U) << "findings:" << listed(findings);
    EXPECT_EQ(findings[0].problem, GetParam().problem) << listed(findings);
    EXPECT_EQ(findings[0].file, bank.file(3));
    EXPECT_EQ(findings[0].line, GetParam().line);
    EXPECT_NE(findings[0].message.find(GetParam().saying), std::string::npos) << listed(findings);
}

const std::string kUtf8Records = [] {
    std::string bytes;
    for (int r = 1; r <= 10; ++r)
        bytes += record("Из какого города вопрос № " + std::to_string(r) + "?", 2);
    return bytes;
}();

INSTANTIATE_TEST_SUITE_P(
    CheckBank, BrokenFiles,
    ::testing::Values(
        BrokenFile{"nineRecords", records(3, 1, 9), Problem::TooFewRecords, 54, "запись № 10"},
        BrokenFile{"recordCutShort", records(3, 1, 9) + "q3-10\r\nx", Problem::TooFewRecords, 56, "9 полных"},
        BrokenFile{"emptyFile", "", Problem::TooFewRecords, 0, "файл пуст"},
        BrokenFile{"utf16WithMark", asUtf16(records(3, 1, 10), false, true), Problem::Utf16File, 0,
                   "сохраните его заново в кодировке windows-1251"},
        BrokenFile{"utf16BigEndianWithMark", asUtf16(records(3, 1, 10), true, true), Problem::Utf16File, 0,
                   "UTF-16"},
        BrokenFile{"utf16WithoutMark", asUtf16(records(3, 1, 10), false, false), Problem::Utf16File, 0,
                   "или UTF-8"},
        BrokenFile{"utf16RussianWithoutMark", russianUtf16(), Problem::Utf16File, 0, "UTF-16"},
        BrokenFile{"halfANumber", withRecord(4, record("q3-4", 2, ".5")), Problem::BadAnswerNumber, 24,
                   "прочтёт его как 2 (ответ B)"},
        BrokenFile{"numberWithText", withRecord(4, record("q3-4", 3, "abc")), Problem::BadAnswerNumber, 24,
                   "как 3 (ответ C)"},
        BrokenFile{"numberSeven", withRecord(4, record("q3-4", 7)), Problem::BadAnswerNumber, 24,
                   "нельзя будет ответить"},
        BrokenFile{"latinLetterForNumber", withRecord(2, lines({"q3-2", "a", "b", "c", "d", "B"})),
                   Problem::BadAnswerNumber, 12,
                   "как 0: на этот вопрос нельзя будет ответить. Напишите 2: B — второй ответ."},
        // "В" in windows-1251: the third Russian letter, though it looks like the Latin B.
        BrokenFile{"russianLetterForNumber", withRecord(2, lines({"q3-2", "a", "b", "c", "d", "\xC2"})),
                   Problem::BadAnswerNumber, 12,
                   "Напишите 3: В — третий ответ (на кнопке «C:»)."},
        BrokenFile{"bracketAfterTheDigit", withRecord(2, record("q3-2", 3, ")")), Problem::BadAnswerNumber, 12,
                   "со скобкой, а игра ждёт одну цифру: она прочтёт его как 3, но лучше без знаков. Напишите 3: C"},
        BrokenFile{"digitInAWord", withRecord(2, lines({"q3-2", "a", "b", "c", "d", "Ответ 4"})),
                   Problem::BadAnswerNumber, 12, "как 0, и на этот вопрос нельзя будет ответить: любой ответ "
                                                 "окажется неверным. Напишите 4: D — четвёртый ответ."},
        BrokenFile{"emptySixthLine", withRecord(2, lines({"q3-2", "a", "b", "c", "d", ""})),
                   Problem::BadAnswerNumber, 12, "пуста"},
        BrokenFile{"numberBeyond16Bits", withRecord(10, record("q3-10", 40000)), Problem::BadAnswerNumber,
                   60, "-32768"},
        BrokenFile{"emptyQuestion", withRecord(2, lines({"", "a", "b", "c", "d", "1"})), Problem::EmptyText, 7,
                   "пустой вопрос"},
        BrokenFile{"blankAnswer", withRecord(2, lines({"q3-2", "a", "b", "   ", "d", "1"})),
                   Problem::EmptyText, 10, "пустой ответ C"},
        BrokenFile{"lineTooLong", withRecord(2, lines({"q3-2", std::string(70000, 'x'), "b", "c", "d", "1"})),
                   Problem::LineTooLong, 8, "65536"},
        BrokenFile{"unusedByte", withRecord(2, record("q3-2\x98", 1)), Problem::UnusedByte, 7, "0x98"},
        BrokenFile{"nulInAnAnswer", withRecord(2, lines({"q3-2", "a\0b"s, "b", "c", "d", "1"})),
                   Problem::ControlCharacter, 8, "0x00"},
        BrokenFile{"escapeInTwoLines", records(3, 1, 1) + record("q3-2\x1B", 1) + record("q3-3\x1B", 1) +
                                           records(3, 4, 10),
                   Problem::ControlCharacter, 7, "ещё в 9 строках"},
        // One stray byte makes a file without the mark windows-1251 throughout.
        BrokenFile{"utf8WithoutMarkAndAStrayByte", [] {
                       std::string bytes = kUtf8Records;
                       return bytes.insert(bytes.find("№ 3"), "\xFF");
                   }(),
                   Problem::LooksLikeUtf8, 1, "(в строке 13 есть байты не из UTF-8, наверное, она в windows-1251)"},
        // Questions in UTF-8 and one added in windows-1251 ("Москва?"): read as windows-1251.
        BrokenFile{"utf8AndWindows1251Mixed",
                   kUtf8Records.substr(0, kUtf8Records.find("Из какого города вопрос № 10")) +
                       record("\xCC\xEE\xF1\xEA\xE2\xE0?", 2),
                   Problem::LooksLikeUtf8, 1, "Перепечатайте строку 55 и сохраните файл в UTF-8"},
        BrokenFile{"illFormedUtf8", "\xEF\xBB\xBF" + withRecord(3, record("q3-3\xFF", 1)),
                   Problem::IllFormedUtf8, 13, "\xEF\xBF\xBD"},
        BrokenFile{"equalAnswers", withRecord(1, lines({"q3-1", "same", "other", "same ", "x", "1"})),
                   Problem::EqualAnswers, 4, "совпадает с ответом A (строка 2)"},
        BrokenFile{"questionFromStep1", withRecord(6, record("q1-7", 1)), Problem::RepeatedQuestion, 31,
                   "qw1.txt:37"},
        // A keyboard left in the Latin layout: "Cосна" begins with the Latin C.
        BrokenFile{"latinLetterInARussianWord", "\xEF\xBB\xBF" + withRecord(2, lines({"Где растёт Cосна?", "a", "b", "c", "d", "1"})),
                   Problem::MixedLetters, 7, "латинская буква C в русском слове «Cосна»"},
        BrokenFile{"latinLettersInTwoWordsOfAnAnswer",
                   "\xEF\xBB\xBF" + withRecord(2, lines({"q3-2", "Кaкое-то Pябоe", "b", "c", "d", "1"})),
                   Problem::MixedLetters, 8, "«Кaкое» (a), «Pябоe» (P, e)"},
        // Fewer than ten questions repeated in turn are meant so; a repeat of another shape is not.
        BrokenFile{"threeQuestionsInTurn", records(3, 1, 3) + records(3, 1, 3) + records(3, 1, 3) + records(3, 1, 1),
                   Problem::RepeatedInTurn, 0, "3 вопроса, повторённые по кругу до десяти записей: первый выпадет "
                                               "примерно в 4 играх из 10, остальные — в 3."},
        BrokenFile{"oneQuestionTenTimes", [] {
                       std::string bytes;
                       for (int r = 1; r <= 10; ++r)
                           bytes += records(3, 1, 1);
                       return bytes;
                   }(),
                   Problem::RepeatedInTurn, 0, "один и тот же вопрос, повторённый до десяти записей: он будет в каждой игре"},
        BrokenFile{"twoQuestionsInTurnPastTheTenth", [] {
                       std::string bytes;
                       for (int r = 1; r <= 6; ++r)
                           bytes += records(3, 1, 2);
                       return bytes;
                   }(),
                   Problem::RepeatedInTurn, 0, "каждый выпадет примерно в половине игр"},
        BrokenFile{"questionRepeatedOutOfTurn", withRecord(6, record("q3-2", 1)), Problem::RepeatedQuestion, 31,
                   "qw3.txt:7"},
        BrokenFile{"eleventhRecord", records(3, 1, 11), Problem::RecordsAfterTenth, 61, "десяти"},
        // A line added or lost inside a record moves all below: told once, where it happened.
        BrokenFile{"blankLineBetweenRecords", records(3, 1, 4) + "\r\n" + records(3, 5, 10), Problem::ShiftedLines,
                   25, "пустая строка 25 лишняя"},
        BrokenFile{"fifthAnswer",
                   withRecord(5, lines({"q3-5", "q3-5 a", "q3-5 b", "q3-5 c", "q3-5 d", "q3-5 e", "2"})),
                   Problem::ShiftedLines, 25,
                   "5 строк (строки 26–30), а ответов должно быть четыре: одна строка лишняя"},
        BrokenFile{"lineAfterTheNumber", withRecord(5, record("q3-5", 2, "\r\nq3-5 e")), Problem::ShiftedLines, 31,
                   "одна строка лишняя"},
        BrokenFile{"answerLeftOut", records(3, 1, 4) + lines({"q3-5", "q3-5 a", "q3-5 b", "q3-5 c", "2"}) +
                                       records(3, 6, 10),
                   Problem::ShiftedLines, 29, "после вопроса только 3 ответа: не хватает одной строки"},
        BrokenFile{"numberLeftOut", records(3, 1, 4) + lines({"q3-5", "q3-5 a", "q3-5 b", "q3-5 c", "q3-5 d"}) +
                                       records(3, 6, 10),
                   Problem::ShiftedLines, 30, "нет номера правильного ответа"},
        BrokenFile{"blankLineBeforeEveryRecord", replaced(records(3, 1, 10), "\r\n1\r\n", "\r\n1\r\n\r\n"),
                   Problem::ShiftedLines, 7, "ниже есть ещё сдвиги"},
        BrokenFile{"faultsAfterTenthAreNotJudged",
                   records(3, 1, 10) + lines({"", "x", "x", "", "d", "7"}) + std::string(70000, 'x'),
                   Problem::RecordsAfterTenth, 62, "никогда не покажет"}),
    [](const ::testing::TestParamInfo<BrokenFile>& row) { return std::string(row.param.name); });

struct CleanFile {
    const char* name;
    std::string bytes;
};

class CleanFiles : public ::testing::TestWithParam<CleanFile> {};

TEST_P(CleanFiles, giveNoFindings)
{
    TempBank bank;
    bank.writeAll();
    bank.write(3, GetParam().bytes);
    EXPECT_EQ(listed(checkBank(bank.folder())), " none");
}

INSTANTIATE_TEST_SUITE_P(
    CheckBank, CleanFiles,
    ::testing::Values(
        CleanFile{"lfLineEnds", replaced(records(3, 1, 10), "\r\n", "\n")},
        CleanFile{"crLineEnds", replaced(records(3, 1, 10), "\r\n", "\r")},
        CleanFile{"blanksAroundTheNumber", withRecord(5, lines({"q3-5", "a", "b", "c", "d", " 3\t"}))},
        CleanFile{"blankLinesAfterTheTenth", records(3, 1, 10) + "\r\n \r\n"},
        CleanFile{"tabInAQuestion", withRecord(5, record("q3-5\tand more", 1))},
        CleanFile{"utf8WithMark", "\xEF\xBB\xBF" + kUtf8Records},
        CleanFile{"utf8WithoutMark", kUtf8Records},
        // Latin words and letters of their own beside Russian ones are meant.
        CleanFile{"latinWordsBesideRussianOnes",
                  "\xEF\xBB\xBF" + withRecord(5, lines({"Что значит Wi-Fi в слове «Wi-Fi-роутер»?", "витамин C",
                                                          "DNA и РНК", "3D-очки", "XIX век", "1"}))},
        // "Рёв" in windows-1251 holds D0 B8, which is "и" in UTF-8: one pair among many letters.
        CleanFile{"windows1251WithAUtf8LookingPair",
                  withRecord(5, record("\xD0\xB8\xE2 \xEC\xEE\xF0\xFF \xE8 \xF8\xF2\xEE\xF0\xEC\xE0", 1))}),
    [](const ::testing::TestParamInfo<CleanFile>& row) { return std::string(row.param.name); });

struct UnopenableFile {
    const char* name;
    void (*spoil)(const TempBank& bank);
    const char* saying;
};

class UnopenableFiles : public ::testing::TestWithParam<UnopenableFile> {};

TEST_P(UnopenableFiles, areOneErrorWithTheGamesOwnWords)
{
    TempBank bank;
    bank.writeAll();
    GetParam().spoil(bank);
    const std::vector<Finding> findings = checkBank(bank.folder());
    ASSERT_EQ(findings.size(), 1U) << "findings:" << listed(findings);
    EXPECT_EQ(findings[0].problem, Problem::CannotOpen);
    EXPECT_EQ(findings[0].line, 0);
    EXPECT_NE(findings[0].message.find(GetParam().saying), std::string::npos) << listed(findings);
}

INSTANTIATE_TEST_SUITE_P(
    CheckBank, UnopenableFiles,
    ::testing::Values(
        UnopenableFile{"missingFile", [](const TempBank& bank) { std::filesystem::remove(bank.file(3)); },
                       "Не найден файл вопросов для ступени 3"},
        UnopenableFile{"folderForAFile",
                       [](const TempBank& bank) {
                           std::filesystem::remove(bank.file(12));
                           std::filesystem::create_directory(bank.file(12));
                       },
                       "не является обычным файлом"},
        UnopenableFile{"missingFolderOnce",
                       [](const TempBank& bank) { std::filesystem::remove_all(bank.folder()); },
                       "Не найдена папка"}),
    [](const ::testing::TestParamInfo<UnopenableFile>& row) { return std::string(row.param.name); });

TEST(CheckBank, listsFindingsFileByFileInLineOrder)
{
    TempBank bank;
    bank.writeAll();
    // The encoding is judged after the whole file, yet its finding takes its line's place.
    bank.write(2, record("q2-1\x01", 1) + records(2, 2, 3) + record("q2-4", 9) + records(2, 5, 11));
    bank.write(5, withRecord(1, lines({"q5-1", "x", "x", "c", "d", "5"}), 5));
    std::vector<std::pair<std::string, int>> places;
    for (const Finding& finding : checkBank(bank.folder()))
        places.emplace_back(pathToUtf8(finding.file.filename()), finding.line);
    EXPECT_EQ(places, (std::vector<std::pair<std::string, int>>{
                          {"qw2.txt", 1}, {"qw2.txt", 24}, {"qw2.txt", 61}, {"qw5.txt", 3}, {"qw5.txt", 6}}));
}

TEST(CheckBank, asksTheMeasureAboutEachShownTextAndItsControl)
{
    TempBank bank;
    bank.writeAll();
    bank.write(3, withRecord(4, lines({"q3-4 " + std::string(20, 'x'), "a", std::string(20, 'y'), "c", "d", "1"})));
    std::vector<std::pair<std::string, Captioned>> asked;
    const std::vector<Finding> findings = checkBank(bank.folder(), [&](std::string_view text, Captioned control) {
        asked.emplace_back(text, control);
        return std::max(0, static_cast<int>(text.size()) - 10);  // ten characters fit
    });
    ASSERT_EQ(findings.size(), 2U) << listed(findings);
    EXPECT_EQ(findings[0].line, 19);
    EXPECT_NE(findings[0].message.find("игрок не увидит его конец, 15 знаков: «…xxxxxxxxxxxxxxx»"), std::string::npos)
        << listed(findings);
    EXPECT_EQ(findings[1].line, 21);
    EXPECT_EQ(findings[1].problem, Problem::TooLongToShow);
    EXPECT_NE(findings[1].message.find("игрок не увидит 10 знаков из 20"), std::string::npos) << listed(findings);
    EXPECT_EQ(asked.size(), 15U * 10U * 5U) << "the ten shown records of each file, five texts each";
    EXPECT_EQ(asked[0], (std::pair<std::string, Captioned>{"q1-1", Captioned::Label1}));
    EXPECT_EQ(asked[2], (std::pair<std::string, Captioned>{"q1-1 b", Captioned::Command2}));
}

class ShippedBanks : public ::testing::TestWithParam<test::ShippedBank> {
protected:
    const std::filesystem::path shipped = std::filesystem::path(KVARDELON_SOURCE_DIR) / GetParam().folder;

    // The shipped bank's files in UTF-8, the mark in front or not.
    void writeShippedAsUtf8(const TempBank& bank, bool withMark) const
    {
        for (int step = 1; step <= 15; ++step) {
            std::ifstream in(QuestionBank(shipped).fileName(step), std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            bank.write(step, (withMark ? std::string(kUtf8ByteOrderMark) : "") + cp1251ToUtf8(bytes));
        }
    }
};

TEST_P(ShippedBanks, areClean)
{
    EXPECT_EQ(listed(checkBank(shipped)), " none");
}

TEST_P(ShippedBanks, inUtf8WithOrWithoutTheMarkAreCleanAndShowTheSameText)
{
    for (const bool withMark : {true, false}) {
        TempBank bank;
        writeShippedAsUtf8(bank, withMark);
        EXPECT_EQ(listed(checkBank(bank.folder())), " none") << (withMark ? "with" : "without") << " the mark";
        for (int step = 1; step <= 15; ++step) {
            for (int r = 1; r <= 10; ++r) {
                test::RecordingWindows original;
                test::RecordingWindows converted;
                GameState state;
                test::ScriptedRandom random{test::drawingRecord(r), test::drawingRecord(r)};
                QuestionBank(shipped).loadQuestion(step, random, original, state);
                QuestionBank(bank.folder()).loadQuestion(step, random, converted, state);
                ASSERT_EQ(converted.log, original.log)
                    << "step " << step << ", record " << r << (withMark ? "" : ", no mark");
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Banks, ShippedBanks, ::testing::ValuesIn(test::kShippedBanks),
    [](const ::testing::TestParamInfo<test::ShippedBank>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace kvardelon::check
