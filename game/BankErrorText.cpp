// The Russian wording of the question bank's fatal errors, technical and plain.
#include "BankErrorText.h"

#include "BankText.h"
#include "CountedWords.h"
#include "PathText.h"

#include <algorithm>
#include <array>
#include <string>

namespace kvardelon {

namespace {

using Reason = BankError::Reason;

// At most about forty bytes of a line, cut between UTF-8 characters.
std::string excerpt(const std::string& text)
{
    constexpr std::size_t kLimit = 40;
    if (text.size() <= kLimit)
        return text;
    std::size_t cut = kLimit;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return text.substr(0, cut) + "…";
}

std::string forStep(int step)
{
    return step > 0 ? " для ступени " + std::to_string(step) : std::string();
}

// What a record cut short lacks, from its end: the number of the correct answer always,
// before it the answers missing. "ответов C, D и номера правильного ответа". A record has
// its question whenever it has a line at all.
std::string missingParts(int missing)
{
    static constexpr std::array<const char*, 4> kLetters{"A", "B", "C", "D"};
    const int answers = std::min(std::max(missing - 1, 0), 4);
    std::string letters;
    for (int answer = 4 - answers; answer < 4; ++answer)
        letters += (letters.empty() ? "" : ", ") + std::string(kLetters.at(static_cast<std::size_t>(answer)));
    const std::string number = "номера правильного ответа";
    if (answers == 0)
        return number;
    return (answers == 1 ? "ответа " : "ответов ") + letters + " и " + number;
}

}  // namespace

std::string bankErrorText(const BankError::Details& d)
{
    const std::string name = pathToUtf8(d.file);
    const std::string fileOfStep = "Файл вопросов" + forStep(d.step) + " (" + name + ")";
    const std::string lineNo = std::to_string(d.line);

    switch (d.reason) {
    case Reason::MissingFolder:
        return "Не найдена папка с вопросами «" + pathToUtf8(d.file.parent_path()) + "»: без неё нет файла " + name +
               forStep(d.step) + ". Запускайте игру из папки, в которой лежит папка вопросов.";
    case Reason::MissingFile:
        return "Не найден файл вопросов" + forStep(d.step) + ": " + name + ".";
    case Reason::NotRegularFile:
        return fileOfStep + " не является обычным файлом: это папка, устройство, канал или ссылка в никуда.";
    case Reason::CannotOpen:
        return fileOfStep + " не удаётся открыть: нет прав на чтение.";
    case Reason::ReadFailed:
        return fileOfStep + " не удаётся прочитать после строки " + lineNo + ".";
    case Reason::TooShort: {
        const std::string where = d.line == 0 ? " пуст" : " кончается на строке " + lineNo;
        return fileOfStep + where + ", а вопросу № " + std::to_string(d.record) + " нужно ещё " +
               counted(d.missingLines, "строка", "строки", "строк") + ".";
    }
    case Reason::LineTooLong:
        return fileOfStep + ", строка " + lineNo + ": строка длиннее " + std::to_string(kMaxLineBytes) + " байт.";
    case Reason::AnswerOutOfRange:
        return fileOfStep + ", строка " + lineNo + ": номер правильного ответа «" + excerpt(d.text) +
               "» выходит за пределы от -32768 до 32767.";
    case Reason::FileTooLarge:
        return fileOfStep + " больше " + std::to_string(kMaxBankFileBytes / (1024 * 1024)) +
               " МБ: такой большой файл вопросов игра не читает.";
    }
    return fileOfStep + ": неизвестная ошибка.";
}

std::string bankErrorInPlainWords(const BankError::Details& d)
{
    const std::string inQuestion = "в вопросе № " + std::to_string(d.line > 0 ? (d.line - 1) / kLinesPerRecord + 1 : 1);
    switch (d.reason) {
    case Reason::MissingFolder:
        return "папки банка больше нет на диске: её удалили, переименовали или отключили диск.";
    case Reason::MissingFile:
        return "вопросов этой ступени нет в папке банка.";
    case Reason::NotRegularFile:
        return "на месте вопросов этой ступени в папке банка лежит не файл, а папка, устройство или ссылка в "
               "никуда: игра не сможет их прочесть.";
    case Reason::CannotOpen:
        return "вопросы этой ступени не удаётся открыть: нет прав на чтение.";
    case Reason::ReadFailed:
        return "вопросы этой ступени не удалось дочитать: диск сообщил об ошибке.";
    case Reason::TooShort:
        return d.line == 0 ? "на этой ступени нет ни одного вопроса."
                           : "у вопроса № " + std::to_string(d.record) + " нет " + missingParts(d.missingLines) + ".";
    case Reason::LineTooLong:
        return "текст " + inQuestion + " длиннее, чем игра может прочесть.";
    case Reason::AnswerOutOfRange:
        return "номер правильного ответа «" + excerpt(d.text) + "» " + inQuestion +
               " слишком велик: игра не сможет его прочесть.";
    case Reason::FileTooLarge:
        return "вопросы этой ступени занимают больше " + std::to_string(kMaxBankFileBytes / (1024 * 1024)) +
               " МБ: такой большой файл игра не читает.";
    }
    return "вопросы этой ступени не удаётся прочитать.";
}

}  // namespace kvardelon
