// The open bank: reading its files, the changes the undo stack applies, what is unsaved.
#include "OpenBank.h"

#include "BankCheck.h"
#include "BankError.h"
#include "BankErrorText.h"
#include "BankFiles.h"
#include "Edits.h"
#include "QtText.h"
#include "RepeatedInTurn.h"

#include <algorithm>

namespace kvardelon::editor {

namespace fs = std::filesystem;

namespace {

std::size_t at(int step)
{
    return static_cast<std::size_t>(step - 1);
}

auto recordAt(std::vector<Record>& records, int index)
{
    return records.begin() + index;
}

// The file as it stands on disk; a missing or unreadable one as an empty new file.
StepFile readStep(const fs::path& folder, int step)
{
    StepFile read;
    read.path = folder / stepFileName(step);
    try {
        std::string bytes = readBankFileBytes(read.path, step);
        read.existed = true;
        if (check::isUtf16(bytes)) {
            // Taken for windows-1251 every letter would be two wrong ones, and saving would turn
            // them into the file: it opens empty, like a file that could not be read.
            read.onDisk = newBankFile();
            read.readError = QStringLiteral("Файл %1: ").arg(pathText(read.path)) + QString::fromUtf8(check::kUtf16Plain);
        } else {
            read.onDisk = parseBankFile(std::move(bytes));
        }
    } catch (const BankError& error) {
        read.onDisk = newBankFile();
        read.existed = error.reason() != BankError::Reason::MissingFile &&
                       error.reason() != BankError::Reason::MissingFolder;
        read.readError = QString::fromStdString(bankErrorInPlainWords(error.details()));
        if (error.reason() == BankError::Reason::MissingFile)
            read.readError += QString::fromStdString(check::misnamedFileAdvice(read.path));
    }
    read.file = read.onDisk;
    if (const int turn = repeatedTurn(read.onDisk.records); turn > 0) {
        read.repeatsOwn = true;
        read.repeatedTo = static_cast<int>(read.onDisk.records.size());
        read.file.records.resize(static_cast<std::size_t>(turn));
    }
    return read;
}

// The record as its file will hold it: a line break in a text becomes a blank.
Record asLines(Record record)
{
    for (int field = 0; field < kRecordFields; ++field)
        fieldText(record, static_cast<RecordField>(field)) = oneLine(fieldText(record, static_cast<RecordField>(field)));
    return record;
}

bool sameRecords(const std::vector<Record>& a, const std::vector<Record>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), sameText);
}

}  // namespace

OpenBank::OpenBank(QObject* parent) : QObject(parent) {}

void OpenBank::open(const fs::path& dataFolder)
{
    undoStack_.clear();
    folder_ = dataFolder;
    for (int step = 1; step <= kSteps; ++step)
        steps_[at(step)] = readStep(dataFolder, step);
    // A bank of her own questions repeated in turn: a step she has not begun is one too.
    const bool ownOnly = std::any_of(steps_.begin(), steps_.end(), [](const StepFile& s) { return s.repeatsOwn; });
    for (StepFile& s : steps_)
        s.repeatsOwn = s.repeatsOwn || (ownOnly && s.file.records.empty());
    modified_.fill(false);
    emit opened();
    emit modifiedChanged();
}

const StepFile& OpenBank::step(int step) const
{
    return steps_.at(at(step));
}

StepFile& OpenBank::stepFile(int step)
{
    return steps_.at(at(step));
}

bool OpenBank::writesRepeats(int step) const
{
    const StepFile& own = this->step(step);
    return own.repeatsOwn && !own.file.records.empty() &&
           own.file.records.size() < static_cast<std::size_t>(kRecordsDrawnFrom);
}

BankFile OpenBank::written(int step) const
{
    const StepFile& own = this->step(step);
    BankFile file = own.file;
    if (!writesRepeats(step))
        return file;
    file.records = repeatedInTurn(own.file.records, static_cast<std::size_t>(own.repeatedTo));
    // A copy where the file has the same text is written from the file's own bytes.
    for (std::size_t i = own.file.records.size(); i < file.records.size(); ++i) {
        const bool same = i < own.onDisk.records.size() && sameText(file.records[i], own.onDisk.records[i]);
        file.records[i].line = same ? own.onDisk.records[i].line : 0;
    }
    return file;
}

int OpenBank::recordCount(int step) const
{
    return static_cast<int>(file(step).records.size());
}

const Record& OpenBank::record(Place place) const
{
    return file(place.step).records.at(static_cast<std::size_t>(place.record));
}

bool OpenBank::isModified(int step) const
{
    return modified_.at(at(step));
}

bool OpenBank::isModified() const
{
    return std::find(modified_.begin(), modified_.end(), true) != modified_.end();
}

void OpenBank::setText(Place place, RecordField field, const std::string& text)
{
    std::string line = oneLine(text);
    if (fieldText(record(place), field) != line)
        undoStack_.push(new TextEdit(*this, place, field, std::move(line)));
}

void OpenBank::setCorrectAnswer(Place place, int answer)
{
    const std::string line = std::to_string(answer);
    if (record(place).answerLine != line)
        undoStack_.push(new TextEdit(*this, place, RecordField::AnswerLine, line));
}

void OpenBank::insertRecord(Place at, const Record& record, const QString& what)
{
    undoStack_.push(new InsertRecord(*this, at, asLines(record), what));
}

void OpenBank::removeRecord(Place place)
{
    undoStack_.push(new RemoveRecord(*this, place));
}

void OpenBank::replaceRecord(Place place, const Record& record, const QString& what)
{
    undoStack_.beginMacro(what);
    removeRecord(place);
    insertRecord(place, record, {});
    undoStack_.endMacro();
}

void OpenBank::moveRecord(Place from, Place to)
{
    if (from != to)
        undoStack_.push(new MoveRecord(*this, from, to));
}

void OpenBank::exchangeRecords(Place a, Place b, const QString& what)
{
    undoStack_.beginMacro(what);
    moveRecord(a, b);
    moveRecord({b.step, b.record + 1}, a);
    undoStack_.endMacro();
}

void OpenBank::replaceRecords(int step, std::vector<Record> records, const QString& what)
{
    for (Record& record : records)
        record = asLines(std::move(record));
    undoStack_.push(new ReplaceRecords(*this, step, std::move(records), what));
}

void OpenBank::setEncoding(int step, Encoding encoding, const QString& what)
{
    if (file(step).encoding != encoding)
        undoStack_.push(new ChangeEncoding(*this, step, encoding, what));
}

void OpenBank::setRepeatsOwn(int step, bool repeats, const QString& what)
{
    if (repeatsOwn(step) != repeats)
        undoStack_.push(new ChangeRepeatsOwn(*this, step, repeats, what));
}

void OpenBank::repeatOwnEverywhere()
{
    for (int step = 1; step <= kSteps; ++step)
        putRepeatsOwn(step, true);
}

void OpenBank::putRepeatsOwn(int step, bool repeats)
{
    stepFile(step).repeatsOwn = repeats;
    // No record changed: the author stays where she is.
    afterChange(step, std::nullopt);
}

void OpenBank::putText(Place place, RecordField field, const std::string& text)
{
    fieldText(stepFile(place.step).file.records.at(static_cast<std::size_t>(place.record)), field) = text;
    emit textChanged(place, field);
    afterChange(place.step, place);
}

void OpenBank::putRecord(Place at, const Record& record)
{
    std::vector<Record>& records = stepFile(at.step).file.records;
    records.insert(recordAt(records, at.record), record);
    emit recordsChanged(at.step);
    afterChange(at.step, at);
}

Record OpenBank::takeRecord(Place place)
{
    std::vector<Record>& records = stepFile(place.step).file.records;
    Record taken = std::move(*recordAt(records, place.record));
    records.erase(recordAt(records, place.record));
    emit recordsChanged(place.step);
    afterChange(place.step, Place{place.step, std::min(place.record, recordCount(place.step) - 1)});
    return taken;
}

void OpenBank::putRecords(int step, std::vector<Record> records)
{
    stepFile(step).file.records = std::move(records);
    emit recordsChanged(step);
    afterChange(step, Place{step, 0});
}

void OpenBank::putEncoding(int step, Encoding encoding)
{
    stepFile(step).file.encoding = encoding;
    afterChange(step, Place{step, 0});
}

void OpenBank::setOnDisk(int step, const std::optional<std::string>& bytes)
{
    StepFile& changed = stepFile(step);
    changed.onDisk = bytes ? parseBankFile(*bytes) : newBankFile();
    changed.existed = bytes.has_value();
    changed.readError.clear();
    // What is written from now on is measured against these bytes.
    changed.file.original = changed.onDisk.original;
    for (Record& record : changed.file.records)
        record.line = 0;
    for (std::size_t i = 0; i < changed.file.records.size() && i < changed.onDisk.records.size(); ++i)
        if (sameText(changed.file.records[i], changed.onDisk.records[i]))
            changed.file.records[i].line = changed.onDisk.records[i].line;
    changed.file.rest = changed.onDisk.rest;
    changed.file.lineEnd = changed.onDisk.lineEnd;
    changed.file.endsWithLineEnd = changed.onDisk.endsWithLineEnd;
    afterChange(step, std::nullopt);
}

void OpenBank::moveTo(const fs::path& dataFolder, const std::array<std::string, kSteps>& bytes)
{
    folder_ = dataFolder;
    for (int step = 1; step <= kSteps; ++step) {
        stepFile(step).path = dataFolder / stepFileName(step);
        setOnDisk(step, bytes.at(at(step)));
    }
    emit folderChanged();
}

bool OpenBank::reload(int step)
{
    StepFile read = readStep(folder_, step);
    if (!read.readError.isEmpty() && read.existed)
        return false;
    StepFile& changed = stepFile(step);
    const Encoding encoding = read.onDisk.encoding;
    changed.onDisk = read.onDisk;
    changed.existed = read.existed;
    changed.readError = read.readError;
    undoStack_.beginMacro(QStringLiteral("чтение ступени %1 с диска").arg(step));
    replaceRecords(step, read.file.records, {});
    setEncoding(step, encoding, {});
    setRepeatsOwn(step, read.repeatsOwn, {});
    undoStack_.endMacro();
    changed.repeatedTo = read.repeatedTo;
    changed.file.original = read.onDisk.original;
    changed.file.rest = read.onDisk.rest;
    changed.file.lineEnd = read.onDisk.lineEnd;
    changed.file.endsWithLineEnd = read.onDisk.endsWithLineEnd;
    afterChange(step, Place{step, 0});
    return true;
}

void OpenBank::afterChange(int step, std::optional<Place> shown)
{
    const StepFile& changed = this->step(step);
    const bool modified = changed.file.encoding != changed.onDisk.encoding ||
                          !sameRecords(writesRepeats(step) ? written(step).records : changed.file.records,
                                       changed.onDisk.records);
    emit stepChanged(step);
    if (shown)
        emit changedAt(*shown);
    if (modified_[at(step)] != modified) {
        modified_[at(step)] = modified;
        emit modifiedChanged();
    }
}

}  // namespace kvardelon::editor
