// The two ways of asking every flow uses.
#include "Questions.h"

namespace kvardelon::editor {

void tell(Questions& questions, Question::Kind kind, const QString& title, const QString& text)
{
    questions.ask({.kind = kind, .title = title, .text = text, .buttons = {QStringLiteral("Закрыть")}});
}

bool confirm(Questions& questions, const Question& question, int yes)
{
    return questions.ask(question) == yes;
}

}  // namespace kvardelon::editor
