// Reading a bank file whole: only a regular file, only so much of it, errors as BankError.
#include "BankFiles.h"

#include "BankError.h"
#include "BankText.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <ios>
#include <system_error>

namespace kvardelon {

namespace fs = std::filesystem;

namespace {

// The file is read this much at a time, so that a file that grows or lies about its size
// is still read no further than the bound.
constexpr std::size_t kReadBytes = 16 * 1024;

[[noreturn]] void fail(BankError::Reason reason, const fs::path& file, int step, int line = 0)
{
    throw BankError({.reason = reason, .file = file, .step = step, .line = line});
}

// Refuses, before opening, what is not a regular file or cannot be reached.
void checkRegularFile(const fs::path& file, int step)
{
    using Reason = BankError::Reason;
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (status.type() == fs::file_type::not_found || error) {
        // A folder that cannot be reached (missing, or a link loop in its place) is
        // missing; a link that leads nowhere is no regular file; a file that is not
        // there is missing; anything else is a matter of access.
        std::error_code ignored;
        const fs::path folder = file.parent_path();
        if (!folder.empty() && !fs::is_directory(folder, ignored))
            fail(Reason::MissingFolder, file, step);
        if (fs::is_symlink(fs::symlink_status(file, ignored)))
            fail(Reason::NotRegularFile, file, step);
        fail(status.type() == fs::file_type::not_found ? Reason::MissingFile : Reason::CannotOpen, file, step);
    }
    // Only a regular file is read: a pipe would block, a device would never end.
    if (!fs::is_regular_file(status))
        fail(Reason::NotRegularFile, file, step);
}

// The lines of bytes that are ended, and so were read whole.
int linesEnded(std::string_view bytes)
{
    int lines = 0;
    for (LineSplitter splitter(bytes); !splitter.atEnd();)
        lines += splitter.next().end.empty() ? 0 : 1;
    return lines;
}

}  // namespace

std::string readBankFileBytes(const fs::path& file, int step)
{
    checkRegularFile(file, step);
    std::filebuf in;
    // Reads go straight into the chunk below, with no buffer of the file's own between.
    in.pubsetbuf(nullptr, 0);
    if (in.open(file, std::ios::in | std::ios::binary) == nullptr)
        fail(BankError::Reason::CannotOpen, file, step);

    std::string bytes;
    std::array<char, kReadBytes> chunk;
    for (;;) {
        std::streamsize got = 0;
        try {
            got = in.sgetn(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        } catch (const std::ios_base::failure&) {
            // The file buffer tells of a failed read (an input/output error) by throwing.
            fail(BankError::Reason::ReadFailed, file, step, linesEnded(bytes));
        }
        if (got <= 0)
            break;
        if (bytes.size() + static_cast<std::size_t>(got) > kMaxBankFileBytes)
            fail(BankError::Reason::FileTooLarge, file, step);
        bytes.append(chunk.data(), static_cast<std::size_t>(got));
        // sgetn stops short only at the end of the file.
        if (static_cast<std::size_t>(got) < chunk.size())
            break;
    }
    // Not every standard library throws on a failed read: some end the file early instead.
    // A file that still holds more than was read could not be read whole.
    std::error_code unknown;
    const std::uintmax_t size = fs::file_size(file, unknown);
    if (!unknown && size > bytes.size() && bytes.size() < kMaxBankFileBytes)
        fail(BankError::Reason::ReadFailed, file, step, linesEnded(bytes));
    return bytes;
}

}  // namespace kvardelon
