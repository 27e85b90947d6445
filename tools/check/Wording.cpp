// Small pieces of the checker's Russian messages.
#include "Wording.h"
#include "PathText.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace kvardelon::check {

namespace {

bool startsACharacter(char c)
{
    return (static_cast<std::uint8_t>(c) & 0xC0) != 0x80;
}

// Characters any shell takes as they stand; bytes of letters beyond ASCII too.
bool isPlainInAShell(char c)
{
    const auto byte = static_cast<std::uint8_t>(c);
    return byte >= 0x80 || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("_./-+,:@%=").find(c) != std::string_view::npos;
}

constexpr int kQuoteLimit = 30;

}  // namespace

std::string_view trimmed(std::string_view text)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

int characterCount(std::string_view text)
{
    int count = 0;
    for (const char c : text)
        count += startsACharacter(c) ? 1 : 0;
    return count;
}

std::string inQuotes(std::string_view text)
{
    int characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (startsACharacter(text[i]) && characters++ == kQuoteLimit)
            return "«" + std::string(text.substr(0, i)) + "…»";
    }
    return "«" + std::string(text) + "»";
}

std::string tailInQuotes(std::string_view text, int count)
{
    const int shown = std::min(count, kQuoteLimit);
    int characters = 0;
    std::size_t start = text.size();
    while (start > 0 && characters < shown) {
        --start;
        characters += startsACharacter(text[start]) ? 1 : 0;
    }
    return "«…" + std::string(text.substr(start)) + "»";
}

std::string drawShare(int k)
{
    constexpr int kTen = 10;
    if (k == 1)
        return "он будет в каждой игре";
    if (k == 2)
        return "каждый выпадет примерно в половине игр";
    if (k == 5)
        return "каждый выпадет примерно в одной игре из пяти";
    if (k >= kTen)
        return k == kTen ? "каждый выпадет примерно в одной игре из десяти"
                         : "игра берёт только первые десять, каждый из них выпадет примерно в одной игре из десяти";
    const int more = kTen % k;
    const std::string often = std::to_string(kTen / k + 1);
    const std::string rest = std::to_string(kTen / k);
    const std::string first = more == 1 ? "первый выпадет" : "первые " + std::to_string(more) + " выпадут";
    return first + " примерно в " + often + " играх из 10, остальные — в " + rest;
}

std::string ordinal(int answer)
{
    constexpr std::array<const char*, 4> kOrdinals{"первый", "второй", "третий", "четвёртый"};
    return kOrdinals.at(static_cast<std::size_t>(answer - 1));
}

#ifdef _WIN32

// cmd.exe: double quotes around anything but letters, digits and a few signs; no file
// name holds a double quote.
std::string shellWord(const std::filesystem::path& path)
{
    const std::string text = pathToUtf8(path);
    for (const char c : text) {
        if (!isPlainInAShell(c) && c != '\\')
            return "\"" + text + "\"";
    }
    return text;
}

std::string renameCommand(const std::filesystem::path& from, const std::filesystem::path& to)
{
    return "ren " + shellWord(from) + " " + shellWord(to.filename());
}

#else

// A POSIX shell: single quotes, a single quote inside written as '\''; a name that begins
// with "-" gets "./" so that no command takes it for an option.
std::string shellWord(const std::filesystem::path& path)
{
    std::string text = pathToUtf8(path);
    if (text.starts_with('-'))
        text = "./" + text;
    bool plain = !text.empty();
    for (const char c : text)
        plain = plain && isPlainInAShell(c);
    if (plain)
        return text;
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string renameCommand(const std::filesystem::path& from, const std::filesystem::path& to)
{
    return "mv " + shellWord(from) + " " + shellWord(to);
}

#endif

}  // namespace kvardelon::check
