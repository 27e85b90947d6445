// The monkey's hands: picks an action by weight, as a restless player would, and does it to the windows.
#pragma once

#include "Dice.h"
#include "TestForms.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace kvardelon::monkey {

// Form1..Form5 by number.
Form& formNumber(Forms& forms, int number);

// Every control of the window of that number: all that a pointer can aim at.
const QList<QByteArray>& controlNames(int form);

// Where an action landed, worked out before it was delivered.
struct Hit {
    int form = 0;            // 1..5: the window it reached; 0 for none
    QByteArray control;      // the control that received it; empty for the window itself
    bool activates = false;  // a click, or Space, that reaches an enabled button of an enabled window
    bool closes = false;     // a close that reaches an enabled window

    bool activated(int number, const char* name) const
    {
        return activates && form == number && control == name;
    }
};

struct Step {
    QString description;
    Hit hit;
    QString fault;  // something the player found impossible to do, such as a missing control
};

class Player {
public:
    explicit Player(Dice& dice) : dice_(dice) {}

    // Chooses one action for the windows as they stand and performs it. Deferred
    // deletions are left for the caller.
    Step act(test::TestForms& t);

private:
    Step click(Forms& forms, int form, const QByteArray& name);
    Step clickAnywhere(Forms& forms);
    Step press(Forms& forms);
    Step typeName(Forms& forms);
    Step close(Forms& forms, int form);
    int randomLoadedForm(Forms& forms);

    Dice& dice_;
};

}  // namespace kvardelon::monkey
