// Judging the characters of a file's shown lines: what its encoding makes of them, control
// characters, and lines too long for the game's reader.
#include "FileParts.h"

#include "BankError.h"
#include "Cp1251.h"
#include "Wording.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>

namespace kvardelon::check {

namespace {

// The first line a problem was seen on, and how many lines have it.
struct Seen {
    int firstLine = 0;
    int lines = 0;

    void at(int line)
    {
        if (lines++ == 0)
            firstLine = line;
    }

    // " (и ещё в 2 строках)"
    std::string alsoIn() const
    {
        return lines <= 1 ? "" : " (и ещё в " + counted(lines - 1, "строке", "строках", "строках") + ")";
    }

    // " (и ещё в 2 текстах этой ступени)": a line is a question or an answer to an author.
    std::string alsoInPlainWords() const
    {
        return lines <= 1 ? "" : " (и ещё в " + counted(lines - 1, "тексте", "текстах", "текстах") + " этой ступени)";
    }
};

std::string hexCode(unsigned code)
{
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "0x%02X", code);
    return text.data();
}

// The first control character of a line (a tab is a blank to the game), or -1. The
// C1 controls U+0080..U+009F come only from a UTF-8 file: windows-1251 has letters there.
int controlCharacter(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<std::uint8_t>(text[i]);
        if ((byte < 0x20 && byte != '\t') || byte == 0x7F)
            return byte;
        if (byte == 0xC2 && i + 1 < text.size() && static_cast<std::uint8_t>(text[i + 1]) < 0xA0)
            return static_cast<std::uint8_t>(text[i + 1]);
    }
    return -1;
}

// Whether a line read as windows-1251 may be UTF-8 in disguise. A UTF-8 character begins
// with a byte C2..F4, the letters В..ф, and goes on with bytes 80..BF, every character of
// windows-1251 beyond ASCII but the letters А..я. A line with no such pair is passed over.
bool mayHideUtf8(std::string_view text)
{
    const auto isLetter = [](char32_t c) { return c >= U'А' && c <= U'я'; };
    bool afterLead = false;
    while (!text.empty()) {
        // The text is well-formed UTF-8, so its lead byte alone gives the length.
        const auto lead = static_cast<std::uint8_t>(text[0]);
        const std::size_t length =
            std::min<std::size_t>(lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4, text.size());
        const char32_t character = codePointOf(text.substr(0, length));
        if (afterLead && character >= 0x80 && !isLetter(character))
            return true;
        afterLead = character >= U'В' && character <= U'ф';
        text.remove_prefix(length);
    }
    return false;
}

// The line's bytes in a windows-1251 file; U+FFFD stands for 0x98, the byte it came from.
std::string cp1251Bytes(std::string_view text)
{
    std::string bytes;
    for (std::size_t at; (at = text.find(kReplacementCharacter)) != std::string_view::npos;) {
        bytes += encodeCp1251(text.substr(0, at)).bytes + '\x98';
        text.remove_prefix(at + kReplacementCharacter.size());
    }
    return bytes + encodeCp1251(text).bytes;
}

// What the bytes of a windows-1251 line say: UTF-8 characters, and bytes that form none.
struct Utf8Count {
    int characters = 0;
    int strayBytes = 0;
};

Utf8Count countUtf8(std::string_view bytes)
{
    Utf8Count count;
    for (std::size_t i = 0; i < bytes.size();) {
        if (static_cast<std::uint8_t>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        const Utf8Sequence sequence = utf8Sequence(bytes.substr(i));
        (sequence.wellFormed ? count.characters : count.strayBytes) += 1;
        i += sequence.length;
    }
    return count;
}

// Lines in UTF-8 in a windows-1251 file: the file is read so because some other line is
// not UTF-8, and every UTF-8 line shows garbled.
class MixedEncoding {
public:
    void add(int line, std::string_view text)
    {
        if (!mayHideUtf8(text))
            return;
        const std::string bytes = cp1251Bytes(text);
        const Utf8Count count = countUtf8(bytes);
        if (count.characters == 0 || count.strayBytes > 0)
            return;
        if (utf8_.lines == 0) {
            shown_ = text;
            meant_ = bytes;
        }
        utf8_.at(line);
    }

    bool found() const { return utf8_.lines > 0; }

    void report(const FileLines& lines, Findings& findings) const
    {
        if (utf8_.lines == 0)
            return;
        int strayLine = 0;
        for (int line = 1; line <= lines.count() && strayLine == 0; ++line) {
            const std::string_view text = lines.at(line);
            // A letter А..я alone is a byte that begins no UTF-8 character.
            const bool stray = mayHideUtf8(text) ? countUtf8(cp1251Bytes(text)).strayBytes > 0
                                                 : std::any_of(text.begin(), text.end(), [](char c) { return c < 0; });
            strayLine = stray ? line : 0;
        }
        const std::string stray = std::to_string(strayLine);
        const std::string because =
            strayLine == 0 ? "" : " (в строке " + stray + " есть байты не из UTF-8, наверное, она в windows-1251)";
        const std::string fix = strayLine == 0 ? ""
                                               : " Перепечатайте строку " + stray + " и сохраните файл в UTF-8: " +
                                                     "тогда игра прочтёт весь файл как UTF-8.";
        findings.atLine(Problem::LooksLikeUtf8, utf8_.firstLine,
                        "строка записана в UTF-8, а файл читается как windows-1251" + because + ": игра покажет " +
                            inQuotes(shown_) + " вместо " + inQuotes(meant_) + utf8_.alsoIn() + "." + fix,
                        "этот текст записан в другой кодировке, чем остальные тексты ступени: игра покажет " +
                            inQuotes(shown_) + " вместо " + inQuotes(meant_) + utf8_.alsoInPlainWords() +
                            ". Перепечатайте его.");
    }

private:
    Seen utf8_;
    std::string shown_;
    std::string meant_;
};

// A line's length in the file's own bytes: one a character in windows-1251.
void checkLength(std::string_view text, bool utf8, int line, Findings& findings)
{
    // A character takes no fewer bytes in UTF-8 than its one in windows-1251.
    if (text.size() <= kMaxLineBytes)
        return;
    const std::size_t bytes = utf8 ? text.size() : static_cast<std::size_t>(characterCount(text));
    if (bytes > kMaxLineBytes) {
        findings.atLine(Problem::LineTooLong, line,
                        "строка длиннее " + std::to_string(kMaxLineBytes) +
                            " байт: игра остановится с ошибкой, как только дойдёт до неё.",
                        "текст длиннее, чем игра может прочесть: она остановится с ошибкой, как только дойдёт до "
                        "него. Сократите его.");
    }
}

}  // namespace

void checkCharacters(const BankFile& file, int lastLine, Findings& findings)
{
    const FileLines lines(file);
    const bool utf8 = file.encoding != Encoding::Cp1251;
    Seen control;
    Seen replaced;
    int firstControl = 0;
    MixedEncoding mixed;
    for (int line = 1; line <= lastLine; ++line) {
        const std::string_view text = lines.at(line);
        if (const int code = controlCharacter(text); code >= 0) {
            firstControl = control.lines == 0 ? code : firstControl;
            control.at(line);
        }
        if (!utf8)
            mixed.add(line, text);
        if (text.find(kReplacementCharacter) != std::string_view::npos)
            replaced.at(line);
        checkLength(text, utf8, line, findings);
    }

    if (control.lines > 0) {
        findings.atLine(Problem::ControlCharacter, control.firstLine,
                        "управляющий знак " + hexCode(static_cast<unsigned>(firstControl)) +
                            " в тексте: это не буква, на экране его не видно или он выглядит квадратиком" +
                            control.alsoIn() + ".",
                        "управляющий знак " + hexCode(static_cast<unsigned>(firstControl)) +
                            " в тексте: это не буква, на экране его не видно или он выглядит квадратиком" +
                            control.alsoInPlainWords() + ".");
    }
    if (replaced.lines > 0 && utf8) {
        findings.atLine(Problem::IllFormedUtf8, replaced.firstLine,
                        "файл в UTF-8, но здесь есть байты, которые не складываются в буквы UTF-8: игра покажет "
                        "вместо них «\xEF\xBF\xBD»" +
                            replaced.alsoIn() + ". Проверьте, в какой кодировке сохранён файл.",
                        "в тексте есть испорченные знаки: игра покажет вместо них «\xEF\xBF\xBD»" +
                            replaced.alsoInPlainWords() + ". Перепечатайте их.");
    } else if (replaced.lines > 0 && !mixed.found()) {
        // In a file with UTF-8 in it the byte is part of a letter ("И" is D0 98): told as UTF-8.
        findings.atLine(Problem::UnusedByte, replaced.firstLine,
                        "байт 0x98 не означает в windows-1251 никакого знака: игра покажет вместо него «\xEF\xBF\xBD»" +
                            replaced.alsoIn() + ".",
                        "в тексте есть знак, которого игра не знает: она покажет вместо него «\xEF\xBF\xBD»" +
                            replaced.alsoInPlainWords() + ". Перепечатайте его.");
    }
    mixed.report(lines, findings);
}

}  // namespace kvardelon::check
