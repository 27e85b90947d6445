// The three lifelines: fifty-fifty, the friend's answer and the audience's shares.
#pragma once

#include "Random.h"
#include "WindowOps.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kvardelon {

// Blanks the captions of two answers that are neither empty nor number gintO, drawn
// one at a time without re-seeding, then disables Picture1. Where fewer than two
// answers qualify it blanks what it can and stops.
void fiftyfifty(std::int16_t gintO, WindowOps& windows, Random& random);

// Re-seeds, draws a letter A..D and builds the friend's sentence around the name as typed.
std::string friendanswer(std::string_view name, Random& random);

// a for answer A ... d for answer D: non-negative and summing to 100, with a >= 1.
struct AudienceShares {
    int a = 0;
    int b = 0;
    int c = 0;
    int d = 0;
};

// Re-seeds and draws one to three values: a out of 100, b out of the rest, c out of what is left.
AudienceShares audienceshares(Random& random);

// " 57%": a blank, the share's digits and the percent sign.
std::string shareText(int share);

}  // namespace kvardelon
