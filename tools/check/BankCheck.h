// Checks a question bank the way the game reads it and lists what its author should fix.
#pragma once

#include "WindowOps.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kvardelon::check {

enum class Severity { Error, Warning };

// What a finding is about. Errors stop the game or leave a question nobody can
// answer; warnings mark what the game shows otherwise than its author meant.
enum class Problem {
    CannotOpen,        // error: whatever the game's reader refuses on opening the file
    TooFewRecords,     // error: fewer than ten complete records
    BadAnswerNumber,   // error: a sixth line that is not a whole number from 1 to 4
    EmptyText,         // error: an empty question or answer
    LineTooLong,       // error: a line longer than the reader takes
    UnusedByte,        // warning: 0x98, which windows-1251 leaves unused
    ControlCharacter,  // warning: NUL or another control character in the text
    LooksLikeUtf8,     // warning: UTF-8 without the byte order mark, read as windows-1251
    IllFormedUtf8,     // warning: bytes that form no character in a file marked as UTF-8
    EqualAnswers,      // warning: two answers of one record read the same
    RepeatedQuestion,  // warning: a question the bank already has
    RecordsAfterTenth, // warning: text after the tenth record, which the game never shows
    TooLongToShow,     // warning: a text that does not fit its control
};

Severity severity(Problem problem);

struct Finding {
    Problem problem;
    std::filesystem::path file;  // as opened: the folder given, then qwK.txt
    int line = 0;                // 1-based; 0 when it concerns the file as a whole
    std::string message;         // in Russian, for the author
};

// Whether a text fits the control that shows it: the question in Label1, an answer on
// its button Command1..Command4. The text is the line as read, in UTF-8; an answer comes
// without the letter its button puts in front ("Москва", shown as "A:Москва").
using Fits = std::function<bool(std::string_view text, Captioned control)>;

// Reads the fifteen files of the folder with the game's own reader and judges the first
// ten records of each; of the text after them only its being there is reported, once per
// file. Findings come file by file, in line order within a file. An empty fits checks
// no lengths. Writes nothing.
std::vector<Finding> checkBank(const std::filesystem::path& folder, const Fits& fits = {});

// "data/qw3.txt:14: ошибка: …", or "data/qw3.txt: предупреждение: …" with no line.
std::string formatFinding(const Finding& finding);

int countOf(const std::vector<Finding>& findings, Severity severity);

// "Ошибок: 0, предупреждений: 2."
std::string summary(const std::vector<Finding>& findings);

}  // namespace kvardelon::check
