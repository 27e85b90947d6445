// The kinds of control the windows are made of, beyond Qt's own labels and text boxes.
#pragma once

#include "Toolkit.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace kvardelon {

// A push button whose caption is shown exactly as set: wrapped at words when it is
// long, "&" drawn as itself, no access key. There is no default button anywhere.
class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    CaptionButton(QWidget* parent, const char* name, const QString& caption, Twips place);

    void setCaption(const QString& caption);
    const QString& caption() const { return caption_; }

    // Where the caption is drawn inside a button of the given size.
    static QRect captionArea(QSize buttonSize);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

// A picture that acts as a button: its bitmap drawn from the top left corner, clipped,
// never scaled, and unchanged when disabled; a disabled picture ignores clicks.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    // image: a resource path such as ":/images/town.png"; a "@2x" twin is used on
    // screens scaled twice or more.
    PictureButton(QWidget* parent, const char* name, const QString& image, Twips place,
                  const QString& accessibleName);

    const QPixmap& pixmap() const { return pixmap_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap pixmap_;
};

// A label that reports clicks, with a pointing-hand cursor over it.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(QWidget* parent, const char* name, const QString& caption, Twips place);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The picture for a resource path, in its "@2x" form where the screen calls for it.
QPixmap loadPicture(const QString& image, qreal devicePixelRatio);

}  // namespace kvardelon
