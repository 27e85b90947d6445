// What the editor tells an author in her own words: finding a Russian word typed with a Latin
// letter in it, and places said as steps and questions rather than files and lines.
#include "FindBar.h"
#include "LiveCheck.h"
#include "OpenBank.h"
#include "QtText.h"
#include "RussianQt.h"
#include "ScratchBank.h"
#include "SearchText.h"

#include <QFileIconProvider>
#include <QTemporaryDir>
#include <QTest>

using namespace kvardelon;
using namespace kvardelon::editor;

namespace {

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
