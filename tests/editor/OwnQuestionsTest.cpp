// A bank of only the author's own questions: checked with no error, played by the game with hers
// alone, shown to her once each, written back byte for byte, and undone across the turn.
#include "BankCheck.h"
#include "Game.h"
#include "LiveCheck.h"
#include "OpenBank.h"
#include "OwnQuestions.h"
#include "QuestionBank.h"
#include "Random.h"
#include "Saving.h"
#include "ScratchBank.h"

#include <QTest>

#include <set>

using namespace kvardelon;
using namespace kvardelon::editor;

namespace {

std::string herQuestion(int step, int index)
{
    return "Ступень " + std::to_string(step) + ", мой вопрос № " + std::to_string(index + 1) + ": что растёт?";
}

Record herRecord(int step, int index)
{
    return Record{.question = herQuestion(step, index),
                  .answers = {"Сосна " + std::to_string(index), "Берёза", "Клён", "Дуб"},
                  .answerLine = "1"};
}

std::vector<Record> hers(int step, int count)
{
    std::vector<Record> records;
    for (int index = 0; index < count; ++index)
        records.push_back(herRecord(step, index));
    return records;
}

// The six lines of each record, in the file's own line end, the records given by index.
std::string fileOf(std::initializer_list<int> indexes, const std::string& lineEnd = "\r\n")
{
    std::string bytes;
    for (const int index : indexes) {
        const Record record = herRecord(3, index);
        for (const std::string& line : {record.question, record.answers[0], record.answers[1], record.answers[2],
                                        record.answers[3], record.answerLine})
            bytes += line + lineEnd;
    }
    return bytes;
}

// The game draws record `record` of ten: the value floor(v * 10) + 1 takes.
class DrawingRecord : public Random {
public:
    explicit DrawingRecord(int record) : value_((static_cast<float>(record) - 0.5F) / 10.0F) {}
    void seedFromTimeOfDay() override {}
    float next() override { return value_; }

private:
    float value_;
};

// What the player reads last in the question's label.
class QuestionShown : public NullWindowOps {
public:
    void setCaption(Captioned control, std::string_view text) override
    {
        if (control == Captioned::Label1)
            question = text;
    }
    std::string caption(Captioned) const override { return {}; }
    std::string question;
};

std::string played(const std::filesystem::path& data, int step, int record)
{
    DrawingRecord random(record);
    QuestionShown windows;
    GameState state;
    QuestionBank(data).loadQuestion(step, random, windows, state);
    return windows.question;
}

}  // namespace

class OwnQuestionsTest : public QObject {
    Q_OBJECT
private slots:
    void aBankOfOnlyHerQuestionsChecksCleanAndPlaysOnlyHers_data();
    void aBankOfOnlyHerQuestionsChecksCleanAndPlaysOnlyHers();
    void aFileOfHerQuestionsInTurnOpensOnceEachAndWritesBackByteForByte_data();
    void aFileOfHerQuestionsInTurnOpensOnceEachAndWritesBackByteForByte();
    void undoWalksBackAcrossTheTurn();
    void aCopySheMakesIsARepeatButTheTurnIsNot();
};

void OwnQuestionsTest::aBankOfOnlyHerQuestionsChecksCleanAndPlaysOnlyHers_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("drawn");  // what the editor says under the step's questions
    QTest::newRow("one") << 1 << QStringLiteral("1 ваш вопрос, он будет в каждой игре.");
    QTest::newRow("two") << 2 << QStringLiteral("2 ваших вопроса, каждый выпадет примерно в половине игр.");
    QTest::newRow("three") << 3
                           << QStringLiteral("3 ваших вопроса, первый выпадет примерно в 4 играх из 10, остальные — в 3.");
    QTest::newRow("nine") << 9
                          << QStringLiteral("9 ваших вопросов, первый выпадет примерно в 2 играх из 10, остальные — в 1.");
    QTest::newRow("ten") << 10 << QStringLiteral("10 ваших вопросов, каждый выпадет примерно в одной игре из десяти.");
    QTest::newRow("eleven") << 11
                            << QStringLiteral("11 ваших вопросов, игра берёт только первые десять, каждый из них "
                                              "выпадет примерно в одной игре из десяти.");
}

void OwnQuestionsTest::aBankOfOnlyHerQuestionsChecksCleanAndPlaysOnlyHers()
{
    QFETCH(int, count);
    QFETCH(QString, drawn);
    const test::ScratchBank scratch;
    OpenBank bank;
    bank.open(scratch.data());
    for (int step = 1; step <= kSteps; ++step)
        bank.replaceRecords(step, hers(step, count), QStringLiteral("её вопросы"));
    repeatOwnQuestions(bank, stepsToRepeat(bank));
    QCOMPARE(drawLine(bank, 3), drawn);
    QCOMPARE(saveSteps(bank, planSave(bank).steps).error, QString());

    const std::vector<check::Finding> findings = check::checkBank(scratch.data());
    QCOMPARE(check::countOf(findings, check::Severity::Error), 0);
    // An eleventh question is never drawn, and the checker says so: no way of writing makes
    // the game draw from more than ten.
    QCOMPARE(check::countOf(findings, check::Severity::Warning), count > 10 ? kSteps : 0);
    QCOMPARE(check::countOf(findings, check::Severity::Note), count < 10 ? kSteps : 0);

    OpenBank again;
    again.open(scratch.data());
    for (int step = 1; step <= kSteps; ++step) {
        std::set<std::string> shown;
        for (int record = 1; record <= 10; ++record)
            shown.insert(played(scratch.data(), step, record));
        std::set<std::string> first;
        for (int index = 0; index < std::min(count, 10); ++index)
            first.insert(herQuestion(step, index));
        QCOMPARE(shown, first);

        QCOMPARE(again.recordCount(step), count);
        QVERIFY(!again.isModified(step));
        QCOMPARE(again.record({step, count - 1}).question, herQuestion(step, count - 1));
        QCOMPARE(writeBankFile(again.written(step)).bytes, scratch.bytes(step));
    }
}

void OwnQuestionsTest::aFileOfHerQuestionsInTurnOpensOnceEachAndWritesBackByteForByte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("shown");
    const auto bytes = [](const std::string& text) { return QByteArray::fromStdString(text); };
    QTest::newRow("windows-1251, three to ten")
        << bytes(encodeCp1251(fileOf({0, 1, 2, 0, 1, 2, 0, 1, 2, 0})).bytes) << 3;
    QTest::newRow("UTF-8 with LF, two to twelve, no last line end")
        << bytes([] { std::string b = fileOf({0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1}, "\n"); b.pop_back(); return b; }())
        << 2;
    QTest::newRow("one question ten times") << bytes(encodeCp1251(fileOf({0, 0, 0, 0, 0, 0, 0, 0, 0, 0})).bytes) << 1;
    QTest::newRow("nine and the first again")
        << bytes(encodeCp1251(fileOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 0})).bytes) << 9;
    QTest::newRow("a turn broken at the tenth: ten records")
        << bytes(encodeCp1251(fileOf({0, 1, 2, 0, 1, 2, 0, 1, 2, 1})).bytes) << 10;
    QTest::newRow("three in turn to nine: too few, nine records")
        << bytes(encodeCp1251(fileOf({0, 1, 2, 0, 1, 2, 0, 1, 2})).bytes) << 9;
}

void OwnQuestionsTest::aFileOfHerQuestionsInTurnOpensOnceEachAndWritesBackByteForByte()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, shown);
    const test::ScratchBank scratch;
    scratch.write(3, bytes.toStdString());
    OpenBank bank;
    bank.open(scratch.data());
    QCOMPARE(bank.recordCount(3), shown);
    QVERIFY(!bank.isModified(3));
    QCOMPARE(writeBankFile(bank.written(3)).bytes, bytes.toStdString());

    // A change and its undo leave the bytes as they were; the change saved opens the same way.
    bank.setText({3, 0}, RecordField::AnswerB, "Ель");
    QVERIFY(bank.isModified(3));
    bank.undoStack().undo();
    QVERIFY(!bank.isModified(3));
    QCOMPARE(writeBankFile(bank.written(3)).bytes, bytes.toStdString());
    bank.undoStack().redo();
    QCOMPARE(saveSteps(bank, {3}).error, QString());
    OpenBank saved;
    saved.open(scratch.data());
    QCOMPARE(saved.recordCount(3), shown);
    QCOMPARE(saved.record({3, 0}).answers[1], std::string("Ель"));
}

void OwnQuestionsTest::undoWalksBackAcrossTheTurn()
{
    const test::ScratchBank scratch;
    scratch.write(3, encodeCp1251(fileOf({0, 1, 2})).bytes);
    OpenBank bank;
    bank.open(scratch.data());
    const auto writtenQuestions = [&] {
        QStringList questions;
        for (const Record& record : bank.written(3).records)
            questions.append(QString::fromStdString(record.question).section(u'№', 1).section(u':', 0, 0).trimmed());
        return questions.join(u' ');
    };
    // The states after each change, from the file as read to the last change.
    const QStringList states = {
        QStringLiteral("1 2 3"),
        QStringLiteral("1 2 3 1 2 3 1 2 3 1"),
        QStringLiteral("1 2 3 4 1 2 3 4 1 2"),
        QStringLiteral("2 3 4 2 3 4 2 3 4 2"),
    };
    QCOMPARE(writtenQuestions(), states[0]);
    repeatOwnQuestions(bank, stepsToRepeat(bank));
    QCOMPARE(writtenQuestions(), states[1]);
    bank.insertRecord({3, 3}, herRecord(3, 3), QStringLiteral("новый вопрос"));
    QCOMPARE(writtenQuestions(), states[2]);
    bank.removeRecord({3, 0});
    QCOMPARE(writtenQuestions(), states[3]);
    QCOMPARE(bank.recordCount(3), 3);
    for (qsizetype state = states.size() - 2; state >= 0; --state) {
        bank.undoStack().undo();
        QCOMPARE(writtenQuestions(), states[state]);
    }
    QVERIFY(!bank.isModified(3));
    QVERIFY(!bank.repeatsOwn(3));
    for (qsizetype state = 1; state < states.size(); ++state) {
        bank.undoStack().redo();
        QCOMPARE(writtenQuestions(), states[state]);
    }
}

void OwnQuestionsTest::aCopySheMakesIsARepeatButTheTurnIsNot()
{
    const test::ScratchBank scratch;
    scratch.write(3, encodeCp1251(fileOf({0, 1, 0, 1, 0, 1, 0, 1, 0, 1})).bytes);
    OpenBank bank;
    bank.open(scratch.data());
    const LiveCheck check(bank, {});
    const auto onStep3 = [&] {
        std::vector<check::Problem> problems;
        for (const check::Finding& finding : check.findings())
            if (finding.step == 3)
                problems.push_back(finding.problem);
        return problems;
    };
    QCOMPARE(onStep3(), std::vector<check::Problem>{});
    bank.insertRecord({3, 2}, asNew(bank.record({3, 0})), QStringLiteral("копию вопроса"));
    QCOMPARE(onStep3(), std::vector<check::Problem>{check::Problem::RepeatedQuestion});
    QCOMPARE(check.worstAt({3, 2}), std::optional(check::Severity::Warning));
}

QTEST_GUILESS_MAIN(OwnQuestionsTest)
#include "OwnQuestionsTest.moc"
