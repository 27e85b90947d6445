// Asks what a new question on a step that already holds ten should do: take the place of
// one of them, which then leaves the bank, or go after the tenth, where it is not played.
#pragma once

#include "OpenBank.h"

#include <QDialog>

class QComboBox;

namespace kvardelon::editor {

class FullStepDialog : public QDialog {
    Q_OBJECT
public:
    enum class Choice { Cancel, Replace, AfterTenth };

    // chosen: the record chosen in the list, offered first when it is played; -1 for none.
    FullStepDialog(const OpenBank& bank, int step, int chosen, QWidget* parent = nullptr);

    Choice choice() const { return choice_; }
    // The record whose place the new one takes, from 0.
    int replaced() const;

private:
    QComboBox* played_;
    Choice choice_ = Choice::Cancel;
};

}  // namespace kvardelon::editor
