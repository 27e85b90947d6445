// The game's process on a covered screen, from its start to its end.
#include "ProjectorPlay.h"

#include "Launch.h"
#include "QtText.h"

#include <QTimer>

namespace kvardelon::editor {

namespace {

// How long a game asked to end may take before it is made to.
constexpr int kEndingMilliseconds = 3000;

}  // namespace

ProjectorPlay::ProjectorPlay(Stage& stage, QObject* parent) : QObject(parent), stage_(stage)
{
}

ProjectorPlay::~ProjectorPlay()
{
    // The editor is closing under a running game: the game goes with it, the screen stays as
    // the stage leaves it.
    if (game_ != nullptr) {
        game_->disconnect(this);
        game_->kill();
        game_->waitForFinished(kEndingMilliseconds);
    }
}

void ProjectorPlay::start(const QString& program, const std::filesystem::path& folder, double scale)
{
    if (isRunning())
        return;
    if (program.isEmpty()) {
        emit ended(gameNotFound());
        return;
    }
    // The backdrop first: the game's windows, shown after it, stand above it.
    stage_.cover();
    stopping_ = false;
    game_ = new QProcess(this);
    game_->setProgram(program);
    game_->setWorkingDirectory(pathText(folder));
    game_->setProcessEnvironment(gameEnvironment(scale));
    game_->setStandardOutputFile(QProcess::nullDevice());
    game_->setStandardErrorFile(QProcess::nullDevice());
    connect(game_, &QProcess::errorOccurred, this, [this, program](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish(gameDoesNotStart(program));
    });
    connect(game_, &QProcess::finished, this, [this](int, QProcess::ExitStatus status) {
        finish(status == QProcess::CrashExit && !stopping_
                   ? QStringLiteral("Игра закрылась аварийно. Банк не изменился; запустите игру ещё раз.")
                   : QString());
    });
    game_->start(QIODevice::NotOpen);
}

void ProjectorPlay::stop()
{
    if (game_ == nullptr)
        return;
    stopping_ = true;
    game_->terminate();
    QTimer::singleShot(kEndingMilliseconds, game_, &QProcess::kill);
}

void ProjectorPlay::finish(const QString& problem)
{
    if (game_ == nullptr)
        return;
    game_->disconnect(this);
    game_->deleteLater();
    game_ = nullptr;
    stage_.uncover();
    emit ended(problem);
}

}  // namespace kvardelon::editor
