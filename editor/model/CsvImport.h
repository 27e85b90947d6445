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
    int row = 0;        // the row's number as the spreadsheet shows it
    int step = 0;       // 1..15; 0 when the row names no step and is left out
    Record record;
    QStringList notes;  // Russian: what is wrong with the row or was changed in it
    bool hasError = false;
};

struct ImportPlan {
    std::vector<ImportRow> rows;
    QStringList problems;  // about the spreadsheet as a whole: columns not understood, missing
    // Why nothing may be imported, and what to do about it: the text looks garbled, or no
    // column holds the questions. Empty when the rows may go in.
    QString refusal;
};

// A spreadsheet's bytes as read from a file and its text as they are found to be encoded;
// error, in Russian and naming the file, when it is no regular file, is larger than a bank
// file may be, or cannot be read.
struct TableText {
    std::string bytes;
    QString text;
    QString error;
};
TableText readTable(const std::filesystem::path& file);

// The header row names the columns in any order (SpreadsheetColumns.h); without one they are
// taken in the order export writes them. Each row is judged by the checker's rules as the
// game would read it; fits measures lengths (empty: none).
ImportPlan readImport(const QString& text, const check::Fits& fits = {});

// Every record of the bank, step by step, under the header row, with ';' between the cells
// and the right answer as a Russian letter А–Г, as a spreadsheet set to Russian reads it.
QString exportCsv(const OpenBank& bank);

}  // namespace kvardelon::editor
