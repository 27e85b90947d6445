// The checks of one bank file on its text in memory.
#include "FileParts.h"

#include "RepeatedInTurn.h"
#include "Wording.h"

#include <algorithm>

namespace kvardelon::check {

namespace {

constexpr int kLinesShown = kLinesPerRecord * kRecordsDrawnFrom;

// Fewer than ten records, or text after the tenth; neither is told where a shift already
// explains it (a line lost from the tenth record, a blank line that pushes one out).
void checkRecordCount(const BankFile& file, const std::optional<Shift>& shift, Findings& findings)
{
    const FileLines lines(file);
    const int count = lines.count();
    const int meant = count - (shift ? shift->lines : 0);
    const int complete = static_cast<int>(file.records.size());
    if (complete < kRecordsDrawnFrom && !(shift && meant >= kLinesShown)) {
        const std::string what = count == 0 ? "файл пуст"
                                            : "в файле " + counted(count, "строка", "строки", "строк") + ", это " +
                                                  counted(complete, "полная запись", "полные записи", "полных записей");
        const std::string plainWhat = complete == 0 ? "на ступени нет ни одного полного вопроса"
                                                    : "на ступени " + counted(complete, "вопрос", "вопроса", "вопросов");
        findings.forFile(Problem::TooFewRecords, count,
                         what + ", а нужно не меньше десяти записей по шесть строк: игра остановится с ошибкой, когда "
                                "выпадет запись № " +
                             std::to_string(complete + 1) + ".",
                         plainWhat + ", а нужно не меньше десяти: игра остановится с ошибкой, когда выпадет вопрос № " +
                             std::to_string(complete + 1) + ".");
    }
    // Lines added push the records below further down, past the tenth.
    if (shift && (shift->lines > 0 || meant <= kLinesShown))
        return;
    // Blank lines at the end of a file are no records, nor the step's own questions repeated
    // in turn past the tenth.
    const int lastRepeated = repeatedTurn(file.records) > 0 ? complete * kLinesPerRecord : 0;
    for (int line = std::max(kLinesShown, lastRepeated) + 1; line <= count; ++line) {
        if (!trimmed(lines.at(line)).empty()) {
            findings.forFile(Problem::RecordsAfterTenth, line,
                             "после десятой записи есть ещё текст: игра берёт вопросы только из первых десяти "
                             "записей файла, остальное она никогда не покажет.",
                             "после десятого вопроса есть ещё текст: игра берёт только первые десять вопросов "
                             "ступени, остальное она никогда не покажет.");
            return;
        }
    }
}

}  // namespace

bool isUtf16(std::string_view bytes)
{
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return true;
    const std::size_t looked = std::min<std::size_t>(bytes.size() / 2, 64) * 2;
    if (looked < 8)
        return false;
    // The high byte of a Latin letter, a digit or a line end is 0, of a Russian letter 4.
    const auto highByteEvery = [&](std::size_t first) {
        for (std::size_t at = first; at < looked; at += 2)
            if (bytes[at] != '\0' && bytes[at] != '\x04')
                return false;
        return true;
    };
    return highByteEvery(0) != highByteEvery(1);
}

const char* const kUtf16Advice =
    "файл сохранён в кодировке UTF-16 (по два байта на букву), а игра читает только windows-1251 и UTF-8 и "
    "увидит вместо вопросов непонятные знаки. Откройте файл в текстовом редакторе и сохраните его заново в "
    "кодировке windows-1251 (её называют также «ANSI» или «кириллица Windows») или UTF-8.";
const char* const kUtf16Plain =
    "файл этой ступени записан в другой кодировке, и игра увидит вместо вопросов непонятные знаки. Откройте его "
    "в той программе, в которой он набран, и сохраните заново как обычный текст.";

void Findings::atLine(Problem problem, int line, std::string message, std::string plain)
{
    const int record = line >= 1 ? (line - 1) / kLinesPerRecord + 1 : 0;
    const bool inARecord = record >= 1 && record <= static_cast<int>(file_.records.size());
    const auto field = static_cast<Field>((line - 1) % kLinesPerRecord + 1);
    list.push_back({problem, name_, step_, inARecord ? record : 0, inARecord ? field : Field::None, line,
                    std::move(message), std::move(plain)});
}

void Findings::forFile(Problem problem, int line, std::string message, std::string plain)
{
    list.push_back({problem, name_, step_, 0, Field::None, line, std::move(message), std::move(plain)});
}

std::vector<Finding> checkFile(const BankFile& file, int step, const std::filesystem::path& name, const Fits& fits)
{
    Findings findings(file, step, name);
    if (isUtf16(file.original)) {
        // Every other finding would only be about the zero bytes.
        findings.forFile(Problem::Utf16File, 0, kUtf16Advice, kUtf16Plain);
        return std::move(findings.list);
    }
    const std::optional<Shift> shift = findShift(file);
    if (shift) {
        const std::string question = "в вопросе № " + std::to_string(shift->record + 1);
        findings.atLine(Problem::ShiftedLines, shift->line, shift->message,
                        question + (shift->lines > 0 ? " лишний текст между вопросом и номером правильного ответа"
                                                     : " не хватает ответа или номера правильного ответа") +
                            ", и все вопросы ниже сдвинулись: игра покажет их вопросы, ответы и номера не на своих "
                            "местах.");
    }
    // The step's own questions repeated in turn are judged once, not at each copy.
    const int turn = repeatedTurn(file.records);
    checkRecords(file, turn > 0 ? turn : judgedRecords(file, shift), fits, findings);
    const int shownLines = turn > 0 ? turn * kLinesPerRecord : kLinesShown + (shift ? std::max(shift->lines, 0) : 0);
    checkCharacters(file, std::min(shownLines, FileLines(file).count()), findings);
    checkRecordCount(file, shift, findings);
    if (turn == 1)
        findings.forFile(Problem::RepeatedInTurn, 0,
                         "все записи — один и тот же вопрос, повторённый до десяти записей: " + drawShare(turn) + ".");
    else if (turn > 1)
        findings.forFile(Problem::RepeatedInTurn, 0,
                         "записи — это " + counted(turn, "вопрос", "вопроса", "вопросов") +
                             ", повторённые по кругу до десяти записей: " + drawShare(turn) + ".");
    std::stable_sort(findings.list.begin(), findings.list.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
    return std::move(findings.list);
}

}  // namespace kvardelon::check
