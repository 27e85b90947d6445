// The desktop's side of the windows: URL handler, error report, end of the process.
#include "Platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

#if defined(Q_OS_WIN)
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace kvardelon {

void showFatalReport(const QString& message)
{
    const QString text = message + QStringLiteral("\n\nИгра будет закрыта.");
#if defined(Q_OS_WIN)
    // The system's own report, as every Windows program's fatal error looks; it takes its
    // text as plain text.
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.utf16()), L"Кварделон",
                MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
#else
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Кварделон"), text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
#endif
}

Platform Platform::desktop()
{
    Platform platform;
    platform.openUrl = [](const QString& address) { QDesktopServices::openUrl(QUrl(address)); };
    platform.reportFatal = [](const QString& message) { showFatalReport(message); };
    platform.endProcess = [](int status) {
        // Leaving the event loop drops every event still queued, so nothing else is handled.
        for (QWidget* window : QApplication::topLevelWidgets())
            window->hide();
        QCoreApplication::exit(status);
    };
    return platform;
}

Platform Platform::unattended()
{
    Platform platform;
    platform.openUrl = [](const QString&) {};
    platform.reportFatal = [](const QString& message) { std::fprintf(stderr, "%s\n", qPrintable(message)); };
    platform.endProcess = [](int status) { std::exit(status); };
    return platform;
}

}  // namespace kvardelon
