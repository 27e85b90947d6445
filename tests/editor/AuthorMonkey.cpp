// The random author's actions and the rules checked after each.
#include "AuthorMonkey.h"

#include "BankError.h"
#include "BankFiles.h"
#include "CsvImport.h"
#include "Csv.h"
#include "FillSteps.h"
#include "ImportEffects.h"
#include "OwnQuestions.h"
#include "QtText.h"
#include "SaveFlow.h"

#include <QUndoStack>

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>

namespace kvardelon::test {

using namespace editor;
namespace fs = std::filesystem;

namespace {

// What an author types and pastes: both alphabets, what windows-1251 lacks (× is replaced,
// 𝄞 left out), blanks at the ends, line breaks from another program, nothing at all.
const std::array<const char*, 18> kPieces = {
    "Столица", " России", "ёЁ", "Hello", "42", "  ", "«кавычки»", "€ и —", "×", "é", "𝄞",
    "\t", "a\r\nb", "строка\nещё", "", "Ω", "Щука", "?",
};

std::size_t at(int step)
{
    return static_cast<std::size_t>(step - 1);
}

// The six lines as one text, to count records by what they say.
std::string key(const Record& record)
{
    std::string text = record.question;
    for (const std::string& answer : record.answers)
        text += '\x1f' + answer;
    return text + '\x1f' + record.answerLine;
}

// The records the game reads from the bytes, up to a record the file ends inside or one with
// a line longer than the game reads (saved so only when the author chose to save with errors).
std::vector<Record> gameReads(const std::string& bytes, const fs::path& file, int step)
{
    std::vector<Record> records;
    RecordReader reader(bytes, file, step);
    try {
        while (std::optional<Record> record = reader.next())
            records.push_back(std::move(*record));
    } catch (const BankError& error) {
        if (error.reason() != BankError::Reason::TooShort && error.reason() != BankError::Reason::LineTooLong)
            throw;
    }
    return records;
}

bool tooLongForTheGame(const Record& record, Encoding encoding)
{
    for (int field = 0; field < kRecordFields; ++field) {
        const std::string& text = fieldText(record, RecordField(field));
        const std::size_t bytes = encoding == Encoding::Cp1251 ? encodeCp1251(text).bytes.size() : text.size();
        if (bytes > kMaxLineBytes)
            return true;
    }
    return false;
}

bool sameRecords(const std::vector<Record>& a, const std::vector<Record>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), sameText);
}

// Whether the game reads what the editor holds: every record, or those before one whose line
// is too long for it.
bool readAsHeld(const std::vector<Record>& read, const BankFile& held)
{
    if (read.size() < held.records.size() && tooLongForTheGame(held.records[read.size()], held.encoding))
        return std::equal(read.begin(), read.end(), held.records.begin(), sameText);
    return sameRecords(read, held.records);
}

// Where the game's reading differs from the editor's records, for the report.
QString difference(const std::vector<Record>& read, const std::vector<Record>& held)
{
    std::size_t i = 0;
    while (i < read.size() && i < held.size() && sameText(read[i], held[i]))
        ++i;
    const auto text = [](const std::vector<Record>& records, std::size_t index) {
        return index < records.size() ? qtext(key(records[index])).replace(u'\x1f', u'|') : QStringLiteral("(none)");
    };
    return QStringLiteral("%1 records read, %2 held; record %3 read «%4», held «%5»")
        .arg(read.size())
        .arg(held.size())
        .arg(i)
        .arg(text(read, i), text(held, i));
}

// The file's bytes, read at once: the monkey reads every file after every action.
std::string bytesNow(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    std::string bytes(static_cast<std::size_t>(std::max<std::streamoff>(in.tellg(), 0)), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

QString stepName(int step)
{
    return QString::fromStdString(stepFileName(step));
}

}  // namespace

QString RandomQuestions::takeLog()
{
    const QString log = log_.join(QStringLiteral("; "));
    log_.clear();
    return log;
}

int RandomQuestions::ask(const Question& question)
{
    const int count = static_cast<int>(question.buttons.size());
    const int roll = dice_.below(20);
    const int answer = roll < 14 ? 0 : roll < 19 ? dice_.below(count) : -1;
    log_.append(QStringLiteral("«%1» → %2").arg(question.title, answer < 0 ? QStringLiteral("closed")
                                                                            : question.buttons.at(answer)));
    return answer;
}

AuthorMonkey::AuthorMonkey(monkey::Dice& dice) : dice_(dice), questions_(dice)
{
    reopen();
    done_.clear();
}

int AuthorMonkey::anyStep()
{
    return 1 + dice_.below(kSteps);
}

int AuthorMonkey::stepWithRecords()
{
    for (int tries = 0; tries < 30; ++tries)
        if (const int step = anyStep(); bank_.recordCount(step) > 0)
            return step;
    return 0;
}

Place AuthorMonkey::anyRecord(int step)
{
    return {step, dice_.below(bank_.recordCount(step))};
}

std::string AuthorMonkey::someText()
{
    if (dice_.chance(0.002))
        return std::string(kMaxLineBytes + 10, 'w');  // a paste longer than a line may be
    std::string text;
    for (int pieces = dice_.below(4); pieces > 0; --pieces)
        text += kPieces.at(static_cast<std::size_t>(dice_.below(static_cast<int>(kPieces.size()))));
    return text;
}

BankRecords AuthorMonkey::records() const
{
    BankRecords all;
    for (int step = 1; step <= kSteps; ++step)
        all.at(at(step)) = bank_.file(step).records;
    return all;
}

void AuthorMonkey::expectNothingLostBut(const BankRecords& before, const std::vector<Record>& named)
{
    std::multiset<std::string> missing;
    for (const auto& step : before)
        for (const Record& record : step)
            missing.insert(key(record));
    for (const auto& step : records())
        for (const Record& record : step)
            if (const auto found = missing.find(key(record)); found != missing.end())
                missing.erase(found);
    for (const Record& record : named)
        if (const auto found = missing.find(key(record)); found != missing.end())
            missing.erase(found);
    if (!missing.empty())
        fault_ = QStringLiteral("%1 record(s) left the bank unnamed, the first: «%2»")
                     .arg(missing.size())
                     .arg(qtext(*missing.begin()).replace(u'\x1f', u'|'));
}

QString AuthorMonkey::type()
{
    const int step = stepWithRecords();
    if (step == 0)
        return QStringLiteral("type: no record to type into");
    const Place place = anyRecord(step);
    const auto field = static_cast<RecordField>(dice_.below(kRecordFields));
    QString text = qtext(fieldText(bank_.record(place), field));
    const int position = dice_.below(static_cast<int>(text.size()) + 1);
    if (!text.isEmpty() && dice_.chance(0.3))
        text.remove(std::min(position, static_cast<int>(text.size()) - 1), 1);
    else
        text.insert(position, QString::fromUtf8(kPieces.at(static_cast<std::size_t>(dice_.below(12)))).left(1));
    const BankRecords before = records();
    bank_.setText(place, field, utf8(text));
    Record typed = before.at(at(step)).at(static_cast<std::size_t>(place.record));
    expectNothingLostBut(before, {typed});
    return QStringLiteral("type into %1 record %2 field %3").arg(stepName(step)).arg(place.record).arg(int(field));
}

QString AuthorMonkey::paste()
{
    const int step = stepWithRecords();
    if (step == 0)
        return QStringLiteral("paste: no record to paste into");
    const Place place = anyRecord(step);
    const auto field = static_cast<RecordField>(dice_.below(kRecordFields - 1));
    const std::string text = someText();
    const BankRecords before = records();
    bank_.setText(place, field, text);
    expectNothingLostBut(before, {before.at(at(step)).at(static_cast<std::size_t>(place.record))});
    return QStringLiteral("paste %1 bytes into %2 record %3 field %4")
        .arg(text.size())
        .arg(stepName(step))
        .arg(place.record)
        .arg(int(field));
}

QString AuthorMonkey::setAnswer()
{
    const int step = stepWithRecords();
    if (step == 0)
        return QStringLiteral("answer: no record");
    const Place place = anyRecord(step);
    const int answer = 1 + dice_.below(4);
    const BankRecords before = records();
    bank_.setCorrectAnswer(place, answer);
    expectNothingLostBut(before, {before.at(at(step)).at(static_cast<std::size_t>(place.record))});
    return QStringLiteral("correct answer %1 in %2 record %3").arg(answer).arg(stepName(step)).arg(place.record);
}

QString AuthorMonkey::addRecord(bool copy)
{
    const int step = anyStep();
    const Place place{step, dice_.below(bank_.recordCount(step) + 1)};
    Record record;
    if (const int from = stepWithRecords(); copy && from != 0) {
        record = asNew(bank_.record(anyRecord(from)));
    } else {
        record.question = someText();
        for (std::string& answer : record.answers)
            answer = someText();
        record.answerLine = std::to_string(1 + dice_.below(4));
    }
    const BankRecords before = records();
    bank_.insertRecord(place, record, QStringLiteral("новый вопрос"));
    expectNothingLostBut(before, {});
    // A line break is kept as the blank its file will hold.
    for (int field = 0; field < kRecordFields; ++field)
        fieldText(record, RecordField(field)) = oneLine(fieldText(record, RecordField(field)));
    if (!sameText(bank_.record(place), record))
        fault_ = QStringLiteral("the record added is not where it was put");
    return QStringLiteral("%1 at %2 record %3").arg(copy ? QStringLiteral("copy") : QStringLiteral("new"),
                                                    stepName(step)).arg(place.record);
}

QString AuthorMonkey::moveRecord()
{
    const int from = stepWithRecords();
    if (from == 0)
        return QStringLiteral("move: no record");
    const Place a = anyRecord(from);
    const int to = anyStep();
    const BankRecords before = records();
    QString done;
    if (to != from && bank_.recordCount(to) > 0 && dice_.chance(0.3)) {
        const Place b = anyRecord(to);
        bank_.exchangeRecords(a, b, QStringLiteral("обмен вопросами"));
        done = QStringLiteral("exchange %1 record %2 with %3 record %4").arg(stepName(from)).arg(a.record);
        done = done.arg(stepName(to)).arg(b.record);
    } else {
        const int count = bank_.recordCount(to) - (to == from ? 1 : 0);
        const Place b{to, dice_.below(count + 1)};
        bank_.moveRecord(a, b);
        done = QStringLiteral("move %1 record %2 to %3 record %4").arg(stepName(from)).arg(a.record);
        done = done.arg(stepName(to)).arg(b.record);
    }
    expectNothingLostBut(before, {});
    return done;
}

QString AuthorMonkey::deleteRecord()
{
    const int step = stepWithRecords();
    if (step == 0)
        return QStringLiteral("delete: no record");
    const Place place = anyRecord(step);
    const BankRecords before = records();
    bank_.removeRecord(place);
    expectNothingLostBut(before, {before.at(at(step)).at(static_cast<std::size_t>(place.record))});
    return QStringLiteral("delete %1 record %2").arg(stepName(step)).arg(place.record);
}

QString AuthorMonkey::importTable()
{
    std::vector<QStringList> rows{{QStringLiteral("ступень"), QStringLiteral("вопрос"), QStringLiteral("A"),
                                   QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"),
                                   QStringLiteral("правильный")}};
    for (int row = 1 + dice_.below(6); row > 0; --row) {
        QStringList cells{QString::number(anyStep())};
        for (int cell = 0; cell < 5; ++cell)
            cells.append(qtext(someText()));
        cells.append(QString(QChar(u"ABCD1234x"[dice_.below(9)])));
        rows.push_back(cells);
    }
    const fs::path table = scratch_.data().parent_path() / "таблица.csv";
    std::ofstream(table, std::ios::binary | std::ios::trunc) << utf8(writeCsv(rows, dice_.chance(0.5) ? u';' : u','));
    const TableText read = readTable(table);
    if (!read.error.isEmpty()) {
        fault_ = QStringLiteral("a table the monkey wrote is refused: ") + read.error;
        return QStringLiteral("import");
    }
    const ImportPlan plan = readImport(read.text);
    const auto mode = static_cast<ImportMode>(dice_.below(3));
    const std::vector<StepImport> effects = importEffects(bank_, plan, mode);
    std::vector<Record> leaving;
    for (const StepImport& effect : effects)
        leaving.insert(leaving.end(), effect.leaving.begin(), effect.leaving.end());
    const BankRecords before = records();
    applyImport(bank_, plan, mode);
    expectNothingLostBut(before, leaving);
    for (const StepImport& effect : effects)
        if (!sameRecords(bank_.file(effect.step).records, effect.records))
            fault_ = QStringLiteral("the import put into %1 other records than it said").arg(stepName(effect.step));
    return QStringLiteral("import %1 rows, mode %2, %3 leaving").arg(rows.size() - 1).arg(int(mode)).arg(leaving.size());
}

QString AuthorMonkey::fill()
{
    static const PlayedRecords shipped = readPlayedRecords(shippedBank());
    const BankRecords before = records();
    const int how = dice_.weighted({2, 1, 2});
    if (how == 2)
        repeatOwnQuestions(bank_, stepsToRepeat(bank_));
    else
        applyFill(bank_, planFill(bank_, how == 0 ? &shipped : nullptr));
    expectNothingLostBut(before, {});
    constexpr const char* kHow[] = {"fill from the shipped bank", "fill with repeats", "fill: own questions in turn"};
    return QString::fromUtf8(kHow[how]);
}

QString AuthorMonkey::save()
{
    std::array<std::string, kSteps> disk;
    for (int step = 1; step <= kSteps; ++step)
        disk.at(at(step)) = bytesNow(scratch_.file(step));
    std::array<std::size_t, kSteps> counts{};
    for (int step = 1; step <= kSteps; ++step)
        counts.at(at(step)) = bank_.file(step).records.size();
    // Checked when saving only: checking after every change, as the window does, would take
    // most of the monkey's time.
    const LiveCheck check(bank_, {});
    const SaveOutcome outcome = saveWithQuestions(questions_, bank_, check, [this] {
        applyFill(bank_, planFill(bank_, nullptr));
    });
    int written = 0;
    for (int step = 1; step <= kSteps; ++step) {
        if (bank_.file(step).records.size() < counts.at(at(step)))
            fault_ = QStringLiteral("saving took records out of %1").arg(stepName(step));
        const std::string now = bytesNow(scratch_.file(step));
        if (now == bank_.step(step).onDisk.original)
            outside_.erase(step);
        if (now == disk.at(at(step)))
            continue;
        ++written;
        // A file just written holds exactly what the editor holds, as the game reads it.
        const std::vector<Record> read = gameReads(now, scratch_.file(step), step);
        if (bank_.isModified(step) || !readAsHeld(read, bank_.written(step)))
            fault_ = QStringLiteral("%1 was written but the game reads other questions than the editor holds (%2)")
                         .arg(stepName(step), difference(read, bank_.written(step).records));
    }
    filesWritten_ += written;
    return QStringLiteral("save (outcome %1, %2 files written; %3)")
        .arg(int(outcome))
        .arg(written)
        .arg(questions_.takeLog());
}

QString AuthorMonkey::changeOutside()
{
    const int step = anyStep();
    BankFile file = parseBankFile(bytesNow(scratch_.file(step)));
    if (!file.records.empty() && dice_.chance(0.5))
        file.records.pop_back();
    else
        file.records.push_back({"Вопрос другой программы", {"1", "2", "3", "4"}, "2", 0});
    scratch_.write(step, writeBankFile(file).bytes);
    outside_.insert(step);
    return QStringLiteral("another program writes %1").arg(stepName(step));
}

QString AuthorMonkey::reload()
{
    const int step = !outside_.empty() && dice_.chance(0.7) ? *outside_.begin() : anyStep();
    if (!bank_.reload(step)) {
        fault_ = QStringLiteral("%1 could not be read again").arg(stepName(step));
        return QStringLiteral("reload");
    }
    outside_.erase(step);
    if (bank_.isModified(step))
        fault_ = QStringLiteral("%1 read again is still changed").arg(stepName(step));
    return QStringLiteral("read %1 again").arg(stepName(step));
}

QString AuthorMonkey::reopen()
{
    bank_.open(scratch_.data());
    for (int step = 1; step <= kSteps; ++step)
        opened_.at(at(step)) = bytesNow(scratch_.file(step));
    outside_.clear();
    return QStringLiteral("open the bank again, unsaved changes dropped");
}

QString AuthorMonkey::undoEverythingAndBack()
{
    QUndoStack& stack = bank_.undoStack();
    const BankRecords now = records();
    const int index = stack.index();
    stack.setIndex(0);
    for (int step = 1; step <= kSteps; ++step)
        if (writeBankFile(bank_.written(step)).bytes != opened_.at(at(step)))
            fault_ = QStringLiteral("undoing all %1 steps leaves %2 other than it was opened").arg(index).arg(stepName(step));
    stack.setIndex(index);
    for (int step = 1; step <= kSteps; ++step)
        if (!sameRecords(bank_.file(step).records, now.at(at(step))))
            fault_ = QStringLiteral("redoing all %1 steps leaves %2 other than before").arg(index).arg(stepName(step));
    return QStringLiteral("undo-all %1 steps and redo them").arg(index);
}

QString AuthorMonkey::act()
{
    fault_.clear();
    QString done;
    switch (dice_.weighted({25, 8, 5, 6, 5, 6, 6, 3, 2, 12, 8, 8, 2, 3, 1, 1})) {
    case 0: done = type(); break;
    case 1: done = paste(); break;
    case 2: done = setAnswer(); break;
    case 3: done = addRecord(false); break;
    case 4: done = addRecord(true); break;
    case 5: done = moveRecord(); break;
    case 6: done = deleteRecord(); break;
    case 7: done = importTable(); break;
    case 8: done = fill(); break;
    case 9: bank_.undoStack().undo(); done = QStringLiteral("undo"); break;
    case 10: bank_.undoStack().redo(); done = QStringLiteral("redo"); break;
    case 11: done = save(); break;
    case 12: done = changeOutside(); break;
    case 13: done = reload(); break;
    case 14: done = reopen(); break;
    default: done = undoEverythingAndBack(); break;
    }
    ++done_[done.section(u' ', 0, 0)];
    return done;
}

QString AuthorMonkey::invariants()
{
    for (int step = 1; step <= kSteps; ++step) {
        if (outside_.contains(step))
            continue;
        const std::string disk = bytesNow(scratch_.file(step));
        if (disk != bank_.step(step).onDisk.original)
            return QStringLiteral("the editor believes %1 holds other bytes than it does").arg(stepName(step));
        if (bank_.isModified(step) || !bank_.step(step).readError.isEmpty())
            continue;  // a file the editor could not read opened empty, and said so
        if (disk != readBytes_.at(at(step))) {
            readRecords_.at(at(step)) = gameReads(disk, scratch_.file(step), step);
            readBytes_.at(at(step)) = disk;
        }
        if (!readAsHeld(readRecords_.at(at(step)), bank_.written(step)))
            return QStringLiteral("%1 is shown unchanged, but the game reads other questions from it (%2)")
                .arg(stepName(step), difference(readRecords_.at(at(step)), bank_.written(step).records));
    }
    return {};
}

QString AuthorMonkey::tally() const
{
    QStringList parts;
    for (const auto& [kind, count] : done_)
        parts.append(QStringLiteral("%1 %2").arg(kind).arg(count));
    return parts.join(QStringLiteral(", ")) + QStringLiteral("; %1 files written").arg(filesWritten_);
}

}  // namespace kvardelon::test
