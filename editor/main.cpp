// kvardelon-editor [FOLDER]: the question bank editor; opens FOLDER's bank when given.
#include "Desktop.h"
#include "EditorWindow.h"
#include "QtText.h"
#include "RussianQt.h"
#include "Toolkit.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstring>

namespace {

bool asksForHelp(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-h") == 0 || std::strcmp(argv[i], "--help") == 0)
            return true;
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    // The help needs no desktop: it is printed without a window.
    if (asksForHelp(argc, argv))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const auto application = kvardelon::startOnDesktop(argc, argv, "kvardelon-editor", "редактору");
    QApplication& app = *application;
    QApplication::setOrganizationName(QStringLiteral("kvardelon"));
    QApplication::setApplicationName(QStringLiteral("kvardelon-editor"));
    QApplication::setApplicationDisplayName(QStringLiteral("Редактор вопросов Кварделона"));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.kvardelon.Kvardelon.Editor"));
    QApplication::setWindowIcon(kvardelon::gameIcon());
    kvardelon::editor::speakRussian(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Редактор банка вопросов игры Кварделон."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("ПАПКА"),
                                 QStringLiteral("Папка банка: та, что выбрана при его создании, или data в ней."),
                                 QStringLiteral("[ПАПКА]"));
    parser.process(app);

    kvardelon::editor::EditorWindow window(kvardelon::editor::toPath(QCoreApplication::applicationDirPath()));
    window.show();
    if (!parser.positionalArguments().isEmpty())
        window.openFolder(parser.positionalArguments().constFirst());
    return QApplication::exec();
}
