// Loading a question from a ten-record bank file, against the floor of opening the
// same file, reading all its bytes and closing it.
#include "Cp1251.h"
#include "QuestionBank.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace kvardelon;

// Always the tenth record: the load reads the whole file, as the floor does.
class LastRecord : public Random {
public:
    void seedFromTimeOfDay() override {}
    float next() override { return 0.95F; }
};

// Ten records of realistic length, in windows-1251 with CR LF.
fs::path makeBank()
{
    const fs::path folder = fs::temp_directory_path() / "kvardelon-bench" / "data";
    fs::create_directories(folder);
    std::string bytes;
    const std::string question = "\xCA\xE0\xEA\xEE\xE9 \xE3\xEE\xF0\xEE\xE4 \xFF\xE2\xEB\xFF\xE5\xF2\xF1\xFF "
                                 "\xF1\xF2\xEE\xEB\xE8\xF6\xE5\xE9 \xD0\xEE\xF1\xF1\xE8\xE8?";
    for (int r = 1; r <= 10; ++r) {
        bytes += question + "\r\n";
        for (int a = 0; a < 4; ++a)
            bytes += "\xCC\xEE\xF1\xEA\xE2\xE0 " + std::to_string(a) + "\r\n";
        bytes += std::to_string(1 + r % 4) + "\r\n";
    }
    std::ofstream(folder / "qw1.txt", std::ios::binary) << bytes;
    return folder;
}

const fs::path& bankFolder()
{
    static const fs::path folder = makeBank();
    return folder;
}

void floorReadWholeFile(benchmark::State& state)
{
    const fs::path file = bankFolder() / "qw1.txt";
    char buffer[16 * 1024];
    for (auto _ : state) {
        std::FILE* in = std::fopen(file.c_str(), "rb");
        std::size_t total = 0;
        while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, in))
            total += got;
        std::fclose(in);
        benchmark::DoNotOptimize(total);
    }
}

void loadQuestion(benchmark::State& state)
{
    const QuestionBank bank(bankFolder());
    NullWindowOps windows;
    LastRecord random;
    GameState gameState;
    for (auto _ : state) {
        bank.loadQuestion(1, random, windows, gameState);
        benchmark::DoNotOptimize(gameState.gintO);
    }
}

BENCHMARK(floorReadWholeFile);
BENCHMARK(loadQuestion);

// Prints as usual, then the ratio of each case to the floor of the same run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
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
        const double floor = nanoseconds_["floorReadWholeFile"];
        const double load = nanoseconds_["loadQuestion"];
        if (floor > 0 && load > 0)
            std::cout << "loadQuestion / floor = " << load / floor << " (target at most 1.5)\n";
    }

private:
    std::map<std::string, double> nanoseconds_;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::error_code ignored;
    fs::remove_all(bankFolder().parent_path(), ignored);
    return 0;
}
