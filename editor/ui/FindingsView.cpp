// The findings list and going from a finding to its record.
#include "FindingsView.h"

#include "FindingMarks.h"
#include "QtText.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace kvardelon::editor {

namespace {

// More than a screenful helps nobody; the rest is counted.
constexpr int kMostShown = 500;

enum Role { StepRole = Qt::UserRole, RecordRole, FieldRole };

}  // namespace

QString findingText(const check::Finding& finding)
{
    const QString where = finding.record > 0 ? QStringLiteral("Ступень %1, вопрос %2").arg(finding.step).arg(finding.record)
                                             : QStringLiteral("Ступень %1").arg(finding.step);
    return where + QStringLiteral(": ") + qtext(check::plainMessage(finding));
}

FindingsView::FindingsView(LiveCheck& check, QWidget* parent)
    : QWidget(parent), check_(check), title_(new QLabel(this)), list_(new QListWidget(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title_);
    layout->addWidget(list_);
    title_->setBuddy(list_);
    list_->setAccessibleName(QStringLiteral("Замечания"));
    list_->setWordWrap(true);
    list_->setIconSize(QSize(16, 16));
    connect(&check_, &LiveCheck::changed, this, &FindingsView::refresh);
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { activate(list_->row(item)); });
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { activate(list_->row(item)); });
    refresh();
}

void FindingsView::refresh()
{
    const int errors = check_.count(check::Severity::Error);
    const int warnings = check_.count(check::Severity::Warning);
    title_->setText(errors + warnings == 0
                        ? QStringLiteral("&Замечания: нет. Игра прочтёт банк без ошибок.")
                        : QStringLiteral("&Замечания: ошибок %1, предупреждений %2").arg(errors).arg(warnings));
    const int current = list_->currentRow();
    list_->clear();
    int shown = 0;
    for (const check::Finding& finding : check_.findings()) {
        if (shown++ == kMostShown) {
            list_->addItem(QStringLiteral("… и ещё %1").arg(check_.findings().size() - kMostShown));
            break;
        }
        const check::Severity severity = check::info(finding.problem).severity;
        auto* item = new QListWidgetItem(markIcon(severity), findingText(finding), list_);
        item->setData(StepRole, finding.step);
        item->setData(RecordRole, finding.record - 1);
        item->setData(FieldRole, static_cast<int>(recordField(finding.field).value_or(RecordField::Question)));
        item->setData(Qt::AccessibleTextRole, severityWord(severity) + QStringLiteral(": ") + findingText(finding));
    }
    if (current >= 0 && current < list_->count())
        list_->setCurrentRow(current, QItemSelectionModel::NoUpdate);
}

void FindingsView::activate(int row)
{
    const QListWidgetItem* item = list_->item(row);
    if (item == nullptr || !item->data(StepRole).isValid())
        return;
    emit goTo({item->data(StepRole).toInt(), item->data(RecordRole).toInt()},
              static_cast<RecordField>(item->data(FieldRole).toInt()));
}

void FindingsView::goToNext(int direction)
{
    const int count = list_->count();
    if (count == 0)
        return;
    const int row = ((list_->currentRow() + direction) % count + count) % count;
    list_->setCurrentRow(row);
    activate(row);
}

}  // namespace kvardelon::editor
