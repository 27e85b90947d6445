// Small pieces of the checker's Russian messages: quotes, letters, commands (counted words: CountedWords.h).
#pragma once

#include "CountedWords.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace kvardelon::check {

// Blanks and tabs off both ends.
std::string_view trimmed(std::string_view text);

// The number of characters of a UTF-8 text.
int characterCount(std::string_view text);

// The text in «quotes», cut after thirty characters.
std::string inQuotes(std::string_view text);

// The last `count` characters of a text in «quotes», "…" in front, at most thirty of them.
std::string tailInQuotes(std::string_view text, int count);

// How often the game draws each of k questions repeated in turn to ten records, honest
// where ten does not divide evenly: "каждый выпадет примерно в половине игр", "первый
// выпадет примерно в 4 играх из 10, остальные — в 3". From ten on, the first ten each once.
std::string drawShare(int k);

// "первый".."четвёртый" for 1..4.
std::string ordinal(int answer);

// A path as a shell command takes it, typed as it stands: quoted where it has to be.
std::string shellWord(const std::filesystem::path& path);

// The command that renames `from` to `to` in this system's own shell.
std::string renameCommand(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace kvardelon::check
