// A step of only the author's own questions: which steps may repeat theirs in turn to make
// ten, making them do so, and how the game will draw them, in words.
#pragma once

#include "OpenBank.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace kvardelon::editor {

// The steps of fewer than ten questions that do not repeat them yet; one with none will
// repeat the first she writes.
std::vector<int> stepsToRepeat(const OpenBank& bank);

// The steps repeat their own questions in turn from now on; one step on the undo stack.
void repeatOwnQuestions(OpenBank& bank, const std::vector<int>& steps);

// How the game will draw the step's questions: "2 ваших вопроса, каждый выпадет примерно в
// половине игр."; for a step of fewer than ten that does not repeat them, what is missing.
QString drawLine(const OpenBank& bank, int step);

// One line a step for the fill dialog: "Ступень 3 (300): 2 ваших вопроса, каждый выпадет …"
// for each step given; for one with no question yet, that it needs one.
QStringList repeatSummary(const OpenBank& bank, const std::vector<int>& steps);

}  // namespace kvardelon::editor
