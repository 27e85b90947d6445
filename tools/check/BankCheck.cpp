// Checking a bank across its files, and a folder or a single file on disk.
#include "BankCheck.h"
#include "PathText.h"

#include "BankError.h"
#include "BankErrorText.h"
#include "BankFiles.h"
#include "FileNames.h"
#include "FileParts.h"
#include "QuestionBank.h"
#include "RepeatedInTurn.h"
#include "Wording.h"

#include <algorithm>
#include <map>
#include <optional>

namespace kvardelon::check {

namespace fs = std::filesystem;

namespace {

// A file read from disk and parsed, or the finding that says why there is none.
struct Loaded {
    std::optional<BankFile> file;
    fs::path name;  // the file read: a near miss stands in for a missing file
    std::optional<Finding> failure;
    std::optional<BankError::Reason> reason;
};

// The advice ends with the command that renames the file, for an author at a terminal, or
// without it, for one in the editor.
std::string nearMissAdvice(const fs::path& missing, const fs::path& nearMiss, bool withCommand = true)
{
    const std::string name = pathToUtf8(nearMiss.filename());
    const std::string why =
        name.ends_with(".txt.txt") ? " (Проводник Windows прячет окончание .txt, и имя вышло с ним дважды)" : "";
    return " Рядом лежит файл «" + name + "»" + why + ", но игра ищет имя в точности «" +
           pathToUtf8(missing.filename()) + "». Переименуйте его" +
           (withCommand ? ": " + renameCommand(nearMiss, missing) : std::string("."));
}

Loaded read(const fs::path& file, int step)
{
    try {
        return {parseBankFile(readBankFileBytes(file, step)), file, std::nullopt, std::nullopt};
    } catch (const BankError& error) {
        return {std::nullopt, file,
                Finding{Problem::CannotOpen, file, step, 0, Field::None, 0, bankErrorText(error.details())},
                error.reason()};
    }
}

// The file, or in place of a missing one a file beside it with nearly its name: that one
// is checked too, under its own name, after the advice to rename it.
Loaded load(const fs::path& file, int step)
{
    Loaded loaded = read(file, step);
    if (loaded.reason != BankError::Reason::MissingFile)
        return loaded;
    const std::optional<fs::path> nearMiss = nearMissOf(file);
    if (!nearMiss)
        return loaded;
    Finding finding = std::move(*loaded.failure);
    finding.problem = Problem::MisnamedFile;
    finding.message += nearMissAdvice(file, *nearMiss);
    loaded = read(*nearMiss, step);
    loaded.failure = std::move(finding);
    return loaded;
}

// File by file in step order, in line order within a file.
void sortFindings(std::vector<Finding>& findings)
{
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        return a.step != b.step ? a.step < b.step : a.line < b.line;
    });
}

struct Place {
    fs::path file;
    int line = 0;
    int step = 0;
    int record = 0;  // from 1
};

}  // namespace

std::string misnamedFileAdvice(const fs::path& missing)
{
    const std::optional<fs::path> nearMiss = nearMissOf(missing);
    return nearMiss ? nearMissAdvice(missing, *nearMiss, false) : std::string();
}

std::vector<Finding> checkAcrossBank(const std::array<const BankFile*, kSteps>& files,
                                     const std::array<fs::path, kSteps>& names)
{
    std::vector<Finding> findings;
    std::map<std::string, Place, std::less<>> questions;
    for (std::size_t k = 0; k < files.size(); ++k) {
        if (files[k] == nullptr)
            continue;
        const BankFile& file = *files[k];
        // The copies of a step's own questions repeated in turn are no repeats.
        const int turn = repeatedTurn(file.records);
        const int judged = turn > 0 ? turn : judgedRecords(file, findShift(file));
        for (int index = 0; index < judged; ++index) {
            const std::string_view question = trimmed(file.records.at(static_cast<std::size_t>(index)).question);
            const int line = kLinesPerRecord * index + 1;
            if (question.empty())
                continue;
            const int step = static_cast<int>(k) + 1;
            const auto [first, isNew] =
                questions.try_emplace(std::string(question), Place{names[k], line, step, index + 1});
            if (!isNew) {
                const Place& earlier = first->second;
                const std::string repeated = "вопрос " + inQuotes(question) + " уже есть: ";
                findings.push_back({Problem::RepeatedQuestion, names[k], step, index + 1, Field::Question, line,
                                    repeated + pathToUtf8(earlier.file) + ":" + std::to_string(earlier.line) + ".",
                                    repeated + "ступень " + std::to_string(earlier.step) + ", вопрос " +
                                        std::to_string(earlier.record) + "."});
            }
        }
    }
    return findings;
}

std::vector<Finding> checkBank(const fs::path& folder, const Fits& fits)
{
    const QuestionBank bank(folder);
    std::vector<Finding> findings;
    std::array<std::optional<BankFile>, kSteps> files;
    std::array<const BankFile*, kSteps> present{};
    std::array<fs::path, kSteps> names;
    for (int step = 1; step <= kSteps; ++step) {
        const auto k = static_cast<std::size_t>(step - 1);
        Loaded loaded = load(bank.fileName(step), step);
        if (loaded.failure)
            findings.push_back(std::move(*loaded.failure));
        // Without the folder no other file need be tried.
        if (loaded.reason == BankError::Reason::MissingFolder)
            break;
        if (!loaded.file)
            continue;
        files[k] = std::move(loaded.file);
        present[k] = &*files[k];
        names[k] = loaded.name;
        const std::vector<Finding> found = checkFile(*files[k], step, names[k], fits);
        findings.insert(findings.end(), found.begin(), found.end());
    }
    const std::vector<Finding> across = checkAcrossBank(present, names);
    findings.insert(findings.end(), across.begin(), across.end());
    sortFindings(findings);
    return findings;
}

std::vector<Finding> checkSingleFile(const fs::path& file, const Fits& fits)
{
    const int step = stepOfName(pathToUtf8(file.filename()));
    Loaded loaded = load(file, step);
    std::vector<Finding> findings;
    if (loaded.failure)
        findings.push_back(std::move(*loaded.failure));
    if (!loaded.file)
        return findings;
    const std::vector<Finding> found = checkFile(*loaded.file, step, loaded.name, fits);
    findings.insert(findings.end(), found.begin(), found.end());
    std::array<const BankFile*, kSteps> present{};
    std::array<fs::path, kSteps> names;
    present[0] = &*loaded.file;
    names[0] = loaded.name;
    std::vector<Finding> across = checkAcrossBank(present, names);
    for (Finding& finding : across)
        finding.step = step;
    findings.insert(findings.end(), across.begin(), across.end());
    sortFindings(findings);
    return findings;
}

std::string formatFinding(const Finding& finding)
{
    std::string text = pathToUtf8(finding.file);
    if (finding.line > 0)
        text += ":" + std::to_string(finding.line);
    switch (severity(finding.problem)) {
    case Severity::Error:
        text += ": ошибка: ";
        break;
    case Severity::Warning:
        text += ": предупреждение: ";
        break;
    case Severity::Note:
        text += ": заметка: ";
        break;
    }
    return text + finding.message;
}

int countOf(const std::vector<Finding>& findings, Severity wanted)
{
    return static_cast<int>(std::count_if(findings.begin(), findings.end(),
                                          [wanted](const Finding& f) { return severity(f.problem) == wanted; }));
}

std::string summary(const std::vector<Finding>& findings)
{
    return "Ошибок: " + std::to_string(countOf(findings, Severity::Error)) +
           ", предупреждений: " + std::to_string(countOf(findings, Severity::Warning)) + ".";
}

}  // namespace kvardelon::check
