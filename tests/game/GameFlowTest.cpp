// Whole games played through the window interface, to each of the three endings.
#include "BankError.h"
#include "Fakes.h"
#include "Game.h"

#include <gtest/gtest.h>

namespace kvardelon::test {
namespace {

class GameFlow : public ::testing::Test {
protected:
    GameFlow() : game(windows, random, QuestionBank(bank.folder()))
    {
        bank.writeAll(1);
        random.log = &windows.log;
    }

    void startGame()
    {
        random.add({drawingRecord(1)});
        game.newGame();
    }

    // Answers steps correctly until step `step` is on screen.
    void climbTo(int step)
    {
        while (game.state().gintK < step) {
            random.add({drawingRecord(1)});
            game.answer(1);
        }
    }

    std::vector<std::string> logAfter(const std::string& line) const
    {
        const auto found = std::find(windows.log.begin(), windows.log.end(), line);
        return {found == windows.log.end() ? found : found + 1, windows.log.end()};
    }

    TempBank bank;
    RecordingWindows windows;
    ScriptedRandom random;
    Game game;
};

TEST_F(GameFlow, newGameSeedsLoadsStepOneThenEnablesTheControlsInOrder)
{
    startGame();
    EXPECT_EQ(windows.log.front(), "seed");
    EXPECT_EQ(windows.log[1], "Label1 = q1-1");
    EXPECT_EQ(logAfter("Command4 = D:q1-1 d"),
              (std::vector<std::string>{"Picture4 off", "Picture1 on", "Picture2 on", "Picture3 on", "Command1 on",
                                        "Command2 on", "Command3 on", "Command4 on", "Label1 on", "Command7 on"}));
    EXPECT_EQ(game.state(), (GameState{.gintO = 1, .gintK = 1, .gintsum = 0, .gintnsum = 0}));
}

TEST_F(GameFlow, aCorrectAnswerPassesTheStepThenLoadsTheNextFile)
{
    startGame();
    windows.log.clear();
    random.add({drawingRecord(4)});
    game.answer(1);
    EXPECT_EQ(windows.log.front(), "ladder 1 = 0x008000");
    EXPECT_EQ(windows.log[1], "Label1 = q2-1");
    EXPECT_EQ(windows.caption(Captioned::Label1), "q2-4");
    EXPECT_EQ(game.state(), (GameState{.gintO = 1, .gintK = 2, .gintsum = 100, .gintnsum = 0}));
}

TEST_F(GameFlow, winningAtStep15PaysTheMillionAndLoadsNothingMore)
{
    startGame();
    climbTo(15);
    const int draws = random.draws;
    game.answer(1);
    EXPECT_EQ(random.draws, draws);
    EXPECT_EQ(logAfter("ladder 15 = 0x0080FF"),
              (std::vector<std::string>{"result Вы выиграли  1000000 рублей.", "close main"}));
    EXPECT_EQ(game.state(), (GameState{.gintO = 1, .gintK = 15, .gintsum = 500000, .gintnsum = 1000000}));
    for (int step = 1; step <= 15; ++step)
        EXPECT_EQ(windows.ladder.at(step), ladderStep(step).passed) << "step " << step;
}

class LosingAtStep : public GameFlow, public ::testing::WithParamInterface<std::pair<int, const char*>> {};

TEST_P(LosingAtStep, paysTheGuaranteedSumAndTouchesNothingElse)
{
    const auto [step, text] = GetParam();
    startGame();
    climbTo(step);
    const GameState before = game.state();
    windows.log.clear();
    game.answer(2);
    EXPECT_EQ(windows.log, (std::vector<std::string>{std::string("result ") + text, "close main"}));
    EXPECT_EQ(game.state(), before);
}

INSTANTIATE_TEST_SUITE_P(GameFlow, LosingAtStep,
                         ::testing::Values(std::pair{1, "Вы выиграли  0 рублей."},
                                           std::pair{3, "Вы выиграли  0 рублей."},
                                           std::pair{5, "Вы выиграли  0 рублей."},
                                           std::pair{6, "Вы выиграли  1000 рублей."},
                                           std::pair{10, "Вы выиграли  1000 рублей."},
                                           std::pair{11, "Вы выиграли  32000 рублей."},
                                           std::pair{15, "Вы выиграли  32000 рублей."}));

class TakingTheMoneyAtStep : public GameFlow, public ::testing::WithParamInterface<std::pair<int, const char*>> {};

TEST_P(TakingTheMoneyAtStep, paysThePrizeOfTheLastStepAnswered)
{
    const auto [step, text] = GetParam();
    startGame();
    climbTo(step);
    windows.log.clear();
    game.takeMoney();
    EXPECT_EQ(windows.log, (std::vector<std::string>{std::string("result ") + text, "close main"}));
}

INSTANTIATE_TEST_SUITE_P(GameFlow, TakingTheMoneyAtStep,
                         ::testing::Values(std::pair{1, "Вы выиграили  0 рублей."},
                                           std::pair{6, "Вы выиграили  1000 рублей."},
                                           std::pair{13, "Вы выиграили  125000 рублей."},
                                           std::pair{15, "Вы выиграили  500000 рублей."}));

TEST_F(GameFlow, aSixthLineOutsideOneToFourMakesEveryAnswerWrong)
{
    bank.writeStandard(1, 7);
    for (int answer = 1; answer <= 4; ++answer) {
        startGame();
        windows.log.clear();
        game.answer(answer);
        EXPECT_EQ(windows.resultText, "Вы выиграли  0 рублей.") << "answer " << answer;
    }
}

TEST_F(GameFlow, theStateOutlivesTheGameUntilTheNextNewGame)
{
    startGame();
    climbTo(7);
    game.takeMoney();
    const GameState ended{.gintO = 1, .gintK = 7, .gintsum = 2000, .gintnsum = 1000};
    EXPECT_EQ(game.state(), ended);
    startGame();
    EXPECT_EQ(game.state(), (GameState{.gintO = 1, .gintK = 1, .gintsum = 0, .gintnsum = 0}));
}

TEST_F(GameFlow, aRemovedAnswerIsStillJudgedAndIsWrong)
{
    bank.writeStandard(1, 3);
    startGame();
    random.add({drawingAnswer(1), drawingAnswer(2)});
    game.fiftyfifty();
    EXPECT_EQ(windows.caption(Captioned::Command1), "");
    game.answer(1);
    EXPECT_EQ(windows.resultText, "Вы выиграли  0 рублей.");
}

TEST_F(GameFlow, exitEndsTheProcessAndNothingElse)
{
    game.exit();
    EXPECT_EQ(windows.log, std::vector<std::string>{"end process"});
}

TEST_F(GameFlow, aMissingFileForTheNextStepIsReportedNotSwallowed)
{
    std::filesystem::remove(bank.file(2));
    startGame();
    random.add({drawingRecord(1)});
    EXPECT_THROW(game.answer(1), BankError);
}

}  // namespace
}  // namespace kvardelon::test
