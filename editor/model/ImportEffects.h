// What an import from a spreadsheet does to each step it names: where its questions go,
// how many of them the game will draw from, which questions of the step leave the bank.
#pragma once

#include "CsvImport.h"

#include <QStringList>

#include <vector>

namespace kvardelon::editor {

enum class ImportMode {
    First,    // the spreadsheet's questions first, then the step's own up to ten; the rest leave
    Replace,  // only the spreadsheet's questions
    Append,   // after the step's own questions
};

struct StepImport {
    int step = 0;
    int rows = 0;                 // the spreadsheet's questions for the step
    int played = 0;               // how many of them are among the first ten, which the game draws from
    std::vector<Record> records;  // the step's records after the import
    std::vector<Record> leaving;  // the step's records that the import takes out of the bank
};

// One entry for each step the spreadsheet names, in step order.
std::vector<StepImport> importEffects(const OpenBank& bank, const ImportPlan& plan, ImportMode mode);

// One line for each of them, in words for the author.
QStringList importSummary(const OpenBank& bank, const ImportPlan& plan, ImportMode mode);

// Puts the rows into the bank as one step on the undo stack.
void applyImport(OpenBank& bank, const ImportPlan& plan, ImportMode mode);

}  // namespace kvardelon::editor
