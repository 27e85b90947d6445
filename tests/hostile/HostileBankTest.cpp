// Bank files built to break the reader: each gives the drawn question or the bank's own error.
#include "BankError.h"
#include "Fakes.h"
#include "Game.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <psapi.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <future>
#include <memory>
#include <string>
#include <thread>
#include <variant>
#include <vector>

namespace kvardelon::test {
namespace {

namespace fs = std::filesystem;
using Reason = BankError::Reason;
using namespace std::chrono_literals;

// What the main window shows once the first question is loaded.
struct Shown {
    std::string label1;
    std::string command1;
    std::string command2;
    std::string command3;
    std::string command4;
    std::int16_t gintO = 0;

    bool operator==(const Shown&) const = default;
};

// The bank's fatal error, at the line it names (0 where no line is concerned).
struct Refused {
    Reason reason;
    int line = 0;

    bool operator==(const Refused&) const = default;
};

struct Failure {
    Refused refused;
    fs::path file;
};

// Anything but a question or the bank's error: another exception, a load that never ends.
struct Misbehaviour {
    std::string what;
};

using Outcome = std::variant<Shown, Failure, Misbehaviour>;

// Long captions are cut so that a failure stays readable.
std::string shortened(const std::string& text)
{
    return text.size() <= 60 ? text : text.substr(0, 60) + "... (" + std::to_string(text.size()) + " bytes)";
}

void PrintTo(const Shown& shown, std::ostream* out)
{
    *out << "{" << shortened(shown.label1) << " | " << shortened(shown.command1) << " | "
         << shortened(shown.command2) << " | " << shortened(shown.command3) << " | "
         << shortened(shown.command4) << " | gintO " << shown.gintO << "}";
}

void PrintTo(const Refused& refused, std::ostream* out)
{
    *out << kvardelon::reasonName(refused.reason) << " at line " << refused.line;
}

// The question record `question` with its answers "<question> a" to "<question> d".
std::vector<std::string> recordLines(const std::string& question, const std::string& sixth)
{
    return {question, question + " a", question + " b", question + " c", question + " d", sixth};
}

// What record `question` with correct answer `gintO` shows.
Shown shows(const std::string& question, std::int16_t gintO)
{
    return {question, "A:" + question + " a", "B:" + question + " b", "C:" + question + " c",
            "D:" + question + " d", gintO};
}

// Records "q1" .. "qN"; record k has the correct answer (k - 1) % 4 + 1.
std::vector<std::string> records(int count)
{
    std::vector<std::string> lines;
    for (int k = 1; k <= count; ++k) {
        const auto record = recordLines("q" + std::to_string(k), std::to_string((k - 1) % 4 + 1));
        lines.insert(lines.end(), record.begin(), record.end());
    }
    return lines;
}

// Ten records with record `k` replaced by `record`.
std::vector<std::string> tenRecordsWith(int k, const std::vector<std::string>& record)
{
    std::vector<std::string> lines = records(10);
    std::copy(record.begin(), record.end(), lines.begin() + (k - 1) * kLinesPerRecord);
    return lines;
}

// Every line ended, by the line ends of `ends` taken in turn.
std::string join(const std::vector<std::string>& lines, const std::vector<std::string>& ends = {"\r\n"})
{
    std::string bytes;
    for (std::size_t i = 0; i < lines.size(); ++i)
        bytes += lines[i] + ends[i % ends.size()];
    return bytes;
}

using Setup = std::function<void(const TempBank&)>;

Setup qw1(const std::string& bytes)
{
    return [bytes](const TempBank& bank) { bank.write(1, bytes); };
}

// For contents too big to build before a case needs them.
Setup qw1Made(std::string (*make)())
{
    return [make](const TempBank& bank) { bank.write(1, make()); };
}

#ifndef _WIN32
Setup qw1LinkingTo(const fs::path& target)
{
    return [target](const TempBank& bank) { fs::create_symlink(target, bank.file(1)); };
}
#endif

Setup dataFolderReplacedBy(const std::function<void(const fs::path&)>& make)
{
    return [make](const TempBank& bank) {
        fs::remove_all(bank.folder());
        make(bank.folder());
    };
}

struct HostileBank {
    const char* name;
    Setup setup;
    int record;  // the record count R that new game draws
    std::variant<Shown, Refused> expected;
};

void PrintTo(const HostileBank& row, std::ostream* out)
{
    *out << row.name;
}

std::size_t residentBytes()
{
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    return K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters) ? counters.WorkingSetSize : 0;
#else
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0;
    std::size_t resident = 0;
    statm >> pages >> resident;
    return resident * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
#endif
}

// Starts a new game on a thread of its own, so that a load that blocks (a pipe) or eats
// memory (a device) fails the test instead of stopping the run.
Outcome newGameGuarded(const fs::path& folder, int record)
{
    auto load = std::make_shared<std::packaged_task<Outcome()>>([folder, record]() -> Outcome {
        RecordingWindows windows;
        ScriptedRandom random{drawingRecord(record)};
        Game game(windows, random, QuestionBank(folder));
        try {
            game.newGame();
        } catch (const BankError& error) {
            return Failure{{error.reason(), error.line()}, error.file()};
        } catch (const std::exception& error) {
            return Misbehaviour{std::string("an exception other than the bank's: ") + error.what()};
        }
        return Shown{windows.caption(Captioned::Label1), windows.caption(Captioned::Command1),
                     windows.caption(Captioned::Command2), windows.caption(Captioned::Command3),
                     windows.caption(Captioned::Command4), game.state().gintO};
    });
    std::future<Outcome> done = load->get_future();
    // The thread owns all it touches: if it never ends, it is left behind harmlessly.
    std::thread([load] { (*load)(); }).detach();

    constexpr std::size_t kMemoryBound = std::size_t{512} << 20;
    const std::size_t before = residentBytes();
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (done.wait_for(10ms) != std::future_status::ready) {
        if (residentBytes() > before + kMemoryBound) {
            // A thread cannot be stopped from outside: end the process before the machine suffers.
            std::fprintf(stderr, "FAILED: the load took more than 512 MiB of memory\n");
            std::fflush(stderr);
            std::_Exit(EXIT_FAILURE);
        }
        if (std::chrono::steady_clock::now() > deadline)
            return Misbehaviour{"the load was still running after 10 seconds"};
    }
    return done.get();
}

class BankFiles : public ::testing::TestWithParam<HostileBank> {};

TEST_P(BankFiles, showTheDrawnRecordOrFailWithTheBanksError)
{
    const HostileBank& row = GetParam();
    TempBank bank;
    row.setup(bank);
    const Outcome outcome = newGameGuarded(bank.folder(), row.record);

    if (const auto* misbehaviour = std::get_if<Misbehaviour>(&outcome))
        FAIL() << misbehaviour->what;
    if (const auto* expected = std::get_if<Shown>(&row.expected)) {
        const auto* failure = std::get_if<Failure>(&outcome);
        ASSERT_EQ(failure, nullptr) << "refused with " << ::testing::PrintToString(failure->refused);
        EXPECT_EQ(std::get<Shown>(outcome), *expected);
    } else {
        const auto* shown = std::get_if<Shown>(&outcome);
        ASSERT_EQ(shown, nullptr) << "loaded " << ::testing::PrintToString(*shown);
        const Failure& failure = std::get<Failure>(outcome);
        EXPECT_EQ(failure.refused, std::get<Refused>(row.expected));
        EXPECT_EQ(failure.file, bank.file(1));
    }
}

const std::string kFullWidthThree = "\xEF\xBC\x93";  // U+FF13 in UTF-8
const std::string kBom = "\xEF\xBB\xBF";

std::string fourMegabytes()
{
    return std::string(std::size_t{4} << 20, 'x');
}

// Where a sixth line is put to the test: record 3, drawn, whose sixth line is line 18.
std::string sixthLineOfRecord3(const std::string& sixth)
{
    return join(tenRecordsWith(3, recordLines("q3", sixth)));
}

std::vector<std::string> withoutTheLast(std::vector<std::string> lines)
{
    lines.pop_back();
    return lines;
}

const HostileBank kHostileBanks[] = {
    // How many lines there are.
    {"emptyFile", qw1(""), 1, Refused{Reason::TooShort, 0}},
    {"fiftyNineLinesDrawingTheTenth", qw1(join(withoutTheLast(records(10)))), 10, Refused{Reason::TooShort, 59}},
    {"fiftyNineLinesDrawingTheNinth", qw1(join(withoutTheLast(records(10)))), 9, shows("q9", 1)},
    {"nineRecordsDrawingTheTenth", qw1(join(records(9))), 10, Refused{Reason::TooShort, 54}},
    {"nineRecordsDrawingTheNinth", qw1(join(records(9))), 9, shows("q9", 1)},
    {"nothingAfterTheTenthRecordIsRead",
     qw1Made([] { return join(records(10)) + fourMegabytes() + std::string("\r\n99999\0\x98", 9); }), 10,
     shows("q10", 2)},
    {"aFileBeyondTheBoundIsRefusedWhole",
     qw1Made([] { return join(records(10)) + std::string(kMaxBankFileBytes, 'x'); }), 1,
     Refused{Reason::FileTooLarge, 0}},

    // Line ends.
    {"crAlone", qw1(join(records(10), {"\r"})), 10, shows("q10", 2)},
    {"lfAlone", qw1(join(records(10), {"\n"})), 10, shows("q10", 2)},
    {"mixedLineEnds", qw1(join(records(10), {"\r\n", "\r", "\n", "\n", "\r"})), 10, shows("q10", 2)},
    {"noFinalLineEnd", qw1(join(withoutTheLast(records(10))) + "2"), 10, shows("q10", 2)},
    {"lfCrIsTwoLineEnds", qw1(join(records(10), {"\n\r"})), 1, Shown{"q1", "A:", "B:q1 a", "C:", "D:q1 b", 0}},

    // Bytes that are not text.
    {"nulInsideTheQuestion", qw1(join(tenRecordsWith(2, recordLines(std::string("a\0b", 3), "4")))), 2,
     shows(std::string("a\0b", 3), 4)},
    {"nulBeforeTheSixthLinesDigit", qw1(sixthLineOfRecord3(std::string("\0" "3", 2))), 3, shows("q3", 0)},
    {"byte0x98IsTheReplacementCharacter", qw1(join(tenRecordsWith(5, recordLines("\x98", "1")))), 5,
     shows("\xEF\xBF\xBD", 1)},

    // Long lines: the bound counts the file's bytes, not the UTF-8 they become.
    {"questionOfFourMegabytes",
     qw1Made([] { return join(tenRecordsWith(2, {fourMegabytes(), "a", "b", "c", "d", "1"})); }), 2,
     Refused{Reason::LineTooLong, 7}},
    {"lineOf65536BytesIsTheLongestAllowed",
     qw1(join(tenRecordsWith(1, {std::string(65536, '\xFF'), "a", "b", "c", "d", "4"}))), 1,
     Shown{[] {
               std::string ya;
               for (int i = 0; i < 65536; ++i)
                   ya += "я";
               return ya;
           }(),
           "A:a", "B:b", "C:c", "D:d", 4}},
    {"lineOf65537BytesIsTooLong", qw1(join(tenRecordsWith(1, {std::string(65537, '\xFF'), "a", "b", "c", "d", "4"}))),
     1, Refused{Reason::LineTooLong, 1}},

    // Sixth lines.
    {"sixthLine32767", qw1(sixthLineOfRecord3("32767")), 3, shows("q3", 32767)},
    {"sixthLine32767Point5RoundsOutOfRange", qw1(sixthLineOfRecord3("32767.5")), 3,
     Refused{Reason::AnswerOutOfRange, 18}},
    {"sixthLineMinus32768", qw1(sixthLineOfRecord3("-32768")), 3, shows("q3", -32768)},
    {"sixthLineMinus32768Point5RoundsToEven", qw1(sixthLineOfRecord3("-32768.5")), 3, shows("q3", -32768)},
    {"sixthLine99999", qw1(sixthLineOfRecord3("99999")), 3, Refused{Reason::AnswerOutOfRange, 18}},
    {"sixthLinePlus3", qw1(sixthLineOfRecord3("+3")), 3, shows("q3", 3)},
    {"sixthLine3abc", qw1(sixthLineOfRecord3("3abc")), 3, shows("q3", 3)},
    {"sixthLineBlank3Blank", qw1(sixthLineOfRecord3(" 3 ")), 3, shows("q3", 3)},
    {"sixthLine1e1", qw1(sixthLineOfRecord3("1e1")), 3, shows("q3", 1)},
    {"sixthLine0x3", qw1(sixthLineOfRecord3("0x3")), 3, shows("q3", 0)},
    {"sixthLineFullWidthThreeAsRawUtf8", qw1(sixthLineOfRecord3(kFullWidthThree)), 3, shows("q3", 0)},
    // Record 2 is drawn so that the mark at the file's start does not matter here.
    {"sixthLineFullWidthThreeInAUtf8FileWithMark",
     qw1(kBom + join(tenRecordsWith(2, recordLines("q2", kFullWidthThree)))), 2, shows("q2", 0)},
    {"sixthLineEmpty", qw1(sixthLineOfRecord3("")), 3, shows("q3", 0)},
    {"sixthLineText", qw1(sixthLineOfRecord3("\xF2\xF0\xE8")), 3, shows("q3", 0)},  // "три"

    // What qw1.txt and the data folder are.
    {"qw1IsAFolder", [](const TempBank& bank) { fs::create_directory(bank.file(1)); }, 1,
     Refused{Reason::NotRegularFile, 0}},
#ifndef _WIN32
    // Links, pipes and devices: what a bank on Windows cannot hold as qw1.txt.
    {"qw1LinksToAMissingFile", qw1LinkingTo("missing.txt"), 1, Refused{Reason::NotRegularFile, 0}},
    {"qw1IsALinkLoop",
     [](const TempBank& bank) {
         fs::create_symlink("other.txt", bank.file(1));
         fs::create_symlink("qw1.txt", bank.folder() / "other.txt");
     },
     1, Refused{Reason::NotRegularFile, 0}},
    {"qw1IsANamedPipe", [](const TempBank& bank) { ASSERT_EQ(::mkfifo(bank.file(1).c_str(), 0600), 0); }, 1,
     Refused{Reason::NotRegularFile, 0}},
    {"qw1LinksToDevZero", qw1LinkingTo("/dev/zero"), 1, Refused{Reason::NotRegularFile, 0}},
    {"qw1LinksToAGoodFile",
     [](const TempBank& bank) {
         std::ofstream(bank.folder() / "good.txt", std::ios::binary) << join(records(10));
         fs::create_symlink("good.txt", bank.file(1));
     },
     4, shows("q4", 4)},
    // A regular file whose every read fails with an input/output error.
    {"qw1CannotBeRead", qw1LinkingTo("/proc/self/mem"), 1, Refused{Reason::ReadFailed, 0}},
#endif
    {"noDataFolder", dataFolderReplacedBy([](const fs::path&) {}), 1, Refused{Reason::MissingFolder, 0}},
    {"dataIsAFile", dataFolderReplacedBy([](const fs::path& data) { std::ofstream(data) << "x"; }), 1,
     Refused{Reason::MissingFolder, 0}},
#ifndef _WIN32
    {"dataIsALinkLoop", dataFolderReplacedBy([](const fs::path& data) { fs::create_symlink("data", data); }), 1,
     Refused{Reason::MissingFolder, 0}},
#endif
};

INSTANTIATE_TEST_SUITE_P(HostileBank, BankFiles, ::testing::ValuesIn(kHostileBanks),
                         [](const ::testing::TestParamInfo<HostileBank>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace kvardelon::test
