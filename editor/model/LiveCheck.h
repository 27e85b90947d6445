// The checker's rules run on the unsaved text of an open bank, again after each change.
#pragma once

#include "BankCheck.h"
#include "OpenBank.h"

#include <QObject>

#include <array>
#include <map>
#include <optional>
#include <vector>

namespace kvardelon::editor {

class LiveCheck : public QObject {
    Q_OBJECT
public:
    // fits measures texts against the game's controls; empty, no lengths are checked.
    LiveCheck(OpenBank& bank, check::Fits fits, QObject* parent = nullptr);

    // Every finding, step by step, the file's own before those across the bank.
    const std::vector<check::Finding>& findings() const { return all_; }
    int count(check::Severity severity) const;

    // The worst finding on a record, on one of its fields, on a step's file as a whole.
    std::optional<check::Severity> worstAt(Place place) const;
    std::optional<check::Severity> worstAt(Place place, RecordField field) const;
    std::optional<check::Severity> worstInStep(int step) const;

    // The findings on one field of a record.
    std::vector<check::Finding> at(Place place, RecordField field) const;

    // Checks the step's file again; runs by itself after each change.
    void recheck(int step);

signals:
    void changed();

private:
    void recheckAll();
    void checkStep(int step);
    void gather();

    OpenBank& bank_;
    check::Fits fits_;
    std::array<std::vector<check::Finding>, kSteps> perStep_;
    std::vector<check::Finding> across_;
    std::vector<check::Finding> all_;
    // The worst severity by step and record (record 0: the file as a whole), from all_.
    std::map<std::pair<int, int>, check::Severity> worstByRecord_;
    std::array<std::optional<check::Severity>, kSteps> worstByStep_{};
};

// The field a finding points at, when it points at one.
std::optional<RecordField> recordField(check::Field field);

}  // namespace kvardelon::editor
