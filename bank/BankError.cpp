// Russian wording of the question bank's fatal errors.
#include "BankError.h"
#include "PathText.h"

#include <string>

namespace kvardelon {

namespace {

// "1 строка", "3 строки", "5 строк".
std::string linesWord(int count)
{
    const int lastTwo = count % 100;
    const int last = count % 10;
    if (lastTwo >= 11 && lastTwo <= 14)
        return "строк";
    if (last == 1)
        return "строка";
    if (last >= 2 && last <= 4)
        return "строки";
    return "строк";
}

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

std::string describe(const BankError::Details& d)
{
    const std::string name = pathToUtf8(d.file);
    const std::string fileOfStep =
        "Файл вопросов для ступени " + std::to_string(d.step) + " (" + name + ")";
    const std::string lineNo = std::to_string(d.line);

    switch (d.reason) {
    case BankError::Reason::MissingFolder:
        return "Не найдена папка с вопросами «" + pathToUtf8(d.file.parent_path()) +
               "»: без неё нет файла " + name + " для ступени " + std::to_string(d.step) +
               ". Запускайте игру из папки, в которой лежит папка вопросов.";
    case BankError::Reason::MissingFile:
        return "Не найден файл вопросов для ступени " + std::to_string(d.step) + ": " + name + ".";
    case BankError::Reason::NotRegularFile:
        return fileOfStep + " не является обычным файлом: это папка, устройство, канал "
                            "или ссылка в никуда.";
    case BankError::Reason::CannotOpen:
        return fileOfStep + " не удаётся открыть: нет прав на чтение.";
    case BankError::Reason::ReadFailed:
        return fileOfStep + " не удаётся прочитать после строки " + std::to_string(d.line) + ".";
    case BankError::Reason::TooShort: {
        const std::string where = d.line == 0
                                      ? " пуст"
                                      : " кончается на строке " + lineNo;
        return fileOfStep + where + ", а вопросу № " + std::to_string(d.record) +
               " нужно ещё " + std::to_string(d.missingLines) + " " +
               linesWord(d.missingLines) + ".";
    }
    case BankError::Reason::LineTooLong:
        return fileOfStep + ", строка " + lineNo + ": строка длиннее " +
               std::to_string(kMaxLineBytes) + " байт.";
    case BankError::Reason::AnswerOutOfRange:
        return fileOfStep + ", строка " + lineNo + ": номер правильного ответа «" + excerpt(d.text) +
               "» выходит за пределы от -32768 до 32767.";
    case BankError::Reason::FileTooLarge:
        return fileOfStep + " больше " + std::to_string(kMaxBankFileBytes / (1024 * 1024)) +
               " МБ: такой большой файл вопросов игра не читает.";
    }
    return fileOfStep + ": неизвестная ошибка.";
}

}  // namespace

BankError::BankError(Details details) : std::runtime_error(describe(details)), details_(std::move(details)) {}

}  // namespace kvardelon
