// kvardelon-check: checks a question bank for its authors; `kvardelon-check --help` explains.
#include "CheckCommand.h"

#include "TextFit.h"

#include <QGuiApplication>
#include <QString>

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#if defined(Q_OS_WIN)
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <shellapi.h>
#endif

namespace {

// The arguments as UTF-8. Windows hands argv over in the ANSI code page, which loses the
// letters it lacks (a Cyrillic folder on an English system), so its wide command line is read;
// elsewhere a name's own bytes are passed on.
std::vector<std::string> argumentsOf(int argc, char** argv)
{
#if defined(Q_OS_WIN)
    std::vector<std::string> arguments;
    int count = 0;
    if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 1; i < count; ++i)
            arguments.push_back(QString::fromWCharArray(wide[i]).toStdString());
        LocalFree(wide);
        return arguments;
    }
#endif
    return {argv + 1, argv + argc};
}

#if defined(Q_OS_WIN)
// The report is written in UTF-8: a console shows it so while the checker runs, and gets
// its own code page back afterwards.
class Utf8Console {
public:
    Utf8Console() : before_(GetConsoleOutputCP()) { SetConsoleOutputCP(CP_UTF8); }
    ~Utf8Console() { SetConsoleOutputCP(before_); }
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;

private:
    UINT before_;
};
#else
struct Utf8Console {};
#endif

}  // namespace

int main(int argc, char** argv)
{
    // Texts are measured in the game's own font, with no need of a screen; what Qt
    // might say about its own set-up is of no use to a bank's author.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    const auto fits = [](std::string_view text, kvardelon::Captioned control) {
        const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        const auto place = control == kvardelon::Captioned::Label1 ? kvardelon::TextPlace::Question
                                                                     : kvardelon::TextPlace::Answer;
        return kvardelon::hiddenCharacters(shown, place);
    };
    const std::vector<std::string> arguments = argumentsOf(argc, argv);
    [[maybe_unused]] const Utf8Console console;
    try {
        return kvardelon::check::runCheckCommand(arguments, std::cout, std::cerr, fits);
    } catch (const std::exception& error) {
        // Nothing expected gets here: the bank's own faults are findings, not exceptions.
        std::cerr << "kvardelon-check: " << error.what() << '\n';
        return kvardelon::check::kExitErrors;
    }
}
