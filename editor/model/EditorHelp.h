// The editor's help, written once: F1 shows it, and the README holds its part on spreadsheets.
#pragma once

#include <QString>

namespace kvardelon::editor {

inline constexpr const char* kHelpTitle = "Как устроен банк вопросов";

// Everything F1 shows, as plain text, paragraphs parted by an empty line.
QString editorHelp();

// The spreadsheet's columns and an example, as F1 shows them.
QString spreadsheetHelp();

// The same in Markdown, as README.ru.md holds it between its two marker lines.
QString spreadsheetHelpForReadme();

inline constexpr const char* kReadmeColumnsBegin =
    "<!-- The spreadsheet's columns: made from editor/model/SpreadsheetColumns.cpp -->";
inline constexpr const char* kReadmeColumnsEnd = "<!-- End of the spreadsheet's columns -->";

}  // namespace kvardelon::editor
