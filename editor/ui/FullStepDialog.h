// Asks what a question coming to a step that already holds ten should do: take the place of
// one of them, which then leaves the bank or, for a moved question, goes to the step it left;
// or go after the tenth, where it is not played.
#pragma once

#include "Arrival.h"

#include <QDialog>

class QComboBox;

namespace kvardelon::editor {

class FullStepDialog : public QDialog {
    Q_OBJECT
public:
    enum class Choice { Cancel, Replace, AfterTenth };

    // offered: the record offered first (offeredPlace). A copy's original is not offered at all.
    FullStepDialog(const OpenBank& bank, const Arrival& arrival, int offered, QWidget* parent = nullptr);

    Choice choice() const { return choice_; }
    // The record whose place the arrival takes, from 0.
    int replaced() const;

private:
    void addButtons(const Arrival& arrival);

    QComboBox* played_;
    Choice choice_ = Choice::Cancel;
};

}  // namespace kvardelon::editor
