// What assistive technology is told about the windows: roles, the modal wait, and
// sentences spoken when something new appears.
#pragma once

#include <QString>
#include <QWidget>

namespace kvardelon {

// Puts the game's own accessible interfaces in place for the windows (frames, where Qt
// would say filler), their buttons, pictures, labels and announcers; safe to call more
// than once.
void installAccessibleInterfaces();

// An empty, undrawn child of a window that a screen reader hears as a notification each
// time it says something. It takes no room, no focus and no clicks.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    void say(const QString& text);
};

// The texts as one spoken passage: blanks folded, each text ended with a full stop
// unless it ends in ".", "!", "?" or ":", empty ones left out.
QString spoken(const QStringList& texts);

// The texts of the labels under the widget as a player reads them, top to bottom and
// left to right, spoken.
QString readingOf(const QWidget& widget);

}  // namespace kvardelon
