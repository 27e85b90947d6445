// Searching the bank's texts and stepping through what was found.
#include "FindBar.h"

#include "QtText.h"
#include "SearchText.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kvardelon::editor {

std::vector<Match> findInBank(const OpenBank& bank, const QString& text)
{
    std::vector<Match> found;
    if (text.isEmpty() || !bank.isOpen())
        return found;
    const QString searched = searchForm(text);
    for (int step = 1; step <= kSteps; ++step)
        for (int record = 0; record < bank.recordCount(step); ++record)
            for (const RecordField field : {RecordField::Question, RecordField::AnswerA, RecordField::AnswerB,
                                            RecordField::AnswerC, RecordField::AnswerD})
                if (searchForm(qtext(fieldText(bank.record({step, record}), field))).contains(searched))
                    found.push_back({{step, record}, field});
    return found;
}

FindBar::FindBar(OpenBank& bank, QWidget* parent)
    : QWidget(parent), bank_(bank), text_(new QLineEdit(this)), status_(new QLabel(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(QStringLiteral("Найти:"), this);
    label->setBuddy(text_);
    text_->setAccessibleName(QStringLiteral("Найти"));
    text_->setPlaceholderText(QStringLiteral("слово из вопроса или ответа"));
    auto* back = new QPushButton(QStringLiteral("Назад"), this);
    back->setAccessibleName(QStringLiteral("Найти назад"));
    auto* forward = new QPushButton(QStringLiteral("Далее"), this);
    forward->setAccessibleName(QStringLiteral("Найти далее"));
    auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setAccessibleName(QStringLiteral("Закрыть поиск"));
    status_->setAccessibleName(QStringLiteral("Найдено"));
    layout->addWidget(label);
    layout->addWidget(text_, 1);
    layout->addWidget(status_);
    layout->addWidget(back);
    layout->addWidget(forward);
    layout->addWidget(close);
    connect(text_, &QLineEdit::textChanged, this, &FindBar::search);
    connect(text_, &QLineEdit::returnPressed, this, [this] { next(+1); });
    connect(forward, &QPushButton::clicked, this, [this] { next(+1); });
    connect(back, &QPushButton::clicked, this, [this] { next(-1); });
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    connect(&bank_, &OpenBank::stepChanged, this, [this] {
        if (isVisible())
            search();
    });
    hide();
}

void FindBar::start()
{
    show();
    text_->setFocus(Qt::ShortcutFocusReason);
    text_->selectAll();
    search();
}

void FindBar::search()
{
    matches_ = findInBank(bank_, text_->text());
    at_ = std::min(at_, static_cast<int>(matches_.size()) - 1);
    status_->setText(text_->text().isEmpty() ? QString()
                     : matches_.empty()      ? QStringLiteral("не найдено")
                                             : QStringLiteral("найдено: %1").arg(matches_.size()));
}

void FindBar::next(int direction)
{
    if (!isVisible()) {
        start();
        return;
    }
    if (matches_.empty())
        return;
    const int count = static_cast<int>(matches_.size());
    at_ = at_ < 0 ? (direction > 0 ? 0 : count - 1) : ((at_ + direction) % count + count) % count;
    status_->setText(QStringLiteral("%1 из %2").arg(at_ + 1).arg(count));
    const Match& match = matches_[static_cast<std::size_t>(at_)];
    emit goTo(match.place, match.field);
}

void FindBar::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace kvardelon::editor
