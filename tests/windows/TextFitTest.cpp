// Every question and answer of the shipped banks fits its control in the game's own font.
#include "TextFit.h"
#include "Toolkit.h"

#include "BankFiles.h"
#include "QuestionBank.h"
#include "ShippedBanks.h"

#include <QApplication>
#include <QTest>

using namespace kvardelon;

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
