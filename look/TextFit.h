// Whether a question or an answer fits its control in the game's own font.
#pragma once

#include <QString>

namespace kvardelon {

// The question in the main window's Label1, wrapped at words.
bool questionFits(const QString& question);

// An answer after its "A:" prefix on an answer button, wrapped at words.
bool answerFits(const QString& answer);

}  // namespace kvardelon
