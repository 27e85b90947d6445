// Reading a spreadsheet into records, judging them, and writing the bank out.
#include "CsvImport.h"

#include "AnswerLetters.h"
#include "BankError.h"
#include "BankFiles.h"
#include "Csv.h"
#include "GarbledText.h"
#include "SpreadsheetColumns.h"
#include "QtText.h"

#include <algorithm>
#include <map>
#include <optional>

namespace kvardelon::editor {

namespace {

QString cell(const QStringList& cells, const TableHeader& header, TableColumn column)
{
    const int at = header[column];
    return at >= 0 && at < cells.size() ? cells[at] : QString();
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
    const int step = text.trimmed().toInt(&number);
    if (number && step >= 1 && step <= kSteps) {
        row.step = step;
        return;
    }
    row.hasError = true;
    row.notes.append(QStringLiteral("Ступень «%1» — не число от 1 до 15: строка не будет добавлена.").arg(text));
}

// The right answer as its number, its letter, or the text of one of the four answers.
void readCorrect(const QString& text, bool latinLetters, ImportRow& row)
{
    int answer = answerNumberIn(text, latinLetters);
    for (std::size_t i = 0; answer == 0 && i < row.record.answers.size(); ++i)
        if (!text.trimmed().isEmpty() &&
            qtext(row.record.answers.at(i)).trimmed().compare(text.trimmed(), Qt::CaseInsensitive) == 0)
            answer = static_cast<int>(i) + 1;
    if (answer > 0) {
        row.record.answerLine = std::to_string(answer);
        return;
    }
    row.record.answerLine = utf8(text);
    row.hasError = true;
    row.notes.append(QStringLiteral("Верный ответ «%1» — нужна цифра 1–4 или буква А–Г: "
                                    "отметьте его в редакторе после импорта.")
                         .arg(text));
}

ImportRow readRow(const CsvRow& source, const TableHeader& header)
{
    ImportRow row;
    row.row = source.row;
    readStep(cell(source.cells, header, TableColumn::Step), row);
    row.record.question = oneLine(cell(source.cells, header, TableColumn::Question), row);
    for (int answer = 0; answer < 4; ++answer)
        row.record.answers.at(static_cast<std::size_t>(answer)) = oneLine(
            cell(source.cells, header, static_cast<TableColumn>(static_cast<int>(TableColumn::A) + answer)), row);
    readCorrect(cell(source.cells, header, TableColumn::Correct), header.latinLetters, row);
    return row;
}

// Which columns hold text in the rows after the header.
std::vector<bool> filledColumns(const CsvTable& table)
{
    std::vector<bool> filled;
    for (std::size_t r = 1; r < table.rows.size(); ++r) {
        const QStringList& cells = table.rows[r].cells;
        filled.resize(std::max(filled.size(), static_cast<std::size_t>(cells.size())));
        for (qsizetype i = 0; i < cells.size(); ++i)
            filled[static_cast<std::size_t>(i)] = filled[static_cast<std::size_t>(i)] || !cells[i].trimmed().isEmpty();
    }
    return filled;
}

QString garbledRefusal(const GarbledCell& garbled)
{
    if (garbled.kind == GarbledCell::Kind::Lost)
        return QStringLiteral("Буквы таблицы потеряны: в строке %1 стоит «%2». Программа, которая сохранила "
                              "таблицу, не смогла записать русские буквы и заменила их вопросительными знаками. "
                              "Сохраните таблицу заново как «CSV UTF-8» («Сохранить как», тип файла "
                              "«CSV UTF-8») и импортируйте снова.")
            .arg(garbled.row)
            .arg(garbled.sample);
    return QStringLiteral("Текст таблицы испорчен: в строке %1 стоит «%2» вместо букв. Так бывает, когда "
                          "таблицу сохранили в одной кодировке, а читают в другой. Сохраните таблицу заново как "
                          "«CSV UTF-8» («Сохранить как», тип файла «CSV UTF-8») и импортируйте снова — или "
                          "выберите кодировку выше, пока вопросы не станут читаться.")
        .arg(garbled.row)
        .arg(garbled.sample);
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
                row.notes.append(qtext(check::plainMessage(finding)));
                row.hasError = row.hasError || check::info(finding.problem).severity == check::Severity::Error;
            }
        }
    }
}

// The right answer as its number: a letter would mislead, the spreadsheet's Russian «В» being
// the game's C.
QString rightAnswerCell(const std::string& answerLine)
{
    const std::optional<std::int16_t> number = answerNumber(answerLine);
    return number && *number >= 1 && *number <= 4 ? QString::number(*number) : qtext(answerLine);
}

}  // namespace

ImportPlan readImport(const QString& text, const check::Fits& fits)
{
    ImportPlan plan;
    const CsvTable table = parseCsv(text);
    if (table.rows.empty()) {
        plan.refusal = QStringLiteral("В файле нет ни одной строки с вопросом.");
        return plan;
    }
    const TableHeader header = readHeader(table.rows.front().cells, filledColumns(table));
    plan.problems = header.notes;
    if (table.unclosedQuoteRow > 0)
        plan.problems.append(QStringLiteral("Строка %1: кавычка открыта и не закрыта до конца файла.")
                                 .arg(table.unclosedQuoteRow));
    for (auto row = table.rows.begin() + (header.named ? 1 : 0); row != table.rows.end(); ++row)
        plan.rows.push_back(readRow(*row, header));
    judge(plan.rows, fits);
    if (const std::optional<GarbledCell> garbled = garbledCell(table))
        plan.refusal = garbledRefusal(*garbled);
    else if (header[TableColumn::Question] < 0)
        plan.refusal = QStringLiteral("Ни один столбец не назван «Вопрос»: назовите так столбец с вопросами "
                                      "в первой строке таблицы (названия столбцов — в справке, F1).");
    return plan;
}

QString exportCsv(const OpenBank& bank)
{
    QStringList header;
    for (const ColumnNames& column : tableColumns())
        header.append(column.names.first());
    std::vector<QStringList> rows{header};
    for (int step = 1; step <= kSteps; ++step) {
        for (const Record& record : bank.file(step).records) {
            QStringList row{QString::number(step), qtext(record.question)};
            for (const std::string& answer : record.answers)
                row.append(qtext(answer));
            row.append(rightAnswerCell(record.answerLine));
            rows.push_back(row);
        }
    }
    return writeCsv(rows, u';');
}

TableText readTable(const std::filesystem::path& file)
{
    using Reason = BankError::Reason;
    try {
        // A table is bounded and refused as a bank file is: only a regular file, read no further
        // than the bound, so that a pipe cannot hang the window nor a device fill the memory.
        std::string bytes = readBankFileBytes(file, 0);
        QString text = decodeTable(bytes);
        return {std::move(bytes), std::move(text), {}};
    } catch (const BankError& error) {
        const QString name = pathText(file);
        switch (error.reason()) {
        case Reason::MissingFolder:
        case Reason::MissingFile:
            return {{}, {}, QStringLiteral("Файл %1 не найден.").arg(name)};
        case Reason::NotRegularFile:
            return {{}, {}, QStringLiteral("%1 — не обычный файл (папка, устройство, канал или ссылка в никуда): "
                                       "таблицу можно взять только из обычного файла.")
                            .arg(name)};
        case Reason::CannotOpen:
            return {{}, {}, QStringLiteral("Файл %1 не удаётся открыть: нет прав на чтение.").arg(name)};
        case Reason::FileTooLarge:
            return {{}, {}, QStringLiteral("Файл %1 больше %2 МБ: такую большую таблицу редактор не читает.")
                            .arg(name)
                            .arg(kMaxBankFileBytes / (1024 * 1024))};
        default:
            return {{}, {}, QStringLiteral("Файл %1 не удалось прочитать до конца.").arg(name)};
        }
    }
}

}  // namespace kvardelon::editor
