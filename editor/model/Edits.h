// The undoable changes to an open bank, one class each.
#pragma once

#include "OpenBank.h"

#include <QUndoCommand>

namespace kvardelon::editor {

// Typing into one field; keystrokes into the same field merge into one step.
class TextEdit : public QUndoCommand {
public:
    TextEdit(OpenBank& bank, Place place, RecordField field, std::string after);
    void redo() override { bank_.putText(place_, field_, after_); }
    void undo() override { bank_.putText(place_, field_, before_); }
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    OpenBank& bank_;
    Place place_;
    RecordField field_;
    std::string before_;
    std::string after_;
};

class InsertRecord : public QUndoCommand {
public:
    InsertRecord(OpenBank& bank, Place at, Record record, const QString& what);
    void redo() override { bank_.putRecord(at_, record_); }
    void undo() override { record_ = bank_.takeRecord(at_); }

private:
    OpenBank& bank_;
    Place at_;
    Record record_;
};

class RemoveRecord : public QUndoCommand {
public:
    RemoveRecord(OpenBank& bank, Place place);
    void redo() override { record_ = bank_.takeRecord(place_); }
    void undo() override { bank_.putRecord(place_, record_); }

private:
    OpenBank& bank_;
    Place place_;
    Record record_;
};

class MoveRecord : public QUndoCommand {
public:
    MoveRecord(OpenBank& bank, Place from, Place to);
    void redo() override { bank_.putRecord(to_, bank_.takeRecord(from_)); }
    void undo() override { bank_.putRecord(from_, bank_.takeRecord(to_)); }

private:
    OpenBank& bank_;
    Place from_;
    Place to_;
};

// All the records of a step at once: an import, a file read again.
class ReplaceRecords : public QUndoCommand {
public:
    ReplaceRecords(OpenBank& bank, int step, std::vector<Record> after, const QString& what);
    void redo() override { bank_.putRecords(step_, after_); }
    void undo() override { bank_.putRecords(step_, before_); }

private:
    OpenBank& bank_;
    int step_;
    std::vector<Record> before_;
    std::vector<Record> after_;
};

class ChangeEncoding : public QUndoCommand {
public:
    ChangeEncoding(OpenBank& bank, int step, Encoding after, const QString& what);
    void redo() override { bank_.putEncoding(step_, after_); }
    void undo() override { bank_.putEncoding(step_, before_); }

private:
    OpenBank& bank_;
    int step_;
    Encoding before_;
    Encoding after_;
};

class ChangeRepeatsOwn : public QUndoCommand {
public:
    ChangeRepeatsOwn(OpenBank& bank, int step, bool after, const QString& what)
        : QUndoCommand(what), bank_(bank), step_(step), after_(after)
    {
    }
    void redo() override { bank_.putRepeatsOwn(step_, after_); }
    void undo() override { bank_.putRepeatsOwn(step_, !after_); }

private:
    OpenBank& bank_;
    int step_;
    bool after_;
};

}  // namespace kvardelon::editor
