// Whether a question or an answer fits its control in the game's own font, and how much of it.
#pragma once

#include <QString>

namespace kvardelon {

// The question in the main window's Label1, wrapped at words.
bool questionFits(const QString& question);

// An answer after its "A:" prefix on an answer button, wrapped at words.
bool answerFits(const QString& answer);

// Where a text is shown: the question's label or an answer's button.
enum class TextPlace { Question, Answer };

// How many characters at the end of the text the player will not see: all but the longest
// beginning of it that fits. A character is what the player sees as one: a letter with its
// accents, a character beyond U+FFFF (𝔸, an emoji) with its modifiers counts once.
int hiddenCharacters(const QString& text, TextPlace place);

// How the text fills its place, wrapped as the game wraps it.
struct TextLines {
    int used = 0;          // lines the text takes
    int there = 0;         // lines the place shows
    double filled = 0.0;   // lines used, the last one by the part of its width it takes: never
                           // less after a character is added at the end
};
TextLines linesOf(const QString& text, TextPlace place);

}  // namespace kvardelon
