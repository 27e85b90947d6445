// The five windows set up for a test: a fixed clock, a platform that records instead
// of acting, and helpers to click and look the way a player would.
#pragma once

#include "Forms.h"

#include <QAbstractButton>
#include <QLabel>
#include <QStringList>

#include <memory>

namespace kvardelon::test {

// Builds a fresh set of windows per test, against the bank in the current directory or
// the folder given.
class TestForms {
public:
    explicit TestForms(QuestionBank bank = QuestionBank{});

    Forms& forms() { return *forms_; }
    Form1& form1() { return forms_->form1; }

    // Clicks the named control of the form as a player would, then lets deferred
    // deletions happen.
    void click(Form& form, const char* name);

    // Clicks the answer button that is correct for the question on screen.
    void answerCorrectly();

    // The answer button number (1..4) that is wrong for the question on screen.
    int wrongAnswer() const;

    // New game, then correct answers until the step is on screen. Returns false, the test
    // failed with what happened instead, when the game does not get there.
    bool playTo(int step);

    // Opens window 2 to 5 from the main window as a player does: the friend call and
    // the audience poll by their pictures and the result window by taking the money
    // (all three during a game), the about window by "О программе". 1 is the main window.
    Form& open(int number);

    QString labelText(Form& form, const char* name);
    QString buttonCaption(Form& form, const char* name);

    float clock = 43210.25F;
    QStringList openedUrls;
    QStringList fatalMessages;
    QList<int> endings;  // the statuses the process was ended with

private:
    std::unique_ptr<ClockSeededRandom> random_;
    std::unique_ptr<Forms> forms_;
};

// Types the text into the widget one key at a time, any alphabet.
void type(QWidget* widget, const QString& text);

// Lets posted deletions (windows being unloaded) take place.
void settle();

// The client area of a window, in pixels, and its place on the screen.
QRect clientGeometry(const Form& form);

}  // namespace kvardelon::test
