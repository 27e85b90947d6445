// The game's random generator and the clock that seeds it.
#include "Random.h"

#include <bit>
#include <chrono>
#include <cmath>
#include <ctime>

namespace kvardelon {

namespace {

constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
constexpr std::uint64_t kIncrement = 1442695040888963407ULL;

std::uint64_t splitMix(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

}  // namespace

int drawInt(Random& random, int n)
{
    // In double the product of a 24-bit fraction and n is exact, so it stays below n.
    const double scaled = static_cast<double>(random.next()) * n;
    return static_cast<int>(std::floor(scaled)) + 1;
}

float secondsSinceMidnight()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    const auto fraction = duration<double>(now - system_clock::from_time_t(seconds)).count();
    const double sinceMidnight = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
    return static_cast<float>(sinceMidnight);
}

ClockSeededRandom::ClockSeededRandom(Clock clock) : clock_(std::move(clock))
{
    seed(0.0F);
}

void ClockSeededRandom::seedFromTimeOfDay()
{
    seed(clock_());
}

void ClockSeededRandom::seed(float timeOfDay)
{
    state_ = splitMix(std::bit_cast<std::uint32_t>(timeOfDay));
}

float ClockSeededRandom::next()
{
    state_ = state_ * kMultiplier + kIncrement;
    const std::uint64_t old = state_;
    const auto xorShifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
    const auto rotation = static_cast<unsigned>(old >> 59U);
    const std::uint32_t bits = std::rotr(xorShifted, static_cast<int>(rotation));
    // The top 24 bits fill a float's mantissa exactly: the largest value is 1 - 2^-24.
    return static_cast<float>(bits >> 8U) * 0x1p-24F;
}

}  // namespace kvardelon
