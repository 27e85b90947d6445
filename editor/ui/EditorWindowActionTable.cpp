// Every action of the editor in one table: its menu, name, caption, shortcuts and what it does.
#include "EditorWindow.h"

#include "FindBar.h"
#include "FindingsView.h"
#include "QtText.h"
#include "RecentBanks.h"
#include "RecordList.h"
#include "StepList.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace kvardelon::editor {

namespace {

enum class Needs { Nothing, Bank, Record };

struct ActionSpec {
    const char* menu;
    const char* name;
    const char* text;
    const char* keys;  // in portable text, several separated by "; "
    Needs needs;
    void (*run)(EditorWindow&);
};

// The list is the menus' order; a null name is a separator.
const ActionSpec kActions[] = {
    {"file", "newBank", "&Новый банк…", "Ctrl+Shift+N", Needs::Nothing, [](EditorWindow& w) { w.newBank(); }},
    {"file", "openBank", "&Открыть банк…", "Ctrl+O", Needs::Nothing, [](EditorWindow& w) { w.openBank(); }},
    {"file", nullptr, nullptr, nullptr, Needs::Nothing, nullptr},
    {"file", "save", "&Сохранить", "Ctrl+S", Needs::Bank, [](EditorWindow& w) { w.save(); }},
    {"file", "saveAs", "Сохранить &как…", "Ctrl+Shift+S", Needs::Bank, [](EditorWindow& w) { w.saveAs(); }},
    {"file", "showPlace", "&Где лежит банк…", "Ctrl+Shift+O", Needs::Bank, [](EditorWindow& w) { w.showPlace(); }},
    {"file", nullptr, nullptr, nullptr, Needs::Nothing, nullptr},
    {"file", "importCsv", "&Импорт из таблицы CSV…", "Ctrl+I", Needs::Bank, [](EditorWindow& w) { w.importCsv(); }},
    {"file", "exportCsv", "&Экспорт в таблицу CSV…", "Ctrl+Shift+E", Needs::Bank, [](EditorWindow& w) { w.exportCsv(); }},
    {"file", nullptr, nullptr, nullptr, Needs::Nothing, nullptr},
    {"file", "quit", "В&ыход", "Ctrl+Q", Needs::Nothing, [](EditorWindow& w) { w.close(); }},
    {"edit", "newRecord", "&Новый вопрос", "Ctrl+N", Needs::Bank, [](EditorWindow& w) { w.newRecord(); }},
    {"edit", "duplicateRecord", "&Дублировать вопрос", "Ctrl+D", Needs::Record,
     [](EditorWindow& w) { w.duplicateRecord(); }},
    {"edit", "deleteRecord", "&Удалить вопрос", "Ctrl+Shift+Del", Needs::Record,
     [](EditorWindow& w) { w.deleteRecord(); }},
    {"edit", "moveUp", "Переместить &выше", "Alt+Up", Needs::Record, [](EditorWindow& w) { w.moveUp(); }},
    {"edit", "moveDown", "Переместить н&иже", "Alt+Down", Needs::Record, [](EditorWindow& w) { w.moveDown(); }},
    {"edit", "moveToStep", "Перенести на дру&гую ступень…", "Ctrl+M", Needs::Record,
     [](EditorWindow& w) { w.moveToStep(); }},
    {"edit", "fillToTen", "Допо&лнить ступени до десяти вопросов", "Ctrl+Shift+T", Needs::Bank,
     [](EditorWindow& w) { w.fillToTen(); }},
    {"edit", nullptr, nullptr, nullptr, Needs::Nothing, nullptr},
    {"edit", "find", "На&йти…", "Ctrl+F", Needs::Bank, [](EditorWindow& w) { w.findChild<FindBar*>()->start(); }},
    {"edit", "findNext", "Найти д&алее", "F3", Needs::Bank, [](EditorWindow& w) { w.findChild<FindBar*>()->next(+1); }},
    {"edit", "findPrevious", "Найти на&зад", "Shift+F3", Needs::Bank,
     [](EditorWindow& w) { w.findChild<FindBar*>()->next(-1); }},
    {"go", "goSteps", "К &ступеням", "Alt+1", Needs::Bank, [](EditorWindow& w) { w.steps().setFocus(); }},
    {"go", "goRecords", "К &вопросам ступени", "Alt+2", Needs::Bank, [](EditorWindow& w) { w.records().setFocus(); }},
    {"go", "goText", "К &тексту вопроса", "Alt+3", Needs::Bank,
     [](EditorWindow& w) { w.goTo({w.steps().current(), w.records().current()}, RecordField::Question); }},
    {"go", "goFindings", "К &замечаниям", "Alt+4", Needs::Bank, [](EditorWindow& w) { w.findings().setFocus(); }},
    {"go", nullptr, nullptr, nullptr, Needs::Nothing, nullptr},
    {"go", "nextFinding", "Следующее з&амечание", "F8", Needs::Bank, [](EditorWindow& w) { w.findings().goToNext(+1); }},
    {"go", "previousFinding", "Предыдущее за&мечание", "Shift+F8", Needs::Bank,
     [](EditorWindow& w) { w.findings().goToNext(-1); }},
    {"go", "nextStep", "Следующая ступень", "Ctrl+PgDown", Needs::Bank,
     [](EditorWindow& w) { w.steps().choose(std::min(kSteps, w.steps().current() + 1)); }},
    {"go", "previousStep", "Предыдущая ступень", "Ctrl+PgUp", Needs::Bank,
     [](EditorWindow& w) { w.steps().choose(std::max(1, w.steps().current() - 1)); }},
    {"go", "nextRecord", "Следующий вопрос", "Ctrl+Down", Needs::Bank,
     [](EditorWindow& w) { w.records().choose(std::min(w.records().records().rowCount() - 1, w.records().current() + 1)); }},
    {"go", "previousRecord", "Предыдущий вопрос", "Ctrl+Up", Needs::Bank,
     [](EditorWindow& w) { w.records().choose(std::max(0, w.records().current() - 1)); }},
    {"answer", "correctA", "Правильный ответ &A", "Ctrl+1", Needs::Record,
     [](EditorWindow& w) { w.setCorrect(1); }},
    {"answer", "correctB", "Правильный ответ &B", "Ctrl+2", Needs::Record,
     [](EditorWindow& w) { w.setCorrect(2); }},
    {"answer", "correctC", "Правильный ответ &C", "Ctrl+3", Needs::Record,
     [](EditorWindow& w) { w.setCorrect(3); }},
    {"answer", "correctD", "Правильный ответ &D", "Ctrl+4", Needs::Record,
     [](EditorWindow& w) { w.setCorrect(4); }},
    {"game", "play", "&Играть", "F5", Needs::Bank, [](EditorWindow& w) { w.play(); }},
    {"game", "playOnProjector", "Играть на &проекторе", "Shift+F5", Needs::Bank,
     [](EditorWindow& w) { w.playOnProjector(); }},
    {"help", "help", "&Как устроен банк вопросов", "F1", Needs::Nothing, [](EditorWindow& w) { w.showHelp(); }},
};

struct MenuSpec {
    const char* id;
    const char* title;
};

const MenuSpec kMenus[] = {
    {"file", "&Файл"}, {"edit", "&Правка"}, {"answer", "&Ответ"}, {"go", "П&ереход"}, {"game", "&Игра"},
    {"help", "&Справка"},
};

Needs needsOf(const QString& name)
{
    for (const ActionSpec& entry : kActions)
        if (entry.name != nullptr && name == QLatin1String(entry.name))
            return entry.needs;
    return Needs::Nothing;
}

}  // namespace

void EditorWindow::buildActions()
{
    for (const ActionSpec& entry : kActions) {
        if (entry.name == nullptr)
            continue;
        auto* action = new QAction(QString::fromUtf8(entry.text), this);
        action->setObjectName(QString::fromLatin1(entry.name));
        action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(entry.keys)));
        action->setShortcutContext(Qt::WindowShortcut);
        const auto run = entry.run;
        connect(action, &QAction::triggered, this, [this, run] { run(*this); });
        addAction(action);
        actions_[action->objectName()] = action;
    }
    QAction* undo = bank_.undoStack().createUndoAction(this, QStringLiteral("Отменить"));
    undo->setObjectName(QStringLiteral("undo"));
    undo->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Z"))});
    QAction* redo = bank_.undoStack().createRedoAction(this, QStringLiteral("Повторить"));
    redo->setObjectName(QStringLiteral("redo"));
    redo->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
    for (QAction* action : {undo, redo}) {
        addAction(action);
        actions_[action->objectName()] = action;
    }
}

void EditorWindow::buildMenus()
{
    for (const MenuSpec& menuEntry : kMenus) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(menuEntry.title));
        if (QLatin1String(menuEntry.id) == QLatin1String("edit")) {
            menu->addAction(actions_.at(QStringLiteral("undo")));
            menu->addAction(actions_.at(QStringLiteral("redo")));
            menu->addSeparator();
        }
        for (const ActionSpec& entry : kActions) {
            if (QLatin1String(entry.menu) != QLatin1String(menuEntry.id))
                continue;
            if (entry.name == nullptr)
                menu->addSeparator();
            else
                menu->addAction(actions_.at(QString::fromLatin1(entry.name)));
            if (entry.name != nullptr && QLatin1String(entry.name) == QLatin1String("openBank")) {
                QMenu* recent = menu->addMenu(QStringLiteral("Не&давние банки"));
                connect(recent, &QMenu::aboutToShow, this, [this, recent] { fillRecentMenu(recent); });
            }
        }
    }
}

void EditorWindow::fillRecentMenu(QMenu* menu)
{
    menu->clear();
    for (const QString& folder : recentBanks())
        menu->addAction(folder, this, [this, folder] { openFolder(folder); });
    if (menu->isEmpty())
        menu->addAction(QStringLiteral("(пока нет)"))->setEnabled(false);
}

void EditorWindow::updateActions()
{
    const bool open = bank_.isOpen();
    const bool record = open && records_->current() >= 0;
    for (const auto& [name, action] : actions_) {
        if (action == actions_.at(QStringLiteral("undo")) || action == actions_.at(QStringLiteral("redo")))
            continue;  // the undo stack keeps these
        const Needs needs = needsOf(name);
        action->setEnabled(needs == Needs::Nothing || (needs == Needs::Bank && open) || (needs == Needs::Record && record));
    }
}

QAction* EditorWindow::action(const QString& name) const
{
    const auto found = actions_.find(name);
    return found == actions_.end() ? nullptr : found->second;
}

}  // namespace kvardelon::editor
