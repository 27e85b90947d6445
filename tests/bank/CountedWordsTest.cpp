// The Russian word after a number, shared by the game's errors, the checker and the editor.
#include "CountedWords.h"

#include <gtest/gtest.h>

#include <string>

namespace kvardelon {
namespace {

struct Count {
    int count;
    const char* expected;
};

class CountedLines : public ::testing::TestWithParam<Count> {};

TEST_P(CountedLines, takeTheWordTheirLastDigitsAskFor)
{
    EXPECT_EQ(counted(GetParam().count, "строка", "строки", "строк"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Words, CountedLines,
                         ::testing::Values(Count{0, "0 строк"}, Count{1, "1 строка"}, Count{2, "2 строки"},
                                           Count{4, "4 строки"}, Count{5, "5 строк"}, Count{11, "11 строк"},
                                           Count{12, "12 строк"}, Count{14, "14 строк"}, Count{21, "21 строка"},
                                           Count{22, "22 строки"}, Count{111, "111 строк"},
                                           Count{112, "112 строк"}, Count{101, "101 строка"},
                                           Count{1004, "1004 строки"}));

}  // namespace
}  // namespace kvardelon
