// Loading, showing, unloading and disabling a window.
#include "Form.h"

#include "Toolkit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QScreen>

namespace kvardelon {

// The top-level widget: it passes a close from outside on to its form.
class Form::Window : public QWidget {
public:
    Window(Form& form, QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags), form_(form) {}

protected:
    void closeEvent(QCloseEvent* event) override
    {
        // The window never closes by itself: its form decides, and a disabled one refuses.
        event->ignore();
        if (form_.isEnabled())
            form_.closeRequested();
    }

    void paintEvent(QPaintEvent*) override
    {
        if (form_.frame_.titleBar)
            return;
        QPainter painter(this);
        painter.setPen(QColor(0x90, 0x98, 0xC0));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    Form& form_;
};

// Swallows every input event meant for one window while its form is disabled.
class Form::InputBlocker : public QObject {
public:
    explicit InputBlocker(Form& form) : form_(form) {}

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (!isInput(event->type()) || !receiver->isWidgetType())
            return false;
        return static_cast<QWidget*>(receiver)->window() == form_.window();
    }

private:
    static bool isInput(QEvent::Type type)
    {
        switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu:
        case QEvent::ToolTip:
        case QEvent::Enter:
        case QEvent::Leave:
        case QEvent::HoverEnter:
        case QEvent::HoverMove:
        case QEvent::HoverLeave:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::TabletMove:
            return true;
        default:
            return false;
        }
    }

    Form& form_;
};

Form::Form(Frame frame, Form* owner) : frame_(std::move(frame)), owner_(owner) {}

Form::~Form()
{
    delete blocker_;
    delete window_.data();
}

void Form::load()
{
    if (isLoaded())
        return;

    Qt::WindowFlags flags = Qt::Window | Qt::MSWindowsFixedSizeDialogHint;
    if (frame_.titleBar) {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (frame_.closeButton)
            flags |= Qt::WindowCloseButtonHint;
    } else {
        flags |= Qt::FramelessWindowHint;
    }
    QWidget* parent = owner_ != nullptr ? owner_->window() : nullptr;
    auto* window = new Window(*this, parent, flags);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->setWindowTitle(frame_.title);
    window->setAutoFillBackground(true);

    const QSize client(twips(frame_.clientTwips.width()), twips(frame_.clientTwips.height()));
    QWidget* clientArea = window;
    if (frame_.titleBar) {
        window->setFixedSize(client);
    } else {
        window->setFixedSize(client + QSize(2, 2));
        clientArea = new QWidget(window);
        clientArea->setObjectName(QStringLiteral("client"));
        clientArea->setGeometry(QRect(QPoint(1, 1), client));
    }
    window_ = window;
    build(*clientArea);
    loaded();
}

void Form::show()
{
    load();
    // The geometry of a top-level window is that of its client area, frame aside.
    QWidget* window = window_;
    QRect place(QPoint(0, 0), window->size());
    if (frame_.placeTwips) {
        place.moveTopLeft(QPoint(twips(frame_.placeTwips->x()), twips(frame_.placeTwips->y())));
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        place.moveCenter(screen->geometry().center());
    }
    window->setGeometry(place);
    window->show();
    window->raise();
    window->activateWindow();
}

void Form::unload()
{
    if (!isLoaded())
        return;
    unloaded();
    QWidget* window = window_;
    window_ = nullptr;
    window->hide();
    // Later: the click that unloads a window may still be inside one of its controls.
    window->deleteLater();
}

void Form::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    if (!enabled) {
        blocker_ = new InputBlocker(*this);
        qApp->installEventFilter(blocker_);
    } else {
        delete blocker_;
        blocker_ = nullptr;
    }
}

}  // namespace kvardelon
