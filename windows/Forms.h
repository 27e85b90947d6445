// The five windows of the game, each one object for the whole run of the process.
#pragma once

#include "Form1.h"
#include "Form2.h"
#include "Form3.h"
#include "Form4.h"
#include "Form5.h"
#include "Platform.h"

#include "QuestionBank.h"
#include "Random.h"

namespace kvardelon {

class Forms {
public:
    Forms(Random& random, Platform platform, QuestionBank bank = QuestionBank{});
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    // Reports a fatal error to the player, then ends the process with a failure status.
    void fatal(const QString& message);

    Random& random;
    Platform platform;
    Form1 form1;
    Form2 form2;
    Form3 form3;
    Form4 form4;
    Form5 form5;
};

}  // namespace kvardelon
