// The windows as Windows itself sees them: the frame styles each window asks for, the client
// areas in pixels at 96 dpi, and the fatal error shown in the system's own message box.
#include "Platform.h"
#include "TestForms.h"

#include <QTest>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <atomic>
#include <chrono>
#include <thread>

using namespace kvardelon;
using namespace kvardelon::test;

namespace {

HWND handleOf(const Form& form)
{
    return reinterpret_cast<HWND>(form.window()->winId());
}

bool hasStyle(HWND window, LONG_PTR style)
{
    return (GetWindowLongPtrW(window, GWL_STYLE) & style) == style;
}

}  // namespace

class WindowsDesktopTest : public QObject {
    Q_OBJECT

private slots:
    void framesAreFixedWithAControlBoxOnTheMainWindowAlone_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<bool>("titleBar");
        QTest::addColumn<bool>("controlBox");
        QTest::newRow("main") << 1 << true << true;
        QTest::newRow("friend call") << 2 << true << false;
        QTest::newRow("audience poll") << 3 << true << false;
        QTest::newRow("result") << 4 << true << false;
        QTest::newRow("about") << 5 << false << false;
    }

    void framesAreFixedWithAControlBoxOnTheMainWindowAlone()
    {
        QFETCH(int, window);
        QFETCH(bool, titleBar);
        QFETCH(bool, controlBox);
        TestForms t;
        if (window != 1)
            t.playTo(1);
        Form& form = window == 1 ? t.form1() : t.open(window);
        if (window == 1)
            form.show();
        const HWND handle = handleOf(form);
        QCOMPARE(hasStyle(handle, WS_CAPTION), titleBar);
        QCOMPARE(hasStyle(handle, WS_SYSMENU), controlBox);
        QVERIFY(!hasStyle(handle, WS_THICKFRAME));
        QVERIFY(!hasStyle(handle, WS_MINIMIZEBOX));
        QVERIFY(!hasStyle(handle, WS_MAXIMIZEBOX));

        RECT client{};
        QVERIFY(GetClientRect(handle, &client));
        QCOMPARE(QSize(client.right - client.left, client.bottom - client.top), form.window()->size());
    }

    void aFatalErrorIsTheSystemsMessageBoxWithTheTextAsItIs()
    {
        const QString message = QStringLiteral("Файл вопросов для ступени 4 (data\\qw4.txt) пуст & <b>не</b> прочитан.");
        std::atomic<bool> found{false};
        wchar_t shown[1024] = {};
        std::thread reader([&] {
            const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
            while (std::chrono::steady_clock::now() < until) {
                if (HWND box = FindWindowW(L"#32770", L"Кварделон")) {
                    // 0xFFFF: the message box's text.
                    GetDlgItemTextW(box, 0xFFFF, shown, static_cast<int>(std::size(shown)));
                    found = true;
                    PostMessageW(box, WM_COMMAND, IDOK, 0);
                    return;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
        });
        showFatalReport(message);
        reader.join();
        QVERIFY2(found, "no message box of the system's appeared");
        QCOMPARE(QString::fromWCharArray(shown), message + QStringLiteral("\n\nИгра будет закрыта."));
    }
};

QTEST_MAIN(WindowsDesktopTest)
#include "WindowsDesktopTest.moc"
