// Where the main window stands, and its question and answers in it, in twips.
#pragma once

#include "Toolkit.h"

#include <array>

namespace kvardelon {

// The main window's client area, at its top left on the screen: the largest of the game's
// windows, and the one the editor sizes a projector's game by.
inline constexpr Twips kMainWindowPlace{2250, 1065, 7095, 7110};

// Where the question and the four answers stand: every text of a bank must fit them.
inline constexpr Twips kQuestionPlace{120, 4560, 5535, 735};
inline constexpr std::array<Twips, 4> kAnswerPlaces{{
    {120, 5400, 3375, 735},   // A
    {3600, 5400, 3375, 735},  // B
    {120, 6240, 3375, 735},   // C
    {3600, 6240, 3375, 735},  // D
}};

// The least rectangle around the question and the answers: the question panel's place.
inline constexpr Twips kQuestionPanelPlace{120, 4560, 3600 + 3375 - 120, 6240 + 735 - 4560};

}  // namespace kvardelon
