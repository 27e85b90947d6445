// kvardelon-check's arguments, help and report.
#include "CheckCommand.h"

#include <filesystem>
#include <optional>

namespace kvardelon::check {

namespace {

constexpr const char* kHelp =
    "Использование: kvardelon-check [ПАПКА]\n"
    "\n"
    "Проверяет банк вопросов игры: пятнадцать файлов qw1.txt … qw15.txt в ПАПКЕ\n"
    "(без неё — в папке data текущей папки). Файлы читаются так же, как их читает\n"
    "игра; ничего не записывается.\n"
    "\n"
    "Каждая находка — одна строка «файл:строка: ошибка: …» или\n"
    "«файл:строка: предупреждение: …».\n"
    "  Ошибки: файл не открывается; в файле меньше десяти полных записей; шестая\n"
    "  строка записи — не целое число от 1 до 4; пустой вопрос или ответ; строка\n"
    "  длиннее, чем игра читает.\n"
    "  Предупреждения: текст не в windows-1251 (байт 0x98, управляющие знаки) или\n"
    "  похож на UTF-8 без метки BOM; одинаковые ответы в одной записи; вопрос,\n"
    "  который в банке уже есть; записи после десятой, которых игра не покажет.\n"
    "В конце — число ошибок и предупреждений.\n"
    "\n"
    "Код выхода: 0 — ошибок нет (предупреждения допустимы), 1 — есть ошибки,\n"
    "2 — неверный вызов.\n"
    "\n"
    "Ключи:\n"
    "  -h, --help  показать эту справку\n"
    "  --          дальше только папка, даже если её имя начинается с «-»\n";

constexpr const char* kTryHelp = "Справка: kvardelon-check --help\n";

}  // namespace

int runCheckCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                    const Fits& fits)
{
    std::optional<std::filesystem::path> folder;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && (argument == "--help" || argument == "-h")) {
            out << kHelp;
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
        if (folder) {
            err << "kvardelon-check: папка вопросов может быть только одна, а названы «" << folder->string()
                << "» и «" << argument << "».\n"
                << kTryHelp;
            return kExitBadUsage;
        }
        folder = argument;
    }

    const std::vector<Finding> findings = checkBank(folder.value_or("data"), fits);
    for (const Finding& finding : findings)
        out << formatFinding(finding) << '\n';
    out << summary(findings) << '\n';
    return countOf(findings, Severity::Error) > 0 ? kExitErrors : kExitClean;
}

}  // namespace kvardelon::check
