// Saving an open bank: only the changed files, each in its own form, each replaced safely.
#pragma once

#include "BankFiles.h"
#include "OpenBank.h"

#include <QString>

#include <map>
#include <string>
#include <system_error>
#include <vector>

namespace kvardelon::editor {

// What saving would write, found before anything is written.
struct SavePlan {
    std::vector<int> steps;          // the changed files
    std::vector<int> changedOnDisk;  // of those, the ones another program changed since they were read
    std::vector<int> unread;         // of those, the ones that were there but could not be read
    std::vector<int> linksOut;       // of those, links to a file outside the bank's folder
    // Of those, the ones with a line longer than the game reads (kMaxLineBytes of the file):
    // the first such record, from 0; -1 for the lines after the last record.
    std::map<int, int> tooLong;
    // Characters windows-1251 has no byte for, by step: record from 0 (-1 for lines after the
    // last record), field 0 = question, 1..4 = answers, 5 = the answer's line.
    std::map<int, std::vector<WrittenFile::Place>> unencodable;
};

SavePlan planSave(const OpenBank& bank);

struct SaveResult {
    std::vector<int> written;  // the steps whose files now hold the editor's text
    QString error;             // why the next one could not be written, in Russian; empty when all were
};

// Writes the files of the steps given, in order, and stops at the first that fails: the
// text stays in the editor and the file on disk as it was. A windows-1251 text that the
// game would take for UTF-8 is saved as UTF-8 with the mark, so that it reads as meant.
SaveResult saveSteps(OpenBank& bank, const std::vector<int>& steps);

// Writes all fifteen files into another data folder, made if need be, and moves the bank
// there; empty on success, else the reason, the bank staying where it was. All or nothing:
// the files already in that folder stay as they were unless all fifteen are written.
QString saveAs(OpenBank& bank, const std::filesystem::path& dataFolder);

// What stands in a file's place, in words: "папка", "ссылка на /dev/null, а там устройство".
QString whatStandsThere(const ReplaceTarget& target);

// Why writing into a folder failed, in words a teacher can act on ("на диске не осталось
// места. Освободите место и сохраните снова"); never the system's own words.
QString reasonText(const std::filesystem::path& folder, const std::error_code& error);

// Why a step was not written, in Russian, with its file's place on disk last; never the
// system's words.
QString notSavedText(int step, const std::filesystem::path& file, const std::system_error& error);

// Whether the bytes on disk now differ from what the editor read or wrote last.
bool changedOnDisk(const StepFile& file, int step);

// The file's bytes on disk now; nothing when it is gone or cannot be read.
std::optional<std::string> bytesOnDisk(const StepFile& file, int step);

// A character or characters that windows-1251 has for one it has not: × becomes x, é e;
// empty when nothing stands in for it (it is then left out).
std::string replacementFor(char32_t character);

// The text with every character windows-1251 lacks replaced or left out.
std::string withReplacements(std::string_view utf8);

}  // namespace kvardelon::editor
