// The fifteen steps with their prizes; a record dropped on a step is handed to the window to move.
#pragma once

#include "LiveCheck.h"
#include "OpenBank.h"

#include <QListWidget>

namespace kvardelon::editor {

class StepList : public QListWidget {
    Q_OBJECT
public:
    StepList(OpenBank& bank, LiveCheck& check, QWidget* parent = nullptr);

    int current() const { return currentRow() + 1; }
    void choose(int step) { setCurrentRow(step - 1); }

    // A record dropped on a step: said to the window, which moves it there.
    void dropRecord(Place from, int step) { emit recordDropped(from, step); }

signals:
    void chosen(int step);
    void recordDropped(Place from, int step);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void refresh();

    OpenBank& bank_;
    LiveCheck& check_;
};

}  // namespace kvardelon::editor
