// Saving with the questions it may need: errors the game will meet, files that could not be
// read, files another program changed or that lead out of the bank, characters windows-1251
// lacks; and the plain message when a file cannot be written.
#pragma once

#include "LiveCheck.h"
#include "OpenBank.h"
#include "Questions.h"

#include <functional>

namespace kvardelon::editor {

enum class SaveOutcome {
    Saved,          // every changed file written, or none changed
    PartlySaved,    // written but for the steps the user chose to keep unsaved
    Cancelled,      // the user went back to editing
    Failed,         // a file could not be written; the text stays in the editor
    SaveElsewhere,  // it could not, and the user asked to save into another folder
};

// fill: fills the steps of too few questions, when the user asks for it there.
SaveOutcome saveWithQuestions(Questions& questions, OpenBank& bank, const LiveCheck& check,
                              const std::function<void()>& fill);

// Says what the game will do with the errors of the bank, if it has any; true when the
// user goes on (with goOn as the button's caption), false to go back to editing. Given
// fill, offers it where steps have too few questions.
bool acceptErrors(Questions& questions, const LiveCheck& check, const QString& goOn,
                  const std::function<void()>& fill = {});

// Where a character is: "в вопросе 2 (ответ B)".
QString placeText(int record, int field);

}  // namespace kvardelon::editor
