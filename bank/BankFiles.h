// Bank files on disk: read whole into memory with the game's safety, replaced safely.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace kvardelon {

// The bytes of a bank file: a regular file only (no pipe, device, folder, dangling link),
// at most kMaxBankFileBytes of it. Throws BankError: MissingFolder, MissingFile,
// NotRegularFile, CannotOpen, ReadFailed (after the lines read whole), FileTooLarge.
std::string readBankFileBytes(const std::filesystem::path& file, int step);

// What stands where a file would be replaced: the place the bytes would go (the path itself,
// or where its link leads) and what is there now.
struct ReplaceTarget {
    std::filesystem::path place;
    std::filesystem::file_type type = std::filesystem::file_type::not_found;
    bool throughLink = false;

    // Only a regular file is ever replaced, or a name with nothing behind it made; a link
    // that leads nowhere, a folder, a pipe or a device never.
    bool replaceable() const
    {
        return type == std::filesystem::file_type::regular ||
               (type == std::filesystem::file_type::not_found && !throughLink);
    }
};

ReplaceTarget replaceTarget(const std::filesystem::path& file);

// Thrown by replaceFileSafely, before anything is written, for a target that is not replaceable.
class NotReplaceable : public std::system_error {
public:
    explicit NotReplaceable(ReplaceTarget target);
    const ReplaceTarget& target() const { return target_; }

private:
    ReplaceTarget target_;
};

// Replaces a file safely: writes a temporary file in the same folder, flushes it to disk (fsync),
// renames it over the old one (and fsyncs the folder, where it can). On any failure the old file
// is untouched, the temporary is removed, and std::system_error is thrown naming the file given,
// never the temporary (NotReplaceable for what must not be replaced); nothing after the rename
// throws. The new file keeps the old one's permissions when its owner could read it; a link is
// followed to a regular file and that file replaced.
//
// The temporary is named ".NAME.new-XXXXXX" beside NAME (".qw3.txt.new-k2P9xa"): never a name
// the game reads. Only a process killed in mid-write leaves one behind; each later replacement
// of the same file removes those of its temporaries that are more than a minute old.
void replaceFileSafely(const std::filesystem::path& file, std::string_view bytes);

// Replaces several files together: every target is looked at and every temporary written
// before the first rename, so that a refusal or a failure in writing (a full disk) leaves
// every file as it was. Only a failed rename, which the writing in the same folder has all
// but ruled out, leaves the files before it new. Throws as replaceFileSafely.
struct FileBytes {
    std::filesystem::path file;
    std::string bytes;
};
void replaceFilesSafely(const std::vector<FileBytes>& files);

// The name of a temporary of `file` as replaceFileSafely makes them, less its random end.
std::string temporaryPrefix(const std::filesystem::path& file);

}  // namespace kvardelon
