// Loads a question of a step from the bank files data/qw1.txt .. data/qw15.txt.
#pragma once

#include "BankText.h"
#include "Ladder.h"
#include "StepFiles.h"
#include "Random.h"
#include "WindowOps.h"

#include <array>
#include <filesystem>

namespace kvardelon {

class QuestionBank {
public:
    explicit QuestionBank(std::filesystem::path folder = "data");

    // folder/qwK.txt (stepFileName). Step 1..15.
    const std::filesystem::path& fileName(int step) const;

    // Reads the step's file, draws a record count R in 1..10 and reads records 1..R only,
    // writing each where it belongs as soon as it is read: the question to Label1, the
    // answers to Command1..Command4 behind "A:".."D:", the sixth line to gintO. The screen
    // thus ends on record R; nothing after it is judged. Throws BankError.
    void loadQuestion(int step, Random& random, WindowOps& windows, GameState& state) const;

    const std::filesystem::path& folder() const { return folder_; }

private:
    std::filesystem::path folder_;
    std::array<std::filesystem::path, kSteps> fileNames_;
};

}  // namespace kvardelon
