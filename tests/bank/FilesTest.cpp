// Bank files on disk: what is refused, every byte read across the reads' seams, and
// replacement that leaves the old file or the new one whole.
#include "BankError.h"
#include "BankFiles.h"
#include "BankText.h"
#include "Scratch.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

#include <chrono>
#include <functional>
#include <system_error>

namespace kvardelon::test {
namespace {

namespace fs = std::filesystem;
using Reason = BankError::Reason;

Reason readingFails(const fs::path& file)
{
    try {
        readBankFileBytes(file, 7);
    } catch (const BankError& error) {
        EXPECT_EQ(error.file(), file);
        EXPECT_EQ(error.step(), 7);
        return error.reason();
    }
    ADD_FAILURE() << file << " was read";
    return Reason::ReadFailed;
}

TEST(ReadBankFileBytes, refusesWhatIsNotARegularFileOrTooLarge)
{
    const ScratchFolder folder;
    EXPECT_EQ(readingFails(folder.path() / "qw7.txt"), Reason::MissingFile);
    EXPECT_EQ(readingFails(folder.path() / "nowhere" / "qw7.txt"), Reason::MissingFolder);

    fs::create_directory(folder.path() / "qw7.txt");
    EXPECT_EQ(readingFails(folder.path() / "qw7.txt"), Reason::NotRegularFile);

#ifndef _WIN32
    fs::create_symlink(folder.path() / "missing.txt", folder.path() / "qw8.txt");
    EXPECT_EQ(readingFails(folder.path() / "qw8.txt"), Reason::NotRegularFile);

    fs::create_symlink(folder.path() / "qw9.txt", folder.path() / "qw9.txt");
    EXPECT_EQ(readingFails(folder.path() / "qw9.txt"), Reason::NotRegularFile);

    // A pipe with no writer would block an open for reading; a device would never end.
    ASSERT_EQ(::mkfifo((folder.path() / "qw10.txt").c_str(), 0600), 0);
    EXPECT_EQ(readingFails(folder.path() / "qw10.txt"), Reason::NotRegularFile);

    fs::create_symlink("/dev/zero", folder.path() / "qw11.txt");
    EXPECT_EQ(readingFails(folder.path() / "qw11.txt"), Reason::NotRegularFile);
#endif

    const std::string largest(kMaxBankFileBytes, 'x');
    EXPECT_EQ(readBankFileBytes(folder.write("qw12.txt", largest), 12).size(), kMaxBankFileBytes);
    EXPECT_EQ(readingFails(folder.write("qw13.txt", largest + "x")), Reason::FileTooLarge);
}

// "x" CR LF over and over, past several reads of the file, so that a pair and a character
// fall on every offset of the reads' seams, whatever their size.
TEST(ReadBankFileBytes, crLfPairsAndCharactersOnEverySeamStayWhole)
{
    const ScratchFolder folder;
    for (const std::string& unit : {std::string("x\r\n"), std::string("Жx\r\n")}) {
        for (const std::size_t shift : {0U, 1U, 2U, 3U}) {
            const std::size_t units = 3 * 65536 / unit.size() + 7;
            std::string bytes(shift, 'y');
            for (std::size_t i = 0; i < units; ++i)
                bytes += unit;
            const std::string read = readBankFileBytes(folder.write("qw1.txt", bytes), 1);
            // Compared whole, not printed: a failure would print two long texts.
            ASSERT_TRUE(read == bytes) << "shift " << shift << ": " << read.size() << " bytes read of " << bytes.size();

            LineReader reader(read, "qw1.txt", 1);
            std::string line;
            ASSERT_TRUE(reader.nextLine(line));
            const std::string text = unit.substr(0, unit.size() - 2);
            EXPECT_EQ(line, std::string(shift, 'y') + text);
            while (reader.nextLine(line))
                ASSERT_EQ(line, text) << "shift " << shift << ", line " << reader.lineNumber();
            EXPECT_EQ(reader.lineNumber(), static_cast<int>(units)) << "shift " << shift;
        }
    }
}

TEST(ReplaceFileSafely, writesTheNewBytesAndKeepsThePermissions)
{
    const ScratchFolder folder;
    const fs::path file = folder.write("qw1.txt", "old");
#ifdef _WIN32
    // A new file on Windows takes its folder's permissions, as every file made there does.
    replaceFileSafely(file, "new bytes");
    EXPECT_EQ(readFile(file), "new bytes");
#else
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    replaceFileSafely(file, "new bytes");
    EXPECT_EQ(readFile(file), "new bytes");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    // A link is followed: the file it names is replaced, the link stays.
    fs::create_symlink("qw1.txt", folder.path() / "link.txt");
    replaceFileSafely(folder.path() / "link.txt", "through the link");
    EXPECT_TRUE(fs::is_symlink(folder.path() / "link.txt"));
    EXPECT_EQ(readFile(file), "through the link");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 2);
#endif
}

TEST(ReplaceFileSafely, aFailedReplacementLeavesTheOldFileAndNoTemporary)
{
    const ScratchFolder folder;
    // A folder in the file's place: the rename fails after the temporary is written.
    fs::create_directories(folder.path() / "qw1.txt" / "inside");
    EXPECT_THROW(replaceFileSafely(folder.path() / "qw1.txt", "new"), std::system_error);
    EXPECT_TRUE(fs::is_directory(folder.path() / "qw1.txt" / "inside"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);

    EXPECT_THROW(replaceFileSafely(folder.path() / "missing" / "qw1.txt", "new"), std::system_error);
    EXPECT_FALSE(fs::exists(folder.path() / "missing"));
}

#ifndef _WIN32
// Devices, pipes and links are made with POSIX calls that Windows lacks.

// What stands in the file's place, each made in a scratch folder; the row names what must
// still be there after the refusal and where the refusal says the bytes would have gone.
struct Unreplaceable {
    const char* name;
    std::function<void(const fs::path& folder, const fs::path& file)> make;
    fs::file_type stays;  // as symlink_status sees the file's own name
    const char* place;    // the real place named, relative to the folder
};

int entriesIn(const fs::path& folder)
{
    return static_cast<int>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(ReplaceFileSafely, replacesOnlyARegularFileAndNamesTheRealPlaceOfAnythingElse)
{
    const std::vector<Unreplaceable> rows{
        {"linkToDevice",
         [](const fs::path& folder, const fs::path& file) {
             ASSERT_EQ(::mknod((folder / "device").c_str(), S_IFCHR | 0666, makedev(1, 5)), 0);
             fs::create_symlink("device", file);
         },
         fs::file_type::symlink, "device"},
        {"linkToPipe",
         [](const fs::path& folder, const fs::path& file) {
             ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
             fs::create_symlink(folder / "pipe", file);
         },
         fs::file_type::symlink, "pipe"},
        {"pipe", [](const fs::path&, const fs::path& file) { ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0); },
         fs::file_type::fifo, "qw1.txt"},
        {"emptyFolder", [](const fs::path&, const fs::path& file) { fs::create_directory(file); },
         fs::file_type::directory, "qw1.txt"},
        {"linkToNowhere", [](const fs::path&, const fs::path& file) { fs::create_symlink("gone.txt", file); },
         fs::file_type::symlink, "gone.txt"},
        {"linkLoop", [](const fs::path&, const fs::path& file) { fs::create_symlink("qw1.txt", file); },
         fs::file_type::symlink, "qw1.txt"},
    };
    for (const Unreplaceable& row : rows) {
        SCOPED_TRACE(row.name);
        if (std::string_view(row.name) == "linkToDevice" && ::geteuid() != 0)
            continue;  // only the superuser makes a device node
        const ScratchFolder folder;
        const fs::path file = folder.path() / "qw1.txt";
        row.make(folder.path(), file);
        const int before = entriesIn(folder.path());
        try {
            replaceFileSafely(file, "33 bytes of a question, saved...");
            ADD_FAILURE() << "replaced";
        } catch (const NotReplaceable& refused) {
            EXPECT_EQ(refused.target().place, folder.path() / row.place);
        } catch (const std::system_error& error) {
            ADD_FAILURE() << "refused only by the system: " << error.what();
        }
        EXPECT_EQ(fs::symlink_status(file).type(), row.stays);
        EXPECT_EQ(entriesIn(folder.path()), before);  // no temporary left, nothing made
    }
}

// Windows has no permission that keeps the owner from reading (perms::none is read-only).
TEST(ReplaceFileSafely, aFileItsOwnerCouldNotReadIsReplacedByOneTheGameCanRead)
{
    const ScratchFolder folder;
    const fs::path file = folder.write("qw2.txt", "unread");
    fs::permissions(file, fs::perms::none);
    replaceFileSafely(file, "new");
    EXPECT_NE(fs::status(file).permissions() & fs::perms::owner_read, fs::perms::none);
    EXPECT_EQ(readFile(file), "new");
}
#endif

// The clean-up after the rename touches only regular files of the temporaries' names that
// are old; a link or a folder of such a name is someone else's, and the save succeeds.
TEST(ReplaceFileSafely, theCleanUpAfterwardsRemovesOnlyItsOwnOldTemporaries)
{
    const ScratchFolder folder;
    const fs::path file = folder.write("qw1.txt", "old");
    const fs::path abandoned = folder.write(".qw1.txt.new-abcdef", "half");
    fs::last_write_time(abandoned, fs::file_time_type::clock::now() - std::chrono::hours(1));
    const fs::path recent = folder.write(".qw1.txt.new-uvwxyz", "another editor writes now");
#ifndef _WIN32
    fs::create_symlink("nowhere", folder.path() / ".qw1.txt.new-ghijkl");  // a privilege on Windows
#endif
    fs::create_directory(folder.path() / ".qw1.txt.new-mnopqr");

    replaceFileSafely(file, "new");
    EXPECT_EQ(readFile(file), "new");
    EXPECT_FALSE(fs::exists(abandoned));
    EXPECT_TRUE(fs::exists(recent));
#ifndef _WIN32
    EXPECT_TRUE(fs::is_symlink(folder.path() / ".qw1.txt.new-ghijkl"));
#endif
    EXPECT_TRUE(fs::is_directory(folder.path() / ".qw1.txt.new-mnopqr"));
}

}  // namespace
}  // namespace kvardelon::test
