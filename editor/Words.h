// Russian words after numbers: "1 вопрос", "3 вопроса", "10 вопросов".
#pragma once

#include <QString>

namespace kvardelon::editor {

inline QString counted(int count, const char* one, const char* few, const char* many)
{
    const int lastTwo = count % 100;
    const int last = count % 10;
    const char* word = many;
    if (last == 1 && lastTwo != 11)
        word = one;
    else if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14))
        word = few;
    return QString::number(count) + u' ' + QString::fromUtf8(word);
}

}  // namespace kvardelon::editor
