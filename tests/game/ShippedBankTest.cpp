// The bank that ships with the game: every record of every step loads and is answerable.
#include "Fakes.h"
#include "QuestionBank.h"

#include <gtest/gtest.h>

namespace kvardelon::test {
namespace {

TEST(ShippedBank, everyRecordOfEveryStepLoadsWithAnAnswerFromOneToFour)
{
    const QuestionBank bank(std::filesystem::path(KVARDELON_SOURCE_DIR) / "data");
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

}  // namespace
}  // namespace kvardelon::test
