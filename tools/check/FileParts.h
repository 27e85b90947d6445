// The pieces checkFile is made of, shared among the checker's own files.
#pragma once

#include "BankCheck.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvardelon::check {

// The lines of a bank file in order, numbered from 1 as in the file: the six of each
// record, then the rest.
class FileLines {
public:
    explicit FileLines(const BankFile& file) : file_(file) {}

    int count() const;
    std::string_view at(int line) const;  // "" beyond the end

private:
    const BankFile& file_;
};

// The findings of one file, each placed in its record and field by its line.
class Findings {
public:
    Findings(const BankFile& file, int step, const std::filesystem::path& name)
        : file_(file), step_(step), name_(name)
    {
    }

    // A finding about one line, or about the whole file (line 0, or the line it ends on).
    // `plain` is the message in an author's words where `message` speaks of lines, bytes or
    // encodings (Finding::plain).
    void atLine(Problem problem, int line, std::string message, std::string plain = {});
    void forFile(Problem problem, int line, std::string message, std::string plain = {});

    std::vector<Finding> list;

private:
    const BankFile& file_;
    int step_;
    const std::filesystem::path& name_;
};

// Where the lines of a file stop lining up with its records: a line added or lost inside
// a record, which moves every record below it.
struct Shift {
    int record = 0;     // 0-based: the first record that is out of line
    int lines = 0;      // how many lines too many (> 0) or too few (< 0)
    int line = 0;       // the first line out of its place
    std::string message;
};

// Only a shift within the first ten records counts: the game reads no further.
std::optional<Shift> findShift(const BankFile& file);

// How many records the game may show and the checks judge: at most ten, and none from a
// shift on.
int judgedRecords(const BankFile& file, const std::optional<Shift>& shift);

// The records' texts: empty, equal, too long to show, the answer line.
void checkRecords(const BankFile& file, int judged, const Fits& fits, Findings& findings);

// The lines' characters: encodings, control characters, length; up to line lastLine.
void checkCharacters(const BankFile& file, int lastLine, Findings& findings);

}  // namespace kvardelon::check
