// Checking a question bank: each file read by the game's own reader, each record judged
// as the game will use it, and the bytes of each file judged for their encoding.
#include "BankCheck.h"

#include "BankError.h"
#include "BankFiles.h"
#include "BankText.h"
#include "Cp1251.h"
#include "Ladder.h"
#include "QuestionBank.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>

namespace kvardelon::check {

namespace fs = std::filesystem;

namespace {

// Only the first ten records ever reach the screen.
constexpr int kLinesShown = kLinesPerRecord * kRecordsDrawnFrom;

std::string_view trimmed(std::string_view text)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The text in «quotes», cut after thirty characters.
std::string inQuotes(std::string_view text)
{
    constexpr int kLimit = 30;
    int characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsACharacter = (static_cast<std::uint8_t>(text[i]) & 0xC0) != 0x80;
        if (startsACharacter && characters++ == kLimit)
            return "«" + std::string(text.substr(0, i)) + "…»";
    }
    return "«" + std::string(text) + "»";
}

std::string place(const fs::path& file, int line)
{
    return file.string() + ":" + std::to_string(line);
}

std::string hexByte(std::uint8_t byte)
{
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "0x%02X", static_cast<unsigned>(byte));
    return text.data();
}

// "1 запись", "3 записи", "5 записей".
std::string counted(int count, const char* one, const char* few, const char* many)
{
    const int lastTwo = count % 100;
    const int last = count % 10;
    const char* word = many;
    if (last == 1 && lastTwo != 11)
        word = one;
    else if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14))
        word = few;
    return std::to_string(count) + " " + word;
}

// " (и ещё в 2 строках)" after the first line a problem was seen on.
std::string alsoIn(int lines)
{
    if (lines <= 1)
        return "";
    return " (и ещё в " + counted(lines - 1, "строке", "строках", "строках") + ")";
}

std::string letter(int answer)
{
    return std::string(1, static_cast<char>('A' + answer - 1));
}

// What the bytes of a file's shown lines say about its encoding, gathered line by line.
class EncodingScan {
public:
    explicit EncodingScan(bool utf8) : utf8_(utf8) {}

    // raw: the line's bytes in the file; shown: the same line as the game shows it.
    void add(std::string_view raw, std::string_view shown, int line);

    void report(const fs::path& file, std::vector<Finding>& findings) const;

private:
    // The first line a problem was seen on and how many lines have it.
    struct Seen {
        int firstLine = 0;
        int lines = 0;

        void at(int line)
        {
            if (lines++ == 0)
                firstLine = line;
        }
    };

    bool utf8_;
    Seen unusedByte_;
    Seen controlCharacter_;
    Seen illFormed_;
    Seen multiByte_;
    std::uint8_t firstControl_ = 0;
    int wellFormedSequences_ = 0;
    int strayBytes_ = 0;
    std::string shownSample_;  // the first line with UTF-8 in it, as the game shows it
    std::string meantSample_;  // the same line read as UTF-8
};

void EncodingScan::add(std::string_view raw, std::string_view shown, int line)
{
    bool control = false;
    bool illFormed = false;
    bool multiByte = false;
    for (std::size_t i = 0; i < raw.size();) {
        const auto byte = static_cast<std::uint8_t>(raw[i]);
        if (byte < 0x80) {
            // A tab is a blank to the game; every other control character is not text.
            if ((byte < 0x20 && byte != '\t') || byte == 0x7F) {
                if (!control && controlCharacter_.lines == 0)
                    firstControl_ = byte;
                control = true;
            }
            ++i;
            continue;
        }
        const Utf8Sequence sequence = utf8Sequence(raw.substr(i));
        if (sequence.wellFormed) {
            ++wellFormedSequences_;
            multiByte = true;
            // U+0080..U+009F, the control characters of the upper half.
            if (utf8_ && byte == 0xC2 && static_cast<std::uint8_t>(raw[i + 1]) < 0xA0) {
                if (!control && controlCharacter_.lines == 0)
                    firstControl_ = static_cast<std::uint8_t>(raw[i + 1]);
                control = true;
            }
        } else {
            ++strayBytes_;
            illFormed = true;
        }
        i += sequence.length;
    }

    if (control)
        controlCharacter_.at(line);
    if (utf8_) {
        if (illFormed)
            illFormed_.at(line);
        return;
    }
    if (raw.find('\x98') != std::string_view::npos)
        unusedByte_.at(line);
    if (multiByte) {
        if (multiByte_.lines == 0) {
            shownSample_ = shown;
            meantSample_ = raw;
            replaceIllFormedUtf8(meantSample_);
        }
        multiByte_.at(line);
    }
}

void EncodingScan::report(const fs::path& file, std::vector<Finding>& findings) const
{
    if (controlCharacter_.lines > 0) {
        findings.push_back({Problem::ControlCharacter, file, controlCharacter_.firstLine,
                            "управляющий знак " + hexByte(firstControl_) +
                                " в тексте: это не буква, на экране его не видно или он выглядит квадратиком" +
                                alsoIn(controlCharacter_.lines) + "."});
    }
    if (utf8_) {
        if (illFormed_.lines > 0) {
            findings.push_back({Problem::IllFormedUtf8, file, illFormed_.firstLine,
                                "файл начинается с метки UTF-8 (BOM), но здесь есть байты, которые не "
                                "складываются в буквы UTF-8: игра покажет вместо них «\xEF\xBF\xBD»" +
                                    alsoIn(illFormed_.lines) +
                                    ". Проверьте, в какой кодировке сохранён файл."});
        }
        return;
    }

    // Russian in windows-1251 almost never forms UTF-8: two letters in a row do not.
    // A file whose bytes above 0x7F nearly all form UTF-8 characters was saved as UTF-8.
    const bool looksLikeUtf8 = wellFormedSequences_ > 0 && wellFormedSequences_ >= 9 * strayBytes_;
    if (looksLikeUtf8) {
        findings.push_back({Problem::LooksLikeUtf8, file, multiByte_.firstLine,
                            "файл похож на UTF-8 без метки порядка байтов (BOM): игра прочтёт его как "
                            "windows-1251 и покажет " +
                                inQuotes(shownSample_) + " вместо " + inQuotes(meantSample_) +
                                ". Сохраните файл в UTF-8 с BOM или переведите его в windows-1251: "
                                "iconv -f UTF-8 -t CP1251"});
    } else if (unusedByte_.lines > 0) {
        // In a file saved as UTF-8 the byte is part of a letter ("И" is D0 98): said above.
        findings.push_back({Problem::UnusedByte, file, unusedByte_.firstLine,
                            "байт 0x98 не означает в windows-1251 никакого знака: игра покажет вместо "
                            "него «\xEF\xBF\xBD»" +
                                alsoIn(unusedByte_.lines) + "."});
    }
}

struct Line {
    std::string text;
    int number = 0;
};

using Record = std::array<Line, kLinesPerRecord>;

// Where a question was first seen, to name it when it comes again.
struct Place {
    fs::path file;
    int line = 0;
};

class BankChecker {
public:
    explicit BankChecker(const Fits& fits) : fits_(fits) {}

    // False when the bank's folder itself is missing: no other file need be tried then.
    bool checkFile(const fs::path& file, int step);

    std::vector<Finding> findings;

private:
    void checkRecord(const fs::path& file, const Record& record, std::vector<Finding>& found);
    void checkAnswerNumber(const fs::path& file, const Line& line, std::vector<Finding>& found) const;

    const Fits& fits_;
    std::map<std::string, Place, std::less<>> questions_;
};

bool BankChecker::checkFile(const fs::path& file, int step)
{
    std::string bytes;
    try {
        bytes = readBankFileBytes(file, step);
    } catch (const BankError& error) {
        findings.push_back({Problem::CannotOpen, file, 0, error.what()});
        return error.reason() != BankError::Reason::MissingFolder;
    }
    LineReader reader(bytes, file, step);

    std::vector<Finding> found;
    EncodingScan encoding(reader.encoding() != Encoding::Cp1251);
    Record record;
    std::string text;
    int lastLine = 0;
    int firstLineAfterTenth = 0;
    bool readToEnd = true;
    try {
        while (reader.nextLine(text)) {
            const int number = reader.lineNumber();
            lastLine = number;
            if (number > kLinesShown) {
                // Blank lines at the end of a file are no records.
                if (firstLineAfterTenth == 0 && !trimmed(text).empty())
                    firstLineAfterTenth = number;
                continue;
            }
            encoding.add(reader.rawLine(), text, number);
            record.at(static_cast<std::size_t>((number - 1) % kLinesPerRecord)) = {text, number};
            if (number % kLinesPerRecord == 0)
                checkRecord(file, record, found);
        }
    } catch (const BankError& error) {
        readToEnd = false;
        if (error.line() > kLinesShown) {
            // The game never reads that far; only the text's being there matters.
            if (firstLineAfterTenth == 0)
                firstLineAfterTenth = error.line();
        } else if (error.reason() == BankError::Reason::LineTooLong) {
            found.push_back({Problem::LineTooLong, file, error.line(),
                             "строка длиннее " + std::to_string(kMaxLineBytes) +
                                 " байт: игра остановится с ошибкой, как только дойдёт до неё."});
        } else {
            found.push_back({Problem::CannotOpen, file, error.line(), error.what()});
        }
    }

    encoding.report(file, found);
    if (readToEnd && lastLine < kLinesShown) {
        const int complete = lastLine / kLinesPerRecord;
        const std::string what =
            lastLine == 0 ? "файл пуст"
                          : "в файле " + counted(lastLine, "строка", "строки", "строк") + ", это " +
                                counted(complete, "полная запись", "полные записи", "полных записей");
        found.push_back({Problem::TooFewRecords, file, lastLine,
                         what + ", а нужно не меньше десяти записей по шесть строк: игра остановится с "
                                "ошибкой, когда выпадет запись № " +
                             std::to_string(complete + 1) + "."});
    }
    if (firstLineAfterTenth > 0) {
        found.push_back({Problem::RecordsAfterTenth, file, firstLineAfterTenth,
                         "после десятой записи есть ещё текст: игра берёт вопросы только из первых десяти "
                         "записей файла, остальное она никогда не покажет."});
    }

    std::stable_sort(found.begin(), found.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
    findings.insert(findings.end(), found.begin(), found.end());
    return true;
}

void BankChecker::checkRecord(const fs::path& file, const Record& record, std::vector<Finding>& found)
{
    const Line& question = record[0];
    const std::string_view questionText = trimmed(question.text);
    if (questionText.empty()) {
        found.push_back({Problem::EmptyText, file, question.number,
                         "пустой вопрос: над ответами будет пустое место."});
    } else {
        const auto [first, isNew] = questions_.try_emplace(std::string(questionText), Place{file, question.number});
        if (!isNew) {
            found.push_back({Problem::RepeatedQuestion, file, question.number,
                             "вопрос " + inQuotes(questionText) + " уже есть: " +
                                 place(first->second.file, first->second.line) + "."});
        }
        if (fits_ && !fits_(question.text, Captioned::Label1)) {
            found.push_back({Problem::TooLongToShow, file, question.number,
                             "вопрос " + inQuotes(question.text) + " не помещается в свою надпись."});
        }
    }

    for (int answer = 1; answer <= 4; ++answer) {
        const Line& line = record.at(static_cast<std::size_t>(answer));
        const std::string_view text = trimmed(line.text);
        if (text.empty()) {
            found.push_back({Problem::EmptyText, file, line.number,
                             "пустой ответ " + letter(answer) + ": на кнопке будет только «" + letter(answer) +
                                 ":»."});
            continue;
        }
        for (int earlier = 1; earlier < answer; ++earlier) {
            const Line& other = record.at(static_cast<std::size_t>(earlier));
            if (trimmed(other.text) == text) {
                found.push_back({Problem::EqualAnswers, file, line.number,
                                 "ответ " + letter(answer) + " " + inQuotes(text) + " совпадает с ответом " +
                                     letter(earlier) + " (строка " + std::to_string(other.number) + ")."});
                break;
            }
        }
        if (fits_ && !fits_(line.text, answerButton(answer))) {
            found.push_back({Problem::TooLongToShow, file, line.number,
                             "ответ " + letter(answer) + " " + inQuotes(line.text) +
                                 " не помещается на свою кнопку."});
        }
    }

    checkAnswerNumber(file, record[5], found);
}

void BankChecker::checkAnswerNumber(const fs::path& file, const Line& line, std::vector<Finding>& found) const
{
    const std::string_view text = trimmed(line.text);
    if (text.size() == 1 && text[0] >= '1' && text[0] <= '4')
        return;

    const std::string what = text.empty() ? "строка номера правильного ответа пуста"
                                          : "номер правильного ответа " + inQuotes(line.text) +
                                                " — не целое число от 1 до 4";
    const std::optional<std::int16_t> number = answerNumber(line.text);
    std::string consequence;
    if (!number) {
        consequence = ": игра не сможет прочесть такое число (оно вне пределов от -32768 до 32767) и "
                      "остановится с ошибкой, когда выпадет этот вопрос.";
    } else if (*number >= 1 && *number <= 4) {
        consequence = ": игра прочтёт его как " + std::to_string(*number) + " (ответ " + letter(*number) +
                      "); напишите одну цифру, от 1 до 4.";
    } else {
        consequence = ": игра прочтёт " + std::string(text.empty() ? "её" : "его") + " как " +
                      std::to_string(*number) +
                      ", и на этот вопрос нельзя будет ответить: любой ответ окажется неверным.";
    }
    found.push_back({Problem::BadAnswerNumber, file, line.number, what + consequence});
}

}  // namespace

Severity severity(Problem problem)
{
    switch (problem) {
    case Problem::CannotOpen:
    case Problem::TooFewRecords:
    case Problem::BadAnswerNumber:
    case Problem::EmptyText:
    case Problem::LineTooLong:
        return Severity::Error;
    case Problem::UnusedByte:
    case Problem::ControlCharacter:
    case Problem::LooksLikeUtf8:
    case Problem::IllFormedUtf8:
    case Problem::EqualAnswers:
    case Problem::RepeatedQuestion:
    case Problem::RecordsAfterTenth:
    case Problem::TooLongToShow:
        return Severity::Warning;
    }
    return Severity::Error;
}

std::vector<Finding> checkBank(const fs::path& folder, const Fits& fits)
{
    const QuestionBank bank(folder);
    BankChecker checker(fits);
    for (int step = 1; step <= kTopStep; ++step) {
        if (!checker.checkFile(bank.fileName(step), step))
            break;
    }
    return std::move(checker.findings);
}

std::string formatFinding(const Finding& finding)
{
    std::string text = finding.file.string();
    if (finding.line > 0)
        text += ":" + std::to_string(finding.line);
    text += severity(finding.problem) == Severity::Error ? ": ошибка: " : ": предупреждение: ";
    return text + finding.message;
}

int countOf(const std::vector<Finding>& findings, Severity wanted)
{
    return static_cast<int>(std::count_if(findings.begin(), findings.end(),
                                          [wanted](const Finding& f) { return severity(f.problem) == wanted; }));
}

std::string summary(const std::vector<Finding>& findings)
{
    return "Ошибок: " + std::to_string(countOf(findings, Severity::Error)) +
           ", предупреждений: " + std::to_string(countOf(findings, Severity::Warning)) + ".";
}

}  // namespace kvardelon::check
