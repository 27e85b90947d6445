// Starts the game: loads and shows the main window; nothing else runs until the player clicks.
#include "Desktop.h"
#include "Forms.h"
#include "Toolkit.h"

int main(int argc, char** argv)
{
    const auto app = kvardelon::startOnDesktop(argc, argv, "kvardelon", "игре");
    QApplication::setQuitOnLastWindowClosed(false);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.kvardelon.Kvardelon"));
    kvardelon::applyLook(*app);

    kvardelon::ClockSeededRandom random;
    kvardelon::Forms forms(random, kvardelon::Platform::desktop());
    forms.form1.show();
    return QApplication::exec();
}
