// The fifty-fifty, the friend's answer and the audience's shares.
#include "Fakes.h"
#include "Lifelines.h"

#include <gtest/gtest.h>

#include <set>

namespace kvardelon::test {
namespace {

void fillAnswers(RecordingWindows& windows)
{
    windows.setCaption(Captioned::Command1, "A:one");
    windows.setCaption(Captioned::Command2, "B:two");
    windows.setCaption(Captioned::Command3, "C:three");
    windows.setCaption(Captioned::Command4, "D:four");
    windows.log.clear();
}

TEST(Fiftyfifty, redrawsOnTheCorrectOrAnEmptyAnswerAndStopsAtTwo)
{
    RecordingWindows windows;
    fillAnswers(windows);
    ScriptedRandom random{drawingAnswer(3), drawingAnswer(1), drawingAnswer(1), drawingAnswer(4), 0.0F};
    fiftyfifty(3, windows, random);
    EXPECT_EQ(windows.log, (std::vector<std::string>{"Command1 = ", "Command4 = ", "Picture1 off"}));
    EXPECT_EQ(random.left(), 1U) << "drew once more after the second removal";
    EXPECT_EQ(random.seeds, 0);
}

TEST(Fiftyfifty, neverRemovesTheCorrectAnswer)
{
    for (int correct = 1; correct <= 4; ++correct) {
        RecordingWindows windows;
        fillAnswers(windows);
        ClockSeededRandom random([correct] { return static_cast<float>(correct); });
        random.seedFromTimeOfDay();
        fiftyfifty(static_cast<std::int16_t>(correct), windows, random);
        int left = 0;
        for (int n = 1; n <= 4; ++n)
            left += windows.caption(answerButton(n)).empty() ? 0 : 1;
        EXPECT_EQ(left, 2);
        EXPECT_FALSE(windows.caption(answerButton(correct)).empty());
    }
}

TEST(Fiftyfifty, aBlankCaptionCountsAsAnAnswer)
{
    RecordingWindows windows;
    fillAnswers(windows);
    windows.setCaption(Captioned::Command2, " ");
    windows.log.clear();
    ScriptedRandom random{drawingAnswer(2), drawingAnswer(1)};
    fiftyfifty(4, windows, random);
    EXPECT_EQ(windows.log, (std::vector<std::string>{"Command2 = ", "Command1 = ", "Picture1 off"}));
}

TEST(Fiftyfifty, withNoCorrectAnswerAnyTwoOfTheFourGo)
{
    RecordingWindows windows;
    fillAnswers(windows);
    ScriptedRandom random{drawingAnswer(4), drawingAnswer(2)};
    fiftyfifty(0, windows, random);
    EXPECT_EQ(windows.log, (std::vector<std::string>{"Command4 = ", "Command2 = ", "Picture1 off"}));
}

TEST(Fiftyfifty, withFewerThanTwoRemovableItTakesWhatItCanAndStops)
{
    RecordingWindows windows;
    fillAnswers(windows);
    windows.setCaption(Captioned::Command1, "");
    windows.setCaption(Captioned::Command2, "");
    windows.log.clear();
    ScriptedRandom oneLeft{drawingAnswer(3), drawingAnswer(4)};
    fiftyfifty(3, windows, oneLeft);
    EXPECT_EQ(windows.log, (std::vector<std::string>{"Command4 = ", "Picture1 off"}));

    windows.log.clear();
    ScriptedRandom noneLeft;
    fiftyfifty(3, windows, noneLeft);
    EXPECT_EQ(windows.log, std::vector<std::string>{"Picture1 off"});
    EXPECT_EQ(noneLeft.draws, 0);
}

TEST(Friendanswer, seedsThenNamesTheDrawnLetter)
{
    for (int n = 1; n <= 4; ++n) {
        ScriptedRandom random{drawingAnswer(n)};
        const std::string letter(1, static_cast<char>('A' + n - 1));
        EXPECT_EQ(friendanswer("Сосед", random), "Сосед думает, что правильный ответ " + letter + ".");
        EXPECT_EQ(random.seeds, 1);
    }
}

TEST(Friendanswer, keepsTheNameExactlyAsTypedEvenEmpty)
{
    ScriptedRandom random{drawingAnswer(3), drawingAnswer(3)};
    EXPECT_EQ(friendanswer("", random), " думает, что правильный ответ C.");
    EXPECT_EQ(friendanswer("  <b>Я</b> & ", random), "  <b>Я</b> &  думает, что правильный ответ C.");
}

struct Poll {
    std::vector<float> values;
    int a;
    int b;
    int c;
    int d;
    int draws;
};

class AudiencePolls : public ::testing::TestWithParam<Poll> {};

TEST_P(AudiencePolls, drawOnlyWhatIsLeftOfAHundred)
{
    const Poll poll = GetParam();
    ScriptedRandom random;
    for (const float value : poll.values)
        random.add({value});
    const AudienceShares shares = audienceshares(random);
    EXPECT_EQ(random.seeds, 1);
    EXPECT_EQ(random.draws, poll.draws);
    EXPECT_EQ(shares.a, poll.a);
    EXPECT_EQ(shares.b, poll.b);
    EXPECT_EQ(shares.c, poll.c);
    EXPECT_EQ(shares.d, poll.d);
}

INSTANTIATE_TEST_SUITE_P(Lifelines, AudiencePolls,
                         ::testing::Values(Poll{{0.995F}, 100, 0, 0, 0, 1},      // a = 100
                                           Poll{{0.985F, 0.7F}, 99, 1, 0, 0, 2},  // a = 99: b must be 1
                                           Poll{{0.395F, 0.999F}, 40, 60, 0, 0, 2},
                                           Poll{{0.0F, 0.0F, 0.0F}, 1, 1, 1, 97, 3},
                                           Poll{{0.565F, 0.5F, 0.5F}, 57, 22, 11, 10, 3}));

TEST(Audienceshares, alwaysSumToAHundredWithAAtLeastOne)
{
    float now = 0.0F;
    ClockSeededRandom random([&now] { return now; });
    std::set<int> seenA;
    for (int poll = 0; poll < 5000; ++poll) {
        now += 1.0F;
        const AudienceShares s = audienceshares(random);
        ASSERT_GE(s.a, 1);
        ASSERT_GE(s.b, 0);
        ASSERT_GE(s.c, 0);
        ASSERT_GE(s.d, 0);
        ASSERT_EQ(s.a + s.b + s.c + s.d, 100);
        seenA.insert(s.a);
    }
    EXPECT_GT(seenA.size(), 90U);
}

TEST(ShareText, isABlankTheDigitsAndAPercentSign)
{
    EXPECT_EQ(shareText(57), " 57%");
    EXPECT_EQ(shareText(0), " 0%");
    EXPECT_EQ(shareText(100), " 100%");
}

}  // namespace
}  // namespace kvardelon::test
