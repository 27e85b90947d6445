// Russian words after numbers: "1 строка", "3 строки", "5 строк", "11 строк", "21 строка".
#pragma once

#include <string>

namespace kvardelon {

// The word that follows `count`: `one` after 1, 21, 101; `few` after 2-4, 22-24; `many`
// after 0, 5-20, 25-30 and every number ending in 11-14.
inline const char* countedWord(int count, const char* one, const char* few, const char* many)
{
    const int lastTwo = count % 100;
    const int last = count % 10;
    if (last == 1 && lastTwo != 11)
        return one;
    if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14))
        return few;
    return many;
}

// The number and its word: "3 записи".
inline std::string counted(int count, const char* one, const char* few, const char* many)
{
    return std::to_string(count) + " " + countedWord(count, one, few, many);
}

}  // namespace kvardelon
