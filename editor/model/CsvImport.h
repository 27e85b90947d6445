// A spreadsheet's rows as records of the bank, with what is wrong with each, before
// anything changes; and the bank written out as a spreadsheet.
#pragma once

#include "BankCheck.h"
#include "OpenBank.h"

#include <QString>
#include <QStringList>

#include <array>
#include <filesystem>
#include <vector>

namespace kvardelon::editor {

struct ImportRow {
    int line = 0;       // where the row begins in the spreadsheet
    int step = 0;       // 1..15; 0 when the row names no step and is left out
    Record record;
    QStringList notes;  // Russian: what is wrong with the row or was changed in it
    bool hasError = false;
};

struct ImportPlan {
    std::vector<ImportRow> rows;
    QStringList problems;  // about the spreadsheet as a whole
};

// A spreadsheet's text as read from a file; error, in Russian and naming the file, when it
// is no regular file, is larger than a bank file may be, or cannot be read.
struct TableText {
    QString text;
    QString error;
};
TableText readTable(const std::filesystem::path& file);

// The header row names the columns (ступень, вопрос, A, B, C, D, правильный) in any order;
// without one they are taken in that order. The correct answer is a letter A–D or a digit
// 1–4. Each row is judged by the checker's rules as the game would read it; fits measures
// lengths (empty: none).
ImportPlan readImport(const QString& text, const check::Fits& fits = {});

// Every record of the bank, step by step, under the header row.
QString exportCsv(const OpenBank& bank);

}  // namespace kvardelon::editor
