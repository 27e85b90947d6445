// The columns of a spreadsheet of questions, the names the import knows them by, and the
// header row read with them. The help is written from the same table.
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace kvardelon::editor {

enum class TableColumn { Step, Question, A, B, C, D, Correct };
inline constexpr int kTableColumns = 7;

struct ColumnNames {
    TableColumn column;
    QStringList names;  // as the help shows them; export writes the first
    const char* holds;  // what the column holds, for the help
};

// Every column in the order export writes them.
const std::array<ColumnNames, kTableColumns>& tableColumns();

// The example the help shows and the tests import: the header and two rows, with ';'.
QStringList exampleTable();

// "A", "B", … "Z", "AA": the letter a spreadsheet shows above column `index` (from 0).
QString columnLetter(int index);

struct TableHeader {
    bool named = false;  // the row names at least one column by a word; otherwise it is a row of questions
    std::array<int, kTableColumns> at{};  // the spreadsheet's column of each (from 0); -1 when none
    // Answers named by Latin letters: a Cyrillic А, В or С in the right answer's column then
    // stands for the Latin letter it looks like; otherwise А, Б, В, Г go in Russian order.
    bool latinLetters = false;
    QStringList notes;  // in Russian: each column not understood, repeated or missing

    int operator[](TableColumn column) const { return at[static_cast<std::size_t>(column)]; }
};

// Reads the first row with text. Names count case, blanks, punctuation and ё/е alike.
// A column named just «Ответ» (or «Answer») is the right answer's: a table that names its four
// answers «Ответ А»…«Ответ Г» or «Ответ 1»…«Ответ 4» calls the right one so. When another
// column says it in more words (Верный, Правильный, Right, Correct), «Ответ» is not taken and
// the notes name it: which of the two the teacher meant cannot be known, and the longer name
// says it plainly. Cyrillic А, В, С are Russian letters unless the header shows Latin ones.
// `filled` says which columns hold text in some later row: a nameless one is named in the
// notes only then. A row that names no column gives the columns in the order above.
TableHeader readHeader(const QStringList& cells, const std::vector<bool>& filled);

// The right answer's cell as a number 1..4; 0 when it is none of 1–4, A–D, А–Г.
int answerNumberIn(const QString& cell, bool latinLetters);

}  // namespace kvardelon::editor
