// Checks a question bank the way the game reads it and lists what its author should fix:
// one file's text in memory, the whole bank across its files, or a folder on disk.
#pragma once

#include "BankText.h"
#include "StepFiles.h"
#include "Problems.h"
#include "WindowOps.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kvardelon::check {

// The part of a record a finding is about.
enum class Field { None, Question, AnswerA, AnswerB, AnswerC, AnswerD, AnswerNumber };

struct Finding {
    Problem problem;
    std::filesystem::path file;  // as named to the user: the folder given, then qwK.txt
    int step = 0;                // the step the file is for; 0 when its name says none
    int record = 0;              // 1-based index into BankFile::records; 0 = the file as a whole
    Field field = Field::None;
    int line = 0;                // 1-based; 0 when no line is concerned
    std::string message;         // in Russian, for the author at a terminal: lines, bytes, encodings
    // The same in the words of an author who sees steps and questions (the editor): no line,
    // file or encoding. Empty where `message` says it so already.
    std::string plain;
};

// The message for an author who sees steps and questions: `plain`, or `message` when that
// is plain already.
inline const std::string& plainMessage(const Finding& finding)
{
    return finding.plain.empty() ? finding.message : finding.plain;
}

// How many characters of a text the player will not see in the control that shows it:
// the question in Label1, an answer on its button Command1..Command4; 0 when it fits.
// The text is the line as read, in UTF-8; an answer comes without the letter its button
// puts in front ("Москва", shown as "A:Москва").
using Fits = std::function<int(std::string_view text, Captioned control)>;

// A text saved as UTF-16 ("Unicode" in many editors): its mark, or beside every letter of
// its first characters a byte that is 0 (Latin) or 4 (Russian). The game reads it as windows-1251, two bytes a letter.
bool isUtf16(std::string_view bytes);

// What its author is told to do about such a file: at a terminal "файл сохранён в кодировке
// UTF-16 …"; in the editor, in plain words, "файл этой ступени записан в другой кодировке …".
extern const char* const kUtf16Advice;
extern const char* const kUtf16Plain;

// The checks of one file on its text in memory, cheap enough for every keystroke. The
// first ten records are judged, as the game draws from them alone; a line added or lost
// inside a record is told once, and the records below it are not judged. Findings come
// in line order. An empty fits checks no lengths.
std::vector<Finding> checkFile(const BankFile& file, int step, const std::filesystem::path& name,
                               const Fits& fits = {});

// The checks across files: a question that an earlier file, or an earlier record of the
// same file, already has. files[k] is the file of step k + 1; null where it is missing.
std::vector<Finding> checkAcrossBank(const std::array<const BankFile*, kSteps>& files,
                                     const std::array<std::filesystem::path, kSteps>& names);

// Reads the fifteen files of a folder (a file missing or unreadable is a finding, never an
// exception) and runs both checks. Findings come file by file, in line order. Writes nothing.
std::vector<Finding> checkBank(const std::filesystem::path& folder, const Fits& fits = {});

// Checks one file on its own for the step its name says ("qw3.txt", or "qw03.txt" and the
// like); a file whose name says no step is checked all the same, as step 0.
std::vector<Finding> checkSingleFile(const std::filesystem::path& file, const Fits& fits = {});

// For a missing bank file with a file of nearly its name beside it (QW3.TXT, qw3.txt.txt):
// " Рядом лежит файл «QW3.TXT», но игра ищет имя в точности «qw3.txt». Переименуйте его.";
// empty when there is none. For the editor: the checker adds the command that renames it.
std::string misnamedFileAdvice(const std::filesystem::path& missing);

// "data/qw3.txt:14: ошибка: …", or "data/qw3.txt: предупреждение: …" with no line.
std::string formatFinding(const Finding& finding);

int countOf(const std::vector<Finding>& findings, Severity severity);

// "Ошибок: 0, предупреждений: 2."
std::string summary(const std::vector<Finding>& findings);

}  // namespace kvardelon::check
