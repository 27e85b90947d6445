// kvardelon-check: checks a question bank for its authors; `kvardelon-check --help` explains.
#include "CheckCommand.h"

#include "TextFit.h"

#include <QGuiApplication>

#include <exception>
#include <iostream>
#include <string>
#include <vector>

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
        return control == kvardelon::Captioned::Label1 ? kvardelon::questionFits(shown) : kvardelon::answerFits(shown);
    };
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    try {
        return kvardelon::check::runCheckCommand(arguments, std::cout, std::cerr, fits);
    } catch (const std::exception& error) {
        // Nothing expected gets here: the bank's own faults are findings, not exceptions.
        std::cerr << "kvardelon-check: " << error.what() << '\n';
        return kvardelon::check::kExitErrors;
    }
}
