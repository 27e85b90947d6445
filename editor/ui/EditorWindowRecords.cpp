// The window's record actions, playing, and the help.
#include "EditorWindow.h"

#include "Arrival.h"
#include "HelpWindow.h"
#include "Launch.h"
#include "NumberWords.h"
#include "OwnQuestions.h"
#include "ProjectorPlay.h"
#include "ProjectorStage.h"
#include "QtText.h"
#include "RecordForm.h"
#include "RecordList.h"
#include "SaveFlow.h"
#include "StepList.h"
#include "Wording.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>

namespace kvardelon::editor {

namespace {

constexpr int kStatusMilliseconds = 8000;

}  // namespace

void EditorWindow::newRecord()
{
    const int step = steps_->current();
    const Arrival arrival{.kind = ArrivalKind::New, .step = step};
    if (needsRoom(bank_, arrival)) {
        arriveOnFullStep(arrival, records_->current());
        return;
    }
    const int at = records_->current() < 0 ? bank_.recordCount(step) : records_->current() + 1;
    bank_.insertRecord({step, at}, Record{}, QStringLiteral("новый вопрос"));
    goTo({step, at}, RecordField::Question);
}

void EditorWindow::duplicateRecord()
{
    const Arrival arrival{.kind = ArrivalKind::Copy, .step = current().step, .from = current()};
    if (needsRoom(bank_, arrival)) {
        arriveOnFullStep(arrival, -1);
        return;
    }
    const Place at{current().step, current().record + 1};
    bank_.insertRecord(at, asNew(bank_.record(current())), QStringLiteral("копию вопроса"));
    goTo(at, RecordField::Question);
    // On a step that repeats her questions a copy is never needed to make up ten.
    statusBar()->showMessage(
        bank_.repeatsOwn(at.step)
            ? QStringLiteral("Копия встала %1-й: измените её в новый вопрос (до десяти ваши и так повторятся).")
                  .arg(at.record + 1)
            : QStringLiteral("Копия встала %1-й. Пока она повторяет вопрос, проверка отмечает повтор.").arg(at.record + 1),
        kStatusMilliseconds);
}

// The author says which of the step's ten gives up its place, or that the arrival goes after them.
void EditorWindow::arriveOnFullStep(const Arrival& arrival, int offered)
{
    const FullStepAnswer answer = questions_->askFullStep(bank_, arrival, offeredPlace(arrival, offered));
    if (answer.choice == FullStepAnswer::Choice::Cancel)
        return;
    const Arrived arrived = arrive(
        bank_, arrival,
        answer.choice == FullStepAnswer::Choice::Replace ? std::optional(answer.replaced) : std::nullopt);
    goTo(arrived.at, RecordField::Question);
    statusBar()->showMessage(arrived.said, kStatusMilliseconds * 2);
}

void EditorWindow::fillToTen()
{
    if (planFill(bank_, nullptr).empty()) {
        statusBar()->showMessage(QStringLiteral("Дополнять нечего: на каждой ступени уже не меньше десяти вопросов "
                                                "или ваши вопросы повторяются до десяти."),
                                 kStatusMilliseconds);
        return;
    }
    const std::optional<FillChoice> choice = questions_->chooseFill(bank_);
    if (!choice)
        return;
    if (choice->ownOnly) {
        const std::vector<int> repeated = stepsToRepeat(bank_);
        repeatOwnQuestions(bank_, repeated);
        statusBar()->showMessage(
            repeated.empty()
                ? QStringLiteral("Ваши вопросы уже повторяются по кругу; на ступенях без вопросов напишите хотя бы один.")
                : QStringLiteral("Ваши вопросы повторятся по кругу до десяти на %1. Отменить: Ctrl+Z.")
                      .arg(repeated.size() == 1
                               ? QStringLiteral("ступени %1").arg(repeated.front())
                               : counted(static_cast<int>(repeated.size()), "ступени", "ступенях", "ступенях")),
            kStatusMilliseconds * 2);
        return;
    }
    applyFill(bank_, choice->plan);
    QStringList steps;
    int repeats = 0;
    for (const StepFill& fill : choice->plan) {
        if (!fill.added.empty())
            steps.append(QString::number(fill.step));
        repeats += fill.repeats;
    }
    statusBar()->showMessage(QStringLiteral("Дополнены ступени %1%2. Отменить: Ctrl+Z.")
                                 .arg(steps.join(QStringLiteral(", ")),
                                      repeats == 0 ? QString()
                                                   : QStringLiteral("; повторы вопросов проверка отметит: "
                                                                    "замените их своими")),
                             kStatusMilliseconds * 2);
}

void EditorWindow::deleteRecord()
{
    bank_.removeRecord(current());
    statusBar()->showMessage(QStringLiteral("Вопрос удалён. Вернуть его: «Правка → Отменить» (Ctrl+Z)."),
                             kStatusMilliseconds);
}

void EditorWindow::moveUp()
{
    if (current().record > 0)
        bank_.moveRecord(current(), {current().step, current().record - 1});
}

void EditorWindow::moveDown()
{
    if (current().record + 1 < bank_.recordCount(current().step))
        bank_.moveRecord(current(), {current().step, current().record + 1});
}

void EditorWindow::moveToStep()
{
    QStringList titles;
    for (int step = 1; step <= kSteps; ++step)
        titles.append(stepWithPrize(step));
    bool chosen = false;
    const QString title = QInputDialog::getItem(this, QStringLiteral("Перенести вопрос"),
                                                QStringLiteral("На какую ступень перенести вопрос?"), titles,
                                                current().step - 1, false, &chosen);
    const int step = static_cast<int>(titles.indexOf(title)) + 1;
    if (chosen && step >= 1)
        moveToStep(current(), step);
}

void EditorWindow::moveToStep(Place from, int step)
{
    const bool known = from.step >= 1 && from.step <= kSteps && from.record >= 0 &&
                       from.record < bank_.recordCount(from.step);
    if (!known || step == from.step)
        return;
    const Arrival arrival{.kind = ArrivalKind::Move, .step = step, .from = from};
    if (needsRoom(bank_, arrival))
        arriveOnFullStep(arrival, -1);
    else
        bank_.moveRecord(from, {step, bank_.recordCount(step)});
}

void EditorWindow::play()
{
    launch(false);
}

void EditorWindow::playOnProjector()
{
    launch(true);
}

void EditorWindow::launch(bool onProjector)
{
    if (projector_->isRunning())
        return;
    if (!bank_.isModified() &&
        !acceptErrors(*questions_, *check_, QStringLiteral("Всё равно играть"), [this] { fillToTen(); }))
        return;
    if (bank_.isModified()) {
        const int answer = questions_->ask(
            {.kind = Question::Kind::Question,
             .title = QStringLiteral("Играть"),
             .text = QStringLiteral("Игра читает банк с диска, а в нём есть несохранённые изменения. "
                                    "Сохранить их перед игрой?"),
             .buttons = {QStringLiteral("Сохранить и играть"), QStringLiteral("Играть без них"),
                         QStringLiteral("Отмена")}});
        if (answer == 0 ? !save() : answer != 1)
            return;
    }
    const std::filesystem::path cache =
        toPath(QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
    const PlayFolder folder = playFolder(bank_.folder(), cache);
    QString error = folder.error;
    const QString game = findGame(QCoreApplication::applicationDirPath());
    if (error.isEmpty() && onProjector) {
        // The game at its largest on the screen it opens on, the backdrop over that screen.
        QScreen* screen = projectorScreen(this->screen());
        stage_->setScreen(screen);
        projector_->start(game, folder.folder,
                          projectorScale(screen->availableGeometry().size() * screen->devicePixelRatio()));
        return;
    }
    if (error.isEmpty())
        error = startGame(game, folder.folder);
    if (!error.isEmpty()) {
        tell(*questions_, Question::Kind::Warning, QStringLiteral("Игра не запущена"), error);
        return;
    }
    statusBar()->showMessage(QStringLiteral("Игра запущена."), kStatusMilliseconds);
}

void EditorWindow::projectorEnded(const QString& problem)
{
    if (!problem.isEmpty())
        tell(*questions_, Question::Kind::Warning, QStringLiteral("Игра на проекторе"), problem);
}

void EditorWindow::showHelp()
{
    auto* help = findChild<HelpWindow*>();
    if (help == nullptr)
        help = new HelpWindow(this);
    help->show();
    help->raise();
    help->activateWindow();
}

}  // namespace kvardelon::editor
