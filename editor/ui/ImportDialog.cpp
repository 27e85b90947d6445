// The import preview: the mode, what goes where, every row with its findings.
#include "ImportDialog.h"

#include "QtText.h"
#include "RecordList.h"
#include "WrappedLabel.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kvardelon::editor {

namespace {

constexpr std::pair<ImportMode, const char*> kModes[] = {
    {ImportMode::First, "Первыми на своей ступени: прежние вопросы дополнят её до десяти, лишние уйдут"},
    {ImportMode::Replace, "Вместо всех прежних вопросов тех ступеней, что есть в таблице"},
    {ImportMode::Append, "После прежних вопросов (на полной ступени они не будут играть)"},
};

enum Column { LineColumn, StepColumn, QuestionColumn, CorrectColumn, NotesColumn, kColumns };

QTableWidgetItem* cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

ImportDialog::ImportDialog(const OpenBank& bank, ImportPlan plan, const QString& fileName, QWidget* parent)
    : QDialog(parent), bank_(bank), plan_(std::move(plan)), mode_(new QComboBox(this)), summary_(wrappedLabel({}, this)),
      rows_(new QTableWidget(this))
{
    setWindowTitle(QStringLiteral("Импорт из таблицы — %1").arg(fileName));
    resize(900, 600);
    auto* layout = new QVBoxLayout(this);
    auto* modeLabel = new QLabel(QStringLiteral("&Куда поставить вопросы из таблицы:"), this);
    modeLabel->setBuddy(mode_);
    mode_->setAccessibleName(QStringLiteral("Куда поставить вопросы"));
    for (const auto& [mode, caption] : kModes)
        mode_->addItem(QString::fromUtf8(caption), static_cast<int>(mode));
    layout->addWidget(modeLabel);
    layout->addWidget(mode_);
    summary_->setAccessibleName(QStringLiteral("Что куда попадёт"));
    layout->addWidget(summary_);
    rows_->setAccessibleName(QStringLiteral("Строки таблицы"));
    layout->addWidget(rows_, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Импортировать"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
    buttons->button(QDialogButtonBox::Ok)->setEnabled(
        std::any_of(plan_.rows.begin(), plan_.rows.end(), [](const ImportRow& row) { return row.step > 0; }));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(mode_, &QComboBox::currentIndexChanged, this, &ImportDialog::showSummary);
    fillRows();
    showSummary();
}

ImportMode ImportDialog::mode() const
{
    return static_cast<ImportMode>(mode_->currentData().toInt());
}

void ImportDialog::showSummary()
{
    int added = 0;
    int left = 0;
    for (const ImportRow& row : plan_.rows)
        (row.step > 0 ? added : left) += 1;
    QStringList lines = plan_.problems;
    lines.append(QStringLiteral("Вопросов в таблице: %1; не будет добавлено строк: %2. Ничего не изменится, "
                                "пока вы не нажмёте «Импортировать»; импорт можно отменить (Ctrl+Z).")
                     .arg(added)
                     .arg(left));
    lines.append(importSummary(bank_, plan_, mode()));
    summary_->setText(lines.join(u'\n'));
}

void ImportDialog::fillRows()
{
    rows_->setColumnCount(kColumns);
    rows_->setHorizontalHeaderLabels({QStringLiteral("Строка"), QStringLiteral("Ступень"), QStringLiteral("Вопрос"),
                                      QStringLiteral("Правильный"), QStringLiteral("Замечания")});
    rows_->setRowCount(static_cast<int>(plan_.rows.size()));
    for (int i = 0; i < rows_->rowCount(); ++i) {
        const ImportRow& row = plan_.rows[static_cast<std::size_t>(i)];
        rows_->setItem(i, LineColumn, cell(QString::number(row.line)));
        rows_->setItem(i, StepColumn, cell(row.step > 0 ? QString::number(row.step) : QStringLiteral("—")));
        rows_->setItem(i, QuestionColumn, cell(qtext(row.record.question)));
        rows_->setItem(i, CorrectColumn, cell(correctLetter(row.record.answerLine)));
        rows_->setItem(i, NotesColumn, cell(row.notes.join(u' ')));
        rows_->item(i, NotesColumn)->setToolTip(row.notes.join(u'\n'));
        if (row.hasError)
            for (int column = 0; column < kColumns; ++column)
                rows_->item(i, column)->setBackground(QColor(0xFF, 0xE0, 0xE0));
    }
    rows_->horizontalHeader()->setSectionResizeMode(QuestionColumn, QHeaderView::Stretch);
    rows_->horizontalHeader()->setSectionResizeMode(NotesColumn, QHeaderView::Stretch);
    rows_->verticalHeader()->hide();
}

}  // namespace kvardelon::editor
