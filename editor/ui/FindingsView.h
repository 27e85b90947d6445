// Every finding of the checker on the unsaved bank; choosing one goes to its record.
#pragma once

#include "LiveCheck.h"

#include <QWidget>

class QLabel;
class QListWidget;

namespace kvardelon::editor {

class FindingsView : public QWidget {
    Q_OBJECT
public:
    explicit FindingsView(LiveCheck& check, QWidget* parent = nullptr);

    QListWidget& list() const { return *list_; }

    // Chooses the next finding after the current one (or the one before) and goes there.
    void goToNext(int direction);

signals:
    // record: -1 for a finding on the file as a whole.
    void goTo(Place place, RecordField field);

private:
    void refresh();
    void activate(int row);

    LiveCheck& check_;
    QLabel* title_;
    QListWidget* list_;
};

// "Ступень 3, вопрос 4: …" or "Ступень 3, файл qw3.txt: …".
QString findingText(const check::Finding& finding);

}  // namespace kvardelon::editor
