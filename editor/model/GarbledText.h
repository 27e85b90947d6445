// Text that was read in the wrong encoding: what a spreadsheet saved one way and read another
// looks like.
#pragma once

#include "Csv.h"

#include <optional>

namespace kvardelon::editor {

struct GarbledCell {
    // Misread: the bytes are there but read in the wrong encoding, and reading them in another
    // may help; Lost: the letters were lost to question marks when the file was saved.
    enum class Kind { Misread, Lost };
    Kind kind = Kind::Misread;
    int row = 0;     // as the spreadsheet numbers it
    QString sample;  // the start of the cell, for the person to recognise it
};

// The first cell that shows the text garbled: a character that could not be read (U+FFFD) or
// a NUL; Russian letters read as windows-1251 or Latin-1 although saved as UTF-8 («Ð°»,
// «Рµ»), three times or more in the table; or a cell of question marks with no letter, as a
// program that cannot write Cyrillic leaves it.
std::optional<GarbledCell> garbledCell(const CsvTable& table);

}  // namespace kvardelon::editor
