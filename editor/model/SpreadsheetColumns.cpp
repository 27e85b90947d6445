// The names of a spreadsheet's columns and its header row read with them.
#include "SpreadsheetColumns.h"

#include <algorithm>
#include <optional>

namespace kvardelon::editor {

namespace {

const std::array<const char*, 4> kOrdinals{"первого", "второго", "третьего", "четвёртого"};

// Compared as typed in any case, with or without blanks and stops: "ОТВЕТ  А." is "ответа".
QString normalName(const QString& cell)
{
    QString name;
    for (const QChar c : cell.toLower())
        if (c.isLetterOrNumber())
            name += c == u'ё' ? u'е' : c;
    return name;
}

bool among(const QString& name, std::initializer_list<const char16_t*> names)
{
    return std::any_of(names.begin(), names.end(), [&](const char16_t* n) { return name == QStringView(n); });
}

// The letter or digit that names an answer's column, alone or after «ответ», «вариант»,
// «answer»; a null character when the name is none.
QChar answerMark(const QString& name)
{
    for (const QStringView prefix : {u"ответ", u"вариант", u"answer"})
        if (name.startsWith(prefix) && name.size() == prefix.size() + 1)
            return name.back();
    return name.size() == 1 ? name[0] : QChar();
}

// Cyrillic А, В and С look like Latin letters. They are read as Russian letters unless the
// header shows Latin ones (A–D, or С, which no Russian answer is called) and no Б or Г.
bool russianLetters(const QStringList& names)
{
    bool latin = false;
    for (const QString& name : names) {
        const QChar mark = answerMark(name);
        if (mark == u'б' || mark == u'г')
            return true;
        latin = latin || QStringView(u"abcdс").contains(mark);
    }
    return !latin;
}

std::optional<int> answerColumn(const QString& name, bool cyrillicLetters, bool& latin)
{
    const QChar mark = answerMark(name);
    if (mark.isNull())
        return std::nullopt;
    if (const auto digit = static_cast<int>(QStringView(u"1234").indexOf(mark)); digit >= 0)
        return digit;
    const QStringView letters = cyrillicLetters ? QStringView(u"абвг") : QStringView(u"авс");
    if (const auto letter = static_cast<int>(letters.indexOf(mark)); letter >= 0) {
        latin = latin || !cyrillicLetters;
        return letter;
    }
    if (const auto letter = static_cast<int>(QStringView(u"abcd").indexOf(mark)); letter >= 0) {
        latin = true;
        return letter;
    }
    return std::nullopt;
}

enum class Strength { None, Weak, Strong };

struct Understood {
    std::optional<TableColumn> column;
    Strength strength = Strength::None;
};

Understood understand(const QString& name, bool cyrillicLetters, bool& latin)
{
    if (among(name, {u"ступень", u"шаг", u"step", u"номерступени"}))
        return {TableColumn::Step, Strength::Strong};
    if (among(name, {u"вопрос", u"question", u"текствопроса"}))
        return {TableColumn::Question, Strength::Strong};
    if (among(name, {u"верный", u"правильный", u"верныйответ", u"правильныйответ", u"right", u"correct",
                     u"rightanswer", u"correctanswer"}))
        return {TableColumn::Correct, Strength::Strong};
    // «Ответ» alone is the right answer only when no column says so in more words.
    if (among(name, {u"ответ", u"answer"}))
        return {TableColumn::Correct, Strength::Weak};
    if (const std::optional<int> answer = answerColumn(name, cyrillicLetters, latin))
        return {static_cast<TableColumn>(static_cast<int>(TableColumn::A) + *answer), Strength::Strong};
    return {};
}

QString named(int index, const QString& cell)
{
    return QStringLiteral("столбец %1 «%2»").arg(columnLetter(index), cell.trimmed());
}

QString sentence(QString text)
{
    text[0] = text[0].toUpper();
    return text;
}

QString missingNote(TableColumn column)
{
    const int answer = static_cast<int>(column) - static_cast<int>(TableColumn::A);
    const QString name = tableColumns().at(static_cast<std::size_t>(column)).names.first();
    switch (column) {
    case TableColumn::Step:
        return QStringLiteral("Нет столбца «%1»: строки без ступени не будут добавлены.").arg(name);
    case TableColumn::Question:
        return QStringLiteral("Нет столбца «%1»: без него брать нечего.").arg(name);
    case TableColumn::Correct:
        return QStringLiteral("Нет столбца «%1»: верный ответ отметьте в редакторе после импорта.").arg(name);
    default:
        return QStringLiteral("Нет столбца «%1»: у вопросов не будет %2 ответа.")
            .arg(name, QString::fromUtf8(kOrdinals.at(static_cast<std::size_t>(answer))));
    }
}

// A row that names no column: the columns are taken as export writes them.
TableHeader inExportOrder()
{
    TableHeader header;
    QStringList order;
    for (int i = 0; i < kTableColumns; ++i) {
        header.at[static_cast<std::size_t>(i)] = i;
        order.append(tableColumns().at(static_cast<std::size_t>(i)).names.first());
    }
    header.notes = {QStringLiteral("В первой строке нет названий столбцов: столбцы взяты по порядку: %1.")
                        .arg(order.join(QStringLiteral(", ")))};
    return header;
}

// A column with text but no name in the header, and each column the header lacks.
void noteNamelessAndMissing(TableHeader& header, const QStringList& cells, const std::vector<bool>& filled)
{
    for (std::size_t i = 0; i < filled.size(); ++i) {
        const auto at = static_cast<qsizetype>(i);
        if (filled[i] && std::find(header.at.begin(), header.at.end(), at) == header.at.end() &&
            (at >= cells.size() || cells[at].trimmed().isEmpty()))
            header.notes.append(
                QStringLiteral("Столбец %1 без названия не понят и не взят.").arg(columnLetter(static_cast<int>(i))));
    }
    for (const ColumnNames& column : tableColumns())
        if (header[column.column] < 0)
            header.notes.append(missingNote(column.column));
}

}  // namespace

const std::array<ColumnNames, kTableColumns>& tableColumns()
{
    static const std::array<ColumnNames, kTableColumns> columns{{
        {TableColumn::Step, {QStringLiteral("Ступень"), QStringLiteral("Шаг"), QStringLiteral("Step")},
         "число от 1 до 15"},
        {TableColumn::Question, {QStringLiteral("Вопрос"), QStringLiteral("Question")}, "текст вопроса"},
        {TableColumn::A, {QStringLiteral("Ответ А"), QStringLiteral("Ответ 1"), QStringLiteral("А")},
         "первый ответ (кнопка A в игре)"},
        {TableColumn::B, {QStringLiteral("Ответ Б"), QStringLiteral("Ответ 2"), QStringLiteral("Б"), QStringLiteral("B")},
         "второй ответ (кнопка B)"},
        {TableColumn::C, {QStringLiteral("Ответ В"), QStringLiteral("Ответ 3"), QStringLiteral("В"), QStringLiteral("C")},
         "третий ответ (кнопка C)"},
        {TableColumn::D, {QStringLiteral("Ответ Г"), QStringLiteral("Ответ 4"), QStringLiteral("Г"), QStringLiteral("D")},
         "четвёртый ответ (кнопка D)"},
        {TableColumn::Correct,
         {QStringLiteral("Верный"), QStringLiteral("Правильный"), QStringLiteral("Ответ"), QStringLiteral("Right"),
          QStringLiteral("Correct")},
         "какой ответ верный: 1–4, А–Г или A–D, или сам текст верного ответа"},
    }};
    return columns;
}

QStringList exampleTable()
{
    return {QStringLiteral("Ступень;Вопрос;Ответ А;Ответ Б;Ответ В;Ответ Г;Верный"),
            QStringLiteral("6;Какая ткань проводит воду по стеблю?;Древесина;Луб;Кора;Пробка;А"),
            QStringLiteral("2;Что растение берёт из воздуха для питания?;Азот;Углекислый газ;Кислород;Пар;Б")};
}

QString columnLetter(int index)
{
    QString letters;
    for (++index; index > 0; index = (index - 1) / 26)
        letters.prepend(QChar(u'A' + (index - 1) % 26));
    return letters;
}

TableHeader readHeader(const QStringList& cells, const std::vector<bool>& filled)
{
    TableHeader header;
    header.at.fill(-1);
    QStringList names;
    for (const QString& cell : cells)
        names.append(normalName(cell));
    const bool cyrillicLetters = russianLetters(names);
    std::vector<Understood> understood;
    for (const QString& name : names)
        understood.push_back(understand(name, cyrillicLetters, header.latinLetters));
    const bool strongCorrect = std::any_of(understood.begin(), understood.end(), [](const Understood& u) {
        return u.column == TableColumn::Correct && u.strength == Strength::Strong;
    });
    for (int i = 0; i < cells.size(); ++i) {
        const Understood& u = understood[static_cast<std::size_t>(i)];
        // A lone letter or digit may be a row's answer: only a word makes the row a header.
        header.named = header.named || (u.column && names[i].size() > 1);
        const bool taken = u.column && header[*u.column] >= 0;
        if (u.strength == Strength::Weak && strongCorrect) {
            header.notes.append(sentence(QStringLiteral("%1 не взят: верный ответ берётся из столбца, названного "
                                                        "«Верный» или «Правильный».")
                                             .arg(named(i, cells[i]))));
        } else if (u.column && !taken) {
            header.at[static_cast<std::size_t>(*u.column)] = i;
        } else if (taken) {
            header.notes.append(sentence(QStringLiteral("%1 повторяет %2 и не взят.")
                                             .arg(named(i, cells[i]), named(header[*u.column], cells[header[*u.column]]))));
        } else if (!cells[i].trimmed().isEmpty()) {
            header.notes.append(sentence(QStringLiteral("%1 не понят и не взят.").arg(named(i, cells[i]))));
        }
    }
    if (!header.named)
        return inExportOrder();
    noteNamelessAndMissing(header, cells, filled);
    return header;
}

int answerNumberIn(const QString& cell, bool latinLetters)
{
    QString value = cell.trimmed().toUpper();
    while (value.endsWith(u')') || value.endsWith(u'.'))
        value.chop(1);
    if (value.size() != 1)
        return 0;
    const QStringView cyrillic = latinLetters ? QStringView(u"АБСГ") : QStringView(u"АБВГ");
    for (const QStringView letters : {QStringView(u"1234"), QStringView(u"ABCD"), cyrillic})
        if (const qsizetype at = letters.indexOf(value[0]); at >= 0)
            return static_cast<int>(at) + 1;
    // Under Latin names a Cyrillic В is the B it looks like.
    return latinLetters && value[0] == u'В' ? 2 : 0;
}

}  // namespace kvardelon::editor
