// The window's file actions: opening, making, saving, importing and exporting banks.
#include "EditorWindow.h"

#include "CsvImport.h"
#include "ImportDialog.h"
#include "ImportEffects.h"
#include "NewBankDialog.h"
#include "RecentBanks.h"
#include "SaveFlow.h"
#include "Saving.h"
#include "StartPage.h"
#include "StepList.h"
#include "Text.h"
#include "TextRoom.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>

namespace kvardelon::editor {

namespace {

constexpr int kStatusMilliseconds = 8000;

const QString kCsvFilter = QStringLiteral("Таблица CSV (*.csv);;Все файлы (*)");

}  // namespace

bool EditorWindow::openFolder(const QString& folder)
{
    const std::optional<std::filesystem::path> dataFolder = findDataFolder(toPath(folder));
    if (!dataFolder) {
        QMessageBox::warning(this, QStringLiteral("Банк не найден"),
                             QStringLiteral("В папке %1 нет банка вопросов: ни папки data, ни файлов qw1.txt … "
                                            "qw15.txt. Выберите папку банка или создайте новый банк.")
                                 .arg(folder));
        forgetBank(folder);
        start_->refresh();
        return false;
    }
    if (!maybeSave(QStringLiteral("Сохранить изменения, прежде чем открыть другой банк?")))
        return false;
    bank_.open(std::filesystem::absolute(*dataFolder).lexically_normal());
    rememberBank(pathText(bank_.folder()));
    pages_->setCurrentIndex(1);
    steps_->choose(1);
    showStep(1);
    updateTitle();
    updateActions();
    steps_->setFocus();
    return true;
}

void EditorWindow::openBank()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Папка банка: data или папка, в которой лежит data"),
        bank_.isOpen() ? pathText(bank_.folder().parent_path()) : QString());
    if (!folder.isEmpty())
        openFolder(folder);
}

void EditorWindow::newBank()
{
    if (!maybeSave(QStringLiteral("Сохранить изменения, прежде чем создать новый банк?")))
        return;
    NewBankDialog dialog(programFolder_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const CreatedBank created = createBank(dialog.folder(), dialog.startFrom(), programFolder_);
    if (!created.error.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("Банк не создан"), created.error);
        return;
    }
    bank_.undoStack().clear();  // nothing of the old bank is left to ask about
    openFolder(pathText(created.dataFolder));
    statusBar()->showMessage(QStringLiteral("Новый банк создан в %1").arg(pathText(created.dataFolder)),
                             kStatusMilliseconds);
}

bool EditorWindow::save()
{
    switch (saveWithQuestions(this, bank_, *check_, [this] { fillToTen(); })) {
    case SaveOutcome::Saved:
        statusBar()->showMessage(QStringLiteral("Сохранено."), kStatusMilliseconds);
        return true;
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
    const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("Папка, в которую сохранить банк"),
                                                             NewBankDialog::suggestedFolder());
    if (folder.isEmpty() || !acceptErrors(this, *check_, QStringLiteral("Сохранить с ошибками")))
        return false;
    const QString error = editor::saveAs(bank_, toPath(folder) / "data");
    if (!error.isEmpty()) {
        QMessageBox::critical(this, QStringLiteral("Банк не сохранён"), error);
        return false;
    }
    rememberBank(pathText(bank_.folder()));
    statusBar()->showMessage(QStringLiteral("Банк сохранён в %1").arg(pathText(bank_.folder())), kStatusMilliseconds);
    return true;
}

bool EditorWindow::maybeSave(const QString& question)
{
    if (!bank_.isModified())
        return true;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Несохранённые изменения"),
                    QStringLiteral("В банке есть несохранённые изменения. ") + question, QMessageBox::NoButton, this);
    QPushButton* saveButton = box.addButton(QStringLiteral("Сохранить"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("Не сохранять"), QMessageBox::DestructiveRole);
    box.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole);
    box.setDefaultButton(saveButton);
    box.exec();
    if (box.clickedButton() == saveButton)
        return save();
    return box.clickedButton() == discard;
}

void EditorWindow::importCsv()
{
    const QString name = QFileDialog::getOpenFileName(this, QStringLiteral("Импорт вопросов из таблицы"), {}, kCsvFilter);
    if (name.isEmpty())
        return;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        QMessageBox::warning(this, QStringLiteral("Таблица не открыта"),
                             QStringLiteral("Не удалось открыть %1: %2").arg(name, file.errorString()));
        return;
    }
    ImportDialog dialog(bank_, readImport(QString::fromUtf8(file.readAll()), gameFits()), name, this);
    if (dialog.exec() == QDialog::Accepted)
        applyImport(bank_, dialog.plan(), dialog.mode());
}

void EditorWindow::exportCsv()
{
    const QString name = QFileDialog::getSaveFileName(this, QStringLiteral("Экспорт вопросов в таблицу"),
                                                      pathText(bank_.folder().parent_path() / "вопросы.csv"), kCsvFilter);
    if (name.isEmpty())
        return;
    QFile file(name);
    const QByteArray bytes = "\xEF\xBB\xBF" + editor::exportCsv(bank_).toUtf8();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() || !file.flush()) {
        QMessageBox::warning(this, QStringLiteral("Таблица не записана"),
                             QStringLiteral("Не удалось записать %1: %2").arg(name, file.errorString()));
        return;
    }
    statusBar()->showMessage(QStringLiteral("Вопросы записаны в %1").arg(name), kStatusMilliseconds);
}

void EditorWindow::reloadChanged()
{
    for (const int step : diskSteps_)
        if (!bank_.reload(step))
            QMessageBox::warning(this, QStringLiteral("Файл не прочитан"),
                                 QStringLiteral("Файл %1 не удаётся прочитать; в редакторе осталась ваша версия.")
                                     .arg(pathText(bank_.step(step).path)));
    diskBanner_->hide();
}

void EditorWindow::keepMine()
{
    for (const int step : diskSteps_)
        bank_.setOnDisk(step, bytesOnDisk(bank_.step(step), step));
    diskBanner_->hide();
}

}  // namespace kvardelon::editor
