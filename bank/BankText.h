// A bank file's text in memory: its encoding, its records read one at a time or all at
// once, and the same file written back in its own form.
#pragma once

#include "Cp1251.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvardelon {

inline constexpr int kLinesPerRecord = 6;
inline constexpr int kRecordsDrawnFrom = 10;

// Utf8: no mark, valid UTF-8 throughout and at least one multi-byte sequence. Every other
// file without the mark is windows-1251 (pure ASCII reads the same either way).
enum class Encoding { Cp1251, Utf8, Utf8WithMark };
enum class LineEnd { CrLf, Lf, Cr };

Encoding detectEncoding(std::string_view bytes);

// One question record as read; all text in UTF-8.
struct Record {
    std::string question;
    std::array<std::string, 4> answers;  // A..D, without the "A:" the button puts in front
    std::string answerLine;              // the sixth line as written ("2", " 3", "В", "2)")
    int line = 0;                        // 1-based line of the question in its file; 0 for a new record

    bool operator==(const Record&) const = default;
};

// Whether two records say the same, wherever each stands in its file.
inline bool sameText(const Record& a, const Record& b)
{
    return a.question == b.question && a.answers == b.answers && a.answerLine == b.answerLine;
}

// One line of a file as it stands: its bytes and its line end ("\r\n", "\r", "\n", or none
// for a last line without one).
struct RawLine {
    std::string_view text;
    std::string_view end;
};

// Cuts bytes into raw lines: CR LF, CR alone and LF alone each end a line; LF CR is two.
class LineSplitter {
public:
    explicit LineSplitter(std::string_view bytes, std::size_t position = 0);  // bytes outlive it
    bool atEnd() const { return position_ >= bytes_.size(); }
    RawLine next();  // the line at the position; not at the end

private:
    std::size_t find(char c) const;

    std::string_view bytes_;
    std::size_t position_;
    // The CR and the LF found last, or the end: each is looked for again once passed.
    std::size_t nextCr_;
    std::size_t nextLf_;
};

// Splits a file's bytes into lines: CR LF, CR alone and LF alone each end a line, the last
// line needs no line end, and the mark is no part of line 1. Lines come out in UTF-8,
// always well-formed: bytes that form no character become U+FFFD, and so does the one byte
// windows-1251 leaves unused.
class LineReader {
public:
    LineReader(std::string_view bytes, std::filesystem::path file, int step);  // bytes outlive it

    // Puts the next line into `line`; false, with `line` empty, at the end of the bytes.
    // Throws BankError (LineTooLong) on a line of more than kMaxLineBytes bytes of the file.
    bool nextLine(std::string& line);

    // The file's own bytes of the line last returned, without its line end.
    std::string_view rawLine() const { return raw_; }
    int lineNumber() const { return lineNumber_; }  // the last line read
    Encoding encoding() const { return encoding_; }
    const std::filesystem::path& file() const { return file_; }
    int step() const { return step_; }

private:
    std::filesystem::path file_;
    int step_;
    Encoding encoding_;
    LineSplitter lines_;
    int lineNumber_ = 0;
    std::string_view raw_;
};

// Reads whole records from a file's bytes in memory, one at a time, no further than asked:
// the game draws record R and reads records 1..R only.
class RecordReader {
public:
    RecordReader(std::string_view bytes, std::filesystem::path file, int step);  // bytes outlive it
    // The next whole record; nullopt when no line is left. Throws BankError: TooShort when the
    // file ends inside a record (with record and missingLines), LineTooLong.
    std::optional<Record> next();
    // The same into `record`, whose strings keep their room from one record to the next;
    // false, with `record` unspecified, where next() gives nullopt.
    bool next(Record& record);
    Encoding encoding() const { return lines_.encoding(); }
    int lineNumber() const { return lines_.lineNumber(); }  // the last line read

private:
    LineReader lines_;
    int records_ = 0;
};

// The number of the correct answer on a record's sixth line: leading blanks and tabs
// skipped, an optional sign, decimal digits with an optional fraction after a point,
// anything after them ignored; no digits read as 0. The value is rounded half to even.
// Nothing when the rounded value lies outside the 16-bit range.
std::optional<std::int16_t> answerNumber(std::string_view line);

// A whole bank file in memory, to be changed and written back in its own form.
struct BankFile {
    Encoding encoding = Encoding::Cp1251;
    LineEnd lineEnd = LineEnd::CrLf;    // the file's line end, used for every line written anew
    std::vector<Record> records;         // every whole record, the tenth and after too
    std::vector<std::string> rest;       // lines after the last whole record (UTF-8)
    bool endsWithLineEnd = true;         // whether the file's last line had a line end
    std::string original;                // the bytes it was read from ("" for a new file)
};

// Never throws: a line too long is kept whole (the checker reports it); bytes that form no
// character come out as U+FFFD. The line end is the one most lines have (CR LF when none has
// one, CR LF before LF before CR on a tie).
BankFile parseBankFile(std::string_view bytes);
BankFile newBankFile();  // windows-1251, CR LF, no records

// The file's bytes in its own form. A BankFile parsed and written with no change gives back
// `original` byte for byte (mixed line ends, 0x98, ill-formed UTF-8 and all: unchanged records
// and lines are written from their original bytes). A line of a record is unchanged when the
// record's `line` names a record of `original` whose line there reads the same, and the
// encoding is still the original's; a line of `rest` when the line at its place in the
// original's rest reads the same. Every other line is written anew, in the file's encoding
// and with its line end; a line break inside its text is written as a blank (a line cannot
// hold one), and in UTF-8 bytes that form no character as U+FFFD. Where a changed text
// cannot be encoded in windows-1251, `unencodable` says where (record index from 0, or -1
// for `rest` with the line's index in `rest` as its field; field 0 = question, 1..4 =
// answers, 5 = answer line).
struct WrittenFile {
    std::string bytes;
    struct Place { int record; int field; Unencodable character; };
    std::vector<Place> unencodable;
    // How the bytes will be read back. It differs from the file's encoding when the text
    // has no letter beyond ASCII left (harmless), or in the rare windows-1251 text whose
    // bytes all happen to pair up as UTF-8 ("Р»" is D0 BB, the UTF-8 of "л"): the game would
    // then read the file as UTF-8, and it had better be saved so.
    Encoding readsAs = Encoding::Cp1251;
};
WrittenFile writeBankFile(const BankFile& file);

// A text as one line of a file holds it: each CR and each LF becomes a blank.
std::string oneLine(std::string text);

}  // namespace kvardelon
