// Filling the steps that hold fewer than ten questions: with questions of a bank shipped
// with the game that the author's bank does not have yet, or with repeats of the step's own.
#pragma once

#include "OpenBank.h"

#include <QString>
#include <QStringList>

#include <array>
#include <filesystem>
#include <vector>

namespace kvardelon::editor {

// The records the game draws from, the first ten, of each step of a bank on disk; a step
// whose file cannot be read has none.
using PlayedRecords = std::array<std::vector<Record>, kSteps>;
PlayedRecords readPlayedRecords(const std::filesystem::path& dataFolder);

// How many of the shipped bank's questions the author's bank asks: the bank it was made from
// shares the most.
int questionsInCommon(const OpenBank& bank, const PlayedRecords& shipped);

struct StepFill {
    int step = 0;
    std::vector<Record> added;  // after the step's own records: first those from the bank, then the repeats
    int fromBank = 0;           // how many of added come from the shipped bank
    int repeats = 0;            // how many repeat the step's own questions
    int missing = 0;            // how many the step still lacks: neither source had them
};

// What the author chose to fill the steps with: her own questions repeated in turn (the
// steps are marked, nothing is added), or the records of the plan.
struct FillChoice {
    bool ownOnly = false;
    std::vector<StepFill> plan;
};

// One entry for each step of fewer than ten records, in step order. from: the shipped
// bank, whose questions are taken in its order, each only when no step of the author's
// bank asks it already; null for repeats only, which leaves out the steps that repeat
// their own questions in turn already. What the bank cannot give is made up by
// repeating the step's own questions in turn.
std::vector<StepFill> planFill(const OpenBank& bank, const PlayedRecords* from);

// Puts the records in as one step on the undo stack.
void applyFill(OpenBank& bank, const std::vector<StepFill>& fills);

// One line a step for the author: "Ступень 4 (500): 7 новых вопросов из банка игры."
// source names the bank ("из банка игры").
QStringList fillSummary(const std::vector<StepFill>& fills, const QString& source);

}  // namespace kvardelon::editor
