// The audience poll window: the shares are drawn when it loads.
#include "Form3.h"

#include "Controls.h"
#include "Forms.h"

#include "Lifelines.h"

#include <QLabel>

namespace kvardelon {

Form3::Form3(Forms& forms)
    : Form({.title = QStringLiteral("Помощь зала"),
            .clientTwips = {4680, 3780},
            .placeTwips = QPoint(3225, 1065),
            .readOnOpen = true},
           &forms.form1),
      forms_(forms)
{
}

void Form3::build(QWidget& client)
{
    QLabel* title =
        makeLabel(&client, "Label1", QStringLiteral("Мнение аудитории."), {240, 120, 3975, 495}, Qt::AlignHCenter);
    title->setFont(msSansSerif(18));
    makeLabel(&client, "Label2", QStringLiteral("Ответ A"), {240, 840, 1695, 375});
    makeLabel(&client, "Label3", QStringLiteral("Ответ B"), {240, 1440, 1695, 375});
    makeLabel(&client, "Label4", QStringLiteral("Ответ C"), {240, 2040, 1695, 375});
    makeLabel(&client, "Label5", QStringLiteral("Ответ D"), {240, 2640, 1695, 375});
    makeLabel(&client, "Label6", {}, {2160, 840, 2055, 375});
    makeLabel(&client, "Label7", {}, {2160, 1440, 2055, 375});
    makeLabel(&client, "Label8", {}, {2160, 2040, 2055, 375});
    makeLabel(&client, "Label9", {}, {2160, 2640, 2055, 375});
    auto* command1 = new CaptionButton(&client, "Command1", QStringLiteral("Спасибо!"), {600, 3240, 3495, 375});
    onClick(command1, &QPushButton::clicked, [this] { thank(); });
}

void Form3::loaded()
{
    const AudienceShares shares = audienceshares(forms_.random);
    control<QLabel>("Label6")->setText(QString::fromStdString(shareText(shares.a)));
    control<QLabel>("Label7")->setText(QString::fromStdString(shareText(shares.b)));
    control<QLabel>("Label8")->setText(QString::fromStdString(shareText(shares.c)));
    control<QLabel>("Label9")->setText(QString::fromStdString(shareText(shares.d)));
}

void Form3::thank()
{
    forms_.form1.setEnabled(true);
    unload();
}

void Form3::closeRequested()
{
    // However the window is closed, the main window must not stay disabled.
    thank();
}

}  // namespace kvardelon
