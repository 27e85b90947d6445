// kvardelon-check's arguments, help and report.
#include "CheckCommand.h"
#include "PathText.h"

#include "FileNames.h"
#include "ProblemList.h"

#include <filesystem>
#include <optional>
#include <system_error>

namespace kvardelon::check {

namespace fs = std::filesystem;

namespace {

constexpr const char* kHelpStart =
    "Использование: kvardelon-check [ПАПКА | ФАЙЛ]\n"
    "\n"
    "Проверяет банк вопросов игры: пятнадцать файлов qw1.txt … qw15.txt в ПАПКЕ\n"
    "(без неё — в папке data текущей папки). Если в ПАПКЕ нет файлов вопросов, а\n"
    "есть папка data (как в папке, из которой запускают игру), проверяется она.\n"
    "Один ФАЙЛ проверяется для той ступени, которую называет его имя (qw3.txt —\n"
    "третья). Файлы читаются так же, как их читает игра; ничего не записывается.\n"
    "\n"
    "Каждая находка — одна строка «файл:строка: ошибка: …» или\n"
    "«файл:строка: предупреждение: …»; «файл: заметка: …» говорит о том, что\n"
    "выглядит странно, но задумано так.\n";

constexpr const char* kHelpEnd =
    "В конце — число ошибок и предупреждений.\n"
    "\n"
    "Код выхода: 0 — ошибок нет (предупреждения и заметки допустимы),\n"
    "1 — есть ошибки, 2 — неверный вызов.\n"
    "\n"
    "Ключи:\n"
    "  -h, --help  показать эту справку\n"
    "  --          дальше только папка или файл, даже если имя начинается с «-»\n";

constexpr const char* kTryHelp = "Справка: kvardelon-check --help\n";

// Whether a folder holds bank files, even misnamed ones.
bool holdsBankFiles(const fs::path& folder)
{
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (stepOfName(pathToUtf8(it->path().filename())) != 0)
            return true;
    }
    return false;
}

// The bank a folder argument means: the folder itself, or its data/ when it is the
// folder one plays from.
fs::path bankFolder(const fs::path& given, std::ostream& out)
{
    std::error_code error;
    const fs::path data = given / "data";
    if (!fs::is_directory(given, error) || !fs::is_directory(data, error) || holdsBankFiles(given))
        return given;
    out << "В папке «" << pathToUtf8(given) << "» нет файлов вопросов, но есть папка data: проверяется «"
        << pathToUtf8(data) << "».\n";
    return data;
}

// A regular file, or a name of a file that is not there: a .txt, or named as a bank file.
bool isOneFile(const fs::path& given)
{
    std::error_code error;
    const fs::file_status status = fs::status(given, error);
    if (fs::exists(status))
        return !fs::is_directory(status);
    return given.extension() == ".txt" || stepOfName(pathToUtf8(given.filename())) != 0;
}

}  // namespace

std::string helpText()
{
    return kHelpStart + problemListForHelp() + kHelpEnd;
}

int runCheckCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                    const Fits& fits)
{
    std::optional<fs::path> given;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && (argument == "--help" || argument == "-h")) {
            out << helpText();
            return kExitClean;
        }
        if (!optionsEnded && argument.size() > 1 && argument.front() == '-') {
            err << "kvardelon-check: неизвестный ключ «" << argument << "».\n" << kTryHelp;
            return kExitBadUsage;
        }
        if (argument.empty()) {
            err << "kvardelon-check: пустое имя папки.\n" << kTryHelp;
            return kExitBadUsage;
        }
        if (given) {
            err << "kvardelon-check: проверить можно одну папку или один файл, а названы «" << pathToUtf8(*given)
                << "» и «" << argument << "».\n"
                << kTryHelp;
            return kExitBadUsage;
        }
        given = pathFromUtf8(argument);
    }

    const std::vector<Finding> findings = given && isOneFile(*given)
                                              ? checkSingleFile(*given, fits)
                                              : checkBank(given ? bankFolder(*given, out) : fs::path("data"), fits);
    for (const Finding& finding : findings)
        out << formatFinding(finding) << '\n';
    out << summary(findings) << '\n';
    return countOf(findings, Severity::Error) > 0 ? kExitErrors : kExitClean;
}

}  // namespace kvardelon::check
