// The table of problems the checker knows.
#include "Problems.h"

#include <array>
#include <cstddef>

namespace kvardelon::check {

namespace {

constexpr auto E = Severity::Error;
constexpr auto W = Severity::Warning;
constexpr auto N = Severity::Note;

constexpr std::array kProblems{
    ProblemInfo{Problem::CannotOpen, "cannot-open", E, "файла нет или его не удаётся прочитать"},
    ProblemInfo{Problem::MisnamedFile, "misnamed-file", E,
                "файла нет, а рядом лежит файл с похожим именем (qw01.txt, qw1.txt.txt, QW1.TXT)"},
    ProblemInfo{Problem::Utf16File, "utf16-file", E,
                "файл в кодировке UTF-16, а игра читает только windows-1251 и UTF-8"},
    ProblemInfo{Problem::TooFewRecords, "too-few-records", E, "в файле меньше десяти полных записей по шесть строк"},
    ProblemInfo{Problem::ShiftedLines, "shifted-lines", E,
                "в записи лишняя или недостающая строка, и все записи ниже сдвинулись"},
    ProblemInfo{Problem::BadAnswerNumber, "bad-answer-number", E,
                "шестая строка записи — не одна цифра от 1 до 4 (буква, скобка, 2.5, 7)"},
    ProblemInfo{Problem::EmptyText, "empty-text", E, "пустой вопрос или ответ"},
    ProblemInfo{Problem::LineTooLong, "line-too-long", E, "строка длиннее 65536 байт"},
    ProblemInfo{Problem::UnusedByte, "unused-byte", W, "байт 0x98, который в windows-1251 ничего не означает"},
    ProblemInfo{Problem::ControlCharacter, "control-character", W, "управляющий знак в тексте (не буква)"},
    ProblemInfo{Problem::LooksLikeUtf8, "looks-like-utf8", W,
                "строки в UTF-8 в файле, который из-за других строк читается как windows-1251"},
    ProblemInfo{Problem::IllFormedUtf8, "ill-formed-utf8", W, "байты, которые не складываются в буквы UTF-8"},
    ProblemInfo{Problem::EqualAnswers, "equal-answers", W, "два одинаковых ответа в одной записи"},
    ProblemInfo{Problem::RepeatedQuestion, "repeated-question", W, "вопрос, который в банке уже есть"},
    ProblemInfo{Problem::RecordsAfterTenth, "records-after-tenth", W,
                "текст после десятой записи, которого игра не покажет"},
    ProblemInfo{Problem::TooLongToShow, "too-long-to-show", W,
                "вопрос или ответ не помещается в своё место в окне игры"},
    ProblemInfo{Problem::MixedLetters, "mixed-letters", W, "латинские буквы в русском слове («Cосна» с латинской C)"},
    ProblemInfo{Problem::RepeatedInTurn, "repeated-in-turn", N,
                "на ступени меньше десяти вопросов, и они повторены по кругу до десяти записей"},
};

// The table is indexed by the enum: each row must sit at its problem's place.
constexpr bool inEnumOrder()
{
    for (std::size_t i = 0; i < kProblems.size(); ++i) {
        if (static_cast<std::size_t>(kProblems[i].problem) != i)
            return false;
    }
    return true;
}
static_assert(inEnumOrder());
static_assert(kProblems.back().problem == Problem::RepeatedInTurn, "a problem is missing from the table");

}  // namespace

std::span<const ProblemInfo> problemTable()
{
    return kProblems;
}

const ProblemInfo& info(Problem problem)
{
    return kProblems.at(static_cast<std::size_t>(problem));
}

}  // namespace kvardelon::check
