// The editor on a bank of 15 files × 1000 records: opening and checking it, and the recheck
// after one keystroke, each beside the game's own reader on the same data.
#include "BankFiles.h"
#include "BankText.h"
#include "LiveCheck.h"
#include "OpenBank.h"
#include "StepFiles.h"
#include "TextRoom.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>

namespace {

namespace fs = std::filesystem;
using namespace kvardelon;
using namespace kvardelon::editor;

constexpr int kRecordsPerFile = 1000;

// Words in windows-1251: "Какой город", "столица", "ответ".
const std::string kWhich = "\xCA\xE0\xEA\xEE\xE9 \xE3\xEE\xF0\xEE\xE4";
const std::string kCapital = "\xF1\xF2\xEE\xEB\xE8\xF6\xE0";
const std::string kAnswer = "\xEE\xF2\xE2\xE5\xF2";

fs::path makeBank()
{
    const fs::path folder = fs::temp_directory_path() / "kvardelon-editor-bench" / "data";
    fs::create_directories(folder);
    for (int step = 1; step <= kSteps; ++step) {
        std::string bytes;
        for (int r = 1; r <= kRecordsPerFile; ++r) {
            bytes += kWhich + " " + std::to_string(step) + "-" + std::to_string(r) + " " + kCapital + "?\r\n";
            for (int a = 1; a <= 4; ++a)
                bytes += kAnswer + " " + std::to_string(a) + "\r\n";
            bytes += std::to_string(1 + r % 4) + "\r\n";
        }
        std::ofstream(folder / stepFileName(step), std::ios::binary) << bytes;
    }
    return folder;
}

const fs::path& bankFolder()
{
    static const fs::path folder = makeBank();
    return folder;
}

// The game's reader through one whole file: every record of it.
int readAsTheGame(int step)
{
    const fs::path file = bankFolder() / stepFileName(step);
    const std::string bytes = readBankFileBytes(file, step);
    RecordReader reader(bytes, file, step);
    int records = 0;
    while (reader.next())
        ++records;
    return records;
}

void floorGameReadsBank(benchmark::State& state)
{
    for (auto _ : state)
        for (int step = 1; step <= kSteps; ++step)
            benchmark::DoNotOptimize(readAsTheGame(step));
}

void editorOpensAndChecksBank(benchmark::State& state)
{
    for (auto _ : state) {
        OpenBank bank;
        const LiveCheck check(bank, gameFits());
        bank.open(bankFolder());
        benchmark::DoNotOptimize(check.findings().size());
    }
}

void floorGameReadsOneFile(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(readAsTheGame(7));
}

// A keystroke into a question of step 7: the text changes, its file and the bank are checked again.
void recheckAfterKeystroke(benchmark::State& state)
{
    OpenBank bank;
    const LiveCheck check(bank, gameFits());
    bank.open(bankFolder());
    const std::string typed = bank.record({7, 4}).question;
    int keystroke = 0;
    for (auto _ : state) {
        bank.setText({7, 4}, RecordField::Question, typed + std::to_string(++keystroke % 1000));
        benchmark::DoNotOptimize(check.findings().size());
    }
}

BENCHMARK(floorGameReadsBank)->Unit(benchmark::kMillisecond);
BENCHMARK(editorOpensAndChecksBank)->Unit(benchmark::kMillisecond);
BENCHMARK(floorGameReadsOneFile)->Unit(benchmark::kMillisecond);
BENCHMARK(recheckAfterKeystroke)->Unit(benchmark::kMillisecond);

// Prints as usual, then each case against its floor and the keystroke against one frame.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // With repetitions only the median counts; without, the single run. Times are in ms.
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (median || single)
                nanoseconds_[run.run_name.function_name] = run.GetAdjustedRealTime() * 1e6;
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const auto ratio = [this](const char* item, const char* floor) {
            if (nanoseconds_[floor] > 0)
                std::cout << item << " / " << floor << " = " << nanoseconds_[item] / nanoseconds_[floor] << "\n";
        };
        ratio("editorOpensAndChecksBank", "floorGameReadsBank");
        ratio("recheckAfterKeystroke", "floorGameReadsOneFile");
        std::cout << "recheckAfterKeystroke = " << nanoseconds_["recheckAfterKeystroke"] / 1e6
                  << " ms (one frame: 16 ms)\n";
    }

private:
    std::map<std::string, double> nanoseconds_;
};

}  // namespace

int main(int argc, char** argv)
{
    // Texts are measured in the game's font: a platform is needed, a screen is not.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::error_code ignored;
    fs::remove_all(bankFolder().parent_path(), ignored);
    return 0;
}
