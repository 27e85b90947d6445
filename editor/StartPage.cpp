// The start page: two buttons and the recent banks.
#include "StartPage.h"

#include "RecentBanks.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvardelon::editor {

StartPage::StartPage(QWidget* parent) : QWidget(parent), recent_(new QListWidget(this))
{
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("Редактор вопросов Кварделона"), this);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    title->setFont(big);
    auto* intro = new QLabel(QStringLiteral(
        "Банк вопросов — это пятнадцать ступеней, от 100 до 1 000 000 рублей. На каждой ступени игра "
        "выбирает наугад один из первых десяти вопросов. Здесь вы пишете вопросы и ответы, отмечаете "
        "правильный и сразу видите, как их покажет игра."), this);
    intro->setWordWrap(true);
    auto* create = new QPushButton(QStringLiteral("Создать новый банк…"), this);
    auto* open = new QPushButton(QStringLiteral("Открыть банк…"), this);
    auto* recentLabel = new QLabel(QStringLiteral("&Недавние банки:"), this);
    recentLabel->setBuddy(recent_);
    recent_->setAccessibleName(QStringLiteral("Недавние банки"));
    layout->addWidget(title);
    layout->addWidget(intro);
    layout->addWidget(create, 0, Qt::AlignLeft);
    layout->addWidget(open, 0, Qt::AlignLeft);
    layout->addWidget(recentLabel);
    layout->addWidget(recent_, 1);
    connect(create, &QPushButton::clicked, this, &StartPage::newBank);
    connect(open, &QPushButton::clicked, this, &StartPage::openBank);
    connect(recent_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { emit openRecent(item->text()); });
    refresh();
}

void StartPage::refresh()
{
    recent_->clear();
    recent_->addItems(recentBanks());
}

}  // namespace kvardelon::editor
