// Judging each shown record as the game will use it: its question, its four answers and
// the number of the correct one.
#include "FileParts.h"

#include "AnswerLine.h"
#include "BankError.h"
#include "Wording.h"

namespace kvardelon::check {

namespace {

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
                    "ответ " + letter(answer) + " " + inQuotes(text) +
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

    for (int answer = 1; answer <= 4; ++answer) {
        const int line = first + answer;
        const std::string& text = record.answers.at(static_cast<std::size_t>(answer - 1));
        if (trimmed(text).empty()) {
            findings.atLine(Problem::EmptyText, line,
                            "пустой ответ " + letter(answer) + ": на кнопке будет только «" + letter(answer) + ":».");
            continue;
        }
        for (int earlier = 1; earlier < answer; ++earlier) {
            if (trimmed(record.answers.at(static_cast<std::size_t>(earlier - 1))) == trimmed(text)) {
                findings.atLine(Problem::EqualAnswers, line,
                                "ответ " + letter(answer) + " " + inQuotes(trimmed(text)) + " совпадает с ответом " +
                                    letter(earlier) + " (строка " + std::to_string(first + earlier) + ").");
                break;
            }
        }
        measure(fits, text, answer, line, findings);
    }

    if (std::optional<std::string> fault = answerLineFault(record.answerLine))
        findings.atLine(Problem::BadAnswerNumber, first + kLinesPerRecord - 1, std::move(*fault));
}

}  // namespace

void checkRecords(const BankFile& file, int judged, const Fits& fits, Findings& findings)
{
    for (int index = 0; index < judged; ++index)
        checkRecord(file.records.at(static_cast<std::size_t>(index)), kLinesPerRecord * index + 1, fits, findings);
}

}  // namespace kvardelon::check
