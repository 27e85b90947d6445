// The problems the checker finds in a question bank: one table, read by the checks, the help,
// the manual page, the README and the editor.
#pragma once

#include <span>
#include <string_view>

namespace kvardelon::check {

// Errors stop the game or leave a question nobody can answer; warnings mark what the game
// shows otherwise than its author meant; notes tell what looks odd but is meant so.
enum class Severity { Error, Warning, Note };

enum class Problem {
    CannotOpen,
    MisnamedFile,
    Utf16File,
    TooFewRecords,
    ShiftedLines,
    BadAnswerNumber,
    EmptyText,
    LineTooLong,
    UnusedByte,
    ControlCharacter,
    LooksLikeUtf8,
    IllFormedUtf8,
    EqualAnswers,
    RepeatedQuestion,
    RecordsAfterTenth,
    TooLongToShow,
    MixedLetters,
    RepeatedInTurn,
};

struct ProblemInfo {
    Problem problem;
    std::string_view id;        // stable, ASCII: "too-few-records"
    Severity severity;
    std::string_view title;     // Russian, one line, for an author
};

// Every problem once, in the order of the enum: errors first, then warnings, then notes.
std::span<const ProblemInfo> problemTable();

const ProblemInfo& info(Problem problem);

inline Severity severity(Problem problem)
{
    return info(problem).severity;
}

}  // namespace kvardelon::check
