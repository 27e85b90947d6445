// Judging the answer line: a digit as the game wants it, or what its author meant by a
// letter, a bracket or a point.
#include "AnswerLine.h"

#include "AnswerLetters.h"
#include "BankText.h"
#include "Wording.h"

#include <cstdint>

namespace kvardelon::check {

namespace {

// A letter an author may write for an answer: the button's Latin letter, the Russian
// alphabet's first four, and the Russian letter that looks like a Latin one.
struct LetterForm {
    std::string_view written;
    int answer;
    std::string_view shown;  // the letter named in the advice
    const char* otherMeaning = "";
};

constexpr LetterForm kLetters[] = {
    {"A", 1, "A"}, {"a", 1, "A"}, {"B", 2, "B"}, {"b", 2, "B"},
    {"C", 3, "C"}, {"c", 3, "C"}, {"D", 4, "D"}, {"d", 4, "D"},
    {"А", 1, "А"}, {"а", 1, "А"}, {"Б", 2, "Б"}, {"б", 2, "Б"},
    // The Russian В is the third letter, yet looks like the Latin B on the second button.
    {"В", 3, "В", " Если вы имели в виду латинскую B, второй ответ, напишите 2."},
    {"в", 3, "В"}, {"Г", 4, "Г"}, {"г", 4, "Г"},
    {"С", 3, "С"}, {"с", 3, "С"},  // the Russian С, typed for the Latin C
};

// An answer line as its author wrote it: "В", "3)", "(b)", "2.".
struct Reading {
    int answer = 0;            // 1..4, 0 when the line is no such form
    std::string_view shown;    // the letter to name; empty for a digit
    const char* otherMeaning = "";
    std::string_view mark;     // the bracket or point around a digit
};

Reading read(std::string_view line)
{
    std::string_view core = trimmed(line);
    std::string_view mark;
    if (core.starts_with('(')) {
        mark = "(";
        core.remove_prefix(1);
    }
    if (core.ends_with(')') || core.ends_with('.')) {
        mark = core.substr(core.size() - 1);
        core.remove_suffix(1);
    }
    core = trimmed(core);
    if (core.size() == 1 && core[0] >= '1' && core[0] <= '4')
        return {.answer = core[0] - '0', .mark = mark};
    for (const LetterForm& form : kLetters) {
        if (core == form.written)
            return {.answer = form.answer, .shown = form.shown, .otherMeaning = form.otherMeaning};
    }
    return {};
}

// "Напишите 3: В — третий ответ (на кнопке «C:»)."
std::string advice(const Reading& reading)
{
    const std::string button = answerLetter(reading.answer);
    const std::string named = reading.shown.empty() ? button : std::string(reading.shown);
    std::string text = " Напишите " + std::to_string(reading.answer) + ": " + named + " — " +
                       ordinal(reading.answer) + " ответ";
    if (named != button)
        text += " (на кнопке «" + button + ":»)";
    return text + "." + reading.otherMeaning;
}

std::string plainFault(std::string_view line)
{
    const std::string_view text = trimmed(line);
    const std::string what = text.empty() ? "строка номера правильного ответа пуста"
                                          : "номер правильного ответа " + inQuotes(line) +
                                                " — не одна цифра от 1 до 4";
    const std::optional<std::int16_t> number = answerNumber(line);
    if (!number) {
        return what + ": игра не сможет прочесть такое число (оно вне пределов от -32768 до 32767) и "
                      "остановится с ошибкой, когда выпадет этот вопрос.";
    }
    if (*number >= 1 && *number <= 4) {
        return what + ": игра прочтёт его как " + std::to_string(*number) + " (ответ " + answerLetter(*number) +
               "); напишите одну цифру, от 1 до 4.";
    }
    std::string fault = what + ": игра прочтёт " + (text.empty() ? "её" : "его") + " как " + std::to_string(*number) +
                        ", и на этот вопрос нельзя будет ответить: любой ответ окажется неверным.";
    // "Ответ: 3" holds the digit meant; it is only not where the game looks.
    const std::size_t digit = text.find_first_of("0123456789");
    if (digit != std::string_view::npos && text.find_first_of("0123456789", digit + 1) == std::string_view::npos &&
        text[digit] >= '1' && text[digit] <= '4')
        fault += advice({.answer = text[digit] - '0'});
    return fault;
}

}  // namespace

std::optional<std::string> answerLineFault(std::string_view line)
{
    const Reading reading = read(line);
    if (reading.answer == 0)
        return plainFault(line);
    if (reading.shown.empty() && reading.mark.empty())
        return std::nullopt;

    const char* what = !reading.shown.empty() ? " — буква, а игра ждёт здесь цифру"
                       : reading.mark == "."  ? " написан с точкой, а игра ждёт одну цифру"
                                              : " написан со скобкой, а игра ждёт одну цифру";
    // A letter or a bracket in front reads as 0; a digit with something after it as the digit.
    const int gameReads = answerNumber(line).value_or(0);
    const std::string asRead = " прочтёт его как " + std::to_string(gameReads);
    const std::string consequence = gameReads == reading.answer
                                        ? ": она" + asRead + ", но лучше без знаков."
                                        : " и" + asRead +
                                              ": на этот вопрос нельзя будет ответить.";
    return "номер правильного ответа " + inQuotes(trimmed(line)) + what + consequence + advice(reading);
}

bool looksLikeAnswerLine(std::string_view line)
{
    const std::string_view text = trimmed(line);
    return read(line).answer != 0 || (text.size() == 1 && text[0] >= '0' && text[0] <= '9');
}

}  // namespace kvardelon::check
