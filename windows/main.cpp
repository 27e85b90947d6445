// Starts the game: loads and shows the main window; nothing else runs until the player clicks.
#include "Forms.h"
#include "Toolkit.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt would abort with a page of advice; one clear line does better.
bool hasDisplay()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

}  // namespace

int main(int argc, char** argv)
{
    if (!hasDisplay()) {
        std::fputs("kvardelon: нет графического дисплея (не заданы DISPLAY и WAYLAND_DISPLAY), "
                   "игре нужен рабочий стол.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.kvardelon.Kvardelon"));
    kvardelon::applyLook(app);

    kvardelon::ClockSeededRandom random;
    kvardelon::Forms forms(random, kvardelon::Platform::desktop());
    forms.form1.show();
    return QApplication::exec();
}
