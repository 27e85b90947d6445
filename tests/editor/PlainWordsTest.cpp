// What the editor tells an author in her own words: finding a Russian word typed with a Latin
// letter in it, and places said as steps and questions rather than files and lines.
#include "BankFolders.h"
#include "EditorWindow.h"
#include "FindBar.h"
#include "FindingsView.h"
#include "LiveCheck.h"
#include "OpenBank.h"
#include "QtText.h"
#include "RussianQt.h"
#include "ScratchBank.h"
#include "ScriptedQuestions.h"
#include "SearchText.h"

#include <QFileIconProvider>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QDir>
#include <QTest>

#include <filesystem>
#include <fstream>

using namespace kvardelon;
using namespace kvardelon::editor;

namespace {

// Lines ended by CR LF.
std::string lines(std::initializer_list<const char*> texts)
{
    std::string bytes;
    for (const char* text : texts)
        bytes += std::string(text) + "\r\n";
    return bytes;
}

// Records from..to of step 3: questions "Вопрос R" in windows-1251, answer A.
std::string records(int from, int to)
{
    std::string bytes;
    for (int r = from; r <= to; ++r) {
        const std::string question = "\xC2\xEE\xEF\xF0\xEE\xF1 " + std::to_string(r);
        bytes += lines({question.c_str(), "aa", "bb", "cc", "dd", "1"});
    }
    return bytes;
}

struct Spoiled {
    const char* name;
    void (*spoil)(const test::ScratchBank& bank);
    const char* saying;
};

const Spoiled kSpoiled[] = {
    {"nineQuestions", [](const test::ScratchBank& b) { b.write(3, records(1, 9)); },
     "Ступень 3: на ступени 9 вопросов, а нужно не меньше десяти: игра остановится с ошибкой, когда выпадет "
     "вопрос № 10."},
    {"equalAnswers",
     [](const test::ScratchBank& b) { b.write(3, lines({"q", "same", "other", "same", "d", "1"}) + records(2, 10)); },
     "Ступень 3, вопрос 1: ответ C «same» совпадает с ответом A."},
    {"blankLineBetweenQuestions", [](const test::ScratchBank& b) { b.write(3, records(1, 4) + "\r\n" + records(5, 10)); },
     "Ступень 3, вопрос 5: в вопросе № 5 лишний текст между вопросом и номером правильного ответа"},
    {"noCorrectAnswer",
     [](const test::ScratchBank& b) { b.write(3, lines({"q", "aa", "bb", "cc", "dd", ""}) + records(2, 10)); },
     "Ступень 3, вопрос 1: правильный ответ не отмечен"},
    {"eleventhQuestion", [](const test::ScratchBank& b) { b.write(3, records(1, 11)); },
     "Ступень 3: после десятого вопроса есть ещё текст"},
    {"controlCharacterTwice",
     [](const test::ScratchBank& b) { b.write(3, lines({"q\x1B", "a", "b", "c", "d", "1", "r\x1B", "a", "b", "c", "d", "1"}) + records(3, 10)); },
     "(и ещё в 1 тексте этой ступени)"},
    {"repeatedQuestion",
     [](const test::ScratchBank& b) {
         const std::string first = b.bytes(1).substr(0, b.bytes(1).find("\r\n"));
         b.write(3, lines({first.c_str(), "a", "b", "c", "d", "1"}) + records(2, 10));
     },
     "уже есть: ступень 1, вопрос 1."},
    {"folderInPlaceOfTheFile",
     [](const test::ScratchBank& b) {
         std::filesystem::remove(b.file(3));
         std::filesystem::create_directory(b.file(3));
     },
     "Ступень 3: на месте вопросов этой ступени в папке банка лежит не файл"},
};

class PlainWordsTest : public QObject {
    Q_OBJECT
private slots:
    void findMatchesRussianWordsWhateverLatinLettersTheyHold_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("searched");
        QTest::addColumn<bool>("found");
        QTest::newRow("latinCapitalInTheField") << QStringLiteral("Где растёт Cосна?") << QStringLiteral("сосна") << true;
        QTest::newRow("latinSmallInTheField") << QStringLiteral("Кaкое дерево") << QStringLiteral("КАКОЕ") << true;
        QTest::newRow("latinInTheSearch") << QStringLiteral("Какое дерево") << QStringLiteral("Кaкое") << true;
        QTest::newRow("partOfAWord") << QStringLiteral("Cосна") << QStringLiteral("осн") << true;
        QTest::newRow("latinWordsStayLatin") << QStringLiteral("Что такое Wi-Fi?") << QStringLiteral("wi-fi") << true;
        QTest::newRow("latinSearchInLatinWord") << QStringLiteral("Hello") << QStringLiteral("h") << true;
        QTest::newRow("otherWord") << QStringLiteral("Cосна") << QStringLiteral("ель") << false;
        // A word of Latin letters alone is meant so: the Russian "с" finds no Latin "c".
        QTest::newRow("latinWordIsNoRussianOne") << QStringLiteral("vitamin C") << QStringLiteral("С") << false;
    }

    void findMatchesRussianWordsWhateverLatinLettersTheyHold()
    {
        QFETCH(QString, field);
        QFETCH(QString, searched);
        QFETCH(bool, found);
        QCOMPARE(searchForm(field).contains(searchForm(searched)), found);
    }

    // Qt's own translation leaves "Folder" in every row of a file dialog's list.
    void aFileDialogCallsAFolderAFolderInRussian()
    {
        speakRussian(*QCoreApplication::instance());
        const QTemporaryDir folder;
        QCOMPARE(QFileIconProvider().type(QFileInfo(folder.path())), QStringLiteral("Папка"));
    }

    // The findings list speaks of steps and questions: the lines, bytes and encodings of the
    // checker's report are for authors at a terminal.
    void findingsSayStepsAndQuestionsNotFilesAndLines_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < static_cast<int>(std::size(kSpoiled)); ++row)
            QTest::newRow(kSpoiled[row].name) << row;
    }

    void findingsSayStepsAndQuestionsNotFilesAndLines()
    {
        QFETCH(int, row);
        test::ScratchBank scratch;
        kSpoiled[row].spoil(scratch);
        OpenBank bank;
        LiveCheck check(bank, {});
        bank.open(scratch.data());
        QStringList shown;
        for (const check::Finding& finding : check.findings())
            shown.append(findingText(finding));
        const QString all = shown.join(u'\n');
        QVERIFY2(all.contains(QString::fromUtf8(kSpoiled[row].saying)), qPrintable(all));
        const QRegularExpression technical(QStringLiteral("qw\\d|\\.txt|data|строк|байт|UTF|1251|:\\d"));
        QVERIFY2(!all.contains(technical), qPrintable(all));
    }

    // The system's own words ("Not a directory") never reach her.
    void aNewBankThatCannotBeMadeSaysWhyInRussian()
    {
        QTemporaryDir scratch;
        const std::filesystem::path inTheWay = toPath(scratch.path()) / "notes";
        std::ofstream(inTheWay) << "a file, not a folder";
        const std::filesystem::path folder = inTheWay / "Мой банк";
        const QString error = createBank(folder, Template::Empty, {}).error;
        QVERIFY2(error.contains(QStringLiteral("вместо папки лежит файл")), qPrintable(error));
        QVERIFY2(!QString(error).remove(pathText(folder)).contains(QRegularExpression(QStringLiteral("[A-Za-z]{2,}"))),
                 qPrintable(error));
    }

    // Files are named in one place: where the bank lies, which the title shows as her folder.
    void whereTheBankLiesNamesHerFolderAndTheFilesTheGameReads()
    {
        test::ScratchBank scratch;
        const QString herFolder = pathText(scratch.data().parent_path());
        // As she reads it: with Windows' backslashes there.
        const QString shown = QDir::toNativeSeparators(herFolder);
        EditorWindow window(toPath(QCoreApplication::applicationDirPath()));
        auto questions = std::make_unique<test::ScriptedQuestions>();
        test::ScriptedQuestions& script = *questions;
        window.setQuestions(std::move(questions));
        QVERIFY(window.openFolder(herFolder));
        QVERIFY2(window.windowTitle().startsWith(shown + QStringLiteral("[*] — ")), qPrintable(window.windowTitle()));
        script.press(QStringLiteral("Закрыть"));
        window.showPlace();
        QCOMPARE(script.unused(), 0);
        QVERIFY2(script.seen().contains(QStringLiteral("Банк лежит в папке ") + shown + u'.'), qPrintable(script.seen()));
        QVERIFY2(script.seen().contains(QStringLiteral("qw1.txt … qw15.txt")), qPrintable(script.seen()));
    }

    void aLatinLetterInARussianWordIsWarnedAtItsFieldAsSheTypes()
    {
        test::ScratchBank scratch;
        OpenBank bank;
        LiveCheck check(bank, {});
        bank.open(scratch.data());
        bank.setText({4, 2}, RecordField::AnswerC, "Cосна");
        const std::vector<check::Finding> found = check.at({4, 2}, RecordField::AnswerC);
        QCOMPARE(found.size(), std::size_t{1});
        QCOMPARE(found.front().problem, check::Problem::MixedLetters);
        QVERIFY(findingText(found.front()).startsWith(QStringLiteral("Ступень 4, вопрос 3: латинская буква C в русском слове «Cосна»")));
        bank.undoStack().undo();
        QVERIFY(check.at({4, 2}, RecordField::AnswerC).empty());
    }

    void theFindBarFindsAWordTypedWithALatinLetter()
    {
        test::ScratchBank scratch;
        OpenBank bank;
        bank.open(scratch.data());
        bank.setText({4, 2}, RecordField::AnswerC, "Cосна обыкновенная");
        const std::vector<Match> found = findInBank(bank, QStringLiteral("сосна обыкн"));
        QCOMPARE(found.size(), std::size_t{1});
        QCOMPARE(found.front().place.step, 4);
        QCOMPARE(found.front().place.record, 2);
        QCOMPARE(found.front().field, RecordField::AnswerC);
    }
};

}  // namespace

QTEST_MAIN(PlainWordsTest)
#include "PlainWordsTest.moc"
