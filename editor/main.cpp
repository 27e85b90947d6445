// kvardelon-editor [FOLDER]: the question bank editor; opens FOLDER's bank when given.
#include "EditorWindow.h"
#include "Text.h"
#include "Toolkit.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <cstring>

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

bool asksForHelp(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-h") == 0 || std::strcmp(argv[i], "--help") == 0)
            return true;
    return false;
}

// The editor speaks Russian whatever the desktop's language: Qt's own dialogs too, where
// their translation is installed.
void speakRussian(QApplication& app)
{
    auto* translator = new QTranslator(&app);
    // On Windows the translation is carried inside the program, which has no Qt beside it.
    for (const QString& folder : {QStringLiteral(":/translations"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            QApplication::installTranslator(translator);
            break;
        }
    }
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
}

}  // namespace

int main(int argc, char** argv)
{
    // The help needs no desktop: it is printed without a window.
    if (asksForHelp(argc, argv) && !hasDisplay())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!hasDisplay()) {
        std::fputs("kvardelon-editor: нет графического дисплея (не заданы DISPLAY и WAYLAND_DISPLAY), "
                   "редактору нужен рабочий стол.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("kvardelon"));
    QApplication::setApplicationName(QStringLiteral("kvardelon-editor"));
    QApplication::setApplicationDisplayName(QStringLiteral("Редактор вопросов Кварделона"));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.kvardelon.Kvardelon.Editor"));
    QApplication::setWindowIcon(kvardelon::gameIcon());
    speakRussian(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Редактор банка вопросов игры Кварделон."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("ПАПКА"),
                                 QStringLiteral("Папка банка: data или папка, в которой лежит data."),
                                 QStringLiteral("[ПАПКА]"));
    parser.process(app);

    kvardelon::editor::EditorWindow window(kvardelon::editor::toPath(QCoreApplication::applicationDirPath()));
    window.show();
    if (!parser.positionalArguments().isEmpty())
        window.openFolder(parser.positionalArguments().constFirst());
    return QApplication::exec();
}
