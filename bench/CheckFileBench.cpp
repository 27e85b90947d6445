// Re-checking one edited bank file in memory, as an editor does at every keystroke, against
// the floor of the game loading a question from the same file on disk (the tenth record,
// so the whole file is read). Texts are not measured: the check runs with no Fits, as
// measuring belongs to the toolkit and costs the same whatever the checker does.
#include "BankCheck.h"
#include "BankFiles.h"
#include "LastRecord.h"
#include "QuestionBank.h"
#include "RatioReporter.h"

#include <benchmark/benchmark.h>

namespace {

namespace fs = std::filesystem;
using namespace kvardelon;

// The shipped bank's first file: ten real records in windows-1251 with CR LF.
const fs::path kBank = fs::path(KVARDELON_SOURCE_DIR) / "data";

using bench::LastRecord;

void floorLoadQuestion(benchmark::State& state)
{
    const QuestionBank bank(kBank);
    NullWindowOps windows;
    LastRecord random;
    GameState gameState;
    for (auto _ : state) {
        bank.loadQuestion(1, random, windows, gameState);
        benchmark::DoNotOptimize(gameState.gintO);
    }
}

void recheckEditedFile(benchmark::State& state)
{
    BankFile file = parseBankFile(readBankFileBytes(kBank / "qw1.txt", 1));
    std::string& edited = file.records.at(4).question;
    for (auto _ : state) {
        // A letter typed and taken back, turn about.
        if (edited.ends_with('x'))
            edited.pop_back();
        else
            edited += 'x';
        const std::vector<check::Finding> findings = check::checkFile(file, 1, "qw1.txt");
        benchmark::DoNotOptimize(findings.data());
    }
}

BENCHMARK(floorLoadQuestion);
BENCHMARK(recheckEditedFile);

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    bench::RatioReporter reporter("floorLoadQuestion", "recheckEditedFile", "texts not measured");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
