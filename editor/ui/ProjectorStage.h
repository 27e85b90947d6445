// The editor's side of playing on a projector: a dark backdrop over one screen, and the
// editor's window put away and brought back as it was.
#pragma once

#include "ProjectorPlay.h"

#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <functional>

namespace kvardelon::editor {

// A dark window over a whole screen that never rises above the game's windows, nor takes
// the focus from them. Closing it asks to end the game.
class Backdrop : public QWidget {
    Q_OBJECT

public:
    explicit Backdrop(QScreen* screen);

signals:
    void endAsked();

protected:
    void closeEvent(QCloseEvent* event) override;
};

class ProjectorStage : public Stage {
public:
    // endAsked: closing the backdrop.
    ProjectorStage(QWidget& editor, std::function<void()> endAsked) : editor_(editor), endAsked_(std::move(endAsked)) {}
    ~ProjectorStage() override;

    // The screen the next cover() covers.
    void setScreen(QScreen* screen) { screen_ = screen; }
    Backdrop* backdrop() const { return backdrop_; }

    void cover() override;
    void uncover() override;

private:
    QWidget& editor_;
    std::function<void()> endAsked_;
    QPointer<QScreen> screen_;
    QPointer<Backdrop> backdrop_;
    Qt::WindowStates editorState_;
};

// The screen the game will open its windows on: the editor's own when the game's windows
// come up there, else the one they do come up on. The game places its windows on the screen
// at the top left of the desktop and cannot be sent to another.
QScreen* projectorScreen(QScreen* editorScreen);

}  // namespace kvardelon::editor
