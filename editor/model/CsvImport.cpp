// Reading a spreadsheet into records, judging them, and writing the bank out.
#include "CsvImport.h"

#include "BankError.h"
#include "BankFiles.h"
#include "Csv.h"
#include "QtText.h"

#include <algorithm>
#include <map>
#include <optional>

namespace kvardelon::editor {

namespace {

enum Column { Step, Question, A, B, C, D, Correct, kColumns };

const QStringList kHeader{QStringLiteral("ступень"), QStringLiteral("вопрос"), QStringLiteral("A"),
                          QStringLiteral("B"),       QStringLiteral("C"),      QStringLiteral("D"),
                          QStringLiteral("правильный")};

// Cyrillic letters that look like the Latin ones the game's buttons show.
QString latinLookalikes(QString text)
{
    text.replace(u'А', u'A').replace(u'В', u'B').replace(u'С', u'C');
    text.replace(u'а', u'a').replace(u'в', u'b').replace(u'с', u'c');
    return text;
}

std::optional<Column> columnNamed(const QString& cell)
{
    QString name = cell.trimmed().toLower();
    name.remove(QStringLiteral("ответ "));
    if (name.size() == 1)
        name = latinLookalikes(name);
    if (name.startsWith(QStringLiteral("ступен")))
        return Step;
    if (name.startsWith(QStringLiteral("вопрос")))
        return Question;
    if (name.startsWith(QStringLiteral("правильн")) || name.startsWith(QStringLiteral("верн")))
        return Correct;
    if (name.size() == 1 && name[0] >= u'a' && name[0] <= u'd')
        return static_cast<Column>(A + (name[0].unicode() - u'a'));
    return std::nullopt;
}

using ColumnIndex = std::array<int, kColumns>;  // the spreadsheet's column of each; -1 when none

std::optional<ColumnIndex> header(const QStringList& cells)
{
    ColumnIndex index;
    index.fill(-1);
    for (int i = 0; i < cells.size(); ++i)
        if (const std::optional<Column> column = columnNamed(cells[i]); column && index[*column] < 0)
            index[*column] = i;
    if (index[Question] < 0)
        return std::nullopt;
    return index;
}

QString cell(const QStringList& cells, const ColumnIndex& index, Column column)
{
    const int at = index[column];
    return at >= 0 && at < cells.size() ? cells[at].trimmed() : QString();
}

// A line of the bank holds no line break: the rows' breaks become blanks.
std::string oneLine(QString text, ImportRow& row)
{
    if (text.contains(u'\n') || text.contains(u'\r')) {
        text.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(u'\n', u' ').replace(u'\r', u' ');
        if (!row.notes.contains(QStringLiteral("Перенос строки внутри ячейки заменён пробелом.")))
            row.notes.append(QStringLiteral("Перенос строки внутри ячейки заменён пробелом."));
    }
    return utf8(text);
}

void readStep(const QString& text, ImportRow& row)
{
    bool number = false;
    const int step = text.toInt(&number);
    if (number && step >= 1 && step <= kSteps) {
        row.step = step;
        return;
    }
    row.hasError = true;
    row.notes.append(QStringLiteral("Ступень «%1» — не число от 1 до 15: строка не будет добавлена.").arg(text));
}

void readCorrect(const QString& text, ImportRow& row)
{
    const QString letter = latinLookalikes(text.toUpper());
    static const QStringList kLetters{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                      QStringLiteral("D")};
    static const QStringList kDigits{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                     QStringLiteral("4")};
    qsizetype answer = kLetters.indexOf(letter);
    if (answer < 0)
        answer = kDigits.indexOf(letter);
    if (answer >= 0) {
        row.record.answerLine = std::to_string(answer + 1);
        return;
    }
    row.record.answerLine = utf8(text);
    row.hasError = true;
    row.notes.append(QStringLiteral("Правильный ответ «%1» — нужна латинская буква A, B, C, D или цифра 1–4: "
                                    "отметьте его в редакторе после импорта.")
                         .arg(text));
}

ImportRow readRow(const CsvRow& source, const ColumnIndex& index)
{
    ImportRow row;
    row.line = source.line;
    readStep(cell(source.cells, index, Step), row);
    row.record.question = oneLine(cell(source.cells, index, Question), row);
    for (int answer = 0; answer < 4; ++answer)
        row.record.answers.at(static_cast<std::size_t>(answer)) =
            oneLine(cell(source.cells, index, static_cast<Column>(A + answer)), row);
    readCorrect(cell(source.cells, index, Correct), row);
    return row;
}

// The checker's findings on each row, ten rows of a step at a time as the game reads them.
void judge(std::vector<ImportRow>& rows, const check::Fits& fits)
{
    std::map<int, std::vector<ImportRow*>> byStep;
    for (ImportRow& row : rows)
        if (row.step > 0)
            byStep[row.step].push_back(&row);
    for (auto& [step, stepRows] : byStep) {
        for (std::size_t first = 0; first < stepRows.size(); first += kRecordsDrawnFrom) {
            const std::size_t end = std::min(stepRows.size(), first + kRecordsDrawnFrom);
            BankFile file = newBankFile();
            for (std::size_t i = first; i < end; ++i)
                file.records.push_back(stepRows[i]->record);
            for (const check::Finding& finding : check::checkFile(file, step, stepFileName(step), fits)) {
                if (finding.record < 1 || finding.problem == check::Problem::BadAnswerNumber)
                    continue;  // the file as a whole is not the row's; a bad answer is said already
                ImportRow& row = *stepRows[first + static_cast<std::size_t>(finding.record - 1)];
                row.notes.append(qtext(finding.message));
                row.hasError = row.hasError || check::info(finding.problem).severity == check::Severity::Error;
            }
        }
    }
}

QString letterOf(const std::string& answerLine)
{
    static const QStringList kLetters{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                      QStringLiteral("D")};
    const std::optional<std::int16_t> number = answerNumber(answerLine);
    return number && *number >= 1 && *number <= 4 ? kLetters[*number - 1] : qtext(answerLine);
}

}  // namespace

ImportPlan readImport(const QString& text, const check::Fits& fits)
{
    ImportPlan plan;
    const CsvTable table = parseCsv(text);
    if (table.unclosedQuoteLine > 0)
        plan.problems.append(QStringLiteral("Строка %1: кавычка открыта и не закрыта до конца файла.")
                                 .arg(table.unclosedQuoteLine));
    if (table.rows.empty()) {
        plan.problems.append(QStringLiteral("В файле нет ни одной строки с вопросом."));
        return plan;
    }
    ColumnIndex index{Step, Question, A, B, C, D, Correct};
    auto first = table.rows.begin();
    if (const std::optional<ColumnIndex> named = header(first->cells)) {
        index = *named;
        ++first;
    } else {
        plan.problems.append(QStringLiteral("В первой строке нет заголовка: столбцы взяты по порядку: %1.")
                                 .arg(kHeader.join(QStringLiteral(", "))));
    }
    for (auto row = first; row != table.rows.end(); ++row)
        plan.rows.push_back(readRow(*row, index));
    judge(plan.rows, fits);
    return plan;
}

QString exportCsv(const OpenBank& bank)
{
    std::vector<QStringList> rows{kHeader};
    for (int step = 1; step <= kSteps; ++step) {
        for (const Record& record : bank.file(step).records) {
            QStringList row{QString::number(step), qtext(record.question)};
            for (const std::string& answer : record.answers)
                row.append(qtext(answer));
            row.append(letterOf(record.answerLine));
            rows.push_back(row);
        }
    }
    return writeCsv(rows);
}

TableText readTable(const std::filesystem::path& file)
{
    using Reason = BankError::Reason;
    try {
        // A table is bounded and refused as a bank file is: only a regular file, read no further
        // than the bound, so that a pipe cannot hang the window nor a device fill the memory.
        return {qtext(readBankFileBytes(file, 0)), {}};
    } catch (const BankError& error) {
        const QString name = pathText(file);
        switch (error.reason()) {
        case Reason::MissingFolder:
        case Reason::MissingFile:
            return {{}, QStringLiteral("Файл %1 не найден.").arg(name)};
        case Reason::NotRegularFile:
            return {{}, QStringLiteral("%1 — не обычный файл (папка, устройство, канал или ссылка в никуда): "
                                       "таблицу можно взять только из обычного файла.")
                            .arg(name)};
        case Reason::CannotOpen:
            return {{}, QStringLiteral("Файл %1 не удаётся открыть: нет прав на чтение.").arg(name)};
        case Reason::FileTooLarge:
            return {{}, QStringLiteral("Файл %1 больше %2 МБ: такую большую таблицу редактор не читает.")
                            .arg(name)
                            .arg(kMaxBankFileBytes / (1024 * 1024))};
        default:
            return {{}, QStringLiteral("Файл %1 не удалось прочитать до конца.").arg(name)};
        }
    }
}

}  // namespace kvardelon::editor
