// Temporary folders for the bank's tests.
#include "Scratch.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace kvardelon::test {

ScratchFolder::ScratchFolder()
{
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        path_ = std::filesystem::temp_directory_path() / ("kvardelon-bank-" + std::to_string(random()));
        // False when the name is taken: another one is tried.
        if (std::filesystem::create_directory(path_))
            return;
    }
    throw std::runtime_error("cannot make a temporary folder");
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path ScratchFolder::write(const std::string& name, std::string_view bytes) const
{
    const std::filesystem::path file = path_ / name;
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

std::string readFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace kvardelon::test
