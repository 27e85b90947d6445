// Planning and writing a save; replacing what windows-1251 cannot hold.
#include "Saving.h"

#include "BankError.h"
#include "BankFiles.h"
#include "QtText.h"

#include <QString>

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace kvardelon::editor {

namespace {

struct Replacement {
    char32_t character;
    const char* text;
};

// Signs a teacher may paste from elsewhere; letters with marks are handled apart.
constexpr Replacement kReplacements[] = {
    {U'×', "x"},   {U'÷', ":"},   {U'−', "-"},   {U'‐', "-"},  {U'‒', "-"},   {U'―', "—"},
    {U'′', "'"},   {U'″', "\""},  {U'≈', "~"},   {U'≤', "<="}, {U'≥', ">="},  {U'≠', "<>"},
    {U'½', "1/2"}, {U'¼', "1/4"}, {U'¾', "3/4"}, {U'²', "2"},  {U'³', "3"},   {U'⁰', "0"},
    {U'√', "корень из "},  {U'π', "пи"}, {U'∞', "бесконечность"}, {U'→', "->"}, {U'←', "<-"},
    {U'…', "..."}, {U'‚', ","},   {U'ʼ', "'"},
};

std::string fromCharacter(char32_t character)
{
    return QString::fromUcs4(&character, 1).toStdString();
}

bool fitsCp1251(const std::string& utf8)
{
    return encodeCp1251(utf8).unencodable.empty();
}

// é → e: the letter without its marks, when that fits.
std::string withoutMarks(char32_t character)
{
    QString decomposed = QString::fromUcs4(&character, 1).normalized(QString::NormalizationForm_D);
    decomposed.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    const std::string text = decomposed.toStdString();
    return !text.empty() && text != fromCharacter(character) && fitsCp1251(text) ? text : std::string();
}

// Whether the file is a link that leads out of the bank's folder, to a file of someone's.
bool leadsOutOf(const std::filesystem::path& file, const std::filesystem::path& folder)
{
    const ReplaceTarget target = replaceTarget(file);
    if (!target.throughLink || target.type != std::filesystem::file_type::regular)
        return false;
    std::error_code error;
    const std::filesystem::path ownFolder = std::filesystem::canonical(folder, error);
    return error || target.place.parent_path() != ownFolder;
}

bool existsOnDisk(const StepFile& file)
{
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(file.path, error));
}

// The user's share of the disk is used up: no room, as far as she can tell.
bool isOverQuota([[maybe_unused]] const std::error_code& error)
{
#ifdef EDQUOT
    return error.category() == std::generic_category() && error.value() == EDQUOT;
#else
    return false;
#endif
}

}  // namespace

QString reasonText(const std::filesystem::path& folder, const std::error_code& error)
{
    const std::error_condition condition = error.default_error_condition();
    if (condition == std::errc::permission_denied || condition == std::errc::read_only_file_system ||
        condition == std::errc::operation_not_permitted)
        return QStringLiteral("в эту папку нельзя писать (она только для чтения или чужая). "
                              "Сохраните банк в другую папку: «Файл → Сохранить как…»");
    if (condition == std::errc::no_space_on_device || condition == std::errc::file_too_large ||
        isOverQuota(error))
        return QStringLiteral("на диске не осталось места. Освободите место и сохраните снова");
    // Windows: a spreadsheet or an editor holds the file open.
    if (condition == std::errc::device_or_resource_busy)
        return QStringLiteral("файл открыт в другой программе. Закройте его там и сохраните снова");
    if (condition == std::errc::no_such_file_or_directory || condition == std::errc::not_a_directory)
        return QStringLiteral("папки %1 больше нет: её удалили, переименовали или отключили диск. "
                              "Сохраните банк в другую папку: «Файл → Сохранить как…»")
            .arg(pathText(folder));
    if (condition == std::errc::is_a_directory)
        return QStringLiteral("на месте файла лежит папка с тем же именем");
    if (condition == std::errc::io_error)
        return QStringLiteral("диск сообщил об ошибке записи. Проверьте диск или сохраните банк в другую папку");
    if (condition == std::errc::filename_too_long)
        return QStringLiteral("путь к файлу слишком длинный для этой системы");
    return QStringLiteral("система не дала записать файл (код ошибки %1)").arg(error.value());
}

namespace {

// The step's bytes as they will be read back meaning what the editor shows.
std::string bytesToWrite(OpenBank& bank, int step)
{
    WrittenFile written = writeBankFile(bank.written(step));
    if (written.readsAs == Encoding::Utf8 && bank.file(step).encoding == Encoding::Cp1251) {
        // The game would take these windows-1251 bytes for UTF-8: the mark keeps them apart.
        // An undoable change like any other, so that undoing everything gives the old bytes.
        bank.setEncoding(step, Encoding::Utf8WithMark,
                         QStringLiteral("переход ступени %1 на UTF-8").arg(step));
        written = writeBankFile(bank.written(step));
    }
    return std::move(written.bytes);
}

}  // namespace

QString whatStandsThere(const ReplaceTarget& target)
{
    namespace fs = std::filesystem;
    QString what;
    switch (target.type) {
    case fs::file_type::directory:
        what = QStringLiteral("папка");
        break;
    case fs::file_type::fifo:
        what = QStringLiteral("канал (FIFO)");
        break;
    case fs::file_type::character:
    case fs::file_type::block:
        what = QStringLiteral("устройство");
        break;
    case fs::file_type::socket:
        what = QStringLiteral("сокет");
        break;
    case fs::file_type::regular:
        what = QStringLiteral("обычный файл");
        break;
    case fs::file_type::not_found:
        return target.throughLink ? QStringLiteral("ссылка на %1, которого нет").arg(pathText(target.place))
                                  : QStringLiteral("ничего");
    default:
        what = QStringLiteral("не обычный файл");
        break;
    }
    return target.throughLink ? QStringLiteral("ссылка на %1, а там %2").arg(pathText(target.place), what) : what;
}

QString notSavedText(int step, const std::filesystem::path& file, const std::system_error& error)
{
    const QString why = [&] {
        if (const auto* refused = dynamic_cast<const NotReplaceable*>(&error))
            return QStringLiteral("на месте её файла %1, а редактор пишет только в обычные файлы")
                .arg(whatStandsThere(refused->target()));
        return reasonText(file.parent_path(), error.code());
    }();
    return QStringLiteral("Ступень %1 не сохранена: %2. Вопросы остались в редакторе, ничего не потеряно.\n\n"
                          "Файл ступени на диске: %3")
        .arg(step)
        .arg(why, pathText(file));
}

std::string replacementFor(char32_t character)
{
    const auto* found = std::find_if(std::begin(kReplacements), std::end(kReplacements),
                                     [character](const Replacement& r) { return r.character == character; });
    if (found != std::end(kReplacements))
        return found->text;
    return withoutMarks(character);
}

std::string withReplacements(std::string_view utf8)
{
    const Cp1251Text encoded = encodeCp1251(utf8);
    std::string out;
    std::size_t from = 0;
    for (const Unencodable& bad : encoded.unencodable) {
        out.append(utf8.substr(from, bad.offset - from));
        out.append(replacementFor(bad.character));
        from = bad.offset + bad.text.size();
    }
    out.append(utf8.substr(from));
    return out;
}

std::optional<std::string> bytesOnDisk(const StepFile& file, int step)
{
    try {
        return readBankFileBytes(file.path, step);
    } catch (const BankError&) {
        return std::nullopt;
    }
}

bool changedOnDisk(const StepFile& file, int step)
{
    if (!existsOnDisk(file))
        return file.existed;
    return !file.existed || bytesOnDisk(file, step) != std::optional(file.onDisk.original);
}

namespace {

// A line's length in the bytes its file will hold: one a character in windows-1251.
std::size_t writtenLength(const std::string& text, Encoding encoding)
{
    if (encoding != Encoding::Cp1251)
        return text.size();
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::optional<int> firstTooLongLine(const BankFile& file)
{
    const auto tooLong = [&](const std::string& line) { return writtenLength(line, file.encoding) > kMaxLineBytes; };
    for (std::size_t record = 0; record < file.records.size(); ++record)
        for (int field = 0; field < kRecordFields; ++field)
            if (tooLong(fieldText(file.records[record], static_cast<RecordField>(field))))
                return static_cast<int>(record);
    if (std::any_of(file.rest.begin(), file.rest.end(), tooLong))
        return -1;
    return std::nullopt;
}

}  // namespace

SavePlan planSave(const OpenBank& bank)
{
    SavePlan plan;
    for (int step = 1; step <= kSteps; ++step) {
        if (!bank.isModified(step))
            continue;
        plan.steps.push_back(step);
        const StepFile& file = bank.step(step);
        if (file.existed && !file.readError.isEmpty())
            plan.unread.push_back(step);
        else if (changedOnDisk(file, step))
            plan.changedOnDisk.push_back(step);
        if (leadsOutOf(file.path, bank.folder()))
            plan.linksOut.push_back(step);
        if (const std::optional<int> record = firstTooLongLine(bank.file(step)))
            plan.tooLong[step] = *record;
        WrittenFile written = writeBankFile(bank.file(step));
        if (!written.unencodable.empty())
            plan.unencodable[step] = std::move(written.unencodable);
    }
    return plan;
}

SaveResult saveSteps(OpenBank& bank, const std::vector<int>& steps)
{
    SaveResult result;
    for (const int step : steps) {
        const std::string bytes = bytesToWrite(bank, step);
        try {
            replaceFileSafely(bank.step(step).path, bytes);
        } catch (const std::system_error& error) {
            result.error = notSavedText(step, bank.step(step).path, error);
            return result;
        }
        bank.setOnDisk(step, bytes);
        result.written.push_back(step);
    }
    return result;
}

QString saveAs(OpenBank& bank, const std::filesystem::path& dataFolder)
{
    std::error_code made;
    std::filesystem::create_directories(dataFolder, made);
    std::array<std::string, kSteps> bytes;
    std::vector<FileBytes> files;
    for (int step = 1; step <= kSteps; ++step) {
        bytes.at(static_cast<std::size_t>(step - 1)) = bytesToWrite(bank, step);
        files.push_back({dataFolder / stepFileName(step), bytes.at(static_cast<std::size_t>(step - 1))});
    }
    try {
        replaceFilesSafely(files);
    } catch (const NotReplaceable& refused) {
        return QStringLiteral("Банк не сохранён в %1: на месте файла %2 там %3, а редактор пишет только в обычные "
                              "файлы. Файлы в той папке остались как были.")
            .arg(pathText(dataFolder), pathText(refused.target().place.filename()), whatStandsThere(refused.target()));
    } catch (const std::system_error& error) {
        return QStringLiteral("Банк не сохранён в %1: %2. Файлы в той папке остались как были.")
            .arg(pathText(dataFolder), reasonText(dataFolder, error.code()));
    }
    bank.moveTo(dataFolder, bytes);
    return {};
}

}  // namespace kvardelon::editor
