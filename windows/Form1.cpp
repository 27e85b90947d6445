// The main window: its controls as described, and what each click does.
#include "Form1.h"

#include "Accessible.h"
#include "Controls.h"
#include "Forms.h"
#include "MainLayout.h"
#include "QuestionPanel.h"
#include "Toolkit.h"

#include "BankError.h"
#include "BankErrorText.h"
#include "Ladder.h"

#include <QLabel>

namespace kvardelon {

namespace {

constexpr int kLadderLeft = 5760;
constexpr int kLadderWidth = 1215;
constexpr int kLadderHeight = 255;
constexpr int kLadderRowTwips = 360;

// Step 15 stands at the top, step 1 at the bottom.
Twips ladderPlace(int step)
{
    return {kLadderLeft, (kSteps - step) * kLadderRowTwips, kLadderWidth, kLadderHeight};
}

// 1..4 for Command1..Command4.
int buttonNumber(Captioned control)
{
    return static_cast<int>(control) - static_cast<int>(Captioned::Command1) + 1;
}

QByteArray labelName(int number)
{
    return "Label" + QByteArray::number(number);
}

}  // namespace

Form1::Form1(Forms& forms, QuestionBank bank)
    : Form({.title = QStringLiteral("Кварделон"),
            .clientTwips = {kMainWindowPlace.width, kMainWindowPlace.height},
            .placeTwips = QPoint(kMainWindowPlace.left, kMainWindowPlace.top),
            .closeButton = true,
            .icon = gameIcon()}),
      forms_(forms), game_(*this, forms.random, std::move(bank))
{
}

void Form1::build(QWidget& client)
{
    QWidget* w = &client;

    // In tab order: the answers, the question and the ladder, the lifelines, the buttons, new game.
    panel_ = new QuestionPanel(w);
    panel_->move(kQuestionPanelPlace.pixels().topLeft());
    for (int n = 1; n <= 4; ++n)
        commands_[static_cast<std::size_t>(n - 1)] = panel_->answerButton(n);
    labels_[0] = panel_->questionLabel();
    for (int step = 1; step <= kSteps; ++step) {
        QLabel* label = makeLabel(w, labelName(step + 1).constData(), QString::fromLatin1(ladderStep(step).caption),
                                  ladderPlace(step), Qt::AlignHCenter);
        setTextColour(label, fromBgr(ladderStep(step).atRest));
        labels_[static_cast<std::size_t>(step)] = label;
    }
    pictures_[0] = new PictureButton(w, "Picture1", QStringLiteral(":/images/fiftyfifty.png"), {0, 0, 1935, 1455},
                                     QStringLiteral("Подсказка «50 на 50»"));
    pictures_[1] = new PictureButton(w, "Picture2", QStringLiteral(":/images/friend.png"), {1920, 0, 1935, 1455},
                                     QStringLiteral("Подсказка «Звонок другу»"));
    pictures_[2] = new PictureButton(w, "Picture3", QStringLiteral(":/images/audience.png"), {3840, 0, 1815, 1455},
                                     QStringLiteral("Подсказка «Помощь зала»"));
    commands_[4] = new CaptionButton(w, "Command5", QStringLiteral("Выход"), {120, 3480, 1695, 975});
    commands_[5] = new CaptionButton(w, "Command6", QStringLiteral("О программе"), {120, 2520, 1695, 855});
    commands_[6] = new CaptionButton(w, "Command7", QStringLiteral("Взять деньги"), {120, 1560, 1695, 855});
    pictures_[3] = new PictureButton(w, "Picture4", QStringLiteral(":/images/town.png"), {1920, 1560, 3735, 2895},
                                     QStringLiteral("Начать игру"));
    pictures_[3]->setToolTip(QStringLiteral("Начать игру"));

    for (PictureButton* lifeline : {pictures_[0], pictures_[1], pictures_[2]})
        lifeline->setEnabled(false);
    for (int n = 0; n < 4; ++n)
        commands_[static_cast<std::size_t>(n)]->setEnabled(false);
    labels_[0]->setEnabled(false);
    commands_[6]->setEnabled(false);

    for (int n = 1; n <= 4; ++n)
        onClick(commands_[static_cast<std::size_t>(n - 1)], &QPushButton::clicked, [this, n] { answer(n); });
    onClick(commands_[4], &QPushButton::clicked, [this] { exitGame(); });
    onClick(commands_[5], &QPushButton::clicked, [this] { showAbout(); });
    onClick(commands_[6], &QPushButton::clicked, [this] { takeMoney(); });
    onClick(pictures_[0], &QAbstractButton::clicked, [this] { fiftyfifty(); });
    onClick(pictures_[1], &QAbstractButton::clicked, [this] { callFriend(); });
    onClick(pictures_[2], &QAbstractButton::clicked, [this] { askAudience(); });
    onClick(pictures_[3], &QAbstractButton::clicked, [this] { newGame(); });
    // Space on the control that has the focus at start begins a game rather than ends the program.
    pictures_[3]->setFocus();
}

void Form1::unloaded()
{
    panel_ = nullptr;
    pictures_ = {};
    commands_ = {};
    labels_ = {};
}

void Form1::closeRequested()
{
    // Closing the main window from its title bar is the same as "Выход".
    exitGame();
}

template <typename Step>
void Form1::guarded(Step step)
{
    try {
        step();
    } catch (const BankError& error) {
        forms_.fatal(QString::fromStdString(bankErrorText(error.details())));
    }
}

void Form1::newGame()
{
    guarded([this] { game_.newGame(); });
    // Disabling the new game picture moved the focus on before the answers were enabled.
    focusFirstAnswer();
    announceQuestion();
}

void Form1::answer(int n)
{
    // The focus leaves the answer pressed, so that it comes to the first answer anew: a
    // screen reader then hears the next question rather than a caption changing under it.
    panel_->answerButton(n)->clearFocus();
    guarded([this, n] { game_.answer(n); });
    // Still loaded: the answer was right and the next question is on screen.
    if (!isLoaded())
        return;
    focusFirstAnswer();
    announceQuestion();
}

void Form1::focusFirstAnswer()
{
    for (int n = 1; n <= 4; ++n) {
        if (!panel_->answerCaption(n).isEmpty()) {
            panel_->answerButton(n)->setFocus();
            return;
        }
    }
}

void Form1::announceQuestion()
{
    QStringList texts{panel_->question()};
    for (int n = 1; n <= 4; ++n)
        texts << panel_->answerCaption(n);
    announce(spoken(texts));
}

void Form1::takeMoney()
{
    game_.takeMoney();
}

void Form1::exitGame()
{
    game_.exit();
}

void Form1::fiftyfifty()
{
    game_.fiftyfifty();
    focusFirstAnswer();
    announceQuestion();
}

void Form1::callFriend()
{
    forms_.form2.show();
    setEnabled(Control::Picture2, false);
    focusFirstAnswer();
    setEnabled(false);
}

void Form1::askAudience()
{
    forms_.form3.show();
    setEnabled(Control::Picture3, false);
    focusFirstAnswer();
    setEnabled(false);
}

void Form1::showAbout()
{
    forms_.form5.show();
    setEnabled(false);
}

void Form1::resetMainWindow()
{
    load();
    for (int n = 1; n <= 4; ++n)
        setCaption(answerButton(n), "");
    setCaption(Captioned::Label1, "");
    restoreLadderColours(*this);
    show();
}

QWidget* Form1::widget(Control control) const
{
    switch (control) {
    case Control::Picture1:
    case Control::Picture2:
    case Control::Picture3:
    case Control::Picture4:
        return pictures_.at(static_cast<std::size_t>(control) - static_cast<std::size_t>(Control::Picture1));
    case Control::Command1:
    case Control::Command2:
    case Control::Command3:
    case Control::Command4:
        return commands_.at(static_cast<std::size_t>(control) - static_cast<std::size_t>(Control::Command1));
    case Control::Label1:
        return labels_[0];
    case Control::Command7:
        return commands_[6];
    }
    return nullptr;
}

void Form1::setCaption(Captioned control, std::string_view text)
{
    load();
    if (control == Captioned::Label1)
        panel_->setQuestion(toQString(text));
    else
        panel_->setAnswerCaption(buttonNumber(control), toQString(text));
}

std::string Form1::caption(Captioned control) const
{
    // A window not loaded shows its captions at load: all of these are empty.
    if (!isLoaded())
        return {};
    const QString text =
        control == Captioned::Label1 ? panel_->question() : panel_->answerCaption(buttonNumber(control));
    return text.toStdString();
}

void Form1::setEnabled(Control control, bool enabled)
{
    load();
    widget(control)->setEnabled(enabled);
}

void Form1::setLadderColour(int step, Colour colour)
{
    load();
    setTextColour(labels_.at(static_cast<std::size_t>(step)), fromBgr(colour));
}

void Form1::openResult(std::string_view text)
{
    forms_.form4.show();
    forms_.form4.setResultText(toQString(text));
}

void Form1::closeMain()
{
    unload();
}

void Form1::endProcess()
{
    forms_.platform.endProcess(0);
}

}  // namespace kvardelon
