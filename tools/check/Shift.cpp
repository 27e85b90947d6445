// Finding the place where a file's lines stop lining up with its records, and telling it
// once: a blank line between two records, a fifth answer, an answer or a number left out.
#include "FileParts.h"

#include "AnswerLine.h"
#include "Wording.h"

#include <algorithm>
#include <array>

namespace kvardelon::check {

namespace {

// The line of a record's answer number (record from 0), where it belongs.
int answerLineOf(int record)
{
    return kLinesPerRecord * record + kLinesPerRecord;
}

bool answerAt(const FileLines& lines, int line)
{
    return line >= 1 && line <= lines.count() && looksLikeAnswerLine(lines.at(line));
}

// Whether the next two records after `record` (those the file still has) have their
// answer numbers `by` lines off their places, as a shift at `record` would put them.
bool followsSuit(const FileLines& lines, int record, int by)
{
    for (int next = record + 1; next <= record + 2 && answerLineOf(next) + by <= lines.count(); ++next) {
        if (!answerAt(lines, answerLineOf(next) + by))
            return false;
    }
    return true;
}

// How many lines moved, missing or extra: "на одну строку", "не хватает двух строк".
struct LineCountWords {
    const char* moved;
    const char* missing;
    const char* extra;
};

constexpr std::array<LineCountWords, 2> kLineCounts{{
    {"одну строку", "одной строки", "одна строка лишняя"},
    {"две строки", "двух строк", "две строки лишние"},
}};

const LineCountWords& words(int count)
{
    return kLineCounts.at(static_cast<std::size_t>(std::abs(count) - 1));
}

std::string consequence(int answerFound, int answerWanted, int by)
{
    return " Номер правильного ответа оказался на строке " + std::to_string(answerFound) + ", а должен стоять на " +
           std::to_string(answerWanted) + ", и все записи ниже сдвинулись на " + words(by).moved +
           (by > 0 ? " вниз" : " вверх") + ": игра покажет их вопросы, ответы и номера не на своих местах.";
}

Shift extraLines(const FileLines& lines, int record, int by)
{
    const int first = kLinesPerRecord * record + 1;
    const int answer = answerLineOf(record) + by;
    for (int line = first; line < answer; ++line) {
        if (!trimmed(lines.at(line)).empty())
            continue;
        int blanks = 1;
        while (blanks < by && trimmed(lines.at(line + blanks)).empty())
            ++blanks;
        const std::string which = blanks == 1 ? "пустая строка " + std::to_string(line) + " лишняя"
                                              : "пустые строки " + std::to_string(line) + "–" +
                                                    std::to_string(line + blanks - 1) + " лишние";
        return {record, by, line,
                which + ": записи идут подряд, без пустых строк между ними и внутри них." +
                    consequence(answer, answer - by, by) + (blanks == 1 ? " Удалите эту строку" : " Удалите их")};
    }
    // Which line is extra nobody can tell: the record is where the author should look.
    return {record, by, first,
            "в записи со строки " + std::to_string(first) + " между вопросом и номером правильного ответа " +
                counted(answer - first - 1, "строка", "строки", "строк") + " (строки " + std::to_string(first + 1) +
                "–" + std::to_string(answer - 1) + "), а ответов должно быть четыре: " + words(by).extra + "." +
                consequence(answer, answer - by, by) + " Удалите лишнее"};
}

Shift missingLines(int record, int by)
{
    const int first = kLinesPerRecord * record + 1;
    const int answer = answerLineOf(record) + by;
    return {record, by, answer,
            "в записи со строки " + std::to_string(first) + " после вопроса только " +
                counted(answer - first - 1, "ответ", "ответа", "ответов") + ": не хватает " + words(by).missing + "." +
                consequence(answer, answer - by, by) +
                (by == -1 ? " Допишите недостающий ответ" : " Допишите недостающие ответы")};
}

Shift missingAnswerLine(const FileLines& lines, int record)
{
    const int first = kLinesPerRecord * record + 1;
    const int wanted = answerLineOf(record);
    return {record, -1, wanted,
            "в записи со строки " + std::to_string(first) + " нет номера правильного ответа: на строке " +
                std::to_string(wanted) + ", где он должен стоять, уже следующий вопрос " + inQuotes(lines.at(wanted)) +
                ", и все записи ниже сдвинулись на строку вверх: игра покажет их вопросы, ответы и номера не на "
                "своих местах. Вставьте после строки " +
                std::to_string(wanted - 1) + " номер правильного ответа, цифру от 1 до 4"};
}

// The shift mended, the end of the message says whether every record below falls into place.
Shift told(Shift shift, const FileLines& lines)
{
    bool mended = true;
    for (int next = shift.record + 1; mended && answerLineOf(next) + shift.lines <= lines.count(); ++next)
        mended = answerAt(lines, answerLineOf(next) + shift.lines);
    shift.message +=
        mended ? " — и всё ниже встанет на свои места." : ", а потом проверьте файл снова: ниже есть ещё сдвиги.";
    return shift;
}

Shift shiftBy(const FileLines& lines, int record, int by)
{
    return told(by > 0 ? extraLines(lines, record, by) : missingLines(record, by), lines);
}

// The shift at a record whose answer line is out of place, if the lines below bear it out:
// first one the next records agree with, the smallest first; then lines added before the
// record's own number alone (a blank line between every two records moves each record one
// further). Lines missing need the next records' word: an answer may well be a digit.
std::optional<Shift> shiftAt(const FileLines& lines, int record)
{
    constexpr std::array kOffsets{1, -1, 2, -2};
    for (const int by : kOffsets) {
        if (answerAt(lines, answerLineOf(record) + by) && followsSuit(lines, record, by))
            return shiftBy(lines, record, by);
    }
    // The number itself left out: the next question stands in its place.
    if (answerAt(lines, answerLineOf(record + 1) - 1) && followsSuit(lines, record + 1, -1))
        return told(missingAnswerLine(lines, record), lines);
    for (const int by : {1, 2}) {
        if (answerAt(lines, answerLineOf(record) + by))
            return shiftBy(lines, record, by);
    }
    return std::nullopt;
}

}  // namespace

int FileLines::count() const
{
    return static_cast<int>(file_.records.size() * kLinesPerRecord + file_.rest.size());
}

std::string_view FileLines::at(int line) const
{
    if (line < 1 || line > count())
        return {};
    const auto index = static_cast<std::size_t>(line - 1);
    const std::size_t recordLines = file_.records.size() * kLinesPerRecord;
    if (index >= recordLines)
        return file_.rest[index - recordLines];
    const Record& record = file_.records[index / kLinesPerRecord];
    switch (index % kLinesPerRecord) {
    case 0:
        return record.question;
    case 5:
        return record.answerLine;
    default:
        return record.answers[index % kLinesPerRecord - 1];
    }
}

std::optional<Shift> findShift(const BankFile& file)
{
    const FileLines lines(file);
    for (int record = 0; record < kRecordsDrawnFrom && kLinesPerRecord * record < lines.count(); ++record) {
        if (answerAt(lines, answerLineOf(record)))
            continue;
        if (std::optional<Shift> shift = shiftAt(lines, record))
            return shift;
    }
    return std::nullopt;
}

int judgedRecords(const BankFile& file, const std::optional<Shift>& shift)
{
    const int whole = std::min(static_cast<int>(file.records.size()), kRecordsDrawnFrom);
    return shift ? std::min(whole, shift->record) : whole;
}

}  // namespace kvardelon::check
