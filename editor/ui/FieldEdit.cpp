// Leaving undo and redo keys to the window's actions.
#include "FieldEdit.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

namespace kvardelon::editor {

namespace {

bool isUndoOrRedo(const QKeyEvent& key)
{
    const QKeyCombination pressed = key.keyCombination();
    return key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo) ||
           pressed == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}

}  // namespace

bool FieldEdit::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && isUndoOrRedo(*static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return false;
    }
    if (event->type() == QEvent::KeyPress && isUndoOrRedo(*static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return false;
    }
    return QLineEdit::event(event);
}

void FieldEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions())
        if (action->objectName() == QLatin1String("edit-undo") || action->objectName() == QLatin1String("edit-redo"))
            action->setVisible(false);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

}  // namespace kvardelon::editor
