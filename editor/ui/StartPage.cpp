// The start page: what a bank is, two buttons, and the recent banks when there are any.
#include "StartPage.h"

#include "RecentBanks.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvardelon::editor {

namespace {

constexpr int kPageWidth = 640;

QPushButton* bigButton(const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setMinimumHeight(button->sizeHint().height() * 2);
    QFont font = button->font();
    font.setPointSizeF(font.pointSizeF() * 1.2);
    button->setFont(font);
    button->setAutoDefault(true);  // Enter presses it, as Space does
    return button;
}

}  // namespace

StartPage::StartPage(QWidget* parent) : QWidget(parent), recent_(new QListWidget(this))
{
    auto* column = new QWidget(this);
    column->setMaximumWidth(kPageWidth);
    auto* layout = new QVBoxLayout(column);
    auto* title = new QLabel(QStringLiteral("Редактор вопросов Кварделона"), column);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    title->setFont(big);
    auto* intro = new QLabel(QStringLiteral(
        "Банк вопросов — это пятнадцать ступеней, от 100 до 1 000 000 рублей. На каждой ступени игра "
        "выбирает наугад один из первых десяти вопросов. Здесь вы пишете вопросы и ответы, отмечаете "
        "правильный, сразу видите, как их покажет игра, и запускаете игру на своём банке."), column);
    intro->setWordWrap(true);
    auto* create = bigButton(QStringLiteral("Создать новый банк…"), column);
    auto* open = bigButton(QStringLiteral("Открыть банк…"), column);
    recentTitle_ = new QLabel(QStringLiteral("&Недавние банки (Enter — открыть):"), column);
    recentTitle_->setBuddy(recent_);
    recent_->setAccessibleName(QStringLiteral("Недавние банки"));
    recent_->setParent(column);
    layout->addWidget(title);
    layout->addWidget(intro);
    layout->addSpacing(12);
    layout->addWidget(create);
    layout->addWidget(open);
    layout->addSpacing(12);
    layout->addWidget(recentTitle_);
    layout->addWidget(recent_, 1);
    layout->addStretch(0);
    auto* page = new QHBoxLayout(this);
    page->addStretch(1);
    page->addWidget(column, 3);
    page->addStretch(1);
    connect(create, &QPushButton::clicked, this, &StartPage::newBank);
    connect(open, &QPushButton::clicked, this, &StartPage::openBank);
    connect(recent_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { emit openRecent(item->text()); });
    refresh();
    // Enter at once makes a new bank: a keyboard starts where a mouse would.
    create->setFocus();
}

void StartPage::refresh()
{
    recent_->clear();
    recent_->addItems(recentBanks());
    recentTitle_->setVisible(recent_->count() > 0);
    recent_->setVisible(recent_->count() > 0);
}

}  // namespace kvardelon::editor
