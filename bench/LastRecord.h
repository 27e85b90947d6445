// A random generator for benchmarks that always draws the tenth record, so a load reads the whole file.
#pragma once

#include "Random.h"

namespace kvardelon::bench {

class LastRecord : public Random {
public:
    void seedFromTimeOfDay() override {}
    float next() override { return 0.95F; }
};

}  // namespace kvardelon::bench
