// Finding and making bank folders.
#include "BankFolders.h"

#include "PathText.h"
#include "QtText.h"
#include "Saving.h"

#include <array>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace kvardelon::editor {

namespace fs = std::filesystem;

namespace {

bool isFolder(const fs::path& path)
{
    std::error_code error;
    return fs::is_directory(path, error);
}

// Below the folder of the shipped bank (beside the program on Windows); and below the source tree.
struct TemplatePlace {
    const char* installed;
    const char* source;
};

TemplatePlace placeOf(Template kind)
{
    return kind == Template::Classroom ? TemplatePlace{"classroom/data", "banks/classroom/data"}
                                       : TemplatePlace{"data", "data"};
}

QString copyTemplate(const fs::path& from, const fs::path& to)
{
    for (int step = 1; step <= kSteps; ++step) {
        std::error_code error;
        fs::copy_file(from / stepFileName(step), to / stepFileName(step), error);
        if (!error)
            continue;
        std::error_code ignored;
        if (!fs::is_regular_file(from / stepFileName(step), ignored))
            return QStringLiteral("Не удалось скопировать %1: этого файла нет, и банк, с которого начинается новый, "
                                  "неполон. Переустановите игру или начните с «Только мои вопросы».")
                .arg(pathText(from / stepFileName(step)));
        return QStringLiteral("Не удалось записать вопросы ступени %1 в папку %2: %3.")
            .arg(step)
            .arg(pathText(to), reasonText(to, error));
    }
    return {};
}

QString writeEmptyFiles(const fs::path& to)
{
    for (int step = 1; step <= kSteps; ++step) {
        const std::ofstream file(to / stepFileName(step), std::ios::binary);
        if (!file)
            return QStringLiteral("Не удалось записать ступень %1 в папку %2.").arg(step).arg(pathText(to));
    }
    return {};
}

// The source tree a program of the build tree belongs to: the build names it in a file at its
// top, which an installed program has not above it. The path is never compiled in.
std::optional<fs::path> sourceTreeOf(const fs::path& programFolder)
{
    fs::path folder = programFolder;
    for (int up = 0; up < 4 && !folder.empty(); ++up, folder = folder.parent_path()) {
        std::ifstream named(folder / "kvardelon-source-tree.txt", std::ios::binary);
        if (std::string line; std::getline(named, line) && !line.empty())
            return pathFromUtf8(line);
        if (folder == folder.parent_path())
            break;
    }
    return std::nullopt;
}

}  // namespace

bool holdsBankFile(const fs::path& folder)
{
    std::error_code error;
    for (int step = 1; step <= kSteps; ++step)
        if (fs::exists(fs::symlink_status(folder / stepFileName(step), error)))
            return true;
    return false;
}

std::optional<fs::path> findDataFolder(const fs::path& folder)
{
    if (isFolder(folder / "data"))
        return folder / "data";
    if (isFolder(folder) && (folder.filename() == "data" || holdsBankFile(folder)))
        return folder;
    return std::nullopt;
}

fs::path bankPlace(const fs::path& dataFolder)
{
    return dataFolder.filename() == "data" && dataFolder.has_parent_path() ? dataFolder.parent_path() : dataFolder;
}

QString whereTheBankLies(const fs::path& dataFolder)
{
    const QString files = QStringLiteral("пятнадцать файлов, %1 … %2, по одному на ступень")
                              .arg(pathText(stepFileName(1)), pathText(stepFileName(kSteps)));
    if (bankPlace(dataFolder) == dataFolder)
        return QStringLiteral("Банк лежит в папке %1: %2.").arg(pathText(dataFolder), files);
    return QStringLiteral("Банк лежит в папке %1.\n\nИгра читает его вопросы из папки %2 в ней: %3. Чтобы играть "
                          "на другом компьютере, скопируйте туда всю папку банка.")
        .arg(pathText(bankPlace(dataFolder)), pathText(dataFolder.filename()), files);
}

std::optional<fs::path> templateFolder(Template kind, const fs::path& programFolder)
{
    if (kind == Template::Empty)
        return std::nullopt;
    const TemplatePlace place = placeOf(kind);
    std::vector<fs::path> candidates{
        // Beside the program, as the Windows packages lay the banks out.
        programFolder / place.installed,
        programFolder / ".." / "share" / "kvardelon" / place.installed,
        fs::path(KVARDELON_INSTALL_DATADIR) / "kvardelon" / place.installed,
    };
    if (const std::optional<fs::path> sources = sourceTreeOf(programFolder))
        candidates.push_back(*sources / place.source);
    for (const fs::path& candidate : candidates) {
        std::error_code error;
        if (fs::is_regular_file(candidate / stepFileName(1), error))
            return candidate.lexically_normal();
    }
    return std::nullopt;
}

CreatedBank createBank(const fs::path& folder, Template kind, const fs::path& programFolder)
{
    const fs::path data = folder / "data";
    if (holdsBankFile(data) || holdsBankFile(folder))
        return {{}, QStringLiteral("В папке %1 уже есть банк вопросов. Откройте его или выберите другую папку.")
                        .arg(pathText(folder))};
    std::error_code error;
    fs::create_directories(data, error);
    if (error) {
        // A file where a folder of the path should be: the systems say so in three ways.
        const std::error_condition condition = error.default_error_condition();
        const QString why = condition == std::errc::not_a_directory || condition == std::errc::file_exists ||
                                    condition == std::errc::no_such_file_or_directory
                                ? QStringLiteral("на этом пути вместо папки лежит файл")
                                : reasonText(folder, error);
        return {{}, QStringLiteral("Не удалось создать папку %1: %2.").arg(pathText(folder), why)};
    }
    QString failure;
    if (kind == Template::Empty) {
        failure = writeEmptyFiles(data);
    } else if (const std::optional<fs::path> from = templateFolder(kind, programFolder)) {
        failure = copyTemplate(*from, data);
    } else {
        failure = QStringLiteral("Не найден банк, с которого начать: игра установлена не полностью.");
    }
    if (!failure.isEmpty())
        return {{}, failure};
    return {data, {}};
}

}  // namespace kvardelon::editor
