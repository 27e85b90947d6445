// Russian words after numbers: "1 вопрос", "3 вопроса", "10 вопросов".
#pragma once

#include "Wording.h"

#include <QString>

namespace kvardelon::editor {

// "1 запись", "3 записи", "5 записей": the checker's own wording.
inline QString counted(int count, const char* one, const char* few, const char* many)
{
    return QString::fromStdString(check::counted(count, one, few, many));
}

}  // namespace kvardelon::editor
