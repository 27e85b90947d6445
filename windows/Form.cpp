// Loading, showing, unloading and disabling a window.
#include "Form.h"

#include "Accessible.h"
#include "Toolkit.h"
#include "WindowSystem.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QScreen>

namespace kvardelon {

// The top-level widget: it passes a close from outside on to its form.
class Form::Window : public QWidget {
public:
    Window(Form& form, QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags), form_(form) {}

    Form& form() const { return form_; }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate)
            form_.activated();
        return QWidget::event(event);
    }

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
    // Set even when null: a window without an icon of its own would show its owner's.
    window->setWindowIcon(frame_.icon);
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
    new Announcer(clientArea);
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
        if (const QScreen* screen = screenAt(place.topLeft()))
            place = keepOnScreen(place, screen->availableGeometry());
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        place.moveCenter(screen->geometry().center());
    }
    window->setGeometry(place);
    readAloud_ = frame_.readOnOpen;
    window->show();
    if (frame_.title.isEmpty())
        clearWindowSystemTitle(*window);
    window->raise();
    window->activateWindow();
}

void Form::announce(const QString& text)
{
    if (!isLoaded())
        return;
    if (readAloud_)
        pendingAnnouncement_ = text;
    else
        window_->findChild<Announcer*>()->say(text);
}

void Form::activated()
{
    if (!isLoaded())
        return;
    QString text = std::exchange(pendingAnnouncement_, {});
    if (std::exchange(readAloud_, false))
        text = readingOf(*window_) + (text.isEmpty() ? QString() : QLatin1Char(' ') + text);
    if (!text.isEmpty())
        window_->findChild<Announcer*>()->say(text);
}

Form* Form::of(const QWidget* widget)
{
    const auto* window = widget != nullptr ? dynamic_cast<const Window*>(widget->window()) : nullptr;
    return window != nullptr ? &window->form() : nullptr;
}

void Form::unload()
{
    if (!isLoaded())
        return;
    unloaded();
    pendingAnnouncement_.clear();
    readAloud_ = false;
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
    tellStateOfControls();
    if (enabled && isLoaded() && window_->isVisible())
        window_->activateWindow();
}

void Form::tellStateOfControls() const
{
    if (!QAccessible::isActive() || !isLoaded())
        return;
    QAccessible::State disabled;
    disabled.disabled = true;
    for (QWidget* control : window_->findChildren<QWidget*>()) {
        QAccessibleStateChangeEvent event(control, disabled);
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace kvardelon
