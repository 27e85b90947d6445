// Whole games played by clicking, to each of the three endings and back.
#include "Controls.h"
#include "TestForms.h"
#include "Toolkit.h"

#include "Ladder.h"

#include <QTemporaryDir>
#include <QTest>

#include <fstream>

using namespace kvardelon;
using namespace kvardelon::test;

class PlayTest : public QObject {
    Q_OBJECT

private:
    static QColor ladderColour(TestForms& t, int step)
    {
        const QByteArray name = "Label" + QByteArray::number(step + 1);
        return t.form1().control<QLabel>(name.constData())->palette().color(QPalette::WindowText);
    }

    static void expectInitialMainWindow(TestForms& t)
    {
        Form1& form1 = t.form1();
        QVERIFY(form1.isLoaded());
        QVERIFY(form1.window()->isVisible());
        QVERIFY(form1.isEnabled());
        for (int step = 1; step <= kSteps; ++step)
            QCOMPARE(ladderColour(t, step), fromBgr(ladderStep(step).atRest));
        QCOMPARE(t.labelText(form1, "Label1"), QString());
        for (const char* name : {"Command1", "Command2", "Command3", "Command4"}) {
            QCOMPARE(t.buttonCaption(form1, name), QString());
            QVERIFY(!form1.control<QWidget>(name)->isEnabled());
        }
        for (const char* name : {"Picture1", "Picture2", "Picture3", "Command7", "Label1"})
            QVERIFY2(!form1.control<QWidget>(name)->isEnabled(), name);
        QVERIFY(form1.control<QWidget>("Picture4")->isEnabled());
    }

private slots:
    void newGameShowsTheFirstQuestionAndEnablesTheGame()
    {
        TestForms t;
        t.click(t.form1(), "Picture4");
        Form1& form1 = t.form1();
        QCOMPARE(form1.state().gintK, 1);
        QVERIFY(!t.labelText(form1, "Label1").isEmpty());
        QVERIFY(t.buttonCaption(form1, "Command1").startsWith(QStringLiteral("A:")));
        QVERIFY(t.buttonCaption(form1, "Command4").startsWith(QStringLiteral("D:")));
        QVERIFY(!form1.control<QWidget>("Picture4")->isEnabled());
        for (const char* name : {"Picture1", "Picture2", "Picture3", "Command1", "Command4", "Label1", "Command7"})
            QVERIFY2(form1.control<QWidget>(name)->isEnabled(), name);
    }

    void aWrongAnswerEndsTheGameWithTheGuaranteedSum_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("text");
        QTest::newRow("step 3") << 3 << "Вы выиграли  0 рублей.";
        QTest::newRow("step 7") << 7 << "Вы выиграли  1000 рублей.";
        QTest::newRow("step 12") << 12 << "Вы выиграли  32000 рублей.";
    }

    void aWrongAnswerEndsTheGameWithTheGuaranteedSum()
    {
        QFETCH(int, step);
        QFETCH(QString, text);
        TestForms t;
        QVERIFY(t.playTo(step));
        const QByteArray wrong = "Command" + QByteArray::number(t.wrongAnswer());
        t.click(t.form1(), wrong.constData());
        QVERIFY(!t.form1().isLoaded());
        QVERIFY(t.forms().form4.isLoaded());
        QCOMPARE(t.labelText(t.forms().form4, "Label1"), QStringLiteral("ПОЗДРАВЛЯЕМ!"));
        QCOMPARE(t.labelText(t.forms().form4, "Label2"), text);
        QCOMPARE(t.form1().state().gintK, step);
    }

    void fifteenCorrectAnswersWinTheMillion()
    {
        TestForms t;
        QVERIFY(t.playTo(15));
        for (int step = 1; step < kSteps; ++step)
            QCOMPARE(ladderColour(t, step), fromBgr(ladderStep(step).passed));
        t.answerCorrectly();
        QVERIFY(!t.form1().isLoaded());
        QCOMPARE(t.labelText(t.forms().form4, "Label2"), QStringLiteral("Вы выиграли  1000000 рублей."));
        QCOMPARE(t.form1().state().gintsum, 500000);
        QCOMPARE(t.form1().state().gintnsum, 1000000);
    }

    void takingTheMoneyAtStep13Pays125000()
    {
        TestForms t;
        QVERIFY(t.playTo(13));
        t.click(t.form1(), "Command7");
        QCOMPARE(t.labelText(t.forms().form4, "Label2"), QStringLiteral("Вы выиграили  125000 рублей."));
    }

    void hurrahBringsBackTheMainWindowAsAtStartButKeepsTheState()
    {
        TestForms t;
        QVERIFY(t.playTo(10));
        t.click(t.form1(), "Picture1");
        t.click(t.form1(), "Command7");
        t.click(t.forms().form4, "Command1");
        QVERIFY(!t.forms().form4.isLoaded());
        expectInitialMainWindow(t);
        QCOMPARE(t.form1().state().gintsum, 16000);
        QCOMPARE(t.form1().state().gintnsum, 1000);

        // A second game starts from zero with every lifeline back, and a later result
        // window shows only its own text.
        QVERIFY(t.playTo(2));
        QCOMPARE(t.form1().state().gintsum, 100);
        QVERIFY(t.form1().control<QWidget>("Picture1")->isEnabled());
        t.click(t.form1(), "Command7");
        QCOMPARE(t.labelText(t.forms().form4, "Label2"), QStringLiteral("Вы выиграили  100 рублей."));
    }

    void fiftyfiftyBlanksTwoWrongAnswersThatStayClickable()
    {
        TestForms t;
        QVERIFY(t.playTo(4));
        t.click(t.form1(), "Picture1");
        const int correct = t.form1().state().gintO;
        int blank = 0;
        int blankButton = 0;
        for (int n = 1; n <= 4; ++n) {
            const QByteArray name = "Command" + QByteArray::number(n);
            if (t.buttonCaption(t.form1(), name.constData()).isEmpty()) {
                ++blank;
                blankButton = n;
                QVERIFY(n != correct);
                QVERIFY(t.form1().control<QWidget>(name.constData())->isEnabled());
            }
        }
        QCOMPARE(blank, 2);
        QVERIFY(!t.form1().control<QWidget>("Picture1")->isEnabled());

        const QByteArray removed = "Command" + QByteArray::number(blankButton);
        t.click(t.form1(), removed.constData());
        QCOMPARE(t.labelText(t.forms().form4, "Label2"), QStringLiteral("Вы выиграли  0 рублей."));
    }

    void exitEndsTheProcessFromAnyState()
    {
        TestForms t;
        t.click(t.form1(), "Command5");
        QCOMPARE(t.endings, QList<int>{0});
        TestForms playing;
        QVERIFY(playing.playTo(3));
        playing.click(playing.form1(), "Command5");
        QCOMPARE(playing.endings, QList<int>{0});
    }

    void closingTheMainWindowIsExitUnlessItIsDisabled()
    {
        TestForms t;
        t.form1().window()->close();
        QCOMPARE(t.endings, QList<int>{0});

        TestForms disabled;
        disabled.click(disabled.form1(), "Command6");
        disabled.form1().window()->close();
        QVERIFY(disabled.endings.isEmpty());
        QVERIFY(disabled.form1().window()->isVisible());
    }

    void aBrokenBankReportsTheFileAndLineThenEndsWithFailure()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        QDir(root.path()).mkdir(QStringLiteral("data"));
        std::ofstream(QDir(root.path()).filePath(QStringLiteral("data/qw1.txt")).toStdString(), std::ios::binary)
            << "only a question\r\n";
        TestForms t(QuestionBank(std::filesystem::path(root.path().toStdString()) / "data"));
        t.click(t.form1(), "Picture4");
        QCOMPARE(t.fatalMessages.size(), 1);
        QVERIFY(t.fatalMessages.front().contains(QStringLiteral("qw1.txt")));
        QVERIFY(t.fatalMessages.front().contains(QStringLiteral("строке 1")));
        QCOMPARE(t.endings, QList<int>{1});
    }

    void textFromTheBankIsShownLiterally()
    {
        TestForms t;
        t.form1().setCaption(Captioned::Label1, "<b>1</b>");
        t.form1().setCaption(Captioned::Command2, "B:R&D <i>");
        QCOMPARE(t.labelText(t.form1(), "Label1"), QStringLiteral("<b>1</b>"));
        QCOMPARE(t.form1().caption(Captioned::Label1), std::string("<b>1</b>"));
        QCOMPARE(t.form1().caption(Captioned::Command2), std::string("B:R&D <i>"));
        auto* button = t.form1().control<QPushButton>("Command2");
        QVERIFY(button->text().isEmpty());  // nothing for Qt to read as an access key
        QVERIFY(button->shortcut().isEmpty());
    }

    void disabledPicturesStillShowTheirBitmap()
    {
        TestForms t;
        auto* picture = t.form1().control<PictureButton>("Picture1");
        QVERIFY(!picture->isEnabled());
        const QImage disabled = picture->grab().toImage();
        QVERIFY(t.playTo(1));
        picture = t.form1().control<PictureButton>("Picture1");
        QVERIFY(picture->isEnabled());
        QCOMPARE(picture->grab().toImage(), disabled);
        QCOMPARE(picture->pixmap().size() / picture->pixmap().devicePixelRatio(), QSize(147, 105));
    }
};

QTEST_MAIN(PlayTest)
#include "PlayTest.moc"
