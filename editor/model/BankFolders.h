// Where banks are: the data folder behind a folder the user names, the banks a new one
// starts from, the folder the game must start in.
#pragma once

#include "StepFiles.h"

#include <QString>

#include <filesystem>
#include <optional>

namespace kvardelon::editor {

// Whether anything stands in the folder under the name of one of the fifteen files.
bool holdsBankFile(const std::filesystem::path& folder);

// The data folder a folder stands for: its data/ when it has one, else the folder itself
// when it is named data or holds one of the fifteen files; nothing otherwise.
std::optional<std::filesystem::path> findDataFolder(const std::filesystem::path& folder);

// The folder an author knows her bank by: the one she chose, which holds the folder named
// data the game reads, or the bank's folder itself when it has another name.
std::filesystem::path bankPlace(const std::filesystem::path& dataFolder);

// Where the bank lies on disk, the one place the editor names its files: to copy it to
// another computer, or to find it again.
QString whereTheBankLies(const std::filesystem::path& dataFolder);

// What a new bank starts from.
enum class Template { Shipped, Classroom, Empty };

// The data folder of a bank shipped with the game: installed beside the programs
// (../share/kvardelon/...), where the build configured it, or, for a program of the build
// tree, the source tree's own.
std::optional<std::filesystem::path> templateFolder(Template kind, const std::filesystem::path& programFolder);

struct CreatedBank {
    std::filesystem::path dataFolder;  // empty when nothing was made
    QString error;                     // Russian, for the user; empty on success
};

// Makes folder/data with the fifteen files: byte-for-byte copies of the template's, or
// empty files. Refuses a folder that already holds a bank.
CreatedBank createBank(const std::filesystem::path& folder, Template kind, const std::filesystem::path& programFolder);

}  // namespace kvardelon::editor
