// The prize ladder table and the operations on the game state.
#include "Ladder.h"

#include <cassert>

namespace kvardelon {

namespace {

constexpr LadderStep ordinary(std::int32_t prize, const char* caption)
{
    return {prize, true, false, caption, colour::lightGreen, colour::darkGreen};
}

constexpr LadderStep guaranteed(std::int32_t prize, const char* caption)
{
    return {prize, true, true, caption, colour::lightRed, colour::red};
}

}  // namespace

const std::array<LadderStep, kSteps> kLadder = {{
    ordinary(100, "100"),
    ordinary(200, "200"),
    ordinary(300, "300"),
    ordinary(500, "500"),
    guaranteed(1000, "1000"),
    ordinary(2000, "2000"),
    ordinary(4000, "4000"),
    ordinary(8000, "8000"),
    ordinary(16000, "16000"),
    guaranteed(32000, "32000"),
    ordinary(64000, "64000"),
    ordinary(125000, "125000"),
    ordinary(250000, "250000"),
    ordinary(500000, "500000"),
    // The top step pays into the guaranteed sum alone: gintsum stays at 500000.
    {1000000, false, true, "1000000", colour::lightYellow, colour::orange},
}};

const LadderStep& ladderStep(int step)
{
    assert(step >= 1 && step <= kSteps);
    return kLadder.at(static_cast<std::size_t>(step - 1));
}

void reset(GameState& state)
{
    state = GameState{};
}

void passStep(GameState& state, WindowOps& windows)
{
    const LadderStep& row = ladderStep(state.gintK);
    if (row.recordsWinnings)
        state.gintsum = row.prize;
    if (row.guaranteed)
        state.gintnsum = row.prize;
    windows.setLadderColour(state.gintK, row.passed);
}

void advance(GameState& state)
{
    if (state.gintK < kSteps)
        ++state.gintK;
}

void restoreLadderColours(WindowOps& windows)
{
    for (int step = 1; step <= kSteps; ++step)
        windows.setLadderColour(step, ladderStep(step).atRest);
}

std::string numberText(std::int64_t number)
{
    if (number < 0)
        return std::to_string(number);
    return " " + std::to_string(number);
}

}  // namespace kvardelon
