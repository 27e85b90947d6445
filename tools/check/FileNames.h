// The names of bank files: which step a name is for, and a near miss beside a missing file.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace kvardelon::check {

// The step a file name is meant for: 3 for "qw3.txt", and for the names an author easily
// writes instead ("qw03.txt", "QW3.TXT", "qw3.txt.txt", "qw3", "qw 3.txt"); 0 for any other.
int stepOfName(std::string_view fileName);

// True only for the name the game opens, "qw3.txt" for step 3.
bool isExactName(std::string_view fileName);

// A regular file beside the missing `file` whose name means the same step, the first in
// name order; nothing when there is none or the folder cannot be read.
std::optional<std::filesystem::path> nearMissOf(const std::filesystem::path& file);

}  // namespace kvardelon::check
