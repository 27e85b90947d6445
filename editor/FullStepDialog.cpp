// The question asked when a new question would push one of a full step's ten out of play.
#include "FullStepDialog.h"

#include "Text.h"
#include "Words.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvardelon::editor {

namespace {

constexpr qsizetype kShownCharacters = 70;

QString item(const Record& record, int index)
{
    QString question = qtext(record.question).trimmed();
    if (question.isEmpty())
        question = QStringLiteral("(вопрос не написан)");
    if (question.size() > kShownCharacters)
        question = question.left(kShownCharacters - 1) + u'…';
    return QStringLiteral("%1. %2").arg(index + 1).arg(question);
}

}  // namespace

FullStepDialog::FullStepDialog(const OpenBank& bank, int step, int chosen, QWidget* parent)
    : QDialog(parent), played_(new QComboBox(this))
{
    setWindowTitle(QStringLiteral("На ступени %1 уже десять вопросов").arg(step));
    auto* layout = new QVBoxLayout(this);
    auto* explanation = new QLabel(
        QStringLiteral("На ступени %1 уже %2, а игра берёт вопрос только из первых десяти. Чтобы новый вопрос "
                       "играл, он займёт место одного из них, и тот уйдёт из банка. Передумаете — "
                       "«Правка → Отменить» (Ctrl+Z) вернёт его на место.")
            .arg(step)
            .arg(counted(bank.recordCount(step), "вопрос", "вопроса", "вопросов")),
        this);
    explanation->setTextFormat(Qt::PlainText);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);
    auto* which = new QLabel(QStringLiteral("&Какой вопрос уступит место новому:"), this);
    which->setBuddy(played_);
    layout->addWidget(which);
    played_->setAccessibleName(QStringLiteral("Какой вопрос уступит место новому"));
    for (int index = 0; index < kRecordsDrawnFrom; ++index)
        played_->addItem(item(bank.record({step, index}), index));
    played_->setCurrentIndex(chosen >= 0 && chosen < kRecordsDrawnFrom ? chosen : kRecordsDrawnFrom - 1);
    layout->addWidget(played_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* replace = buttons->addButton(QStringLiteral("&Заменить его новым"), QDialogButtonBox::AcceptRole);
    QPushButton* after = buttons->addButton(QStringLiteral("&Добавить после десятого (в игру не попадёт)"),
                                            QDialogButtonBox::ActionRole);
    buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    replace->setDefault(true);
    layout->addWidget(buttons);
    connect(replace, &QPushButton::clicked, this, [this] {
        choice_ = Choice::Replace;
        accept();
    });
    connect(after, &QPushButton::clicked, this, [this] {
        choice_ = Choice::AfterTenth;
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    played_->setFocus();
}

int FullStepDialog::replaced() const
{
    return played_->currentIndex();
}

}  // namespace kvardelon::editor
