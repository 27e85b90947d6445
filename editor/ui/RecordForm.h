// The record being edited: the question and four answers in fields, the correct answer
// as four radio buttons, the room left in the game's controls, the findings at each field,
// and the record as the game's main window will show it.
#pragma once

#include "LiveCheck.h"
#include "OpenBank.h"

#include <QWidget>

#include <array>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QProgressBar;
class QLineEdit;
class QRadioButton;

namespace kvardelon {
class QuestionPanel;
}

namespace kvardelon::editor {

class RecordForm : public QWidget {
    Q_OBJECT
public:
    RecordForm(OpenBank& bank, LiveCheck& check, QWidget* parent = nullptr);

    // The record to edit; a record of -1 leaves the fields empty and disabled.
    void showRecord(Place place);
    Place place() const { return place_; }
    // Whether the record shown is still there: another bank opened or an undo may have taken it.
    bool hasRecord() const;

    // Puts the keyboard focus in a field: the correct answer's radio buttons for AnswerLine.
    void focusField(RecordField field);
    QLineEdit* field(RecordField field) const;
    QRadioButton* correctButton(int answer) const;  // 1..4
    QuestionPanel& preview() const { return *preview_; }

private:
    QWidget* buildFields();
    QWidget* roomBox(RecordField field);
    void edited(RecordField field, const QString& text);
    void fill();
    void showRoom(RecordField field);
    void showFindings();
    void showPreview();

    OpenBank& bank_;
    LiveCheck& check_;
    Place place_{0, -1};
    bool filling_ = false;  // the fields are being set from the bank
    std::array<QLineEdit*, 5> fields_{};     // question, A..D
    std::array<QLabel*, 5> rooms_{};
    std::array<QProgressBar*, 5> bars_{};
    std::array<QRadioButton*, 4> correct_{};
    QButtonGroup* correctGroup_ = nullptr;
    QLabel* correctTitle_ = nullptr;
    QLabel* status_ = nullptr;     // not played, no record
    QLabel* findings_ = nullptr;   // the record's findings in words
    QuestionPanel* preview_ = nullptr;
};

}  // namespace kvardelon::editor
