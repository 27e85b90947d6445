// What the windows ask of the desktop beyond Qt's widgets: a web address opened, a fatal
// error reported, the process ended. Tests put their own in place.
#pragma once

#include <QString>

#include <functional>

namespace kvardelon {

struct Platform {
    // Hands the address, unchanged, to the desktop's default handler; the outcome is ignored.
    std::function<void(const QString& address)> openUrl;

    // Shows a fatal error to the player; returns when the player has read it.
    std::function<void(const QString& message)> reportFatal;

    // Ends the process with the status: no further handler runs.
    std::function<void(int status)> endProcess;

    // The real desktop: the default URL handler, a message box, leaving the event loop.
    static Platform desktop();

    // For programs that drive the windows themselves: no address opened, a fatal error on the
    // error stream, the process ended at once.
    static Platform unattended();
};

// The desktop's report of a fatal error: on Windows the system's message box, elsewhere Qt's;
// the message as plain text, and a line saying that the game will close.
void showFatalReport(const QString& message);

}  // namespace kvardelon
