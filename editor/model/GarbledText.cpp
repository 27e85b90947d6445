// Finding text read in the wrong encoding.
#include "GarbledText.h"

#include "BankText.h"
#include "QtText.h"

#include <algorithm>

namespace kvardelon::editor {

namespace {

constexpr int kMojibakeNeeded = 3;
constexpr int kSampleLength = 30;

// The characters that the second byte of a Russian letter in UTF-8 (0x80–0xBF) becomes when
// read as windows-1251 after «Р» or «С», the first byte's reading.
const QString& cp1251Continuations()
{
    static const QString characters = [] {
        std::string bytes;
        for (int byte = 0x80; byte <= 0xBF; ++byte)
            if (byte != 0x98)
                bytes += static_cast<char>(byte);
        return qtext(cp1251ToUtf8(bytes));
    }();
    return characters;
}

// The same read as Latin-1 or its Western windows cousin: «Ð» or «Ñ» then a sign.
bool latinContinuation(QChar c)
{
    return (c.unicode() >= 0x80 && c.unicode() <= 0xBF) ||
           QStringView(u"€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ").contains(c);
}

int mojibakeIn(const QString& cell)
{
    int found = 0;
    for (qsizetype i = 0; i + 1 < cell.size(); ++i) {
        const QChar first = cell[i];
        const QChar second = cell[i + 1];
        if (((first == u'Р' || first == u'С') && cp1251Continuations().contains(second)) ||
            (QStringView(u"ÐÑÃÂ").contains(first) && latinContinuation(second)))
            ++found;
    }
    return found;
}

bool unreadable(const QString& cell)
{
    return cell.contains(QChar::ReplacementCharacter) || cell.contains(QChar(0));
}

bool questionMarksOnly(const QString& cell)
{
    if (cell.count(u'?') < 3)
        return false;
    return std::none_of(cell.begin(), cell.end(), [](QChar c) { return c.isLetter(); });
}

}  // namespace

std::optional<GarbledCell> garbledCell(const CsvTable& table)
{
    int mojibake = 0;
    std::optional<GarbledCell> firstMojibake;
    for (const CsvRow& row : table.rows) {
        for (const QString& cell : row.cells) {
            if (unreadable(cell))
                return GarbledCell{GarbledCell::Kind::Misread, row.row, cell.left(kSampleLength)};
            if (questionMarksOnly(cell))
                return GarbledCell{GarbledCell::Kind::Lost, row.row, cell.left(kSampleLength)};
            if (const int found = mojibakeIn(cell); found > 0) {
                mojibake += found;
                if (!firstMojibake)
                    firstMojibake = GarbledCell{GarbledCell::Kind::Misread, row.row, cell.left(kSampleLength)};
            }
        }
    }
    return mojibake >= kMojibakeNeeded ? firstMojibake : std::nullopt;
}

}  // namespace kvardelon::editor
