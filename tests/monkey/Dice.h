// The monkey's own seeded generator, so one seed replays the same actions with any standard library.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace kvardelon::monkey {

class Dice {
public:
    explicit Dice(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        // SplitMix64.
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // 0..n-1; n must be at least 1.
    int below(int n) { return static_cast<int>(((next() >> 32) * static_cast<std::uint64_t>(n)) >> 32); }

    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

    bool chance(double probability) { return unit() < probability; }

    // The index of one weight, drawn in proportion to the weights; at least one must be positive.
    int weighted(std::initializer_list<double> weights)
    {
        double total = 0;
        for (const double weight : weights)
            total += weight;
        double mark = unit() * total;
        int index = 0;
        int last = 0;
        for (const double weight : weights) {
            if (weight > 0) {
                if (mark < weight)
                    return index;
                mark -= weight;
                last = index;
            }
            ++index;
        }
        return last;  // rounding left the mark at the very end
    }

private:
    std::uint64_t state_;
};

}  // namespace kvardelon::monkey
