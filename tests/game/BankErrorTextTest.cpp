// The bank's errors in words: the game's report word for word, and the same errors told to an
// author in steps and questions, with no file, line or byte in them.
#include "BankErrorText.h"

#include <gtest/gtest.h>

namespace kvardelon::test {
namespace {

using Reason = BankError::Reason;

struct Worded {
    const char* name;
    BankError::Details error;
    std::string gameSays;   // exactly
    std::string plainSays;  // exactly
};

class BankErrorWords : public ::testing::TestWithParam<Worded> {};

TEST_P(BankErrorWords, areTheGamesOwnAndPlainForAnAuthor)
{
    EXPECT_EQ(bankErrorText(GetParam().error), GetParam().gameSays);
    const std::string plain = bankErrorInPlainWords(GetParam().error);
    EXPECT_EQ(plain, GetParam().plainSays);
    for (const char* technical : {"qw", ".txt", "data", "строк", "байт"})
        EXPECT_EQ(plain.find(technical), std::string::npos) << technical << " in " << plain;
}

INSTANTIATE_TEST_SUITE_P(
    BankError, BankErrorWords,
    ::testing::Values(
        Worded{"recordCutShort",
               {.reason = Reason::TooShort, .file = "data/qw7.txt", .step = 7, .line = 38, .record = 7,
                .missingLines = 4},
               "Файл вопросов для ступени 7 (data/qw7.txt) кончается на строке 38, а вопросу № 7 нужно ещё 4 строки.",
               "у вопроса № 7 нет ответов B, C, D и номера правильного ответа."},
        Worded{"numberLeftOut",
               {.reason = Reason::TooShort, .file = "data/qw7.txt", .step = 7, .line = 5, .record = 1,
                .missingLines = 1},
               "Файл вопросов для ступени 7 (data/qw7.txt) кончается на строке 5, а вопросу № 1 нужно ещё 1 строка.",
               "у вопроса № 1 нет номера правильного ответа."},
        Worded{"emptyFile",
               {.reason = Reason::TooShort, .file = "data/qw2.txt", .step = 2, .record = 1, .missingLines = 6},
               "Файл вопросов для ступени 2 (data/qw2.txt) пуст, а вопросу № 1 нужно ещё 6 строк.",
               "на этой ступени нет ни одного вопроса."},
        Worded{"numberBeyond16Bits",
               {.reason = Reason::AnswerOutOfRange, .file = "data/qw3.txt", .step = 3, .line = 12,
                .text = std::string(100, '9')},
               "Файл вопросов для ступени 3 (data/qw3.txt), строка 12: номер правильного ответа «" +
                   std::string(40, '9') + "…» выходит за пределы от -32768 до 32767.",
               "номер правильного ответа «" + std::string(40, '9') +
                   "…» в вопросе № 2 слишком велик: игра не сможет его прочесть."},
        Worded{"lineTooLong",
               {.reason = Reason::LineTooLong, .file = "data/qw4.txt", .step = 4, .line = 20},
               "Файл вопросов для ступени 4 (data/qw4.txt), строка 20: строка длиннее 65536 байт.",
               "текст в вопросе № 4 длиннее, чем игра может прочесть."},
        Worded{"missingFile", {.reason = Reason::MissingFile, .file = "data/qw5.txt", .step = 5},
               "Не найден файл вопросов для ступени 5: data/qw5.txt.", "вопросов этой ступени нет в папке банка."},
        // A file checked on its own whose name says no step.
        Worded{"missingFileOfNoStep", {.reason = Reason::MissingFile, .file = "questions.txt"},
               "Не найден файл вопросов: questions.txt.", "вопросов этой ступени нет в папке банка."},
        Worded{"missingFolder", {.reason = Reason::MissingFolder, .file = "data/qw1.txt", .step = 1},
               "Не найдена папка с вопросами «data»: без неё нет файла data/qw1.txt для ступени 1. Запускайте игру "
               "из папки, в которой лежит папка вопросов.",
               "папки банка больше нет на диске: её удалили, переименовали или отключили диск."},
        Worded{"tooLarge", {.reason = Reason::FileTooLarge, .file = "data/qw6.txt", .step = 6},
               "Файл вопросов для ступени 6 (data/qw6.txt) больше 16 МБ: такой большой файл вопросов игра не читает.",
               "вопросы этой ступени занимают больше 16 МБ: такой большой файл игра не читает."}),
    [](const ::testing::TestParamInfo<Worded>& row) { return std::string(row.param.name); });

TEST(BankError, whatIsATechnicalLineWithTheReasonAndThePlace)
{
    const BankError error({.reason = Reason::LineTooLong, .file = "data/qw4.txt", .step = 4, .line = 20});
    EXPECT_STREQ(error.what(), "line-too-long data/qw4.txt:20");
}

}  // namespace
}  // namespace kvardelon::test
