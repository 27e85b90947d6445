// Reading and writing comma-separated values, and the bytes they are saved in.
#include "Csv.h"

#include "BankText.h"
#include "QtText.h"

#include <QStringDecoder>

#include <array>

namespace kvardelon::editor {

namespace {

QChar guessSeparator(QStringView text)
{
    constexpr std::array<QChar, 3> kCandidates{u';', u',', u'\t'};
    std::array<int, 3> counts{};
    bool quoted = false;
    while (text.startsWith(u'\r') || text.startsWith(u'\n'))
        text = text.mid(1);
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        if (!quoted && (c == u'\n' || c == u'\r'))
            break;
        for (std::size_t i = 0; i < kCandidates.size(); ++i)
            counts[i] += !quoted && c == kCandidates[i] ? 1 : 0;
    }
    std::size_t best = 1;  // ',' when the first line names one column only
    for (std::size_t i = 0; i < kCandidates.size(); ++i)
        if (counts[i] > counts[best])
            best = i;
    return kCandidates[best];
}

bool hasText(const QStringList& cells)
{
    for (const QString& cell : cells)
        if (!cell.trimmed().isEmpty())
            return true;
    return false;
}

// Walks the text once, cell by cell; a line end inside quotes belongs to the cell.
class CsvReader {
public:
    CsvReader(QStringView text, QChar separator) : text_(text), separator_(separator) {}

    CsvTable read()
    {
        table_.separator = separator_;
        while (position_ < text_.size())
            step();
        endRow();
        return std::move(table_);
    }

private:
    void step()
    {
        const QChar c = text_[position_++];
        if (quoted_) {
            readQuoted(c);
            return;
        }
        if (c == u'"' && !cellQuoted_ && cell_.trimmed().isEmpty()) {
            cell_.clear();
            quoted_ = cellQuoted_ = true;
        } else if (c == separator_) {
            endCell();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && position_ < text_.size() && text_[position_] == u'\n')
                ++position_;
            endRow();
        } else if (!(cellQuoted_ && c == u' ')) {  // blanks after a closing quote are no text
            cell_ += c;
        }
    }

    void readQuoted(QChar c)
    {
        if (c != u'"') {
            cell_ += c;
        } else if (position_ < text_.size() && text_[position_] == u'"') {
            cell_ += c;
            ++position_;
        } else {
            quoted_ = false;
        }
    }

    void endCell()
    {
        cells_.append(cellQuoted_ ? cell_ : cell_.trimmed());
        cell_.clear();
        cellQuoted_ = false;
    }

    void endRow()
    {
        if (quoted_)
            table_.unclosedQuoteRow = row_;
        quoted_ = false;
        endCell();
        if (hasText(cells_))
            table_.rows.push_back({row_, cells_});
        cells_.clear();
        ++row_;
    }

    QStringView text_;
    QChar separator_;
    qsizetype position_ = 0;
    int row_ = 1;
    bool quoted_ = false;      // inside a quoted cell's quotes
    bool cellQuoted_ = false;  // the cell began with a quote
    QString cell_;
    QStringList cells_;
    CsvTable table_;
};

QString quotedIfNeeded(const QString& cell, QChar separator)
{
    const bool needsQuotes = cell.contains(separator) || cell.contains(u'"') || cell.contains(u'\n') ||
                             cell.contains(u'\r') || cell.startsWith(u' ') || cell.endsWith(u' ');
    if (!needsQuotes)
        return cell;
    QString doubled = cell;
    doubled.replace(u'"', QStringLiteral("\"\""));
    return u'"' + doubled + u'"';
}

}  // namespace

CsvTable parseCsv(QStringView text)
{
    if (text.startsWith(QChar(0xFEFF)))
        text = text.mid(1);
    return CsvReader(text, guessSeparator(text)).read();
}

QString writeCsv(const std::vector<QStringList>& rows, QChar separator)
{
    QString out;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (const QString& cell : row)
            cells.append(quotedIfNeeded(cell, separator));
        out += cells.join(separator) + QStringLiteral("\r\n");
    }
    return out;
}

QString decodeTable(std::string_view bytes, TableEncoding encoding)
{
    const bool bigEndian = bytes.starts_with("\xFE\xFF");
    if (encoding == TableEncoding::Found) {
        if (bigEndian || bytes.starts_with("\xFF\xFE"))
            encoding = TableEncoding::Utf16;
        else
            encoding = detectEncoding(bytes) == Encoding::Cp1251 ? TableEncoding::Cp1251 : TableEncoding::Utf8;
    }
    switch (encoding) {
    case TableEncoding::Utf16: {
        QStringDecoder decoder(bigEndian ? QStringConverter::Utf16BE : QStringConverter::Utf16LE);
        return decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    }
    case TableEncoding::Cp1251:
        return qtext(cp1251ToUtf8(bytes));
    case TableEncoding::Found:
    case TableEncoding::Utf8:
        break;
    }
    return qtext(bytes);
}

QByteArray encodeTable(const QString& text)
{
    const Cp1251Text encoded = encodeCp1251(utf8(text));
    if (encoded.unencodable.empty())
        return QByteArray::fromStdString(encoded.bytes);
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

}  // namespace kvardelon::editor
