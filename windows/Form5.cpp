// The about window.
#include "Form5.h"

#include "Controls.h"
#include "Forms.h"

#include <QLabel>

#ifndef KVARDELON_MAKER_URL
#define KVARDELON_MAKER_URL "https://kvardelon.example/"
#endif

namespace kvardelon {

namespace {

// Two sentences; the run of blanks carries the second onto a line of its own.
const QString kNotice = QStringLiteral("Пятнадцать вопросов, три подсказки.") + QString(80, QLatin1Char(' ')) +
                        QStringLiteral("Все вопросы придуманы для этой игры.");

}  // namespace

QString makerAddress()
{
    return QStringLiteral(KVARDELON_MAKER_URL);
}

Form5::Form5(Forms& forms)
    : Form({.clientTwips = {4680, 3945}, .titleBar = false, .readOnOpen = true}, &forms.form1), forms_(forms)
{
}

void Form5::build(QWidget& client)
{
    // In tab order; only "OK" takes the focus.
    QLabel* title = makeLabel(&client, "Label1", QStringLiteral("О программе"), {240, 120, 4095, 855}, Qt::AlignHCenter);
    title->setFont(msSansSerif(24));
    makeLabel(&client, "Label2", QStringLiteral("Разработчик: "), {240, 2160, 1095, 375});
    makeLabel(&client, "Label3", kNotice, {240, 1200, 4095, 855});
    makeLabel(&client, "Label4", QStringLiteral("УСПЕХОВ!"), {240, 3000, 4215, 255}, Qt::AlignHCenter);
    auto* command1 = new CaptionButton(&client, "Command1", QStringLiteral("OK"), {1320, 3360, 1815, 375});
    auto* lblurl = new LinkLabel(&client, "lblurl", makerAddress(), {1080, 2520, 2535, 375});
    lblurl->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblurl->setFont(msSansSerif(8.25, true));
    setTextColour(lblurl, fromBgr(0xFF0000));
    // Blue text needs a light ground to be read on the dark windows.
    lblurl->setAutoFillBackground(true);
    QPalette ground = lblurl->palette();
    ground.setColor(QPalette::Window, QColor(0xE8, 0xEC, 0xFF));
    lblurl->setPalette(ground);
    makeLabel(&client, "label7", QStringLiteral("Тавреллин"), {1440, 2160, 1335, 255});
    command1->setFocus();

    onClick(command1, &QPushButton::clicked, [this] { close(); });
    onClick(lblurl, &LinkLabel::clicked, [this, lblurl] { gotoweb(lblurl->text()); });
}

void Form5::gotoweb(const QString& address)
{
    forms_.platform.openUrl(address);
}

void Form5::close()
{
    forms_.form1.setEnabled(true);
    unload();
}

void Form5::closeRequested()
{
    close();
}

}  // namespace kvardelon
