// Reading and writing comma-separated values.
#include "Csv.h"

#include <array>

namespace kvardelon::editor {

namespace {

QChar guessSeparator(QStringView text)
{
    constexpr std::array<QChar, 3> kCandidates{u';', u',', u'\t'};
    std::array<int, 3> counts{};
    bool quoted = false;
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
        if (c == u'"' && cell_.isEmpty()) {
            quoted_ = true;
            quoteLine_ = line_;
        } else if (c == separator_) {
            endCell();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && position_ < text_.size() && text_[position_] == u'\n')
                ++position_;
            endRow();
            ++line_;
        } else {
            cell_ += c;
        }
    }

    void readQuoted(QChar c)
    {
        if (c != u'"') {
            line_ += c == u'\n' ? 1 : 0;
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
        cells_.append(cell_);
        cell_.clear();
    }

    void endRow()
    {
        if (quoted_)
            table_.unclosedQuoteLine = quoteLine_;
        quoted_ = false;
        endCell();
        if (hasText(cells_))
            table_.rows.push_back({rowLine_, cells_});
        cells_.clear();
        rowLine_ = line_ + 1;
    }

    QStringView text_;
    QChar separator_;
    qsizetype position_ = 0;
    int line_ = 1;
    int rowLine_ = 1;
    int quoteLine_ = 0;
    bool quoted_ = false;
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

}  // namespace kvardelon::editor
