// A one-line field whose undo and redo are the editor's, not its own: every change,
// typing included, goes back through the one undo stack of the bank.
#pragma once

#include <QLineEdit>

namespace kvardelon::editor {

class FieldEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

protected:
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};

}  // namespace kvardelon::editor
