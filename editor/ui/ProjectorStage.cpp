// A dark backdrop behind the game, and the editor out of its way.
#include "ProjectorStage.h"

#include "MainLayout.h"
#include "Toolkit.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

namespace kvardelon::editor {

Backdrop::Backdrop(QScreen* screen)
    // Never given the focus, not even by a click: a window manager lifts the focused full
    // screen window above all others, and the game would vanish behind its own backdrop.
    : QWidget(nullptr,
              Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    // While it is the only window shown, its going away must not end the editor.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("Кварделон на проекторе"));
    setAccessibleName(QStringLiteral("Фон игры на проекторе"));
    // The game's own background: its windows seem to fill the wall.
    QPalette dark = palette();
    dark.setColor(QPalette::Window, kBackground);
    setPalette(dark);
    setAutoFillBackground(true);
    if (screen != nullptr) {
        setScreen(screen);
        setGeometry(screen->geometry());
    }
}

void Backdrop::closeEvent(QCloseEvent* event)
{
    // It goes when the game goes; closing it while the game runs is a wish to end the game.
    event->ignore();
    emit endAsked();
}

ProjectorStage::~ProjectorStage()
{
    delete backdrop_.data();
}

void ProjectorStage::cover()
{
    delete backdrop_.data();
    backdrop_ = new Backdrop(screen_);
    QObject::connect(backdrop_, &Backdrop::endAsked, backdrop_, [this] { endAsked_(); });
    // Never raised and never given the focus by the editor: only shown before the game's
    // windows, so that they stand above it.
    backdrop_->showFullScreen();
    // Hidden, not minimised: a minimised window still shows in the task bar. A hidden window
    // keeps its place, size and state for when it is shown again.
    editorState_ = editor_.windowState();
    editor_.hide();
}

void ProjectorStage::uncover()
{
    editor_.show();
    delete backdrop_.data();
    if (editor_.windowState() != editorState_)
        editor_.setWindowState(editorState_);
    editor_.raise();
    editor_.activateWindow();
}

QScreen* projectorScreen(QScreen* editorScreen)
{
    // The main window's place is in from the top left corner whatever the scale.
    const QPoint gamePlace = kMainWindowPlace.pixels().topLeft();
    if (editorScreen != nullptr && editorScreen->geometry().contains(gamePlace))
        return editorScreen;
    QScreen* game = QGuiApplication::screenAt(gamePlace);
    return game != nullptr ? game : QGuiApplication::primaryScreen();
}

}  // namespace kvardelon::editor
