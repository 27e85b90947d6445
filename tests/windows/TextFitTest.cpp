// Every question and answer of the shipped banks fits its control in the game's own font.
#include "TextFit.h"
#include "Toolkit.h"

#include "BankFiles.h"
#include "QuestionBank.h"
#include "ShippedBanks.h"

#include <QApplication>
#include <QTest>

using namespace kvardelon;

Q_DECLARE_METATYPE(kvardelon::TextPlace)

class TextFitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        applyLook(*qApp);
        QCOMPARE(QFontInfo(defaultFont()).family(), QString::fromLatin1(kDefaultFamily));
    }

    void theMeasureTellsTooLongFromShortEnough()
    {
        QVERIFY(questionFits(QStringLiteral("Какая река протекает через Москву?")));
        QVERIFY(!questionFits(QString(400, QLatin1Char('W'))));
        QVERIFY(!questionFits(QStringLiteral("Слово ").repeated(40)));
        QVERIFY(answerFits(QStringLiteral("Москва")));
        QVERIFY(!answerFits(QStringLiteral("Длинный ответ ").repeated(8)));
    }

    // A text that already overflows hides each character added to it, counted as the player
    // sees characters: one beyond U+FFFF, or a letter with its accent, is one, not two.
    void eachCharacterAddedToAnOverlongTextIsOneMoreHidden_data()
    {
        QTest::addColumn<TextPlace>("place");
        QTest::addColumn<QString>("overlong");
        QTest::addColumn<QString>("added");
        QTest::addColumn<int>("characters");
        const QString question = QStringLiteral("Какое растение ").repeated(30);
        const QString answer = QStringLiteral("Длинный ответ ").repeated(8);
        QTest::newRow("question + Cyrillic") << TextPlace::Question << question << QStringLiteral("сосна") << 5;
        QTest::newRow("question + mathematical letters") << TextPlace::Question << question << QStringLiteral("𝔸𝔹ℂ") << 3;
        QTest::newRow("question + emoji") << TextPlace::Question << question << QStringLiteral("🌲🌳") << 2;
        QTest::newRow("question + й as и and its breve") << TextPlace::Question << question << QStringLiteral("и\u0306") << 1;
        QTest::newRow("answer + mathematical letters") << TextPlace::Answer << answer << QStringLiteral("𝔸 𝔹") << 3;
        QTest::newRow("overlong in emoji + emoji") << TextPlace::Answer << QStringLiteral("🌲").repeated(60)
                                                  << QStringLiteral("🌳") << 1;
    }

    void eachCharacterAddedToAnOverlongTextIsOneMoreHidden()
    {
        QFETCH(TextPlace, place);
        QFETCH(QString, overlong);
        QFETCH(QString, added);
        QFETCH(int, characters);
        const int hidden = hiddenCharacters(overlong, place);
        QVERIFY(hidden > 0);
        QCOMPARE(hiddenCharacters(overlong + added, place), hidden + characters);
    }

    // What is left when the hidden characters are taken away fits, and one character more
    // does not: the count is neither too high nor too low, and never cuts a character in two.
    void theHiddenCharactersAreExactlyThoseThatDoNotFit_data()
    {
        QTest::addColumn<TextPlace>("place");
        QTest::addColumn<QString>("text");
        QTest::newRow("question of words") << TextPlace::Question << QStringLiteral("Какое растение ").repeated(30);
        QTest::newRow("question of 𝔸") << TextPlace::Question << QStringLiteral("Что это? ") + QStringLiteral("𝔸").repeated(200);
        QTest::newRow("answer of emoji") << TextPlace::Answer << QStringLiteral("🌲 ").repeated(40);
        QTest::newRow("answer of one long word") << TextPlace::Answer << QStringLiteral("Электроэнцефалографический").repeated(2);
    }

    void theHiddenCharactersAreExactlyThoseThatDoNotFit()
    {
        QFETCH(TextPlace, place);
        QFETCH(QString, text);
        const auto fits = [place](const QString& shown) {
            return place == TextPlace::Question ? questionFits(shown) : answerFits(shown);
        };
        // The text's characters as the player sees them, 𝔸 as one.
        QStringList characters;
        for (qsizetype i = 0; i < text.size(); i += text.at(i).isHighSurrogate() ? 2 : 1)
            characters.append(text.mid(i, text.at(i).isHighSurrogate() ? 2 : 1));
        const int hidden = hiddenCharacters(text, place);
        QVERIFY(hidden > 0);
        QVERIFY(hidden < characters.size());
        QVERIFY(fits(characters.first(characters.size() - hidden).join(QString())));
        QVERIFY(!fits(characters.first(characters.size() - hidden + 1).join(QString())));
    }

    void everyShippedTextFitsItsControl_data()
    {
        QTest::addColumn<QString>("folder");
        for (const kvardelon::test::ShippedBank& shipped : kvardelon::test::kShippedBanks)
            QTest::newRow(shipped.name) << QString::fromLatin1(shipped.folder);
    }

    void everyShippedTextFitsItsControl()
    {
        QFETCH(QString, folder);
        const QuestionBank bank(folder.toStdString());  // below the current directory, the source tree
        for (int step = 1; step <= 15; ++step) {
            const std::string bytes = readBankFileBytes(bank.fileName(step), step);
            LineReader reader(bytes, bank.fileName(step), step);
            std::string line;
            for (int index = 0; index < kRecordsDrawnFrom * kLinesPerRecord && reader.nextLine(line); ++index) {
                const QString text = QString::fromStdString(line);
                const int field = index % kLinesPerRecord;
                const QString where =
                    QStringLiteral("%1/qw%2.txt:%3: %4").arg(folder).arg(step).arg(index + 1).arg(text);
                if (field == 0)
                    QVERIFY2(questionFits(text), qPrintable(where));
                else if (field <= 4)
                    QVERIFY2(answerFits(text), qPrintable(where));
            }
        }
    }
};

QTEST_MAIN(TextFitTest)
#include "TextFitTest.moc"
