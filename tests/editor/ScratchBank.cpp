// Making and reading scratch copies of the shipped bank.
#include "ScratchBank.h"

#include "StepFiles.h"

#include <chrono>
#include <fstream>
#include <iterator>

namespace kvardelon::test {

namespace fs = std::filesystem;

fs::path shippedBank(const char* bank)
{
    return fs::path(KVARDELON_SOURCE_DIR) / bank;
}

ScratchBank::ScratchBank(const char* bank) : data_(fs::path(folder_.path().toStdString()) / "data")
{
    fs::create_directories(data_);
    // Long enough ago that a file written by a test cannot carry the same time.
    const fs::file_time_type past = fs::file_time_type::clock::now() - std::chrono::hours(24 * 400);
    for (int step = 1; step <= kSteps; ++step) {
        fs::copy_file(shippedBank(bank) / stepFileName(step), file(step));
        fs::last_write_time(file(step), past);
    }
}

fs::path ScratchBank::file(int step) const
{
    return data_ / stepFileName(step);
}

std::string bytesOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string ScratchBank::bytes(int step) const
{
    return bytesOf(file(step));
}

void ScratchBank::write(int step, const std::string& bytes) const
{
    std::ofstream(file(step), std::ios::binary | std::ios::trunc) << bytes;
}

std::array<FileState, kSteps> ScratchBank::state() const
{
    std::array<FileState, kSteps> states;
    for (int step = 1; step <= kSteps; ++step)
        states.at(static_cast<std::size_t>(step - 1)) = {bytes(step), fs::last_write_time(file(step))};
    return states;
}

}  // namespace kvardelon::test
