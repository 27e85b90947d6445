// Bank files on Windows: names beyond the ANSI code page read and replaced, and a
// replacement that Windows refuses (a read-only file, one held open by another program)
// leaving the old file whole, no temporary behind, and the place named in UTF-8.
#include "BankFiles.h"
#include "PathText.h"
#include "Scratch.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <system_error>

namespace kvardelon::test {
namespace {

namespace fs = std::filesystem;

std::ptrdiff_t entriesIn(const fs::path& folder)
{
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

TEST(WindowsFiles, aBankInAFolderNoAnsiCodePageCanNameIsReadAndReplaced)
{
    const ScratchFolder scratch;
    // Cyrillic and Greek together: no single ANSI code page holds both.
    const fs::path folder = scratch.path() / u8"Марина Ωμέγα" / u8"Банк";
    fs::create_directories(folder);
    const fs::path file = folder / "qw1.txt";

    replaceFileSafely(file, "first\r\n");
    replaceFileSafely(file, "second\r\n");
    EXPECT_EQ(readBankFileBytes(file, 1), "second\r\n");
    EXPECT_EQ(entriesIn(folder), 1);
    EXPECT_NE(pathToUtf8(file).find("Марина Ωμέγα\\Банк\\qw1.txt"), std::string::npos) << pathToUtf8(file);
}

// Something Windows holds against replacing the file; undone when it goes out of scope.
using Obstacle = std::function<std::function<void()>(const fs::path& file)>;

struct Refusal {
    const char* name;
    Obstacle obstacle;
};

std::function<void()> heldOpenBy(const fs::path& file, DWORD sharing)
{
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(handle, INVALID_HANDLE_VALUE);
    return [handle] { CloseHandle(handle); };
}

const Refusal kRefusals[] = {
    {"readOnlyFile",
     [](const fs::path& file) -> std::function<void()> {
         EXPECT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
         return [file] { SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL); };
     }},
    // A spreadsheet or an editor that keeps the file open and lets no one delete it.
    {"heldOpenByAnotherProgram",
     [](const fs::path& file) { return heldOpenBy(file, FILE_SHARE_READ | FILE_SHARE_WRITE); }},
};

class WindowsRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(WindowsRefusal, leavesTheOldFileWholeAndNamesItInUtf8)
{
    const ScratchFolder scratch;
    const fs::path folder = scratch.path() / u8"Банк Марины";
    fs::create_directories(folder);
    const fs::path file = folder / "qw2.txt";
    replaceFileSafely(file, "old\r\n");

    const std::function<void()> undo = GetParam().obstacle(file);
    try {
        replaceFileSafely(file, "new\r\n");
        ADD_FAILURE() << "the file was replaced";
    } catch (const std::system_error& error) {
        const std::error_condition condition = error.code().default_error_condition();
        EXPECT_TRUE(condition == std::errc::permission_denied || condition == std::errc::device_or_resource_busy)
            << error.code().message();
        EXPECT_NE(std::string(error.what()).find(pathToUtf8(file)), std::string::npos) << error.what();
    }
    undo();
    EXPECT_EQ(readBankFileBytes(file, 2), "old\r\n");
    EXPECT_EQ(entriesIn(folder), 1) << "a temporary was left behind";
}

INSTANTIATE_TEST_SUITE_P(WindowsFiles, WindowsRefusal, ::testing::ValuesIn(kRefusals),
                         [](const ::testing::TestParamInfo<Refusal>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace kvardelon::test
