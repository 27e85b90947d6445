// The desktop's side of the windows: URL handler, error report, end of the process.
#include "Platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace kvardelon {

Platform Platform::desktop()
{
    Platform platform;
    platform.openUrl = [](const QString& address) { QDesktopServices::openUrl(QUrl(address)); };
    platform.reportFatal = [](const QString& message) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Кварделон"),
                        message + QStringLiteral("\n\nИгра будет закрыта."), QMessageBox::Ok);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    };
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
