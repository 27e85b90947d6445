// A copy of a shipped bank in a temporary folder, with its files dated in the past, and
// what each file held and when it was written, to compare after the editor has been at it.
#pragma once

#include "StepFiles.h"

#include <QTemporaryDir>

#include <array>
#include <filesystem>
#include <string>

namespace kvardelon::test {

struct FileState {
    std::string bytes;
    std::filesystem::file_time_type written;
    bool operator==(const FileState&) const = default;
};

class ScratchBank {
public:
    // bank: a shipped bank's folder below the source tree.
    explicit ScratchBank(const char* bank = "data");

    // .../data: the data folder of the copy.
    const std::filesystem::path& data() const { return data_; }
    std::filesystem::path file(int step) const;

    std::array<FileState, kSteps> state() const;
    std::string bytes(int step) const;
    void write(int step, const std::string& bytes) const;

private:
    QTemporaryDir folder_;
    std::filesystem::path data_;
};

std::string bytesOf(const std::filesystem::path& file);

// A shipped bank's folder in the source tree.
std::filesystem::path shippedBank(const char* bank = "data");

}  // namespace kvardelon::test
