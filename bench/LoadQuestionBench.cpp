// Loading a question from a ten-record bank file, against the floor of opening the
// same file, reading all its bytes and closing it.
#include "Cp1251.h"
#include "LastRecord.h"
#include "QuestionBank.h"
#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace kvardelon;

using bench::LastRecord;

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

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    kvardelon::bench::RatioReporter reporter("floorReadWholeFile", "loadQuestion", "target at most 1.5");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::error_code ignored;
    fs::remove_all(bankFolder().parent_path(), ignored);
    return 0;
}
