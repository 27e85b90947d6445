// The letter of each of the four answers, as the game's buttons show it.
#pragma once

#include <array>
#include <string>

namespace kvardelon {

// "A".."D" for answer 1..4: the Latin letter in front of an answer on its button ("A:").
inline std::string answerLetter(int answer)
{
    static constexpr std::array<char, 4> kLetters = {'A', 'B', 'C', 'D'};
    return std::string(1, kLetters.at(static_cast<std::size_t>(answer - 1)));
}

}  // namespace kvardelon
