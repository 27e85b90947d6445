// How much of the game's control a text takes, measured in the game's own font.
#pragma once

#include "BankCheck.h"
#include "TextFit.h"
#include "WindowOps.h"

#include <QString>

namespace kvardelon::editor {

struct Room {
    int hidden = 0;  // characters at the end of the text the player will not see
    int more = 0;    // about how many more letters fit; 0 when some are hidden
};

// control: Label1 for the question, Command1..Command4 for an answer (without its "A:").
// Needs a running QGuiApplication.
Room roomFor(const QString& text, Captioned control);

// The measure the checker takes, remembered text by text so that a recheck after one
// keystroke measures one text anew.
check::Fits gameFits();

}  // namespace kvardelon::editor
