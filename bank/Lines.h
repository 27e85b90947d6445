// The lines of a bank file's bytes as they stand, shared by the readers and the writer.
#pragma once

#include "BankText.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kvardelon {

// One line of the file: its bytes and its line end ("\r\n", "\r", "\n", or none for the last).
struct RawLine {
    std::string_view text;
    std::string_view end;
};

// The line that starts at `position`, which must lie before the end; moves position past it.
RawLine takeLine(std::string_view bytes, std::size_t& position);

// How many bytes the encoding's mark takes at the file's start.
std::size_t markLength(Encoding encoding);

// Puts a line's bytes in the given encoding into `line` as well-formed UTF-8.
void decodeLine(std::string& line, std::string_view raw, Encoding encoding);

// A whole file split into lines.
struct SplitFile {
    Encoding encoding;
    std::vector<RawLine> lines;
};

SplitFile splitFile(std::string_view bytes);

}  // namespace kvardelon
