// A bank open in the editor: its fifteen files in memory, every change to them on one
// undo stack, and what is unsaved.
#pragma once

#include "BankFolders.h"
#include "BankText.h"
#include "RecordPlace.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kvardelon::editor {

// The record's text as a new record: a copy, or one taken from another bank, has no line in
// any of this bank's files.
inline Record asNew(Record record)
{
    record.line = 0;
    return record;
}

struct StepFile {
    std::filesystem::path path;
    BankFile file;             // as edited
    BankFile onDisk;           // as last read or written; onDisk.original holds the bytes
    bool existed = false;      // whether the file was there when last read or written
    QString readError;         // why it could not be read, in Russian; it then opened empty
    // Fewer than ten questions are written repeated in turn (1..k, 1..k, ...) to repeatedTo
    // records, so that the game draws only them; `file` holds each once. A file read in
    // that shape opens so, its copies kept only as this mark.
    bool repeatsOwn = false;
    int repeatedTo = kRecordsDrawnFrom;
};

class OpenBank : public QObject {
    Q_OBJECT
public:
    explicit OpenBank(QObject* parent = nullptr);

    // Reads the fifteen files of a data folder. A file that cannot be read opens with no
    // records and its reason; the others open as they are. Forgets every earlier change.
    void open(const std::filesystem::path& dataFolder);
    bool isOpen() const { return !folder_.empty(); }
    const std::filesystem::path& folder() const { return folder_; }

    const StepFile& step(int step) const;
    const BankFile& file(int step) const { return this->step(step).file; }
    // The file as saving writes it: the step's own questions repeated in turn where it
    // repeats them, else the file as edited.
    BankFile written(int step) const;
    bool repeatsOwn(int step) const { return this->step(step).repeatsOwn; }
    // Whether written(step) differs from file(step): it repeats fewer than ten questions.
    bool writesRepeats(int step) const;
    int recordCount(int step) const;
    const Record& record(Place place) const;

    bool isModified(int step) const;
    bool isModified() const;

    QUndoStack& undoStack() { return undoStack_; }

    // Changes, each one step on the undo stack; typing into one field is one step. A line
    // break in a text is kept as the blank its file will hold.
    void setText(Place place, RecordField field, const std::string& text);
    void setCorrectAnswer(Place place, int answer);  // 1..4
    void insertRecord(Place at, const Record& record, const QString& what);
    void removeRecord(Place place);
    // The record takes the place of the one there, which leaves the bank; one undo step.
    void replaceRecord(Place place, const Record& record, const QString& what);
    void moveRecord(Place from, Place to);  // to: the place it takes after leaving from
    // Each record takes the other's place; they lie on different steps. One undo step.
    void exchangeRecords(Place a, Place b, const QString& what);
    void replaceRecords(int step, std::vector<Record> records, const QString& what);
    void setEncoding(int step, Encoding encoding, const QString& what);
    void setRepeatsOwn(int step, bool repeats, const QString& what);
    // Every step repeats its own questions from now on, as a new bank of her own questions
    // does; no undo step, like opening.
    void repeatOwnEverywhere();

    // The file now holds these bytes, written by the editor or by another program;
    // nothing when it is gone. What the author wrote (records, encoding) stays as it is;
    // only what it is measured and written against changes.
    void setOnDisk(int step, const std::optional<std::string>& bytes);
    // The bank now lives in another data folder, whose files hold these bytes.
    void moveTo(const std::filesystem::path& dataFolder, const std::array<std::string, kSteps>& bytes);
    // Reads the step's file again, as one undoable change; false when it cannot be read.
    bool reload(int step);

signals:
    void opened();
    void folderChanged();
    void textChanged(Place place, RecordField field);
    void recordsChanged(int step);      // records added, removed, moved or replaced
    void modifiedChanged();
    void changedAt(Place place);        // where a change, its undo or redo happened
    void stepChanged(int step);         // anything of the step's file, the bytes on disk too

private:
    // What the undo commands (Edits.h) apply, and nothing else: every change the author
    // sees goes through the undo stack. Each says what changed.
    friend class TextEdit;
    friend class InsertRecord;
    friend class RemoveRecord;
    friend class MoveRecord;
    friend class ReplaceRecords;
    friend class ChangeEncoding;
    friend class ChangeRepeatsOwn;
    void putText(Place place, RecordField field, const std::string& text);
    void putRecord(Place at, const Record& record);
    Record takeRecord(Place place);
    void putRecords(int step, std::vector<Record> records);
    void putEncoding(int step, Encoding encoding);
    void putRepeatsOwn(int step, bool repeats);

    StepFile& stepFile(int step);
    void afterChange(int step, std::optional<Place> shown);

    std::filesystem::path folder_;
    std::array<StepFile, kSteps> steps_;
    std::array<bool, kSteps> modified_{};
    QUndoStack undoStack_;
};

}  // namespace kvardelon::editor
