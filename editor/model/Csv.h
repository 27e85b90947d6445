// Spreadsheet text: comma-separated values in UTF-8, read and written.
#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

#include <vector>

namespace kvardelon::editor {

struct CsvRow {
    int line = 0;  // 1-based line of the file where the row begins
    QStringList cells;
};

struct CsvTable {
    std::vector<CsvRow> rows;
    QChar separator = u',';
    int unclosedQuoteLine = 0;  // the line of a quote never closed; 0 when every quote closes
};

// Reads quoted cells ("a ""b"", c" holds a separator, a quote and may span lines) and
// plain ones. The separator is the one of ';', ',' and tab that the first line uses most
// outside quotes: a spreadsheet set to Russian writes ';'. Rows with no text are skipped.
CsvTable parseCsv(QStringView text);

// One row per line ending in CR LF; a cell holding a separator, a quote or a line end is quoted.
QString writeCsv(const std::vector<QStringList>& rows, QChar separator = u',');

}  // namespace kvardelon::editor
