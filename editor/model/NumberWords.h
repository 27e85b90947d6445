// Russian words after numbers: "1 вопрос", "3 вопроса", "10 вопросов"; a step with its prize.
#pragma once

#include "CountedWords.h"
#include "Ladder.h"

#include <QString>

namespace kvardelon::editor {

// "1 запись", "3 записи", "5 записей": the words the checker and the game's errors use.
inline QString counted(int count, const char* one, const char* few, const char* many)
{
    return QString::fromStdString(kvardelon::counted(count, one, few, many));
}

// "Ступень 4 (500)": a step as the step list, the move dialog and every summary name it.
inline QString stepWithPrize(int step)
{
    return QStringLiteral("Ступень %1 (%2)").arg(step).arg(QString::fromLatin1(ladderStep(step).caption));
}

}  // namespace kvardelon::editor
