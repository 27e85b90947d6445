// Every window as loaded: where it stands, its controls' places, captions and states.
#include "Controls.h"
#include "TestForms.h"
#include "Toolkit.h"

#include "Ladder.h"

#include <QLineEdit>
#include <QTest>

using namespace kvardelon;
using namespace kvardelon::test;

class LayoutTest : public QObject {
    Q_OBJECT

private:
    // Opens the window of the given number the way the game does, in a game where one is needed.
    static Form& open(TestForms& t, int number)
    {
        if (number >= 2 && number <= 4)
            t.playTo(1);
        return t.open(number);
    }

    // The control's place in its window's client area, through whatever holds it there.
    static QRect placeInClient(const QWidget& control)
    {
        const QWidget* client = control.window()->findChild<QWidget*>(QStringLiteral("client"), Qt::FindDirectChildrenOnly);
        if (client == nullptr)
            client = control.window();
        return {control.mapTo(client, QPoint(0, 0)), control.size()};
    }

private slots:
    void windowsStandWhereDescribed_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QPoint>("place");  // (-1, -1): centred on the screen
        QTest::newRow("Form1") << 1 << "Кварделон" << QSize(473, 474) << QPoint(150, 71);
        QTest::newRow("Form2") << 2 << "Звонок другу" << QSize(248, 212) << QPoint(297, 152);
        QTest::newRow("Form3") << 3 << "Помощь зала" << QSize(312, 252) << QPoint(215, 71);
        QTest::newRow("Form4") << 4 << "Спасибо за игру." << QSize(312, 191) << QPoint(-1, -1);
        QTest::newRow("Form5") << 5 << "" << QSize(314, 265) << QPoint(-1, -1);
    }

    void windowsStandWhereDescribed()
    {
        QFETCH(int, form);
        QFETCH(QString, title);
        QFETCH(QSize, client);
        QFETCH(QPoint, place);
        TestForms t;
        Form& window = open(t, form);
        QVERIFY(window.isLoaded());
        QVERIFY(window.window()->isVisible());
        QCOMPARE(window.window()->windowTitle(), title);
        QCOMPARE(clientGeometry(window).size(), client);
        QCOMPARE(window.window()->minimumSize(), window.window()->maximumSize());
        const Qt::WindowFlags flags = window.window()->windowFlags();
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QCOMPARE(bool(flags & Qt::WindowCloseButtonHint), form == 1);
        QCOMPARE(bool(flags & Qt::FramelessWindowHint), form == 5);
        if (place == QPoint(-1, -1))
            QCOMPARE(clientGeometry(window).center(), window.window()->screen()->geometry().center());
        else
            QCOMPARE(clientGeometry(window).topLeft(), place);
    }

    void controlsStandWhereDescribed_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("Form1 Picture1") << 1 << "Picture1" << QRect(0, 0, 129, 97);
        QTest::newRow("Form1 Picture2") << 1 << "Picture2" << QRect(128, 0, 129, 97);
        QTest::newRow("Form1 Picture3") << 1 << "Picture3" << QRect(256, 0, 121, 97);
        QTest::newRow("Form1 Picture4") << 1 << "Picture4" << QRect(128, 104, 249, 193);
        QTest::newRow("Form1 Command7") << 1 << "Command7" << QRect(8, 104, 113, 57);
        QTest::newRow("Form1 Command6") << 1 << "Command6" << QRect(8, 168, 113, 57);
        QTest::newRow("Form1 Command5") << 1 << "Command5" << QRect(8, 232, 113, 65);
        QTest::newRow("Form1 Label1") << 1 << "Label1" << QRect(8, 304, 369, 49);
        QTest::newRow("Form1 Command1") << 1 << "Command1" << QRect(8, 360, 225, 49);
        QTest::newRow("Form1 Command2") << 1 << "Command2" << QRect(240, 360, 225, 49);
        QTest::newRow("Form1 Command3") << 1 << "Command3" << QRect(8, 416, 225, 49);
        QTest::newRow("Form1 Command4") << 1 << "Command4" << QRect(240, 416, 225, 49);
        QTest::newRow("Form1 Label16") << 1 << "Label16" << QRect(384, 0, 81, 17);
        QTest::newRow("Form1 Label11") << 1 << "Label11" << QRect(384, 120, 81, 17);
        QTest::newRow("Form1 Label2") << 1 << "Label2" << QRect(384, 336, 81, 17);
        QTest::newRow("Form2 Text1") << 2 << "Text1" << QRect(16, 40, 209, 25);
        QTest::newRow("Form2 Command2") << 2 << "Command2" << QRect(8, 184, 225, 25);
        QTest::newRow("Form3 Label1") << 3 << "Label1" << QRect(16, 8, 265, 33);
        QTest::newRow("Form3 Label9") << 3 << "Label9" << QRect(144, 176, 137, 25);
        QTest::newRow("Form3 Command1") << 3 << "Command1" << QRect(40, 216, 233, 25);
        QTest::newRow("Form4 Label2") << 4 << "Label2" << QRect(16, 80, 273, 25);
        QTest::newRow("Form4 Command1") << 4 << "Command1" << QRect(16, 136, 273, 33);
        QTest::newRow("Form5 lblurl") << 5 << "lblurl" << QRect(72, 168, 169, 25);
        QTest::newRow("Form5 label7") << 5 << "label7" << QRect(96, 144, 89, 17);
        QTest::newRow("Form5 Command1") << 5 << "Command1" << QRect(88, 224, 121, 25);
    }

    void controlsStandWhereDescribed()
    {
        QFETCH(int, form);
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        TestForms t;
        Form& window = open(t, form);
        auto* control = window.control<QWidget>(name.toLatin1().constData());
        QVERIFY(control != nullptr);
        QCOMPARE(placeInClient(*control), pixels);
    }

    void mainWindowStartsWithOnlyNewGameAboutAndExitResponding()
    {
        TestForms t;
        Form1& form1 = t.form1();
        for (const char* name : {"Picture1", "Picture2", "Picture3", "Command1", "Command2", "Command3", "Command4",
                                 "Label1", "Command7"})
            QVERIFY2(!form1.control<QWidget>(name)->isEnabled(), name);
        for (const char* name : {"Picture4", "Command5", "Command6"})
            QVERIFY2(form1.control<QWidget>(name)->isEnabled(), name);
        QCOMPARE(t.labelText(form1, "Label1"), QString());
        QCOMPARE(t.buttonCaption(form1, "Command1"), QString());
        QCOMPARE(t.buttonCaption(form1, "Command7"), QStringLiteral("Взять деньги"));
        QCOMPARE(t.buttonCaption(form1, "Command6"), QStringLiteral("О программе"));
        QCOMPARE(t.buttonCaption(form1, "Command5"), QStringLiteral("Выход"));
        QCOMPARE(form1.control<QWidget>("Picture4")->toolTip(), QStringLiteral("Начать игру"));
        for (const char* name : {"Picture1", "Picture2", "Picture3"}) {
            QVERIFY2(form1.control<QWidget>(name)->toolTip().isEmpty(), name);
            QVERIFY2(!form1.control<QWidget>(name)->accessibleName().isEmpty(), name);
        }
        QCOMPARE(form1.control<QWidget>("Picture4")->accessibleName(), QStringLiteral("Начать игру"));
    }

    void ladderShowsItsPrizesInTheirRestingColours()
    {
        TestForms t;
        for (int step = 1; step <= kSteps; ++step) {
            const QByteArray name = "Label" + QByteArray::number(step + 1);
            auto* label = t.form1().control<QLabel>(name.constData());
            QCOMPARE(label->text(), QString::fromLatin1(ladderStep(step).caption));
            QCOMPARE(label->palette().color(QPalette::WindowText), fromBgr(ladderStep(step).atRest));
            QVERIFY(label->alignment() & Qt::AlignHCenter);
        }
    }

    void everyLadderColourStandsOutFromTheBackground()
    {
        const auto luminance = [](QColor c) {
            const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
            return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
        };
        const auto contrast = [&](QColor a, QColor b) {
            const double la = luminance(a);
            const double lb = luminance(b);
            return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
        };
        for (int step = 1; step <= kSteps; ++step) {
            QVERIFY2(contrast(fromBgr(ladderStep(step).atRest), kBackground) >= 3.0, ladderStep(step).caption);
            QVERIFY2(contrast(fromBgr(ladderStep(step).passed), kBackground) >= 3.0, ladderStep(step).caption);
        }
        QVERIFY(contrast(kDefaultText, kBackground) >= 4.5);
    }

    void tabOrderFollowsTheDescription()
    {
        TestForms t;
        QStringList order;
        QWidget* first = t.form1().control<QWidget>("Command1");
        QWidget* widget = first;
        do {
            if (widget->focusPolicy() & Qt::TabFocus)
                order << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != first);
        QCOMPARE(order, (QStringList{"Command1", "Command2", "Command3", "Command4", "Picture1", "Picture2",
                                     "Picture3", "Command5", "Command6", "Command7", "Picture4"}));
    }

    void secondaryWindowsLoadFresh()
    {
        TestForms t;
        Form& friendCall = open(t, 2);
        QCOMPARE(friendCall.control<QLineEdit>("Text1")->text(), QString());
        QVERIFY(friendCall.control<QLineEdit>("Text1")->hasFocus() ||
                friendCall.window()->focusWidget() == friendCall.control<QLineEdit>("Text1"));
        QVERIFY(!friendCall.control<QWidget>("Command2")->isVisibleTo(friendCall.window()));
        QCOMPARE(t.labelText(friendCall, "Label2"), QString());
        QCOMPARE(t.labelText(friendCall, "Label1"), QStringLiteral("Как зовут Вашего друга?"));
    }

    void titlesUseTheSansSerifStandIn()
    {
        TestForms t;
        Form& about = open(t, 5);
        const QFont title = about.control<QLabel>("Label1")->font();
        QCOMPARE(QFontInfo(title).family(), QString::fromLatin1(kDefaultFamily));
        QCOMPARE(title.pointSizeF(), 24.0);
        const QFont address = about.control<QLabel>("lblurl")->font();
        QVERIFY(address.underline());
        QCOMPARE(about.control<QLabel>("lblurl")->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QCOMPARE(about.control<QLabel>("lblurl")->cursor().shape(), Qt::PointingHandCursor);
    }

    void picturesHaveSharpTwinsForScreensScaledTwice()
    {
        const QList<std::pair<QString, QSize>> pictures = {{QStringLiteral(":/images/fiftyfifty.png"), {147, 105}},
                                                           {QStringLiteral(":/images/friend.png"), {152, 193}},
                                                           {QStringLiteral(":/images/audience.png"), {195, 95}},
                                                           {QStringLiteral(":/images/town.png"), {276, 222}}};
        for (const auto& [image, size] : pictures) {
            QCOMPARE(loadPicture(image, 1.0).size(), size);
            const QPixmap twice = loadPicture(image, 2.0);
            QCOMPARE(twice.size(), size * 2);
            QCOMPARE(twice.devicePixelRatio(), 2.0);
        }
        QVERIFY(gameIcon().availableSizes().contains(QSize(16, 16)));
        QVERIFY(gameIcon().availableSizes().contains(QSize(32, 32)));
    }

    void everyLabelShowsPlainText()
    {
        TestForms t;
        for (Form* form : {static_cast<Form*>(&t.form1()), static_cast<Form*>(&open(t, 5))}) {
            for (QLabel* label : form->window()->findChildren<QLabel*>())
                QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
        }
    }
};

QTEST_MAIN(LayoutTest)
#include "LayoutTest.moc"
