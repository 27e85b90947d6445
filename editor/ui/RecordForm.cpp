// The record's fields, kept in step with the bank both ways, and its preview.
#include "RecordForm.h"

#include "AnswerLetters.h"
#include "FieldEdit.h"
#include "NumberWords.h"
#include "QtText.h"
#include "QuestionPanel.h"
#include "Toolkit.h"
#include "TextRoom.h"
#include "WrappedLabel.h"

#include <QAction>
#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kvardelon::editor {

namespace {

constexpr std::array<RecordField, 5> kTextFields{RecordField::Question, RecordField::AnswerA, RecordField::AnswerB,
                                                 RecordField::AnswerC, RecordField::AnswerD};

// The bar of lines filled beside each field, in pixels.
constexpr int kBarWidth = 48;

std::size_t slot(RecordField field)
{
    return static_cast<std::size_t>(field);
}

Captioned controlOf(RecordField field)
{
    return field == RecordField::Question ? Captioned::Label1 : answerButton(static_cast<int>(field));
}

QString fieldName(RecordField field)
{
    return field == RecordField::Question ? QStringLiteral("Вопрос")
                                          : QStringLiteral("Ответ %1").arg(qtext(answerLetter(static_cast<int>(field))));
}

}  // namespace

RecordForm::RecordForm(OpenBank& bank, LiveCheck& check, QWidget* parent) : QWidget(parent), bank_(bank), check_(check)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildFields());
    status_ = wrappedLabel({}, this);
    status_->setAccessibleName(QStringLiteral("Состояние вопроса"));
    findings_ = wrappedLabel({}, this);
    findings_->setAccessibleName(QStringLiteral("Замечания к вопросу"));
    layout->addWidget(status_);
    layout->addWidget(findings_);
    auto* previewTitle = new QLabel(QStringLiteral("Так вопрос увидит игрок:"), this);
    layout->addWidget(previewTitle);
    preview_ = new QuestionPanel(this);
    applyLook(*preview_);
    preview_->setAccessibleName(QStringLiteral("Вопрос в окне игры"));
    layout->addWidget(preview_, 0, Qt::AlignLeft);
    layout->addStretch(1);

    connect(&bank_, &OpenBank::textChanged, this, [this](Place place, RecordField changed) {
        if (place == place_)
            fill();
        if (place == place_ && changed != RecordField::AnswerLine)
            showRoom(changed);
    });
    connect(&check_, &LiveCheck::changed, this, &RecordForm::showFindings);
    showRecord(place_);
}

QWidget* RecordForm::buildFields()
{
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    correctGroup_ = new QButtonGroup(box);
    correctTitle_ = new QLabel(QStringLiteral("Правильный"), box);
    grid->addWidget(correctTitle_, 2, 0);
    for (const RecordField field : kTextFields) {
        auto* edit = new FieldEdit(box);
        edit->setAccessibleName(fieldName(field));
        edit->setPlaceholderText(fieldName(field));
        rooms_[slot(field)] = new QLabel(box);
        rooms_[slot(field)]->setAccessibleName(QStringLiteral("Место: ") + fieldName(field));
        bars_[slot(field)] = new QProgressBar(box);
        bars_[slot(field)]->setTextVisible(false);
        bars_[slot(field)]->setFixedSize(kBarWidth, rooms_[slot(field)]->fontMetrics().height() / 2);
        bars_[slot(field)]->setAccessibleName(QStringLiteral("Заполнено строк: ") + fieldName(field));
        fields_[slot(field)] = edit;
        // Every change, typed, pasted or set through the accessibility interface, reaches the bank;
        // only the form's own filling is left out.
        connect(edit, &QLineEdit::textChanged, this, [this, field](const QString& text) {
            if (!filling_)
                edited(field, text);
        });
    }
    auto* questionLabel = new QLabel(QStringLiteral("&Вопрос"), box);
    questionLabel->setBuddy(fields_[0]);
    grid->addWidget(questionLabel, 0, 0, 1, 2);
    grid->addWidget(roomBox(RecordField::Question), 0, 2, Qt::AlignRight);
    grid->addWidget(fields_[0], 1, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Ответы"), box), 2, 1);
    for (int answer = 1; answer <= 4; ++answer) {
        auto* radio = new QRadioButton(qtext(answerLetter(answer)), box);
        radio->setAccessibleName(QStringLiteral("Правильный ответ %1").arg(qtext(answerLetter(answer))));
        correct_.at(static_cast<std::size_t>(answer - 1)) = radio;
        correctGroup_->addButton(radio, answer);
        grid->addWidget(radio, 2 + answer, 0);
        grid->addWidget(fields_.at(static_cast<std::size_t>(answer)), 2 + answer, 1);
        grid->addWidget(roomBox(static_cast<RecordField>(answer)), 2 + answer, 2);
    }
    grid->setColumnStretch(1, 1);
    connect(correctGroup_, &QButtonGroup::idClicked, this, [this](int answer) {
        if (hasRecord())
            bank_.setCorrectAnswer(place_, answer);
    });
    return box;
}

// A field's room: its words and its bar of lines filled, side by side.
QWidget* RecordForm::roomBox(RecordField field)
{
    auto* box = new QWidget(rooms_[slot(field)]->parentWidget());
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(rooms_[slot(field)]);
    row->addWidget(bars_[slot(field)], 0, Qt::AlignVCenter);
    return box;
}

bool RecordForm::hasRecord() const
{
    return bank_.isOpen() && place_.step >= 1 && place_.step <= kSteps && place_.record >= 0 &&
           place_.record < bank_.recordCount(place_.step);
}

void RecordForm::showRecord(Place place)
{
    place_ = place;
    const bool has = bank_.isOpen() && place.step > 0 && place.record >= 0 && place.record < bank_.recordCount(place.step);
    if (!has)
        place_.record = -1;
    for (QLineEdit* edit : fields_)
        edit->setEnabled(has);
    for (QRadioButton* radio : correct_)
        radio->setEnabled(has);
    fill();
    for (const RecordField field : kTextFields)
        showRoom(field);
    showFindings();
}

void RecordForm::fill()
{
    const Record empty;
    const Record& record = hasRecord() ? bank_.record(place_) : empty;
    for (const RecordField field : kTextFields) {
        const QString text = qtext(fieldText(record, field));
        if (fields_[slot(field)]->text() != text) {
            filling_ = true;
            fields_[slot(field)]->setText(text);
            filling_ = false;
        }
    }
    const std::optional<std::int16_t> number = answerNumber(record.answerLine);
    correctGroup_->setExclusive(false);
    for (int answer = 1; answer <= 4; ++answer)
        correct_.at(static_cast<std::size_t>(answer - 1))->setChecked(hasRecord() && number == answer);
    correctGroup_->setExclusive(true);
    if (!hasRecord())
        status_->setText(QStringLiteral("На этой ступени нет вопросов. Добавьте первый: «Правка → Новый вопрос» "
                                        "(Ctrl+N)."));
    else if (place_.record >= kRecordsDrawnFrom)
        status_->setText(QStringLiteral("Это %1-й вопрос ступени. Игра выбирает вопрос только из первых десяти, "
                                        "этот она не покажет; чтобы он играл, переместите его выше.")
                             .arg(place_.record + 1));
    else if (bank_.writesRepeats(place_.step))
        status_->setText(QStringLiteral("Вопрос %1 из %2 на ступени; игра выбирает только из ваших.")
                             .arg(place_.record + 1)
                             .arg(bank_.recordCount(place_.step)));
    else
        status_->setText(QStringLiteral("Вопрос %1 из %2 на ступени; игра выбирает один из первых десяти.")
                             .arg(place_.record + 1)
                             .arg(bank_.recordCount(place_.step)));
    showPreview();
}

void RecordForm::edited(RecordField field, const QString& text)
{
    if (!hasRecord())
        return;
    // A line break pasted in is shown as a blank and saved as one: the field holds the blank
    // too, so that what it shows, what the bank keeps and what is saved are the same.
    QString oneLine = text;
    for (const char16_t lineBreak : {u'\r', u'\n', u'\u2028', u'\u2029'})
        oneLine.replace(QChar(lineBreak), u' ');
    if (oneLine != text) {
        QLineEdit* edit = fields_[slot(field)];
        const int cursor = edit->cursorPosition();
        filling_ = true;
        edit->setText(oneLine);
        edit->setCursorPosition(cursor);
        filling_ = false;
    }
    bank_.setText(place_, field, utf8(oneLine));
}

void RecordForm::showRoom(RecordField field)
{
    QLabel* room = rooms_[slot(field)];
    QProgressBar* bar = bars_[slot(field)];
    bar->setVisible(hasRecord());
    if (!hasRecord()) {
        room->clear();
        return;
    }
    const Room measured = roomFor(fields_[slot(field)]->text(), controlOf(field));
    room->setText(roomText(measured));
    room->setStyleSheet(measured.hidden > 0 ? QStringLiteral("color: #B00020; font-weight: bold;") : QString());
    // The bar is as long as the lines there are; it fills as the text fills them, the last
    // line by the part of it the text takes, and is full when something is hidden.
    constexpr int kBarUnits = 100;
    bar->setRange(0, std::max(1, measured.lines.there) * kBarUnits);
    bar->setValue(measured.hidden > 0 ? bar->maximum()
                                      : std::min(bar->maximum(), static_cast<int>(measured.lines.filled * kBarUnits)));
    const QString tip = QStringLiteral("Сколько строк текст займёт на экране игры, измерено шрифтом игры.");
    room->setToolTip(tip);
    bar->setToolTip(tip);
    bar->setAccessibleDescription(room->text());
}

// A field's findings in its tooltip and its description for the screen reader, and a
// coloured frame; the correct answer's in the title over the radio buttons.
void RecordForm::showFindings()
{
    QStringList lines;
    for (const RecordField field : {RecordField::Question, RecordField::AnswerA, RecordField::AnswerB,
                                    RecordField::AnswerC, RecordField::AnswerD, RecordField::AnswerLine}) {
        const std::vector<check::Finding> found = hasRecord() ? check_.at(place_, field) : std::vector<check::Finding>{};
        QStringList messages;
        for (const check::Finding& finding : found)
            messages.append(qtext(check::plainMessage(finding)));
        const bool unmarked = field == RecordField::AnswerLine && hasRecord() && bank_.record(place_).answerLine.empty();
        if (unmarked)
            messages = QStringList{QStringLiteral("правильный ответ не отмечен: отметьте кружок слева от него "
                                                  "(или Ctrl+1 … Ctrl+4), иначе любой ответ будет неверным.")};
        for (const QString& message : messages)
            lines.append(QStringLiteral("• ") + message);
        const std::optional<check::Severity> worst = hasRecord() ? check_.worstAt(place_, field) : std::nullopt;
        const QString frame = !worst ? QString()
                              : *worst == check::Severity::Error ? QStringLiteral("#C62828")
                                                                 : QStringLiteral("#B07800");
        if (field == RecordField::AnswerLine) {
            correctTitle_->setStyleSheet(frame.isEmpty() ? QString() : QStringLiteral("color: %1; font-weight: bold;").arg(frame));
            for (QRadioButton* radio : correct_)
                radio->setAccessibleDescription(messages.join(u' '));
            continue;
        }
        QLineEdit* edit = fields_[slot(field)];
        edit->setToolTip(messages.join(u'\n'));
        edit->setAccessibleDescription(messages.join(u' '));
        edit->setStyleSheet(frame.isEmpty() ? QString() : QStringLiteral("border: 2px solid %1;").arg(frame));
    }
    findings_->setText(lines.join(u'\n'));
    findings_->setVisible(!lines.isEmpty());
}

void RecordForm::showPreview()
{
    const Record empty;
    const Record& record = hasRecord() ? bank_.record(place_) : empty;
    std::array<QString, 4> answers;
    for (std::size_t i = 0; i < answers.size(); ++i)
        answers[i] = qtext(record.answers[i]);
    preview_->showQuestion(qtext(record.question), answers);
}

void RecordForm::focusField(RecordField field)
{
    if (field != RecordField::AnswerLine) {
        fields_[slot(field)]->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    QAbstractButton* checked = correctGroup_->checkedButton();
    (checked != nullptr ? checked : correct_[0])->setFocus(Qt::ShortcutFocusReason);
}

QLineEdit* RecordForm::field(RecordField field) const
{
    return fields_.at(slot(field));
}

QRadioButton* RecordForm::correctButton(int answer) const
{
    return correct_.at(static_cast<std::size_t>(answer - 1));
}

}  // namespace kvardelon::editor
