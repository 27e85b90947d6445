// A process that keeps replacing a bank file, killed at random moments: the file is always
// wholly the old text or wholly the new one, and nothing it leaves behind is a bank file.
#include "BankFiles.h"
#include "PathText.h"
#include "Scratch.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <regex>
#include <thread>

namespace kvardelon::test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

std::string records(int count, const std::string& question)
{
    std::string bytes;
    for (int r = 1; r <= count; ++r)
        bytes += question + " " + std::to_string(r) + "?\r\na\r\nb\r\nc\r\nd\r\n" + std::to_string(r % 4 + 1) + "\r\n";
    return bytes;
}

// Replaces the file with the two texts in turn until it is killed.
[[noreturn]] void keepReplacing(const fs::path& file, const std::string& first, const std::string& second)
{
    try {
        for (;;) {
            replaceFileSafely(file, first);
            replaceFileSafely(file, second);
        }
    } catch (...) {
        ::_exit(1);
    }
}

TEST(ReplaceFileSafely, aWriterKilledAtAnyMomentLeavesTheOldFileOrTheNewOneWhole)
{
    const ScratchFolder folder;
    const fs::path file = folder.path() / "qw1.txt";
    const std::string small = records(10, "small");
    const std::string large = records(8000, "large");  // about 280 KiB
    replaceFileSafely(file, small);

    // Kills fall anywhere within a few replacements, however long the disk takes for one.
    const auto start = Clock::now();
    replaceFileSafely(file, large);
    replaceFileSafely(file, small);
    const auto pair = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<long> delay(0, std::min<long>(2 * pair.count(), 30'000));

    int sawSmall = 0;
    int sawLarge = 0;
    for (int kill = 1; kill <= 200; ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            keepReplacing(file, kill % 2 == 0 ? small : large, kill % 2 == 0 ? large : small);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer failed on its own before kill " << kill;

        const std::string now = readFile(file);
        ASSERT_TRUE(now == small || now == large) << "kill " << kill << " left " << now.size() << " bytes";
        (now == small ? sawSmall : sawLarge) += 1;
    }
    EXPECT_GT(sawSmall, 0);
    EXPECT_GT(sawLarge, 0);

    // What a killed writer leaves is its temporary, hidden and never named like a bank file.
    const std::regex bankFile("qw[0-9]+\\.txt", std::regex::icase);
    int leftovers = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder.path())) {
        const std::string name = pathToUtf8(entry.path().filename());
        if (name == "qw1.txt")
            continue;
        EXPECT_FALSE(std::regex_match(name, bankFile)) << name;
        EXPECT_TRUE(name.starts_with(temporaryPrefix(file))) << name;
        ++leftovers;
        // Make it look abandoned long ago: the next replacement removes it.
        fs::last_write_time(entry.path(), fs::file_time_type::clock::now() - std::chrono::minutes(2));
    }
    std::cout << "[          ] " << sawSmall << " small, " << sawLarge << " large, " << leftovers
              << " temporaries left\n";
    replaceFileSafely(file, small);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace kvardelon::test
