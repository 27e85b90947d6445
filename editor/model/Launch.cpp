// Finding the game, the folder to start it in, and the size to start it at.
#include "Launch.h"

#include "MainLayout.h"
#include "QtText.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <system_error>

namespace kvardelon::editor {

namespace fs = std::filesystem;

namespace {

// Room for the frame the desktop draws around it, in the screen's pixels (a frame is not
// scaled with the window): a title bar above, a border on each side.
constexpr int kFrameAcross = 2 * 8;
constexpr int kFrameDown = 40;

bool isProgram(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

}  // namespace

QString findGame(const QString& editorFolder)
{
#if defined(Q_OS_WIN)
    const QString name = QStringLiteral("kvardelon.exe");
#else
    const QString name = QStringLiteral("kvardelon");
#endif
    for (const QString& candidate : {QDir(editorFolder).filePath(name),
                                     QDir(editorFolder).filePath(QStringLiteral("../windows/") + name)})
        if (isProgram(candidate))
            return QDir::cleanPath(candidate);
    return QStandardPaths::findExecutable(QStringLiteral("kvardelon"));
}

PlayFolder playFolder(const fs::path& dataFolder, const fs::path& cacheFolder)
{
    if (dataFolder.filename() == "data")
        return {dataFolder.parent_path(), {}};
    const fs::path folder = cacheFolder / "play";
    std::error_code error;
    fs::create_directories(folder, error);
    fs::remove(folder / "data", error);
    fs::create_directory_symlink(fs::absolute(dataFolder), folder / "data", error);
    if (error)
        return {{}, QStringLiteral("Игра читает вопросы из папки с именем data, а эта папка называется «%1». "
                                   "Переименуйте её в data или сохраните банк в новую папку "
                                   "(«Файл → Сохранить как…»).")
                        .arg(pathText(dataFolder.filename()))};
    return {folder, {}};
}

double projectorScale(QSize available)
{
    // The main window's client area at 96 dots per inch; the game's other windows are smaller
    // both ways (the windows' layout test pins every size).
    const QSize window = kMainWindowPlace.pixels().size();
    const double across = static_cast<double>(available.width() - kFrameAcross) / window.width();
    const double down = static_cast<double>(available.height() - kFrameDown) / window.height();
    // Whole hundredths, rounded down, so that the window's size in pixels stays within.
    return std::max(1.0, std::floor(std::min(across, down) * 100.0) / 100.0);
}

QProcessEnvironment gameEnvironment(std::optional<double> scale)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (scale) {
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(*scale, 'f', 2));
        // The factor given is the whole of it: no rounding of the screen's own on top.
        environment.insert(QStringLiteral("QT_ENABLE_HIGHDPI_SCALING"), QStringLiteral("0"));
    }
    return environment;
}

QString gameNotFound()
{
    return QStringLiteral("Игра не найдена: рядом с редактором нет программы kvardelon, нет её и в PATH. "
                          "Установите игру вместе с редактором.");
}

QString gameDoesNotStart(const QString& program)
{
    return QStringLiteral("Не удалось запустить игру «%1»: программа не запускается. "
                          "Установите игру заново вместе с редактором.")
        .arg(program);
}

QString startGame(const QString& program, const fs::path& folder)
{
    if (program.isEmpty())
        return gameNotFound();
    QProcess game;
    game.setProgram(program);
    game.setWorkingDirectory(pathText(folder));
    game.setProcessEnvironment(gameEnvironment(std::nullopt));
    if (!game.startDetached())
        return gameDoesNotStart(program);
    return {};
}

}  // namespace kvardelon::editor
