// The friend call, audience poll and about windows: opening, using, and every way out.
#include "Controls.h"
#include "TestForms.h"

#include <QLineEdit>
#include <QTest>

using namespace kvardelon;
using namespace kvardelon::test;

class SecondaryWindowsTest : public QObject {
    Q_OBJECT

private:
    // Opens the friend call, the audience poll or the about window during a game at step 2.
    static Form& openByPicture(TestForms& t, const QString& which)
    {
        t.playTo(2);
        if (which == QStringLiteral("friend"))
            return t.open(2);
        return t.open(which == QStringLiteral("audience") ? 3 : 5);
    }

private slots:
    void aSecondaryWindowDisablesTheMainWindowUntilItIsLeft_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QByteArray>("picture");  // the lifeline it uses up, if any
        QTest::addColumn<QByteArray>("leave");    // its own way out
        QTest::addColumn<bool>("byWindowManager");
        QTest::newRow("friend, by its button") << "friend" << QByteArray("Picture2") << QByteArray("Command2") << false;
        QTest::newRow("friend, by the window manager") << "friend" << QByteArray("Picture2") << QByteArray() << true;
        QTest::newRow("audience, by its button") << "audience" << QByteArray("Picture3") << QByteArray("Command1") << false;
        QTest::newRow("audience, by the window manager") << "audience" << QByteArray("Picture3") << QByteArray() << true;
        QTest::newRow("about, by its button") << "about" << QByteArray() << QByteArray("Command1") << false;
        QTest::newRow("about, by the window manager") << "about" << QByteArray() << QByteArray() << true;
    }

    void aSecondaryWindowDisablesTheMainWindowUntilItIsLeft()
    {
        QFETCH(QString, which);
        QFETCH(QByteArray, picture);
        QFETCH(QByteArray, leave);
        QFETCH(bool, byWindowManager);
        TestForms t;
        Form& window = openByPicture(t, which);
        QVERIFY(window.isLoaded());
        QVERIFY(!t.form1().isEnabled());
        if (!picture.isEmpty())
            QVERIFY(!t.form1().control<QWidget>(picture.constData())->isEnabled());

        // Nothing of the main window answers while it is disabled: not a click, not a key.
        const GameState before = t.form1().state();
        t.click(t.form1(), "Command7");
        QTest::keyClick(t.form1().control<QWidget>("Command5"), Qt::Key_Space);
        t.click(t.form1(), "Command5");
        QVERIFY(!t.forms().form4.isLoaded());
        QVERIFY(t.endings.isEmpty());
        QCOMPARE(t.form1().state(), before);

        if (byWindowManager) {
            window.window()->close();
            settle();
        } else {
            t.click(window, leave.constData());
        }
        QVERIFY(!window.isLoaded());
        QVERIFY(t.form1().isEnabled());
        QVERIFY(t.endings.isEmpty());
        if (!picture.isEmpty())
            QVERIFY(!t.form1().control<QWidget>(picture.constData())->isEnabled());

        // The main window takes input again.
        t.click(t.form1(), "Command7");
        QVERIFY(t.forms().form4.isLoaded());
    }

    void theFriendNamesALetterAfterTheNameAsTyped()
    {
        TestForms t;
        Form& friendCall = openByPicture(t, QStringLiteral("friend"));
        auto* name = friendCall.control<QLineEdit>("Text1");
        t.click(friendCall, "Command1");
        const QString sentence = t.labelText(friendCall, "Label2");
        QVERIFY(sentence.startsWith(QStringLiteral(" думает, что правильный ответ ")));
        QVERIFY(friendCall.control<QWidget>("Command2")->isVisibleTo(friendCall.window()));

        type(name, QStringLiteral("<b>Сосед</b> & Ко"));
        t.clock += 1.0F;
        t.click(friendCall, "Command1");
        const QString second = t.labelText(friendCall, "Label2");
        QVERIFY(second.startsWith(QStringLiteral("<b>Сосед</b> & Ко думает, что правильный ответ ")));
        QVERIFY(second.endsWith(QStringLiteral(".")));
        QCOMPARE(second.size(), QStringLiteral("<b>Сосед</b> & Ко думает, что правильный ответ A.").size());
    }

    void theAudienceSharesAreFourPercentagesSummingToAHundred()
    {
        for (const float clock : {1.0F, 2.5F, 40000.0F, 86399.0F}) {
            TestForms t;
            t.clock = clock;
            Form& poll = openByPicture(t, QStringLiteral("audience"));
            int sum = 0;
            for (const char* name : {"Label6", "Label7", "Label8", "Label9"}) {
                const QString text = t.labelText(poll, name);
                QVERIFY2(text.startsWith(QLatin1Char(' ')) && text.endsWith(QLatin1Char('%')), qPrintable(text));
                bool number = false;
                sum += text.mid(1, text.size() - 2).toInt(&number);
                QVERIFY(number);
            }
            QCOMPARE(sum, 100);
            QCOMPARE(t.labelText(poll, "Label2"), QStringLiteral("Ответ A"));
        }
    }

    void theAboutWindowOpensTheMakersPageAsOftenAsClicked()
    {
        TestForms t;
        t.click(t.form1(), "Command6");
        Form& about = t.forms().form5;
        QVERIFY(!t.form1().isEnabled());
        t.click(about, "lblurl");
        t.click(about, "lblurl");
        QCOMPARE(t.openedUrls, (QStringList{makerAddress(), makerAddress()}));
        QVERIFY(makerAddress().startsWith(QStringLiteral("https://")) && makerAddress().endsWith(QLatin1Char('/')));
        QCOMPARE(t.labelText(about, "lblurl"), makerAddress());
        QVERIFY(about.isLoaded());
        QCOMPARE(t.labelText(about, "Label2"), QStringLiteral("Разработчик: "));
        QCOMPARE(t.labelText(about, "label7"), QStringLiteral("Тавреллин"));
        t.click(about, "Command1");
        QVERIFY(t.form1().isEnabled());
        QVERIFY(t.form1().control<QWidget>("Command6")->isEnabled());
    }

    void closingTheResultWindowEndsTheProcess()
    {
        TestForms t;
        t.playTo(1);
        t.click(t.form1(), "Command7");
        t.forms().form4.window()->close();
        QCOMPARE(t.endings, QList<int>{0});
    }

    void theFriendCallCanBeLeftOnlyOnceCalledButClosedAnyway()
    {
        TestForms t;
        Form& friendCall = openByPicture(t, QStringLiteral("friend"));
        QVERIFY(!friendCall.control<QWidget>("Command2")->isVisibleTo(friendCall.window()));
        friendCall.window()->close();
        settle();
        QVERIFY(!friendCall.isLoaded());
        QVERIFY(t.form1().isEnabled());
    }
};

QTEST_MAIN(SecondaryWindowsTest)
#include "SecondaryWindowsTest.moc"
