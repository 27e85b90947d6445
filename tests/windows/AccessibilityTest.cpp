// What a player who uses the keyboard and a screen reader meets: a waiting main window that
// refuses every way in, where the focus goes, and what the screen reader is told.
#include "Accessible.h"
#include "TestForms.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

using namespace kvardelon;
using namespace kvardelon::test;

namespace {

constexpr std::array kMainControls{"Command1", "Command2", "Command3", "Command4", "Command5", "Command6",
                                   "Command7", "Picture1", "Picture2", "Picture3", "Picture4"};

// What the screen reader was last told from the window.
QString said(const Form& form)
{
    return form.window()->findChild<Announcer*>()->accessibleName();
}

// Everything of the main window a press could change, and which windows are open.
QStringList everything(TestForms& t)
{
    const GameState s = t.form1().state();
    QStringList seen{QString::number(s.gintK), QString::number(s.gintsum), t.labelText(t.form1(), "Label1")};
    for (const char* name : kMainControls)
        seen << t.buttonCaption(t.form1(), name) + QString::number(t.form1().control<QWidget>(name)->isEnabled());
    for (Form* form : std::initializer_list<Form*>{&t.forms().form2, &t.forms().form3, &t.forms().form4, &t.forms().form5})
        seen << QString::number(form->isLoaded());
    seen << QString::number(t.endings.size());
    return seen;
}

// Leaves the friend call, the audience poll and the about window, whichever is open.
void closeSecondaries(TestForms& t)
{
    for (Form* form : std::initializer_list<Form*>{&t.forms().form2, &t.forms().form3, &t.forms().form5})
        if (form->isLoaded())
            form->window()->close();
    settle();
}

void press(QWidget* control)
{
    QAccessible::queryAccessibleInterface(control)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    settle();
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void theWaitingMainWindowRefusesEveryPressAndSaysItIsDisabled_data()
    {
        QTest::addColumn<int>("window");
        QTest::newRow("friend call") << 2;
        QTest::newRow("audience poll") << 3;
        QTest::newRow("about window") << 5;
    }

    void theWaitingMainWindowRefusesEveryPressAndSaysItIsDisabled()
    {
        QFETCH(int, window);
        TestForms t;
        t.playTo(2);
        t.open(window);
        const QStringList before = everything(t);
        for (const char* name : kMainControls) {
            auto* control = t.form1().control<QAbstractButton>(name);
            QVERIFY2(QAccessible::queryAccessibleInterface(control)->state().disabled, name);
            press(control);
            control->click();
            emit control->clicked();
            QTest::keyClick(control, Qt::Key_Space);
            settle();
            QCOMPARE(everything(t), before);
        }
        closeSecondaries(t);
        auto* takeMoney = t.form1().control<QWidget>("Command7");
        QVERIFY(!QAccessible::queryAccessibleInterface(takeMoney)->state().disabled);
        press(takeMoney);
        QVERIFY(t.forms().form4.isLoaded());
    }

    // An assistive tool waits for the answer to its press: the press is answered first and the
    // button acts after, so that a window it opens (the fatal error report too) never holds
    // the tool's request.
    void aPressIsAnsweredBeforeTheButtonActs_data()
    {
        QTest::addColumn<QByteArray>("control");
        QTest::newRow("caption button") << QByteArray("Command7");  // takes the money: the ending
        QTest::newRow("picture button") << QByteArray("Picture2");  // the friend call
    }

    void aPressIsAnsweredBeforeTheButtonActs()
    {
        QFETCH(QByteArray, control);
        TestForms t;
        t.playTo(2);
        const auto openWindows = [&t] {
            QString open;
            for (Form* form : std::initializer_list<Form*>{&t.forms().form1, &t.forms().form2, &t.forms().form3,
                                                           &t.forms().form4, &t.forms().form5})
                open += form->isLoaded() ? u'1' : u'0';
            return open;
        };
        const QString before = openWindows();
        QAccessible::queryAccessibleInterface(t.form1().control<QWidget>(control.constData()))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(openWindows(), before);
        settle();
        QVERIFY(openWindows() != before);
    }

    void theFocusGoesToTheFirstAnswerShown_data()
    {
        QTest::addColumn<QByteArray>("after");  // a control pressed after the new game
        QTest::newRow("new game") << QByteArray();
        QTest::newRow("a right answer") << QByteArray("right");
        QTest::newRow("fifty-fifty") << QByteArray("Picture1");
        QTest::newRow("the friend call left") << QByteArray("Picture2");
        QTest::newRow("the audience poll left") << QByteArray("Picture3");
    }

    void theFocusGoesToTheFirstAnswerShown()
    {
        QFETCH(QByteArray, after);
        TestForms t;
        QCOMPARE(t.form1().window()->focusWidget()->objectName(), QStringLiteral("Picture4"));
        t.click(t.form1(), "Picture4");
        if (after == "right")
            t.answerCorrectly();
        else if (!after.isEmpty())
            t.click(t.form1(), after.constData());
        closeSecondaries(t);
        int first = 1;
        while (t.buttonCaption(t.form1(), QByteArray("Command" + QByteArray::number(first)).constData()).isEmpty())
            ++first;
        QCOMPARE(t.form1().window()->focusWidget()->objectName(), QStringLiteral("Command%1").arg(first));
    }

    void theScreenReaderHearsWhatAppears()
    {
        TestForms t;
        Form1& form1 = t.form1();
        const auto answers = [&] {
            QStringList shown{t.labelText(form1, "Label1")};
            for (const char* name : {"Command1", "Command2", "Command3", "Command4"})
                if (!t.buttonCaption(form1, name).isEmpty())
                    shown << t.buttonCaption(form1, name);
            return shown.join(QStringLiteral(". ")).replace(QStringLiteral("?."), QStringLiteral("?")) + '.';
        };
        // Opening a window is not heard as an empty notification.
        QVERIFY(!form1.window()->findChild<Announcer*>()->isVisibleTo(form1.window()));
        t.click(form1, "Picture4");
        QCOMPARE(said(form1), answers());
        t.click(form1, "Picture1");
        QCOMPARE(said(form1), answers());
        Form& friendCall = t.open(2);
        QCOMPARE(said(friendCall), QStringLiteral("Как зовут Вашего друга?"));
        QCOMPARE(QAccessible::queryAccessibleInterface(friendCall.control<QWidget>("Text1"))->text(QAccessible::Name),
                 QStringLiteral("Как зовут Вашего друга?"));
        t.click(friendCall, "Command1");
        QCOMPARE(said(friendCall), t.labelText(friendCall, "Label2"));
        t.click(friendCall, "Command2");
        Form& poll = t.open(3);
        QVERIFY(said(poll).startsWith(QStringLiteral("Мнение аудитории. Ответ A. ") + t.labelText(poll, "Label6").trimmed()));
        t.click(poll, "Command1");
        Form& about = t.open(5);
        QVERIFY(said(about).endsWith(QStringLiteral("Разработчик: Тавреллин. ") + makerAddress() + QStringLiteral(". УСПЕХОВ!")));
        t.click(about, "Command1");
        QCOMPARE(said(t.open(4)), QStringLiteral("ПОЗДРАВЛЯЕМ! Вы выиграили 0 рублей."));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
