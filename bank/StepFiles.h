// The bank's fifteen steps and the name the game opens for each step's file.
#pragma once

#include <string>

namespace kvardelon {

inline constexpr int kSteps = 15;

// "qw7.txt" for step 7: the step in decimal, no blank, no leading zero. Step 1..15.
inline std::string stepFileName(int step)
{
    return "qw" + std::to_string(step) + ".txt";
}

}  // namespace kvardelon
