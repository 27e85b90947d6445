// Lines of a bank file's bytes shared by the readers and the writer: their decoding, the whole file split.
#pragma once

#include "BankText.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kvardelon {

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
