// Reads question records from the bank files data/qw1.txt .. data/qw15.txt.
#pragma once

#include "Cp1251.h"
#include "Ladder.h"
#include "Random.h"
#include "WindowOps.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

namespace kvardelon {

inline constexpr int kLinesPerRecord = 6;
inline constexpr int kRecordsDrawnFrom = 10;

// Reads one bank file line by line. CR LF, CR alone and LF alone each end a line;
// the last line needs no line end. A file that begins with the UTF-8 byte order mark
// is UTF-8 (the mark is no part of line 1); every other file is windows-1251. Lines
// come out in UTF-8, always well-formed: bytes of a UTF-8 file that form no character
// become U+FFFD, and so does the one byte windows-1251 leaves unused.
class BankFileReader {
public:
    // Opens the file of the given step and looks at its first bytes for the mark;
    // throws BankError when it is missing, not a regular file, cannot be opened or read.
    BankFileReader(const std::filesystem::path& file, int step);

    // Puts the next line into `line`; false, with `line` empty, at the end of the file.
    // Throws BankError on a line longer than kMaxLineBytes or a failed read.
    bool nextLine(std::string& line);

    // The number of lines read so far: the number of the line last returned.
    int lineNumber() const { return lineNumber_; }

    const std::filesystem::path& file() const { return file_; }
    int step() const { return step_; }

    // True when the file began with the UTF-8 byte order mark and is read as UTF-8.
    bool isUtf8() const { return utf8_; }

    // From now on keeps each line's bytes as they stand in the file, for rawLine().
    // The game has no use for them; a tool that judges the file's encoding has.
    void keepRawLines() { keepRawLines_ = true; }

    // The file's own bytes of the line last returned, without its line end (and without
    // the byte order mark); empty unless keepRawLines() was called before reading it.
    const std::string& rawLine() const { return rawLine_; }

private:
    bool fill();
    void readByteOrderMark();

    std::filesystem::path file_;
    int step_;
    static constexpr std::size_t kBufferBytes = 4096;
    std::array<char, kBufferBytes> fileBuffer_;  // the file buffer's own, handed to it
    std::filebuf in_;
    std::array<char, kBufferBytes> buffer_;
    // Where a piece of the buffer is decoded before it joins the line.
    std::array<char, kBufferBytes * kMaxUtf8PerCp1251Byte + 1> decoded_;
    std::size_t position_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = false;
    int lineNumber_ = 0;
    bool utf8_ = false;
    bool keepRawLines_ = false;
    std::string rawLine_;
};

// The number of the correct answer on a record's sixth line: leading blanks and tabs
// skipped, an optional sign, decimal digits with an optional fraction after a point,
// anything after them ignored; no digits read as 0. The value is rounded half to even.
// Nothing when the rounded value lies outside the 16-bit range.
std::optional<std::int16_t> answerNumber(std::string_view line);

class QuestionBank {
public:
    explicit QuestionBank(std::filesystem::path folder = "data");

    // folder/qwK.txt: the step in decimal, no blank, no leading zero. Step 1..15.
    const std::filesystem::path& fileName(int step) const;

    // Opens the step's file, draws a record count R in 1..10 and reads R records,
    // writing every line where it belongs as soon as it is read: the question to
    // Label1, the answers to Command1..Command4 behind "A:".."D:", the sixth line
    // to gintO. The screen thus ends on record R. Throws BankError.
    void loadQuestion(int step, Random& random, WindowOps& windows, GameState& state) const;

    const std::filesystem::path& folder() const { return folder_; }

private:
    std::filesystem::path folder_;
    std::array<std::filesystem::path, kTopStep> fileNames_;
};

}  // namespace kvardelon
