// Caption buttons, picture buttons and the clickable label.
#include "Controls.h"

#include <QFile>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace kvardelon {

namespace {

constexpr int kCaptionMargin = 4;

}  // namespace

CaptionButton::CaptionButton(QWidget* parent, const char* name, const QString& caption, Twips place)
    : QPushButton(parent)
{
    setObjectName(QString::fromLatin1(name));
    setAutoDefault(false);
    setDefault(false);
    setGeometry(place.pixels());
    setCaption(caption);
}

void CaptionButton::setCaption(const QString& caption)
{
    // The caption never goes through setText, which would turn "&" into an access key.
    caption_ = caption;
    setAccessibleName(caption);
    update();
}

QRect CaptionButton::captionArea(QSize buttonSize)
{
    return QRect(QPoint(0, 0), buttonSize).adjusted(kCaptionMargin, kCaptionMargin, -kCaptionMargin, -kCaptionMargin);
}

void CaptionButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    painter.setPen(palette().color(group, QPalette::ButtonText));
    painter.drawText(captionArea(size()), Qt::AlignCenter | Qt::TextWordWrap, caption_);
}

QPixmap loadPicture(const QString& image, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        QString twice = image;
        twice.insert(twice.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
        if (QFile::exists(twice)) {
            QPixmap pixmap(twice);
            pixmap.setDevicePixelRatio(2.0);
            return pixmap;
        }
    }
    return QPixmap(image);
}

PictureButton::PictureButton(QWidget* parent, const char* name, const QString& image, Twips place,
                             const QString& accessibleName)
    : QAbstractButton(parent), pixmap_(loadPicture(image, qGuiApp->devicePixelRatio()))
{
    setObjectName(QString::fromLatin1(name));
    setAccessibleName(accessibleName);
    setFocusPolicy(Qt::StrongFocus);
    setGeometry(place.pixels());
}

void PictureButton::paintEvent(QPaintEvent*)
{
    // Clipped to the control and drawn the same whether enabled or not.
    QPainter painter(this);
    painter.drawPixmap(0, 0, pixmap_);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

LinkLabel::LinkLabel(QWidget* parent, const char* name, const QString& caption, Twips place) : QLabel(parent)
{
    setObjectName(QString::fromLatin1(name));
    setTextFormat(Qt::PlainText);
    setGeometry(place.pixels());
    setText(caption);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

}  // namespace kvardelon
