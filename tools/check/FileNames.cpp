// Recognising bank file names, exact and nearly so.
#include "FileNames.h"
#include "PathText.h"

#include "StepFiles.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <vector>

namespace kvardelon::check {

namespace fs = std::filesystem;

namespace {

// Lower case, no blanks, no ".txt" at the end however often it is there.
std::string nameKey(std::string_view fileName)
{
    std::string key;
    for (const char c : fileName) {
        if (c != ' ')
            key += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    while (key.ends_with(".txt"))
        key.resize(key.size() - 4);
    return key;
}

}  // namespace

int stepOfName(std::string_view fileName)
{
    const std::string key = nameKey(fileName);
    if (!key.starts_with("qw") || key.size() == 2 || key.size() > 6)
        return 0;
    int step = 0;
    for (const char c : std::string_view(key).substr(2)) {
        if (c < '0' || c > '9')
            return 0;
        step = step * 10 + (c - '0');
    }
    return step >= 1 && step <= kSteps ? step : 0;
}

bool isExactName(std::string_view fileName)
{
    const int step = stepOfName(fileName);
    return step > 0 && fileName == stepFileName(step);
}

std::optional<fs::path> nearMissOf(const fs::path& file)
{
    const int step = stepOfName(pathToUtf8(file.filename()));
    if (step == 0)
        return std::nullopt;
    std::vector<fs::path> nearMisses;
    std::error_code error;
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = pathToUtf8(it->path().filename());
        std::error_code ignored;
        if (name != pathToUtf8(file.filename()) && stepOfName(name) == step && it->is_regular_file(ignored))
            nearMisses.push_back(file.parent_path() / name);
    }
    if (nearMisses.empty())
        return std::nullopt;
    return *std::min_element(nearMisses.begin(), nearMisses.end());
}

}  // namespace kvardelon::check
