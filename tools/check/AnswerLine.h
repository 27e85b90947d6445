// The sixth line of a record, the number of the correct answer: what is wrong with it and
// which digit its author meant.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kvardelon::check {

// What is wrong with an answer line and what to write instead, in Russian; nothing for a
// single digit 1..4 with or without blanks around it.
std::optional<std::string> answerLineFault(std::string_view line);

// Whether a line could be meant as an answer line: a digit, or a letter or a digit with a
// bracket. Used to see where the records of a file have moved to.
bool looksLikeAnswerLine(std::string_view line);

}  // namespace kvardelon::check
