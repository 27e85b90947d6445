// The import preview: the mode, what goes where, every row with its findings.
#include "ImportDialog.h"

#include "QtText.h"
#include "RecordList.h"
#include "WrappedLabel.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
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

// The spreadsheet program saves "CSV UTF-8", plain CSV in the system's code page (windows-1251
// on a Russian desktop) or "Unicode text"; the file says which only by its bytes.
constexpr std::pair<TableEncoding, const char*> kEncodings[] = {
    {TableEncoding::Found, "Определить по файлу"},
    {TableEncoding::Utf8, "UTF-8 («CSV UTF-8»)"},
    {TableEncoding::Cp1251, "windows-1251 (обычный CSV на русском компьютере)"},
    {TableEncoding::Utf16, "UTF-16 («Текст Юникод»)"},
};

enum Column { LineColumn, StepColumn, QuestionColumn, AnswersColumn, CorrectColumn, NotesColumn, kColumns };

QTableWidgetItem* cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

ImportDialog::ImportDialog(const OpenBank& bank, std::string bytes, check::Fits fits, const QString& fileName,
                           QWidget* parent)
    : QDialog(parent), bank_(bank), bytes_(std::move(bytes)), fits_(std::move(fits)), encoding_(new QComboBox(this)),
      mode_(new QComboBox(this)), refusal_(wrappedLabel({}, this)), summary_(wrappedLabel({}, this)),
      rows_(new QTableWidget(this))
{
    setWindowTitle(QStringLiteral("Импорт из таблицы — %1").arg(fileName));
    resize(900, 600);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    encoding_->setAccessibleName(QStringLiteral("Кодировка таблицы"));
    for (const auto& [encoding, caption] : kEncodings)
        encoding_->addItem(QString::fromUtf8(caption), static_cast<int>(encoding));
    form->addRow(QStringLiteral("К&одировка таблицы:"), encoding_);
    mode_->setAccessibleName(QStringLiteral("Куда поставить вопросы"));
    for (const auto& [mode, caption] : kModes)
        mode_->addItem(QString::fromUtf8(caption), static_cast<int>(mode));
    form->addRow(QStringLiteral("&Куда поставить вопросы:"), mode_);
    layout->addLayout(form);
    refusal_->setAccessibleName(QStringLiteral("Почему импорт невозможен"));
    refusal_->setStyleSheet(QStringLiteral("color: #B00000; font-weight: bold;"));
    layout->addWidget(refusal_);
    summary_->setAccessibleName(QStringLiteral("Что куда попадёт"));
    layout->addWidget(summary_);
    rows_->setAccessibleName(QStringLiteral("Строки таблицы"));
    layout->addWidget(rows_, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    import_ = buttons->button(QDialogButtonBox::Ok);
    import_->setText(QStringLiteral("Импортировать"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(encoding_, &QComboBox::currentIndexChanged, this, &ImportDialog::readBytes);
    connect(mode_, &QComboBox::currentIndexChanged, this, &ImportDialog::showSummary);
    readBytes();
}

void ImportDialog::chooseEncoding(TableEncoding encoding)
{
    encoding_->setCurrentIndex(encoding_->findData(static_cast<int>(encoding)));
}

void ImportDialog::readBytes()
{
    const auto encoding = static_cast<TableEncoding>(encoding_->currentData().toInt());
    plan_ = readImport(decodeTable(bytes_, encoding), fits_);
    refusal_->setText(plan_.refusal);
    refusal_->setVisible(!plan_.refusal.isEmpty());
    import_->setEnabled(plan_.refusal.isEmpty() && std::any_of(plan_.rows.begin(), plan_.rows.end(),
                                                                [](const ImportRow& row) { return row.step > 0; }));
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
    if (!plan_.refusal.isEmpty()) {
        summary_->setText(lines.join(u'\n'));
        return;
    }
    const QString rows = left == 0 ? QStringLiteral("Вопросов в таблице: %1.").arg(added)
                                   : QStringLiteral("Вопросов в таблице: %1; строк без ступени от 1 до 15, их не взять: %2.")
                                         .arg(added)
                                         .arg(left);
    lines.append(rows + QStringLiteral(" Ничего не изменится, пока вы не нажмёте «Импортировать»; импорт можно "
                                       "отменить (Ctrl+Z)."));
    lines.append(importSummary(bank_, plan_, mode()));
    summary_->setText(lines.join(u'\n'));
}

void ImportDialog::fillRows()
{
    rows_->setColumnCount(kColumns);
    rows_->clearContents();
    rows_->setHorizontalHeaderLabels({QStringLiteral("Строка"), QStringLiteral("Ступень"), QStringLiteral("Вопрос"),
                                      QStringLiteral("Ответы A–D"), QStringLiteral("Верный"),
                                      QStringLiteral("Замечания")});
    rows_->setRowCount(static_cast<int>(plan_.rows.size()));
    for (int i = 0; i < rows_->rowCount(); ++i) {
        const ImportRow& row = plan_.rows[static_cast<std::size_t>(i)];
        rows_->setItem(i, LineColumn, cell(QString::number(row.row)));
        rows_->setItem(i, StepColumn, cell(row.step > 0 ? QString::number(row.step) : QStringLiteral("—")));
        rows_->setItem(i, QuestionColumn, cell(qtext(row.record.question)));
        QStringList answers;
        for (const std::string& answer : row.record.answers)
            answers.append(qtext(answer));
        rows_->setItem(i, AnswersColumn, cell(answers.join(QStringLiteral(" / "))));
        // The letter alone would mislead: a spreadsheet's Russian «В» is the game's C.
        const std::optional<std::int16_t> right = answerNumber(row.record.answerLine);
        const bool onAButton = right && *right >= 1 && *right <= 4;
        rows_->setItem(i, CorrectColumn,
                       cell(onAButton ? correctLetter(row.record.answerLine) + QStringLiteral(": ") +
                                            answers.at(*right - 1)
                                      : correctLetter(row.record.answerLine)));
        rows_->setItem(i, NotesColumn, cell(row.notes.join(u' ')));
        rows_->item(i, NotesColumn)->setToolTip(row.notes.join(u'\n'));
        if (row.hasError)
            for (int column = 0; column < kColumns; ++column)
                rows_->item(i, column)->setBackground(QColor(0xFF, 0xE0, 0xE0));
    }
    for (const Column narrow : {LineColumn, StepColumn})
        rows_->horizontalHeader()->setSectionResizeMode(narrow, QHeaderView::ResizeToContents);
    rows_->horizontalHeader()->setSectionResizeMode(QuestionColumn, QHeaderView::Stretch);
    rows_->horizontalHeader()->setSectionResizeMode(AnswersColumn, QHeaderView::Stretch);
    rows_->horizontalHeader()->setSectionResizeMode(CorrectColumn, QHeaderView::Stretch);
    rows_->horizontalHeader()->setSectionResizeMode(NotesColumn, QHeaderView::Stretch);
    rows_->verticalHeader()->hide();
}

}  // namespace kvardelon::editor
