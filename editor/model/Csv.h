// Spreadsheet text: the bytes a spreadsheet saves decoded, its cells read, and cells written.
#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>

#include <string_view>
#include <vector>

namespace kvardelon::editor {

struct CsvRow {
    // The row as the spreadsheet numbers it: the first row is 1, every row counts, a blank one
    // too, and a cell holding several lines is still one row.
    int row = 0;
    QStringList cells;
};

struct CsvTable {
    std::vector<CsvRow> rows;  // rows with text only
    QChar separator = u',';
    int unclosedQuoteRow = 0;  // the row of a quote never closed; 0 when every quote closes
};

// Reads quoted cells ("a ""b"", c" holds a separator, a quote and may span lines) and plain
// ones, whose blanks at either end are dropped; a quoted cell is kept as it stands. The
// separator is the one of ';', ',' and tab that the first line with text uses most outside
// quotes: a spreadsheet set to Russian writes ';', its "Unicode text" tabs.
CsvTable parseCsv(QStringView text);

// One row per line ending in CR LF; a cell holding a separator, a quote, a line end or a blank
// at either end is quoted.
QString writeCsv(const std::vector<QStringList>& rows, QChar separator = u',');

// How a spreadsheet's bytes are read. Found: UTF-16 by its mark (as "Unicode text" is saved),
// else what the bank's own detector finds (UTF-8 with or without the mark, or windows-1251).
enum class TableEncoding { Found, Utf8, Cp1251, Utf16 };

QString decodeTable(std::string_view bytes, TableEncoding encoding = TableEncoding::Found);

// What a spreadsheet program set to Russian opens as it is: windows-1251, or UTF-8 with the
// mark when some character has no place in windows-1251.
QByteArray encodeTable(const QString& text);

}  // namespace kvardelon::editor
