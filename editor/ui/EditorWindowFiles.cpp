// The window's file actions: opening, making, saving, importing and exporting banks.
#include "EditorWindow.h"

#include "BankFiles.h"
#include "BankFolders.h"
#include "Csv.h"
#include "CsvImport.h"
#include "ImportDialog.h"
#include "ImportEffects.h"
#include "NewBankDialog.h"
#include "QtText.h"
#include "RecentBanks.h"
#include "SaveFlow.h"
#include "Saving.h"
#include "StartPage.h"
#include "StepList.h"
#include "TextRoom.h"

#include <QDesktopServices>
#include <QStackedWidget>
#include <QStatusBar>
#include <QUrl>

#include <system_error>

namespace kvardelon::editor {

namespace {

constexpr int kStatusMilliseconds = 8000;

const QString kCsvFilter = QStringLiteral("Таблица (*.csv *.txt);;Все файлы (*)");

}  // namespace

bool EditorWindow::openFolder(const QString& folder)
{
    const std::optional<std::filesystem::path> dataFolder = findDataFolder(toPath(folder));
    if (!dataFolder) {
        tell(*questions_, Question::Kind::Warning, QStringLiteral("Банк не найден"),
             QStringLiteral("В папке %1 нет банка вопросов. Выберите папку, в которой сохраняли банк, "
                            "или создайте новый банк.")
                 .arg(folder));
        forgetBank(folder);
        start_->refresh();
        return false;
    }
    if (!maybeSave(QStringLiteral("Сохранить изменения, прежде чем открыть другой банк?")))
        return false;
    showBank(*dataFolder);
    return true;
}

void EditorWindow::showBank(const std::filesystem::path& dataFolder)
{
    bank_.open(std::filesystem::absolute(dataFolder).lexically_normal());
    rememberBank(pathText(bankPlace(bank_.folder())));
    pages_->setCurrentIndex(1);
    steps_->choose(1);
    showStep(1);
    updateTitle();
    updateActions();
    steps_->setFocus();
}

void EditorWindow::openBank()
{
    const QString folder = questions_->chooseFolder(QStringLiteral("Выберите папку банка"),
                                                    bank_.isOpen() ? pathText(bank_.folder().parent_path()) : QString());
    if (!folder.isEmpty())
        openFolder(folder);
}

void EditorWindow::newBank()
{
    // Asked once: the old bank and its undo history stay until the new one is really made.
    if (!maybeSave(QStringLiteral("Сохранить изменения, прежде чем создать новый банк?")))
        return;
    const std::optional<NewBankPlace> place = questions_->chooseNewBank();
    if (!place)
        return;
    const CreatedBank created = createBank(place->folder, place->startFrom, programFolder_);
    if (!created.error.isEmpty()) {
        tell(*questions_, Question::Kind::Warning, QStringLiteral("Банк не создан"), created.error);
        return;
    }
    showBank(created.dataFolder);
    if (place->ownOnly)
        bank_.repeatOwnEverywhere();
    statusBar()->showMessage(QStringLiteral("Новый банк создан в %1").arg(pathText(bankPlace(created.dataFolder))),
                             kStatusMilliseconds);
}

bool EditorWindow::save()
{
    switch (saveWithQuestions(*questions_, bank_, *check_, [this] { fillToTen(); })) {
    case SaveOutcome::Saved:
        statusBar()->showMessage(QStringLiteral("Сохранено."), kStatusMilliseconds);
        return true;
    case SaveOutcome::PartlySaved:
        statusBar()->showMessage(QStringLiteral("Сохранено не всё: ступени, которые вы решили не сохранять, "
                                                "остались несохранёнными."),
                                 kStatusMilliseconds);
        break;
    case SaveOutcome::SaveElsewhere:
        return saveAs();
    case SaveOutcome::Cancelled:
    case SaveOutcome::Failed:
        break;
    }
    return false;
}

bool EditorWindow::saveAs()
{
    const QString folder = questions_->chooseFolder(QStringLiteral("Папка, в которую сохранить банк"),
                                                    NewBankDialog::suggestedFolder());
    if (folder.isEmpty() || !acceptErrors(*questions_, *check_, QStringLiteral("Сохранить с ошибками")))
        return false;
    const std::filesystem::path dataFolder = toPath(folder) / "data";
    std::error_code error;
    const bool itself = std::filesystem::equivalent(dataFolder, bank_.folder(), error);
    if (!itself && holdsBankFile(dataFolder) &&
        !confirm(*questions_, {.kind = Question::Kind::Warning,
                               .title = QStringLiteral("Там уже есть банк"),
                               .text = QStringLiteral("В папке %1 уже есть банк вопросов. Заменить его файлы "
                                                      "вопросами из редактора? Всё, что было в тех файлах, пропадёт.")
                                           .arg(pathText(dataFolder)),
                               .buttons = {QStringLiteral("Заменить тот банк"), QStringLiteral("Отмена")},
                               .defaultButton = 1}))
        return false;
    const QString failure = editor::saveAs(bank_, dataFolder);
    if (!failure.isEmpty()) {
        tell(*questions_, Question::Kind::Failure, QStringLiteral("Банк не сохранён"), failure);
        return false;
    }
    rememberBank(pathText(bankPlace(bank_.folder())));
    statusBar()->showMessage(QStringLiteral("Банк сохранён в %1").arg(pathText(bankPlace(bank_.folder()))),
                             kStatusMilliseconds);
    return true;
}

bool EditorWindow::maybeSave(const QString& question)
{
    if (!bank_.isModified())
        return true;
    const int answer = questions_->ask(
        {.kind = Question::Kind::Question,
         .title = QStringLiteral("Несохранённые изменения"),
         .text = QStringLiteral("В банке есть несохранённые изменения. ") + question,
         .buttons = {QStringLiteral("Сохранить"), QStringLiteral("Не сохранять"), QStringLiteral("Отмена")}});
    if (answer == 0)
        return save();
    return answer == 1;
}

void EditorWindow::showPlace()
{
    const int answer = questions_->ask({.kind = Question::Kind::Information,
                                        .title = QStringLiteral("Где лежит банк"),
                                        .text = whereTheBankLies(bank_.folder()),
                                        .buttons = {QStringLiteral("Открыть папку"), QStringLiteral("Закрыть")},
                                        .defaultButton = 1});
    if (answer == 0)
        QDesktopServices::openUrl(QUrl::fromLocalFile(pathText(bankPlace(bank_.folder()))));
}

void EditorWindow::importCsv()
{
    const QString name = questions_->chooseFileToOpen(QStringLiteral("Импорт вопросов из таблицы"), kCsvFilter);
    if (name.isEmpty())
        return;
    const TableText table = readTable(toPath(name));
    if (!table.error.isEmpty()) {
        tell(*questions_, Question::Kind::Warning, QStringLiteral("Таблица не прочитана"), table.error);
        return;
    }
    ImportDialog dialog(bank_, table.bytes, gameFits(), name, this);
    if (dialog.exec() == QDialog::Accepted)
        applyImport(bank_, dialog.plan(), dialog.mode());
}

void EditorWindow::exportCsv()
{
    const QString name = questions_->chooseFileToSave(QStringLiteral("Экспорт вопросов в таблицу"),
                                                      pathText(bank_.folder().parent_path() / "вопросы.csv"), kCsvFilter);
    if (name.isEmpty())
        return;
    const QByteArray bytes = encodeTable(editor::exportCsv(bank_));
    // Written as the bank is: a table exported over an older one never ends half written.
    const std::filesystem::path file = toPath(name);
    try {
        replaceFileSafely(file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const std::system_error& error) {
        tell(*questions_, Question::Kind::Warning, QStringLiteral("Таблица не записана"),
             QStringLiteral("Таблица %1 не записана: %2.").arg(name, reasonText(file.parent_path(), error.code())));
        return;
    }
    statusBar()->showMessage(QStringLiteral("Вопросы записаны в %1").arg(name), kStatusMilliseconds);
}

void EditorWindow::reloadChanged()
{
    for (const int step : diskSteps_)
        if (!bank_.reload(step))
            tell(*questions_, Question::Kind::Warning, QStringLiteral("Ступень не прочитана"),
                 QStringLiteral("Ступень %1 не удаётся прочитать с диска; в редакторе осталась ваша версия.")
                     .arg(step));
    diskBanner_->hide();
}

void EditorWindow::keepMine()
{
    for (const int step : diskSteps_)
        bank_.setOnDisk(step, bytesOnDisk(bank_.step(step), step));
    diskBanner_->hide();
}

}  // namespace kvardelon::editor
