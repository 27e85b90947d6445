// The shared random generator and the draw of an integer from it.
#include "Fakes.h"
#include "Random.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace kvardelon::test {
namespace {

TEST(DrawInt, zeroGivesOneAndTheLargestValueBelowOneGivesN)
{
    const float largest = std::nextafter(1.0F, 0.0F);
    for (const int n : {1, 4, 10, 99, 100}) {
        ScriptedRandom random{0.0F, largest};
        EXPECT_EQ(drawInt(random, n), 1);
        EXPECT_EQ(drawInt(random, n), n) << "n = " << n;
    }
}

TEST(ClockSeededRandom, staysInHalfOpenUnitIntervalAndCoversItEvenly)
{
    ClockSeededRandom random([] { return 12345.678F; });
    random.seedFromTimeOfDay();
    std::array<int, 10> buckets{};
    constexpr int kDraws = 100000;
    for (int i = 0; i < kDraws; ++i) {
        const float value = random.next();
        ASSERT_GE(value, 0.0F);
        ASSERT_LT(value, 1.0F);
        ++buckets.at(static_cast<std::size_t>(drawInt(random, 10) - 1));
    }
    for (const int count : buckets)
        EXPECT_NEAR(count, kDraws / 10, kDraws / 100);
}

TEST(ClockSeededRandom, theSameTimeOfDayRepeatsTheSequenceAndAnotherDoesNot)
{
    float now = 3600.5F;
    ClockSeededRandom random([&now] { return now; });
    random.seedFromTimeOfDay();
    const float first = random.next();
    const float second = random.next();
    random.seedFromTimeOfDay();
    EXPECT_EQ(random.next(), first);
    EXPECT_EQ(random.next(), second);
    now = 3601.5F;
    random.seedFromTimeOfDay();
    EXPECT_NE(random.next(), first);
}

TEST(SecondsSinceMidnight, liesWithinOneDay)
{
    const float seconds = secondsSinceMidnight();
    EXPECT_GE(seconds, 0.0F);
    EXPECT_LT(seconds, 86401.0F);
}

}  // namespace
}  // namespace kvardelon::test
