// Judging each shown record as the game will use it: its question, its four answers and
// the number of the correct one.
#include "FileParts.h"

#include "AnswerLetters.h"
#include "AnswerLine.h"
#include "BankError.h"
#include "Cp1251.h"
#include "Wording.h"

namespace kvardelon::check {

namespace {

// A word of Russian letters with Latin ones among them, as a keyboard left in the other
// layout types it: "Cосна" with the Latin C.
struct MixedWord {
    std::string word;
    std::string latin;  // its Latin letters, each once, in the order they come
};

bool isCyrillic(char32_t c)
{
    return c >= 0x400 && c <= 0x4FF;
}

bool isLatin(char32_t c)
{
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

// Words are runs of letters, Russian or Latin; anything else (a digit, a hyphen) parts them.
std::vector<MixedWord> mixedWords(std::string_view text)
{
    std::vector<MixedWord> found;
    std::size_t start = 0;
    bool cyrillic = false;
    std::string latin;
    const auto endWord = [&](std::size_t end) {
        if (cyrillic && !latin.empty())
            found.push_back({std::string(text.substr(start, end - start)), latin});
        cyrillic = false;
        latin.clear();
    };
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Sequence sequence = utf8Sequence(text.substr(at));
        const char32_t c = sequence.wellFormed ? codePointOf(text.substr(at, sequence.length)) : U'\uFFFD';
        if (!isCyrillic(c) && !isLatin(c)) {
            endWord(at);
            start = at + sequence.length;
        } else if (isCyrillic(c)) {
            cyrillic = true;
        } else if (latin.find(static_cast<char>(c)) == std::string::npos) {
            latin += static_cast<char>(c);
        }
        at += sequence.length;
    }
    endWord(text.size());
    return found;
}

// "a, C"
std::string listed(const std::string& letters)
{
    std::string text;
    for (const char c : letters)
        text += (text.empty() ? "" : ", ") + std::string(1, c);
    return text;
}

void checkLetters(std::string_view text, int line, Findings& findings)
{
    const std::vector<MixedWord> words = mixedWords(text);
    if (words.empty())
        return;
    const bool oneLetter = words.size() == 1 && words.front().latin.size() == 1;
    const std::string why = oneLetter ? ": на экране её не отличить от русской, но это другой знак"
                                      : ": на экране их не отличить от русских, но это другие знаки";
    const std::string unknown = ", и проверка правописания или поиск в другой программе такого слова не узнают. ";
    if (words.size() == 1) {
        const MixedWord& word = words.front();
        findings.atLine(Problem::MixedLetters, line,
                        (oneLetter ? "латинская буква " : "латинские буквы ") + listed(word.latin) +
                            " в русском слове " + inQuotes(word.word) + why + unknown +
                            "Перепечатайте слово русскими буквами.");
        return;
    }
    std::string named;
    for (const MixedWord& word : words)
        named += (named.empty() ? "" : ", ") + inQuotes(word.word) + " (" + listed(word.latin) + ")";
    findings.atLine(Problem::MixedLetters, line,
                    "латинские буквы в русских словах " + named + why + unknown +
                        "Перепечатайте эти слова русскими буквами.");
}

// How much of a text its control leaves unseen, told from the player's side.
void measure(const Fits& fits, std::string_view text, int answer, int line, Findings& findings)
{
    if (!fits || text.size() > kMaxLineBytes)
        return;
    const Captioned control = answer == 0 ? Captioned::Label1 : answerButton(answer);
    const int hidden = fits(text, control);
    if (hidden <= 0)
        return;
    const std::string unseen = counted(hidden, "знак", "знака", "знаков");
    if (answer == 0) {
        findings.atLine(Problem::TooLongToShow, line,
                        "вопрос " + inQuotes(text) + " не помещается в свою надпись: игрок не увидит его конец, " +
                            unseen + ": " + tailInQuotes(text, hidden) + ". Сократите вопрос.");
        return;
    }
    findings.atLine(Problem::TooLongToShow, line,
                    "ответ " + answerLetter(answer) + " " + inQuotes(text) +
                        " не помещается на свою кнопку: игрок не увидит " + unseen + " из " +
                        std::to_string(characterCount(text)) +
                        ", надпись обрежется сверху и снизу. Сократите ответ.");
}

void checkRecord(const Record& record, int first, const Fits& fits, Findings& findings)
{
    if (trimmed(record.question).empty())
        findings.atLine(Problem::EmptyText, first, "пустой вопрос: над ответами будет пустое место.");
    else
        measure(fits, record.question, 0, first, findings);
    checkLetters(record.question, first, findings);

    for (int answer = 1; answer <= 4; ++answer) {
        const int line = first + answer;
        const std::string& text = record.answers.at(static_cast<std::size_t>(answer - 1));
        if (trimmed(text).empty()) {
            findings.atLine(Problem::EmptyText, line,
                            "пустой ответ " + answerLetter(answer) + ": на кнопке будет только «" + answerLetter(answer) + ":».");
            continue;
        }
        for (int earlier = 1; earlier < answer; ++earlier) {
            if (trimmed(record.answers.at(static_cast<std::size_t>(earlier - 1))) == trimmed(text)) {
                const std::string same = "ответ " + answerLetter(answer) + " " + inQuotes(trimmed(text)) +
                                         " совпадает с ответом " + answerLetter(earlier);
                findings.atLine(Problem::EqualAnswers, line,
                                same + " (строка " + std::to_string(first + earlier) + ").", same + ".");
                break;
            }
        }
        measure(fits, text, answer, line, findings);
        checkLetters(text, line, findings);
    }

    // In the editor an empty sixth line is a correct answer nobody marked.
    if (std::optional<std::string> fault = answerLineFault(record.answerLine))
        findings.atLine(Problem::BadAnswerNumber, first + kLinesPerRecord - 1, std::move(*fault),
                        trimmed(record.answerLine).empty()
                            ? "правильный ответ не отмечен: на этот вопрос нельзя будет ответить, любой ответ "
                              "окажется неверным. Отметьте правильный ответ."
                            : std::string());
}

}  // namespace

void checkRecords(const BankFile& file, int judged, const Fits& fits, Findings& findings)
{
    for (int index = 0; index < judged; ++index)
        checkRecord(file.records.at(static_cast<std::size_t>(index)), kLinesPerRecord * index + 1, fits, findings);
}

}  // namespace kvardelon::check
