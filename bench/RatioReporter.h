// Prints a benchmark run as usual, then the ratio of one case to a floor measured in the same run.
#pragma once

#include <benchmark/benchmark.h>

#include <iostream>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace kvardelon::bench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    // "case / floor = 0.8 (target ...)"; target is printed as it stands.
    RatioReporter(std::string floor, std::string measured, std::string target)
        : floor_(std::move(floor)), measured_(std::move(measured)), target_(std::move(target))
    {
    }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // With repetitions only the median counts; without, the single run.
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median")
                continue;
            if (run.run_type == Run::RT_Iteration && run.repetitions > 1)
                continue;
            nanoseconds_[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const double floor = nanoseconds_[floor_];
        const double measured = nanoseconds_[measured_];
        if (floor > 0 && measured > 0)
            std::cout << measured_ << " / " << floor_ << " = " << measured / floor << " (" << target_ << ")\n";
    }

private:
    std::string floor_;
    std::string measured_;
    std::string target_;
    std::map<std::string, double> nanoseconds_;
};

}  // namespace kvardelon::bench
