// What the windows settle with the window system beyond Qt's own: where a window stands
// on its screen, and a title that stays empty.
#pragma once

#include <QPoint>
#include <QRect>

class QScreen;
class QWidget;

namespace kvardelon {

// The screen that holds the point, else the primary screen; nullptr with no screen at all.
QScreen* screenAt(QPoint point);

// The place itself where it lies wholly on the screen; else moved just enough to, and
// where it is larger than the screen, against the screen's left and top edges.
QRect keepOnScreen(QRect place, QRect screen);

// Qt puts the program's name in place of an empty title; this takes it out again where
// the window system is X11. The window must have been shown.
void clearWindowSystemTitle(QWidget& window);

}  // namespace kvardelon
