// The prize ladder: what passing each step records and how its label is coloured.
#include "Fakes.h"
#include "Ladder.h"

#include <gtest/gtest.h>

namespace kvardelon::test {
namespace {

struct StepRow {
    int step;
    std::int32_t gintsum;
    std::int32_t gintnsum;
    Colour passed;
};

class PassingEveryStep : public ::testing::TestWithParam<StepRow> {};

TEST_P(PassingEveryStep, recordsThePrizeThenColoursTheLabel)
{
    const StepRow row = GetParam();
    GameState state;
    RecordingWindows windows;
    for (int step = 1; step <= row.step; ++step) {
        state.gintK = static_cast<std::int16_t>(step);
        passStep(state, windows);
    }
    EXPECT_EQ(state.gintsum, row.gintsum);
    EXPECT_EQ(state.gintnsum, row.gintnsum);
    EXPECT_EQ(windows.ladder.at(row.step), row.passed);
    EXPECT_EQ(windows.log.size(), static_cast<std::size_t>(row.step));
}

INSTANTIATE_TEST_SUITE_P(Ladder, PassingEveryStep,
                         ::testing::Values(StepRow{1, 100, 0, colour::darkGreen},
                                           StepRow{4, 500, 0, colour::darkGreen},
                                           StepRow{5, 1000, 1000, colour::red},
                                           StepRow{9, 16000, 1000, colour::darkGreen},
                                           StepRow{10, 32000, 32000, colour::red},
                                           StepRow{12, 125000, 32000, colour::darkGreen},
                                           StepRow{14, 500000, 32000, colour::darkGreen},
                                           StepRow{15, 500000, 1000000, colour::orange}));

TEST(Ladder, captionsMatchThePrizesTheyPay)
{
    for (int step = 1; step <= 14; ++step)
        EXPECT_EQ(std::to_string(ladderStep(step).prize), ladderStep(step).caption) << "step " << step;
    EXPECT_STREQ(ladderStep(15).caption, "1000000");
}

TEST(Ladder, advanceStopsAtTheTopStep)
{
    GameState state;
    state.gintK = 14;
    advance(state);
    EXPECT_EQ(state.gintK, 15);
    advance(state);
    EXPECT_EQ(state.gintK, 15);
}

TEST(Ladder, restoringColoursGoesFromStep1To15WithTheirRestingColours)
{
    RecordingWindows windows;
    restoreLadderColours(windows);
    ASSERT_EQ(windows.log.size(), 15U);
    EXPECT_EQ(windows.log.front(), "ladder 1 = 0x80FF80");
    EXPECT_EQ(windows.log[4], "ladder 5 = 0x8080FF");
    EXPECT_EQ(windows.log[9], "ladder 10 = 0x8080FF");
    EXPECT_EQ(windows.log.back(), "ladder 15 = 0x80FFFF");
}

TEST(NumberText, isOneBlankThenTheDigitsWithNoGrouping)
{
    EXPECT_EQ(numberText(0), " 0");
    EXPECT_EQ(numberText(123), " 123");
    EXPECT_EQ(numberText(1000000), " 1000000");
    EXPECT_EQ(numberText(-5), "-5");
}

}  // namespace
}  // namespace kvardelon::test
