// One window of the game: an object for the whole process whose on-screen window and
// controls are created by loading it and destroyed by unloading it.
#pragma once

#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QWidget>

#include <optional>

namespace kvardelon {

class Form : public QObject {
    Q_OBJECT
public:
    ~Form() override;

    // Creates the window and its controls from the description, then runs the load
    // handling; nothing happens when the window is already loaded.
    void load();

    // Loads if need be and shows the window, at its stored place or centred; no modal loop.
    void show();

    // Destroys the on-screen window and its controls; the object and its members stay.
    void unload();

    bool isLoaded() const { return window_ != nullptr; }

    // A disabled window takes no input at all: mouse, keyboard, close button, the actions
    // of assistive technology, clicks made in code. It is drawn exactly as before, its
    // controls keep their own states and report themselves disabled to assistive
    // technology. Enabled again, it becomes the active window.
    void setEnabled(bool enabled);
    bool isEnabled() const { return enabled_; }

    // Has a screen reader say the text: at once, or for a window that reads its labels
    // when it opens and has not yet been active, after them. Nothing on screen changes.
    void announce(const QString& text);

    // The form whose loaded window holds the widget, else nullptr.
    static Form* of(const QWidget* widget);

    // The top-level window while loaded, else nullptr.
    QWidget* window() const { return window_; }

    // A control of the loaded window by its name, else nullptr.
    template <typename Widget>
    Widget* control(const char* name) const
    {
        return window_ ? window_->findChild<Widget*>(QString::fromLatin1(name)) : nullptr;
    }

protected:
    struct Frame {
        QString title;                  // empty for a window with no title bar
        QSize clientTwips;
        std::optional<QPoint> placeTwips;  // the client area's top left; centred when absent
        bool closeButton = false;
        bool titleBar = true;           // false: no title bar, a one-pixel frame
        bool readOnOpen = false;        // a screen reader reads its labels when it opens
        QIcon icon;                     // none when null, whatever the owner shows
    };

    explicit Form(Frame frame, Form* owner = nullptr);

    // Creates the controls on the client area, in tab order.
    virtual void build(QWidget& client) = 0;

    // Runs after build, before the window is shown.
    virtual void loaded() {}

    // Connects a control's click signal to a handler that runs only while the window is
    // enabled: the one door through which every click of the window comes in.
    template <typename Sender, typename Signal, typename Handler>
    void onClick(Sender* sender, Signal signal, Handler handler)
    {
        connect(sender, signal, this, [this, handler] {
            if (enabled_)
                handler();
        });
    }

    // Forgets the controls of a window being unloaded.
    virtual void unloaded() {}

    // The player closed the window by other means than its buttons: the window
    // manager's close, Alt+F4.
    virtual void closeRequested() = 0;

private:
    class Window;
    class InputBlocker;

    void activated();
    void tellStateOfControls() const;

    Frame frame_;
    Form* owner_;
    QPointer<QWidget> window_;
    bool enabled_ = true;
    InputBlocker* blocker_ = nullptr;
    QString pendingAnnouncement_;
    bool readAloud_ = false;  // shown, not yet active: its labels are read then
};

}  // namespace kvardelon
