// The accessible side of the windows: a waiting window's controls report themselves
// disabled and refuse their actions; the announcer speaks.
#include "Accessible.h"

#include "Controls.h"
#include "Form.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QLabel>

#include <algorithm>

namespace kvardelon {

namespace {

// True while the window that holds the widget waits for another window.
bool waiting(const QWidget* widget)
{
    const Form* form = Form::of(widget);
    return form != nullptr && !form->isEnabled();
}

// A button, picture or label of a game window: as Qt describes it, except that while
// its window waits it reports itself disabled and does nothing it is asked to.
class Control : public QAccessibleWidget {
public:
    Control(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text kind) const override
    {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty())
            if (const auto* label = qobject_cast<const QLabel*>(widget()))
                text = label->text();
        return text;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (waiting(widget()))
            state.disabled = true;
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (qobject_cast<const QAbstractButton*>(widget()) != nullptr)
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (waiting(widget()) || !widget()->isEnabled())
            return;
        if (auto* button = qobject_cast<QAbstractButton*>(widget()); button != nullptr && action == pressAction()) {
            // The tool waits for the answer to its request: answer it first, then act, so that
            // a window the press opens (the fatal error report too) does not hold the tool.
            QMetaObject::invokeMethod(
                button,
                [button] {
                    if (!waiting(button) && button->isEnabled())
                        button->click();
                },
                Qt::QueuedConnection);
        } else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* gameInterface(const QString& className, QObject* object)
{
    if (!object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    const Form* form = Form::of(widget);
    if (form == nullptr)
        return nullptr;
    if (widget == form->window())
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String("kvardelon::Announcer"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (className == QLatin1String("kvardelon::CaptionButton") || className == QLatin1String("kvardelon::PictureButton"))
        return new Control(widget, QAccessible::Button);
    if (className == QLatin1String("QLabel"))
        return new Control(widget, QAccessible::StaticText);
    return nullptr;
}

}  // namespace

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(gameInterface);
        return true;
    }();
    (void)installed;
}

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("announcer"));
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Hidden until it has something to say: shown with its window, it would be heard as an
    // empty notification whenever a window opens.
    hide();
}

void Announcer::say(const QString& text)
{
    // A notification is heard when it is shown.
    hide();
    setAccessibleName(text);
    show();
}

QString readingOf(const QWidget& widget)
{
    QList<QLabel*> labels = widget.findChildren<QLabel*>();
    std::stable_sort(labels.begin(), labels.end(), [](const QLabel* a, const QLabel* b) {
        const QPoint p = a->mapTo(a->window(), QPoint(0, 0));
        const QPoint q = b->mapTo(b->window(), QPoint(0, 0));
        return std::pair(p.y(), p.x()) < std::pair(q.y(), q.x());
    });
    QStringList texts;
    for (const QLabel* label : labels)
        texts << label->text();
    return spoken(texts);
}

QString spoken(const QStringList& texts)
{
    QStringList sentences;
    for (const QString& text : texts) {
        QString sentence = text.simplified();
        if (sentence.isEmpty())
            continue;
        if (!QStringLiteral(".!?:").contains(sentence.back()))
            sentence += QLatin1Char('.');
        sentences << sentence;
    }
    return sentences.join(QLatin1Char(' '));
}

}  // namespace kvardelon
