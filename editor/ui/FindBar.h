// Finding a text anywhere in the bank: in questions and answers of every step.
#pragma once

#include "OpenBank.h"

#include <QWidget>

#include <vector>

class QLabel;
class QLineEdit;

namespace kvardelon::editor {

struct Match {
    Place place;
    RecordField field;
};

// Every field holding the text, regardless of case and of Latin letters typed inside Russian
// words (searchForm), step by step in record order.
std::vector<Match> findInBank(const OpenBank& bank, const QString& text);

class FindBar : public QWidget {
    Q_OBJECT
public:
    explicit FindBar(OpenBank& bank, QWidget* parent = nullptr);

    // Shows the bar with the keyboard in its field.
    void start();
    // The next match after the last one gone to (or the one before); wraps around.
    void next(int direction);
    QLineEdit& field() const { return *text_; }

signals:
    void goTo(Place place, RecordField field);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void search();

    OpenBank& bank_;
    QLineEdit* text_;
    QLabel* status_;
    std::vector<Match> matches_;
    int at_ = -1;
};

}  // namespace kvardelon::editor
