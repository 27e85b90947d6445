// Loading a question: file names, the record drawn, the sixth line and short files.
#include "BankError.h"
#include "Fakes.h"
#include "QuestionBank.h"

#include <gtest/gtest.h>

#include <optional>

namespace kvardelon::test {
namespace {

class LoadingAQuestion : public ::testing::Test {
protected:
    LoadingAQuestion() { random.log = &windows.log; }

    void load(int step) { QuestionBank(bank.folder()).loadQuestion(step, random, windows, state); }

    TempBank bank;
    RecordingWindows windows;
    ScriptedRandom random;
    GameState state;
};

TEST_F(LoadingAQuestion, fileNamesCarryTheStepWithNoBlankOrZero)
{
    const QuestionBank standard;
    EXPECT_EQ(standard.fileName(1), std::filesystem::path("data") / "qw1.txt");
    EXPECT_EQ(standard.fileName(10), std::filesystem::path("data") / "qw10.txt");
    EXPECT_EQ(standard.fileName(15), std::filesystem::path("data") / "qw15.txt");
}

TEST_F(LoadingAQuestion, writesEveryRecordUpToTheDrawnOneSoTheLastStays)
{
    bank.write(3, record("first", 2) + record("second", 4) + record("third", 1));
    random.add({drawingRecord(2)});
    load(3);
    EXPECT_EQ(windows.log, (std::vector<std::string>{
                               "Label1 = first", "Command1 = A:first a", "Command2 = B:first b",
                               "Command3 = C:first c", "Command4 = D:first d", "Label1 = second",
                               "Command1 = A:second a", "Command2 = B:second b", "Command3 = C:second c",
                               "Command4 = D:second d"}));
    EXPECT_EQ(state.gintO, 4);
    EXPECT_EQ(state.gintK, 0) << "loading a question leaves the step to its caller";
}

TEST_F(LoadingAQuestion, prefixesAnswersWithTheirLetterAndNoBlank)
{
    bank.write(1, "\xD1\xF2\xEE\xEB\xE8\xF6\xE0?\r\n\xCC\xEE\xF1\xEA\xE2\xE0\r\nb\r\nc\r\nd\r\n1\r\n");
    random.add({drawingRecord(1)});
    load(1);
    EXPECT_EQ(windows.caption(Captioned::Label1), "Столица?");
    EXPECT_EQ(windows.caption(Captioned::Command1), "A:Москва");
}

TEST_F(LoadingAQuestion, anEmptyQuestionLineLeavesAnEmptyLabel)
{
    bank.write(1, "\r\na\r\nb\r\nc\r\nd\r\n3\r\n");
    random.add({drawingRecord(1)});
    load(1);
    EXPECT_EQ(windows.caption(Captioned::Label1), "");
    EXPECT_EQ(state.gintO, 3);
}

TEST_F(LoadingAQuestion, aFileOfNineRecordsLoadsUnlessTheTenthIsDrawn)
{
    std::string nine;
    for (int r = 1; r <= 9; ++r)
        nine += record("q" + std::to_string(r), 1);
    bank.write(4, nine);

    random.add({drawingRecord(9)});
    load(4);
    EXPECT_EQ(windows.caption(Captioned::Label1), "q9");

    random.add({drawingRecord(10)});
    try {
        load(4);
        FAIL() << "the tenth record was read from a file of nine";
    } catch (const BankError& error) {
        EXPECT_EQ(error.reason(), BankError::Reason::TooShort);
        EXPECT_EQ(error.file(), bank.file(4));
        EXPECT_EQ(error.line(), 54);
        EXPECT_EQ(error.details().record, 10);
        EXPECT_EQ(error.details().missingLines, 6);
    }
}

TEST_F(LoadingAQuestion, aRecordCutShortReportsTheLinesItLacks)
{
    bank.write(7, record("q1", 1) + "q2\r\nonly an answer\r\n");
    random.add({drawingRecord(2)});
    try {
        load(7);
        FAIL() << "a cut record loaded";
    } catch (const BankError& error) {
        EXPECT_EQ(error.line(), 8);
        EXPECT_EQ(error.details().missingLines, 4);
        EXPECT_EQ(error.file().filename(), "qw7.txt");
    }
}

TEST_F(LoadingAQuestion, anOutOfRangeSixthLineStopsAtThatLine)
{
    bank.write(2, record("fine", 1) + record("bad", 40000) + record("never", 1));
    random.add({drawingRecord(3)});
    try {
        load(2);
        FAIL() << "a sixth line of 40000 loaded";
    } catch (const BankError& error) {
        EXPECT_EQ(error.reason(), BankError::Reason::AnswerOutOfRange);
        EXPECT_EQ(error.line(), 12);
        EXPECT_EQ(error.details().text, "40000");
    }
    EXPECT_TRUE(windows.linesStartingWith("Label1 = never").empty());
}

TEST_F(LoadingAQuestion, drawsOnceAndNeverSeeds)
{
    bank.writeStandard(5);
    random.add({drawingRecord(10), 0.5F});
    load(5);
    EXPECT_EQ(random.draws, 1);
    EXPECT_EQ(random.seeds, 0);
    EXPECT_EQ(windows.caption(Captioned::Label1), "q5-10");
}

}  // namespace
}  // namespace kvardelon::test
