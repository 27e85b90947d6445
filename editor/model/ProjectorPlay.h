// Playing on a projector: the game alone on a dark screen, the editor back when it ends.
#pragma once

#include <QObject>
#include <QPointer>
#include <QProcess>

#include <filesystem>

namespace kvardelon::editor {

// What playing on a projector does to the editor's own windows.
class Stage {
public:
    virtual ~Stage() = default;
    // A dark backdrop over the whole screen, below the game's windows; the editor out of sight.
    virtual void cover() = 0;
    // The backdrop gone, the editor back as it was.
    virtual void uncover() = 0;
};

// One game on the projector at a time: the screen is covered while the game's process runs
// and uncovered when it ends, however it ends.
class ProjectorPlay : public QObject {
    Q_OBJECT

public:
    explicit ProjectorPlay(Stage& stage, QObject* parent = nullptr);
    ~ProjectorPlay() override;

    // program: the game (findGame); scale: projectorScale of the screen the game opens on.
    // When there is no game to start, says so at once and covers nothing.
    void start(const QString& program, const std::filesystem::path& folder, double scale);
    bool isRunning() const { return game_ != nullptr; }
    // Ends the game at once: the author asked for it on the backdrop.
    void stop();

signals:
    // The screen is uncovered. problem: what the author must be told, when the game could not
    // start or ended by a crash; empty when it ended normally or by its own fatal error
    // report, which it showed itself.
    void ended(const QString& problem);

private:
    void finish(const QString& problem);

    Stage& stage_;
    QPointer<QProcess> game_;
    bool stopping_ = false;  // ended on the author's word: its end is no crash
};

}  // namespace kvardelon::editor
