// The open bank: every change undone and redone, broken files opened as far as they go,
// spreadsheets read, previewed and imported as one undoable step.
#include "Arrival.h"
#include "CsvImport.h"
#include "Csv.h"
#include "FillSteps.h"
#include "ImportEffects.h"
#include "LiveCheck.h"
#include "OpenBank.h"
#include "QtText.h"
#include "ScratchBank.h"
#include "Wording.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>

using namespace kvardelon;
using namespace kvardelon::editor;

namespace {

using Snapshot = std::array<std::vector<Record>, kSteps>;

Snapshot snapshot(const OpenBank& bank)
{
    Snapshot records;
    for (int step = 1; step <= kSteps; ++step)
        records.at(static_cast<std::size_t>(step - 1)) = bank.file(step).records;
    return records;
}

bool sameBank(const Snapshot& a, const Snapshot& b)
{
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!std::equal(a[i].begin(), a[i].end(), b[i].begin(), b[i].end(), sameText))
            return false;
    return true;
}

struct Change {
    const char* name;
    void (*apply)(OpenBank&);
};

const Change kChanges[] = {
    {"typing", [](OpenBank& b) { b.setText({3, 2}, RecordField::AnswerC, "Новый ответ"); }},
    {"correctAnswer", [](OpenBank& b) { b.setCorrectAnswer({3, 2}, b.record({3, 2}).answerLine == "4" ? 1 : 4); }},
    {"insert", [](OpenBank& b) { b.insertRecord({7, 0}, Record{.question = "Свой вопрос"}, QStringLiteral("новый")); }},
    {"remove", [](OpenBank& b) { b.removeRecord({7, 9}); }},
    {"moveWithinStep", [](OpenBank& b) { b.moveRecord({2, 0}, {2, 5}); }},
    {"moveToAnotherStep", [](OpenBank& b) { b.moveRecord({2, 0}, {14, 10}); }},
    {"exchangeBetweenSteps", [](OpenBank& b) { b.exchangeRecords({2, 0}, {14, 9}, QStringLiteral("обмен")); }},
    {"replaceRecords", [](OpenBank& b) { b.replaceRecords(5, {}, QStringLiteral("замена")); }},
    {"encoding", [](OpenBank& b) { b.setEncoding(9, Encoding::Utf8WithMark, QStringLiteral("UTF-8")); }},
};

Record ownQuestion(const char* question)
{
    return Record{.question = question, .answers = {"Четыре", "Шесть", "Восемь", "Десять"}, .answerLine = "2"};
}

// What an action says it did: the questions it means to be played (a copy as often as it is
// there), the records it says leave the bank or their step, the findings it says it makes, and
// the words that name what left.
struct Outcome {
    std::vector<std::pair<int, std::string>> played;
    std::vector<Record> leaving;
    std::vector<Record> moved;
    std::vector<check::Problem> told;
    QString said;
};

// The ways an author puts questions in, each on a bank made from a shipped one.
struct AuthorAction {
    const char* name;
    const char* bank;
    std::vector<std::pair<int, int>> cut;  // steps left with that many records before opening
    Outcome (*act)(OpenBank&);
};

// A question coming to a full step takes the place of record `instead` there.
Outcome arriving(OpenBank& bank, const Arrival& arrival, int instead, Outcome outcome)
{
    if (!needsRoom(bank, arrival))
        return {};
    outcome.said = arrive(bank, arrival, instead).said;
    return outcome;
}

const AuthorAction kAuthorActions[] = {
    {"newQuestionTakesTheChosenOnesPlaceOnAFullStep", "data", {},
     [](OpenBank& b) {
         return arriving(b, {.kind = ArrivalKind::New, .step = 7, .record = ownQuestion("Сколько струн у балалайки?")},
                         3, {.played = {{7, "Сколько струн у балалайки?"}}, .leaving = {b.record({7, 3})}});
     }},
    {"aCopyOnAFullStepTakesTheChosenOnesPlaceAndIsSaidToRepeat", "data", {},
     [](OpenBank& b) {
         const std::string copied = b.record({7, 2}).question;
         return arriving(b, {.kind = ArrivalKind::Copy, .step = 7, .from = {7, 2}}, 5,
                         {.played = {{7, copied}, {7, copied}},
                          .leaving = {b.record({7, 5})},
                          .told = {check::Problem::RepeatedQuestion}});
     }},
    {"aQuestionMovedToAFullStepChangesPlacesWithTheChosenOne", "data", {},
     [](OpenBank& b) {
         return arriving(b, {.kind = ArrivalKind::Move, .step = 14, .from = {2, 4}}, 6,
                         {.played = {{14, b.record({2, 4}).question}, {2, b.record({14, 6}).question}},
                          .moved = {b.record({14, 6})}});
     }},
    // The bank it was made from still asks the questions the steps kept: they must not come twice.
    {"shortStepsFilledFromTheMainBankWithoutRepeats", "data", {{4, 3}, {9, 0}, {12, 9}},
     [](OpenBank& b) {
         const PlayedRecords main = readPlayedRecords(test::shippedBank("data"));
         const std::vector<StepFill> fills = planFill(b, &main);
         Outcome outcome;
         for (const StepFill& fill : fills)
             for (const Record& record : fill.added)
                 outcome.played.emplace_back(fill.step, record.question);
         applyFill(b, fills);
         return outcome;
     }},
    {"importedQuestionsGoFirstAndTheOnesTheyPushOutAreNamed", "data", {},
     [](OpenBank& b) {
         const ImportPlan plan = readImport(QStringLiteral("ступень,вопрос,A,B,C,D,правильный\n"
                                                           "7,Сколько лучей у снежинки?,Четыре,Шесть,Восемь,Десять,B\n"
                                                           "7,Кто в нашем классе выше всех?,Аня,Петя,Оля,Гоша,2\n"
                                                           "12,Какой день был самым снежным?,Вторник,Среда,Пятница,Суббота,2\n"));
         Outcome outcome;
         for (const ImportRow& row : plan.rows)
             outcome.played.emplace_back(row.step, row.record.question);
         for (const StepImport& effect : importEffects(b, plan, ImportMode::First))
             outcome.leaving.insert(outcome.leaving.end(), effect.leaving.begin(), effect.leaving.end());
         outcome.said = importSummary(b, plan, ImportMode::First).join(u' ');
         applyImport(b, plan, ImportMode::First);
         return outcome;
     }},
};

bool holds(const std::vector<Record>& records, const Record& record)
{
    return std::any_of(records.begin(), records.end(), [&](const Record& r) { return sameText(r, record); });
}

// The first records of a file of CR LF lines.
std::string firstRecords(const std::string& bytes, int records)
{
    std::size_t end = 0;
    for (int line = 0; line < records * kLinesPerRecord; ++line)
        end = bytes.find("\r\n", end) + 2;
    return bytes.substr(0, end);
}

}  // namespace

class BankModelTest : public QObject {
    Q_OBJECT

private slots:
    void aNewBankStartsFromATemplateByteForByteOrFromEmptyFiles_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("from");
        QTest::newRow("shipped") << static_cast<int>(Template::Shipped) << QStringLiteral("data");
        QTest::newRow("classroom") << static_cast<int>(Template::Classroom) << QStringLiteral("banks/classroom/data");
        QTest::newRow("empty") << static_cast<int>(Template::Empty) << QString();
    }

    void aNewBankStartsFromATemplateByteForByteOrFromEmptyFiles()
    {
        QFETCH(int, kind);
        QFETCH(QString, from);
        const QTemporaryDir folder;
        const std::filesystem::path made = std::filesystem::path(folder.path().toStdString()) / "Викторина";
        const std::filesystem::path program = QCoreApplication::applicationDirPath().toStdString();
        const CreatedBank created = createBank(made, static_cast<Template>(kind), program);
        QVERIFY2(created.error.isEmpty(), qPrintable(created.error));
        QCOMPARE(created.dataFolder, made / "data");
        for (int step = 1; step <= kSteps; ++step) {
            const std::string expected = from.isEmpty() ? std::string()
                                                        : test::bytesOf(test::shippedBank(from.toLatin1().constData()) /
                                                                        stepFileName(step));
            QCOMPARE(test::bytesOf(created.dataFolder / stepFileName(step)), expected);
        }
        QVERIFY(!createBank(made, Template::Empty, program).error.isEmpty());
        QCOMPARE(findDataFolder(made), std::optional(made / "data"));
        QCOMPARE(findDataFolder(made / "data"), std::optional(made / "data"));
    }

    // A new bank that cannot be made says why in Russian, naming the file or the folder.
    void aNewBankThatCannotBeMadeSaysWhyInRussian_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("saying");
        QTest::newRow("templateLacksAFile") << QStringLiteral("templateLacksAFile")
                                            << QStringLiteral("qw2.txt: этого файла нет");
        QTest::newRow("fileInTheFoldersPlace") << QStringLiteral("fileInTheFoldersPlace")
                                               << QStringLiteral("вместо папки лежит файл");
    }

    void aNewBankThatCannotBeMadeSaysWhyInRussian()
    {
        QFETCH(QString, obstacle);
        QFETCH(QString, saying);
        const QTemporaryDir folder;
        const std::filesystem::path root = toPath(folder.path());
        const std::filesystem::path made = root / "Викторина";
        // A program whose shipped bank beside it has its first file only.
        const std::filesystem::path program = root / "program";
        std::filesystem::create_directories(program / "data");
        std::filesystem::copy_file(test::shippedBank("data") / stepFileName(1), program / "data" / stepFileName(1));
        if (obstacle == QLatin1String("fileInTheFoldersPlace"))
            std::ofstream(made) << "a file";
        const CreatedBank created = createBank(made, Template::Shipped, program);
        QVERIFY(created.dataFolder.empty());
        QVERIFY2(created.error.contains(saying), qPrintable(created.error));
        QVERIFY2(!created.error.contains(QRegularExpression(QStringLiteral("No such|Not a|exists|denied"))),
                 qPrintable(created.error));
    }

    void everyChangeIsUndoneAndRedone_data()
    {
        QTest::addColumn<int>("change");
        for (std::size_t i = 0; i < std::size(kChanges); ++i)
            QTest::newRow(kChanges[i].name) << static_cast<int>(i);
    }

    void everyChangeIsUndoneAndRedone()
    {
        QFETCH(int, change);
        test::ScratchBank scratch;
        OpenBank bank;
        bank.open(scratch.data());
        const Snapshot before = snapshot(bank);
        kChanges[change].apply(bank);
        const Snapshot after = snapshot(bank);
        QVERIFY(bank.isModified());
        QCOMPARE(bank.undoStack().count(), 1);

        bank.undoStack().undo();
        QVERIFY(sameBank(snapshot(bank), before));
        QVERIFY(!bank.isModified());
        QCOMPARE(bank.file(9).encoding, Encoding::Cp1251);
        bank.undoStack().redo();
        QVERIFY(sameBank(snapshot(bank), after));
        QVERIFY(bank.isModified());
    }

    // A line of a file cannot hold a break: the bank keeps the blank that the file will hold,
    // whichever way the text came, so that what is kept is what is saved.
    void aLineBreakGivenToTheBankIsKeptAsTheBlankTheFileHolds_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("typed") << 0;
        QTest::newRow("inserted") << 1;
        QTest::newRow("replacingAStep") << 2;
    }

    void aLineBreakGivenToTheBankIsKeptAsTheBlankTheFileHolds()
    {
        QFETCH(int, way);
        test::ScratchBank scratch;
        OpenBank bank;
        bank.open(scratch.data());
        Record broken = ownQuestion("Первая\r\nвторая\rтретья\nстрока");
        if (way == 0)
            bank.setText({4, 0}, RecordField::Question, broken.question);
        else if (way == 1)
            bank.insertRecord({4, 0}, broken, QStringLiteral("новый"));
        else
            bank.replaceRecords(4, {broken}, QStringLiteral("замена"));
        const std::string written = writeBankFile(bank.file(4)).bytes;
        RecordReader reader(written, scratch.file(4), 4);
        QCOMPARE(reader.next()->question, bank.record({4, 0}).question);
        QCOMPARE(bank.record({4, 0}).question, std::string("Первая  вторая третья строка"));
    }

    // A file saved under a name the game does not open is pointed out, as the checker does.
    void aMisnamedFileIsPointedOutByItsName_data()
    {
        QTest::addColumn<QString>("name");
#ifndef _WIN32
        // Windows' file names ignore case: there QW3.TXT is the game's qw3.txt.
        QTest::newRow("capitals") << QStringLiteral("QW3.TXT");
#endif
        QTest::newRow("hiddenExtensionTwice") << QStringLiteral("qw3.txt.txt");
    }

    void aMisnamedFileIsPointedOutByItsName()
    {
        QFETCH(QString, name);
        test::ScratchBank scratch;
        std::filesystem::rename(scratch.file(3), scratch.data() / toPath(name));
        OpenBank bank;
        bank.open(scratch.data());
        const QString error = bank.step(3).readError;
        QVERIFY2(error.contains(QStringLiteral("«") + name + QStringLiteral("»")), qPrintable(error));
        QCOMPARE(bank.recordCount(3), 0);
    }

    // The source tree is where a program of the build tree finds the shipped banks; an
    // installed program, elsewhere, never looks there.
    void onlyAProgramOfTheBuildTreeTakesBanksFromTheSourceTree()
    {
        const std::filesystem::path sources = test::shippedBank().parent_path().lexically_normal();
        const std::filesystem::path built = QCoreApplication::applicationDirPath().toStdString();
        QCOMPARE(templateFolder(Template::Shipped, built), std::optional(sources / "data"));
        const QTemporaryDir elsewhere;
        const std::optional<std::filesystem::path> found = templateFolder(Template::Shipped, toPath(elsewhere.path()));
        QVERIFY(!found || *found->lexically_relative(sources).begin() == "..");
    }

    void typingIntoOneFieldIsOneUndoStep()
    {
        test::ScratchBank scratch;
        OpenBank bank;
        bank.open(scratch.data());
        const std::string original = bank.record({1, 0}).question;
        for (const char* typed : {"К", "Ка", "Как"})
            bank.setText({1, 0}, RecordField::Question, typed);
        bank.setText({1, 0}, RecordField::AnswerA, "другое поле");
        QCOMPARE(bank.undoStack().count(), 2);
        bank.undoStack().undo();
        bank.undoStack().undo();
        QCOMPARE(bank.record({1, 0}).question, original);
    }

    void brokenFilesOpenAsFarAsTheyGoAndTheRestOpens()
    {
        test::ScratchBank scratch;
        std::filesystem::remove(scratch.file(4));
        scratch.write(5, "Вопрос?\r\nА\r\nБ\r\n");
        std::filesystem::remove(scratch.file(6));
        std::filesystem::create_directory(scratch.file(6));
        OpenBank bank;
        LiveCheck check(bank, {});
        bank.open(scratch.data());

        QVERIFY(!bank.step(4).readError.isEmpty());
        QVERIFY(!bank.step(6).readError.isEmpty());
        QCOMPARE(bank.recordCount(5), 0);
        QCOMPARE(bank.file(5).rest.size(), std::size_t{3});
        for (const int step : {1, 2, 3, 7, 15})
            QCOMPARE(bank.recordCount(step), 10);
        std::map<int, std::vector<check::Problem>> problems;
        for (const check::Finding& finding : check.findings())
            problems[finding.step].push_back(finding.problem);
        QCOMPARE(problems.size(), std::size_t{3});
        QCOMPARE(problems[4].front(), check::Problem::CannotOpen);
        QCOMPARE(problems[6].front(), check::Problem::CannotOpen);
        QVERIFY(std::count(problems[5].begin(), problems[5].end(), check::Problem::TooFewRecords) == 1);
        QVERIFY(!bank.isModified());
    }

    void withoutAShippedBankShortStepsAreFilledWithTheirOwnAsOneStep()
    {
        test::ScratchBank scratch;
        OpenBank bank;
        LiveCheck check(bank, {});
        bank.open(scratch.data());
        bank.replaceRecords(4, {bank.record({4, 0}), bank.record({4, 1}), bank.record({4, 2})}, QStringLiteral("три"));
        bank.replaceRecords(9, {}, QStringLiteral("ни одного"));
        QCOMPARE(check.count(check::Severity::Error), 2);

        const std::vector<StepFill> fills = planFill(bank, nullptr);
        QCOMPARE(fills.size(), std::size_t{2});
        QCOMPARE(fills[1].missing, 10);
        QVERIFY(fillSummary(fills, {}).join(u' ').contains(QStringLiteral("7 повторов")));
        applyFill(bank, fills);
        QCOMPARE(bank.recordCount(4), 10);
        QCOMPARE(bank.record({4, 9}).question, bank.record({4, 0}).question);
        QCOMPARE(bank.recordCount(9), 0);
        QCOMPARE(check.count(check::Severity::Error), 1);
        bank.undoStack().undo();
        QCOMPARE(bank.recordCount(4), 3);
    }

    void theAuthorsQuestionsArePlayedAndNothingLeavesUnsaid_data()
    {
        QTest::addColumn<int>("action");
        for (std::size_t i = 0; i < std::size(kAuthorActions); ++i)
            QTest::newRow(kAuthorActions[i].name) << static_cast<int>(i);
    }

    // After each action every record is played, every question the author put in is among
    // its step's first ten, whatever left the bank or its step was named, the bank checks clean
    // but for what the action said, and one undo gives back the bank as it was.
    void theAuthorsQuestionsArePlayedAndNothingLeavesUnsaid()
    {
        QFETCH(int, action);
        const AuthorAction& author = kAuthorActions[action];
        test::ScratchBank scratch(author.bank);
        for (const auto& [step, records] : author.cut)
            scratch.write(step, firstRecords(scratch.bytes(step), records));
        OpenBank bank;
        LiveCheck check(bank, {});
        bank.open(scratch.data());
        const Snapshot before = snapshot(bank);

        const Outcome outcome = author.act(bank);
        QVERIFY(!outcome.played.empty());
        const Snapshot after = snapshot(bank);
        std::vector<Record> everything;
        for (int step = 1; step <= kSteps; ++step) {
            const std::vector<Record>& records = after.at(static_cast<std::size_t>(step - 1));
            QCOMPARE(records.size(), std::size_t{10});
            everything.insert(everything.end(), records.begin(), records.end());
        }
        for (const auto& played : outcome.played) {
            const std::vector<Record>& records = after.at(static_cast<std::size_t>(played.first - 1));
            const auto asked = [&played](const Record& r) { return r.question == played.second; };
            QVERIFY2(std::count_if(records.begin(), records.end(), asked) >=
                         std::count(outcome.played.begin(), outcome.played.end(), played),
                     played.second.c_str());
        }
        for (const std::vector<Record>& records : before)
            for (const Record& record : records)
                QVERIFY2(holds(everything, record) || holds(outcome.leaving, record), record.question.c_str());
        for (const std::vector<Record>* named : {&outcome.leaving, &outcome.moved})
            for (const Record& record : *named)
                QVERIFY2(outcome.said.contains(qtext(check::inQuotes(record.question))), qPrintable(outcome.said));
        std::vector<check::Problem> found;
        for (const check::Finding& finding : check.findings())
            found.push_back(finding.problem);
        QVERIFY2(found == outcome.told, check.findings().empty() ? "" : check.findings().front().message.c_str());
        QCOMPARE(bank.undoStack().count(), 1);

        bank.undoStack().undo();
        QVERIFY(sameBank(snapshot(bank), before));
        QVERIFY(!bank.isModified());
    }

    // A step may ask a question twice; an import that keeps one copy and pushes the other out
    // names the one pushed out, in every mode.
    void aCopyPushedOutByAnImportIsNamed_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("importTheCopy");
        QTest::newRow("anotherQuestionFirst") << static_cast<int>(ImportMode::First) << false;
        QTest::newRow("theSameQuestionReplacing") << static_cast<int>(ImportMode::Replace) << true;
    }

    void aCopyPushedOutByAnImportIsNamed()
    {
        QFETCH(int, mode);
        QFETCH(bool, importTheCopy);
        test::ScratchBank scratch;
        OpenBank bank;
        bank.open(scratch.data());
        const Record copied = bank.record({7, 2});
        bank.insertRecord({7, 10}, asNew(copied), QStringLiteral("копия"));
        const Record imported = importTheCopy ? copied : ownQuestion("Сколько лучей у снежинки?");
        QStringList row{QStringLiteral("7"), qtext(imported.question)};
        for (const std::string& answer : imported.answers)
            row.append(qtext(answer));
        row.append(qtext(imported.answerLine));
        const ImportPlan plan = readImport(writeCsv({row}));
        const std::vector<StepImport> effects = importEffects(bank, plan, static_cast<ImportMode>(mode));
        QCOMPARE(effects.size(), std::size_t{1});
        std::vector<Record> accounted = effects.front().records;
        accounted.insert(accounted.end(), effects.front().leaving.begin(), effects.front().leaving.end());
        for (const Record& own : bank.file(7).records) {
            const auto found = std::find_if(accounted.begin(), accounted.end(),
                                            [&own](const Record& r) { return sameText(r, own); });
            QVERIFY2(found != accounted.end(), own.question.c_str());
            accounted.erase(found);
        }
    }

    void theFindingsFollowTheUnsavedText()
    {
        test::ScratchBank scratch;
        OpenBank bank;
        LiveCheck check(bank, {});
        bank.open(scratch.data());
        QVERIFY(check.findings().empty());
        bank.setText({8, 3}, RecordField::AnswerB, "");
        QCOMPARE(check.at({8, 3}, RecordField::AnswerB).size(), std::size_t{1});
        QCOMPARE(check.worstAt({8, 3}), std::optional(check::Severity::Error));
        QCOMPARE(check.worstInStep(8), std::optional(check::Severity::Error));
        bank.undoStack().undo();
        QVERIFY(check.findings().empty());
    }

    void csvCellsAreReadAsASpreadsheetWritesThem_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("secondRow");
        QTest::newRow("commas") << QStringLiteral("a,b\r\n1,2\r\n") << QStringList{QStringLiteral("1"), QStringLiteral("2")};
        QTest::newRow("semicolonsOfARussianSpreadsheet")
            << QStringLiteral("ступень;вопрос\n3;Да, нет?\n") << QStringList{QStringLiteral("3"), QStringLiteral("Да, нет?")};
        QTest::newRow("quotesAndLineBreaksInQuotes")
            << QString(QChar(0xFEFF)) + QStringLiteral("a,b\n\"x \"\"y\"\"\",\"две\nстроки\"\n")
            << QStringList{QStringLiteral("x \"y\""), QStringLiteral("две\nстроки")};
        QTest::newRow("blankRowsSkipped") << QStringLiteral("a\n\n,\n5\n") << QStringList{QStringLiteral("5")};
    }

    void csvCellsAreReadAsASpreadsheetWritesThem()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, secondRow);
        const CsvTable table = parseCsv(text);
        QCOMPARE(table.rows.size(), std::size_t{2});
        QCOMPARE(table.rows[1].cells, secondRow);
        QCOMPARE(table.unclosedQuoteRow, 0);
    }

    void anImportChangesNothingUntilAppliedAndUndoesAsOneStep()
    {
        test::ScratchBank scratch;
        OpenBank bank;
        bank.open(scratch.data());
        const Snapshot before = snapshot(bank);
        const QString csv = QStringLiteral("Вопрос;Ступень;A;B;C;D;Правильный\n"
                                           "Сколько будет 2+2?;2;3;4;5;6;В\n"
                                           "Столица Франции?;15;Париж;Лион;Ницца;Марсель;1\n"
                                           "Без ступени?;шестнадцать;а;б;в;г;A\n");
        const ImportPlan plan = readImport(csv);
        QCOMPARE(plan.rows.size(), std::size_t{3});
        QCOMPARE(plan.rows[0].record.answerLine, std::string("2"));  // Cyrillic В looks like B
        QCOMPARE(plan.rows[2].step, 0);
        QVERIFY(plan.rows[2].hasError);
        QCOMPARE(bank.undoStack().count(), 0);
        QVERIFY(sameBank(snapshot(bank), before));
        QVERIFY(importSummary(bank, plan, ImportMode::Append).join(u' ').contains(QStringLiteral("встанет после десятого")));

        applyImport(bank, plan, ImportMode::Append);
        QCOMPARE(bank.recordCount(2), 11);
        QCOMPARE(bank.record({15, 10}).question, std::string("Столица Франции?"));
        QCOMPARE(bank.undoStack().count(), 1);
        bank.undoStack().undo();
        QVERIFY(sameBank(snapshot(bank), before));
        QVERIFY(!bank.isModified());
    }

    void aBankExportedAndImportedInPlaceIsUnchanged()
    {
        test::ScratchBank scratch;
        OpenBank bank;
        bank.open(scratch.data());
        const ImportPlan plan = readImport(exportCsv(bank));
        QVERIFY(plan.problems.isEmpty());
        applyImport(bank, plan, ImportMode::Replace);
        QVERIFY(!bank.isModified());
    }
};

QTEST_GUILESS_MAIN(BankModelTest)
#include "BankModelTest.moc"
