// The windows as an X11 window system sees them: titles, icons, and the main window kept on
// a screen that is too small for its described place (1024 x 768 scaled by 1.5).
#include "TestForms.h"
#include "WindowSystem.h"

#include <QTest>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <optional>

using namespace kvardelon;
using namespace kvardelon::test;

namespace {

// The property of the window as X11 holds it, or nothing when it is not set.
std::optional<QByteArray> x11Property(const Form& form, const char* name)
{
    xcb_connection_t* x = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, static_cast<uint16_t>(qstrlen(name)), name), nullptr);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        x, xcb_get_property(x, 0, static_cast<xcb_window_t>(form.window()->winId()), atom->atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 1 << 16),
        nullptr);
    std::optional<QByteArray> value;
    if (reply != nullptr && reply->type != XCB_ATOM_NONE)
        value = QByteArray(static_cast<const char*>(xcb_get_property_value(reply)), xcb_get_property_value_length(reply));
    std::free(reply);
    std::free(atom);
    return value;
}

}  // namespace

class WindowSystemTest : public QObject {
    Q_OBJECT

private slots:
    void theAboutWindowsTitleReachesTheWindowSystemEmpty()
    {
        TestForms t;
        Form& about = t.open(5);
        QCOMPARE(x11Property(about, "_NET_WM_NAME"), QByteArray());
        QCOMPARE(x11Property(about, "WM_NAME"), QByteArray());
        QCOMPARE(x11Property(t.form1(), "_NET_WM_NAME"), QStringLiteral("Кварделон").toUtf8());
    }

    void onlyTheMainWindowHasAnIcon()
    {
        TestForms t;
        t.playTo(1);
        QVERIFY(x11Property(t.form1(), "_NET_WM_ICON").has_value());
        for (int window : {2, 3, 5}) {
            QVERIFY2(!x11Property(t.open(window), "_NET_WM_ICON").has_value(), QByteArray::number(window));
            t.open(window).window()->close();
            settle();
        }
        QVERIFY(!x11Property(t.open(4), "_NET_WM_ICON").has_value());
    }

    void theMainWindowIsMovedJustEnoughToStayOnItsScreen()
    {
        TestForms t;
        QCOMPARE(clientGeometry(t.form1()), QRect(150, 512 - 474, 473, 474));
    }

    void keepOnScreenMovesAPlaceJustEnough_data()
    {
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QRect>("kept");
        QTest::newRow("fits") << QRect(2000, 50, 473, 474) << QRect(2000, 50, 473, 474);
        QTest::newRow("past the right edge") << QRect(2500, 50, 473, 474) << QRect(2247, 50, 473, 474);
        QTest::newRow("past the bottom") << QRect(2000, 300, 473, 474) << QRect(2000, 126, 473, 474);
        QTest::newRow("left of the screen") << QRect(1800, 50, 473, 474) << QRect(1920, 50, 473, 474);
        QTest::newRow("larger than the screen") << QRect(2000, 50, 900, 700) << QRect(1920, 0, 900, 700);
        QTest::newRow("the described place, unscaled") << QRect(150, 71, 473, 474) << QRect(150, 71, 473, 474);
    }

    void keepOnScreenMovesAPlaceJustEnough()
    {
        QFETCH(QRect, place);
        QFETCH(QRect, kept);
        // A first screen of 1024 x 768, and a second of 800 x 600 to its right.
        const QRect screen = place.left() < 1024 ? QRect(0, 0, 1024, 768) : QRect(1920, 0, 800, 600);
        QCOMPARE(keepOnScreen(place, screen), kept);
    }
};

QTEST_MAIN(WindowSystemTest)
#include "WindowSystemTest.moc"
