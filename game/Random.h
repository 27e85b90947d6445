// The one random sequence the whole process shares, seeded from the time of day.
#pragma once

#include <cstdint>
#include <functional>

namespace kvardelon {

class Random {
public:
    virtual ~Random() = default;

    // Starts the sequence afresh from the time of day.
    virtual void seedFromTimeOfDay() = 0;

    // The next value of the sequence, uniform in [0, 1); never 1.
    virtual float next() = 0;
};

// An integer in 1..n drawn from one value: floor(value * n) + 1. n must be at least 1.
int drawInt(Random& random, int n);

// Seconds since local midnight, with fraction, in single precision.
float secondsSinceMidnight();

// The game's generator: a 64-bit permuted congruential sequence whose seed is the
// bit pattern of the clock's reading, so equal readings repeat the same sequence.
class ClockSeededRandom : public Random {
public:
    using Clock = std::function<float()>;

    explicit ClockSeededRandom(Clock clock = secondsSinceMidnight);

    void seedFromTimeOfDay() override;
    float next() override;

private:
    void seed(float timeOfDay);

    Clock clock_;
    std::uint64_t state_ = 0;
};

}  // namespace kvardelon
