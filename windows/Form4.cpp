// The result window.
#include "Form4.h"

#include "Controls.h"
#include "Forms.h"

#include <QLabel>

namespace kvardelon {

Form4::Form4(Forms& forms)
    : Form({.title = QStringLiteral("Спасибо за игру."), .clientTwips = {4680, 2865}, .readOnOpen = true}), forms_(forms)
{
}

void Form4::build(QWidget& client)
{
    QLabel* title =
        makeLabel(&client, "Label1", QStringLiteral("ПОЗДРАВЛЯЕМ!"), {240, 240, 4095, 615}, Qt::AlignHCenter);
    title->setFont(msSansSerif(24));
    makeLabel(&client, "Label2", {}, {240, 1200, 4095, 375});
    auto* command1 = new CaptionButton(&client, "Command1", QStringLiteral("Ура!"), {240, 2040, 4095, 495});
    command1->setFocus();
    onClick(command1, &QPushButton::clicked, [this] { cheer(); });
}

void Form4::setResultText(const QString& text)
{
    load();
    control<QLabel>("Label2")->setText(text);
}

void Form4::cheer()
{
    forms_.form1.resetMainWindow();
    unload();
}

void Form4::closeRequested()
{
    // The result window is then the only window: closing it ends the game as "Выход" would.
    forms_.platform.endProcess(0);
}

}  // namespace kvardelon
