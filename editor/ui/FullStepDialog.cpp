// The question asked when a new, copied or moved question would push one of a full step's
// ten out of play.
#include "FullStepDialog.h"

#include "NumberWords.h"
#include "QtText.h"
#include "WrappedLabel.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace kvardelon::editor {

namespace {

constexpr qsizetype kShownCharacters = 70;

// What the dialog says for each kind of arrival; %1 is the step, %2 how many it holds.
struct ArrivalWords {
    ArrivalKind kind;
    const char* explanation;
    const char* exchangeNote;  // a moved question's: %1 is the step it leaves
    const char* which;
    const char* replace;
    const char* after;
};

const ArrivalWords kWords[] = {
    {ArrivalKind::New,
     "На ступени %1 уже %2, а игра берёт вопрос только из первых десяти. Чтобы новый вопрос играл, он займёт "
     "место одного из них, и тот уйдёт из банка. Передумаете — «Правка → Отменить» (Ctrl+Z) вернёт его на место.",
     nullptr, "&Какой вопрос уступит место новому:", "&Заменить его новым",
     "&Добавить после десятого (в игру не попадёт)"},
    {ArrivalKind::Copy,
     "На ступени %1 уже %2, а игра берёт вопрос только из первых десяти. Чтобы копия играла, она займёт место "
     "одного из них, и тот уйдёт из банка. Передумаете — «Правка → Отменить» (Ctrl+Z) вернёт его на место.\n\n"
     "Копия повторяет вопрос слово в слово: пока вы её не измените, проверка будет отмечать повтор.",
     nullptr, "&Какой вопрос уступит место копии:", "&Заменить его копией",
     "&Добавить копию после десятого (в игру не попадёт)"},
    {ArrivalKind::Move,
     "На ступени %1 уже %2, а игра берёт вопрос только из первых десяти. Чтобы перенесённый вопрос играл, он "
     "займёт место одного из них.",
     " Тот перейдёт на ступень %1, на место перенесённого, так что из банка ничего не уйдёт; «Правка → "
     "Отменить» (Ctrl+Z) вернёт оба на место.",
     "&Какой вопрос уступит место перенесённому:", "&Поменять их местами",
     "&Поставить после десятого (в игру не попадёт)"},
};

const ArrivalWords& wordsFor(ArrivalKind kind)
{
    for (const ArrivalWords& words : kWords)
        if (words.kind == kind)
            return words;
    return kWords[0];
}

QString item(const Record& record, int index)
{
    QString question = qtext(record.question).trimmed();
    if (question.isEmpty())
        question = QStringLiteral("(вопрос не написан)");
    if (question.size() > kShownCharacters)
        question = question.left(kShownCharacters - 1) + u'…';
    return QStringLiteral("%1. %2").arg(index + 1).arg(question);
}

QString explanation(const OpenBank& bank, const Arrival& arrival)
{
    const ArrivalWords& words = wordsFor(arrival.kind);
    QString text = QString::fromUtf8(words.explanation)
                       .arg(arrival.step)
                       .arg(counted(bank.recordCount(arrival.step), "вопрос", "вопроса", "вопросов"));
    if (words.exchangeNote != nullptr)
        text += QString::fromUtf8(words.exchangeNote).arg(arrival.from.step);
    if (exchangeLandsUnplayed(arrival))
        text += QStringLiteral("\n\nПереносимый вопрос стоит на ступени %1 после десятого, поэтому и тот, что уступит "
                               "ему место, окажется там после десятого и играть не будет.")
                    .arg(arrival.from.step);
    return text;
}

}  // namespace

FullStepDialog::FullStepDialog(const OpenBank& bank, const Arrival& arrival, int offered, QWidget* parent)
    : QDialog(parent), played_(new QComboBox(this))
{
    const ArrivalWords& words = wordsFor(arrival.kind);
    setWindowTitle(QStringLiteral("На ступени %1 уже десять вопросов").arg(arrival.step));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wrappedLabel(explanation(bank, arrival), this));
    auto* which = new QLabel(QString::fromUtf8(words.which), this);
    which->setBuddy(played_);
    layout->addWidget(which);
    played_->setAccessibleName(QString::fromUtf8(words.which).remove(u'&').chopped(1));
    for (int index = 0; index < kRecordsDrawnFrom; ++index)
        played_->addItem(item(bank.record({arrival.step, index}), index));
    // The original of a copy cannot give its place to the copy.
    const int original = arrival.kind == ArrivalKind::Copy ? arrival.from.record : -1;
    if (original >= 0 && original < kRecordsDrawnFrom) {
        played_->setItemText(original, played_->itemText(original) + QStringLiteral(" (его вы копируете)"));
        qobject_cast<QStandardItemModel*>(played_->model())->item(original)->setEnabled(false);
    }
    played_->setCurrentIndex(offeredPlace(arrival, offered));
    layout->addWidget(played_);
    addButtons(arrival);
    played_->setFocus();
}

void FullStepDialog::addButtons(const Arrival& arrival)
{
    const ArrivalWords& words = wordsFor(arrival.kind);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* replace = buttons->addButton(QString::fromUtf8(words.replace), QDialogButtonBox::AcceptRole);
    QPushButton* after = buttons->addButton(QString::fromUtf8(words.after), QDialogButtonBox::ActionRole);
    buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    replace->setDefault(true);
    layout()->addWidget(buttons);
    connect(replace, &QPushButton::clicked, this, [this] {
        choice_ = Choice::Replace;
        accept();
    });
    connect(after, &QPushButton::clicked, this, [this] {
        choice_ = Choice::AfterTenth;
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

int FullStepDialog::replaced() const
{
    return played_->currentIndex();
}

}  // namespace kvardelon::editor
