// A fresh temporary folder for each test that needs files, removed with the object.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kvardelon::test {

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes `bytes` to the file `name` in the folder and returns its path.
    std::filesystem::path write(const std::string& name, std::string_view bytes) const;

private:
    std::filesystem::path path_;
};

std::string readFile(const std::filesystem::path& file);

}  // namespace kvardelon::test
