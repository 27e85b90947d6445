// How much of the game's control a text takes, measured in the game's own font.
#pragma once

#include "BankCheck.h"
#include "TextFit.h"
#include "WindowOps.h"

#include <QString>

namespace kvardelon::editor {

struct Room {
    int hidden = 0;   // characters at the end of the text the player will not see
    TextLines lines;  // how the text fills the control, wrapped as the game wraps it
};

// control: Label1 for the question, Command1..Command4 for an answer (without its "A:").
// Needs a running QGuiApplication.
Room roomFor(const QString& text, Captioned control);

// What the author reads beside the field: «2 строки из 3», or «не видно 5 знаков».
QString roomText(const Room& room);

// The measure the checker takes, remembered text by text so that a recheck after one
// keystroke measures one text anew.
check::Fits gameFits();

}  // namespace kvardelon::editor
