// The step list: titles, marks, counts, and records dropped on a step.
#include "StepList.h"

#include "FindingMarks.h"
#include "NumberWords.h"
#include "OwnQuestions.h"
#include "RecordList.h"

#include <QDropEvent>
#include <QTimer>

namespace kvardelon::editor {

StepList::StepList(OpenBank& bank, LiveCheck& check, QWidget* parent) : QListWidget(parent), bank_(bank), check_(check)
{
    setAccessibleName(QStringLiteral("Ступени"));
    setIconSize(QSize(16, 16));
    setMinimumWidth(fontMetrics().horizontalAdvance(stepWithPrize(kSteps) + QStringLiteral(" *")) + 60);
    for (int step = 1; step <= kSteps; ++step)
        addItem(stepWithPrize(step));
    // Records are dropped here from the record list; the steps themselves stay in place.
    setDragDropMode(QAbstractItemView::DropOnly);
    viewport()->setAcceptDrops(true);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            emit chosen(row + 1);
    });
    connect(&check_, &LiveCheck::changed, this, &StepList::refresh);
    connect(&bank_, &OpenBank::modifiedChanged, this, &StepList::refresh);
    connect(&bank_, &OpenBank::recordsChanged, this, &StepList::refresh);
}

void StepList::refresh()
{
    if (!bank_.isOpen())
        return;
    for (int step = 1; step <= kSteps; ++step) {
        QListWidgetItem* row = item(step - 1);
        const std::optional<check::Severity> worst = check_.worstInStep(step);
        const QString count = drawLine(bank_, step);
        const QString changed = bank_.isModified(step) ? QStringLiteral(" — не сохранена") : QString();
        row->setText(stepWithPrize(step) + (bank_.isModified(step) ? QStringLiteral(" *") : QString()));
        row->setIcon(markIcon(worst));
        row->setToolTip(count + changed);
        row->setData(Qt::AccessibleTextRole, stepWithPrize(step) + QStringLiteral(": ") + count + changed + markWords(worst));
    }
}

void StepList::dragEnterEvent(QDragEnterEvent* event)
{
    if (placeFromMime(event->mimeData()))
        event->acceptProposedAction();
}

void StepList::dragMoveEvent(QDragMoveEvent* event)
{
    const bool onStep = itemAt(event->position().toPoint()) != nullptr;
    if (onStep && placeFromMime(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void StepList::dropEvent(QDropEvent* event)
{
    const std::optional<Place> from = placeFromMime(event->mimeData());
    const QListWidgetItem* target = itemAt(event->position().toPoint());
    if (!from || target == nullptr)
        return;
    // The window may ask where the record goes: not before the drag has ended.
    const Place dropped = *from;
    const int step = row(target) + 1;
    QTimer::singleShot(0, this, [this, dropped, step] { dropRecord(dropped, step); });
    // The list the record came from removes nothing itself: its model refuses removeRows.
    event->acceptProposedAction();
}

}  // namespace kvardelon::editor
