// The banks that ship with the game: every record of every step loads and is answerable.
#include "Fakes.h"
#include "QuestionBank.h"
#include "ShippedBanks.h"

#include <gtest/gtest.h>

namespace kvardelon::test {
namespace {

class ShippedBanks : public ::testing::TestWithParam<ShippedBank> {};

TEST_P(ShippedBanks, everyRecordOfEveryStepLoadsWithAnAnswerFromOneToFour)
{
    const QuestionBank bank(std::filesystem::path(KVARDELON_SOURCE_DIR) / GetParam().folder);
    for (int step = 1; step <= 15; ++step) {
        for (int record = 1; record <= 10; ++record) {
            RecordingWindows windows;
            ScriptedRandom random{drawingRecord(record)};
            GameState state;
            bank.loadQuestion(step, random, windows, state);
            EXPECT_GE(state.gintO, 1) << "step " << step << ", record " << record;
            EXPECT_LE(state.gintO, 4) << "step " << step << ", record " << record;
            EXPECT_FALSE(windows.caption(Captioned::Label1).empty()) << "step " << step << ", record " << record;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Banks, ShippedBanks, ::testing::ValuesIn(kShippedBanks),
    [](const ::testing::TestParamInfo<ShippedBank>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace kvardelon::test
