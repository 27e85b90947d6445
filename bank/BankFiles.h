// Bank files on disk: read whole into memory with the game's safety, replaced safely.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kvardelon {

// The bytes of a bank file: a regular file only (no pipe, device, folder, dangling link),
// at most kMaxBankFileBytes of it. Throws BankError: MissingFolder, MissingFile,
// NotRegularFile, CannotOpen, ReadFailed (after the lines read whole), FileTooLarge.
std::string readBankFileBytes(const std::filesystem::path& file, int step);

// Replaces a file safely: writes a temporary file in the same folder, flushes it to disk (fsync),
// renames it over the old one (and fsyncs the folder). On any failure the old file is untouched,
// the temporary is removed, and std::system_error is thrown (what() may be shown to the user
// after a Russian sentence of the caller's). The new file keeps the old one's permissions; a
// link is followed and its target replaced.
//
// The temporary is named ".NAME.new-XXXXXX" beside NAME (".qw3.txt.new-k2P9xa"): never a name
// the game reads. Only a process killed in mid-write leaves one behind; each later replacement
// of the same file removes those of its temporaries that are more than a minute old.
void replaceFileSafely(const std::filesystem::path& file, std::string_view bytes);

// The name of a temporary of `file` as replaceFileSafely makes them, less its random end.
std::string temporaryPrefix(const std::filesystem::path& file);

}  // namespace kvardelon
