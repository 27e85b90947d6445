// The game state and the prize ladder of fifteen steps.
#pragma once

#include "StepFiles.h"
#include "WindowOps.h"

#include <array>
#include <cstdint>
#include <string>

namespace kvardelon {

// The four numbers the main window keeps for the whole run of the process.
struct GameState {
    std::int16_t gintO = 0;     // correct answer of the question on screen, 1 = A ... 4 = D
    std::int16_t gintK = 0;     // step on screen, 1..15 during a game
    std::int32_t gintsum = 0;   // prize of the last step answered correctly
    std::int32_t gintnsum = 0;  // guaranteed sum: what a wrong answer pays

    bool operator==(const GameState&) const = default;
};

struct LadderStep {
    std::int32_t prize;
    bool recordsWinnings;  // passing it writes gintsum (every step but the top)
    bool guaranteed;       // passing it writes gintnsum (steps 5, 10 and the top)
    const char* caption;   // what its ladder label shows
    Colour atRest;
    Colour passed;
};

namespace colour {
inline constexpr Colour lightGreen = 0x80FF80;
inline constexpr Colour darkGreen = 0x008000;
inline constexpr Colour lightRed = 0x8080FF;
inline constexpr Colour red = 0x0000FF;
inline constexpr Colour lightYellow = 0x80FFFF;
inline constexpr Colour orange = 0x0080FF;
}  // namespace colour

// Row k - 1 describes step k.
extern const std::array<LadderStep, kSteps> kLadder;

// The ladder row of step 1..15.
const LadderStep& ladderStep(int step);

// Zero for every variable: the start of a new game.
void reset(GameState& state);

// Records the prize of step gintK and gives its label the passed colour, in that order.
void passStep(GameState& state, WindowOps& windows);

// One step up, never beyond the top.
void advance(GameState& state);

// Every ladder label back to its colour at rest, steps 1 to 15 in order.
void restoreLadderColours(WindowOps& windows);

// " 123": one blank, then the digits; no grouping, no sign for zero or more.
std::string numberText(std::int64_t number);

}  // namespace kvardelon
