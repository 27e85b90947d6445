// The monkey's choice of actions and how each reaches the windows.
#include "Player.h"

#include "Controls.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

#include <array>

namespace kvardelon::monkey {

namespace {

QList<QByteArray> numbered(const char* stem, int first, int last)
{
    QList<QByteArray> names;
    for (int n = first; n <= last; ++n)
        names << QByteArray(stem) + QByteArray::number(n);
    return names;
}

QString where(int form, const QByteArray& control)
{
    QString text = QStringLiteral("Form%1").arg(form);
    if (!control.isEmpty())
        text += QLatin1Char('.') + QString::fromLatin1(control);
    return text;
}

// The form whose on-screen window the widget belongs to; 0 for none of ours.
int formOf(Forms& forms, const QWidget* widget)
{
    for (int number = 1; number <= 5; ++number) {
        const Form& form = formNumber(forms, number);
        if (form.isLoaded() && widget->window() == form.window())
            return number;
    }
    return 0;
}

// What an event can press: a click presses a button or the address label, Space a button
// with the focus, any other key nothing.
enum class Press { Click, Space, Nothing };

// Where an event for the receiver lands, and whether it presses something there.
Hit hitOn(Forms& forms, QWidget* receiver, Press press)
{
    Hit hit;
    hit.form = formOf(forms, receiver);
    if (receiver != receiver->window())
        hit.control = receiver->objectName().toLatin1();
    const bool button = qobject_cast<QAbstractButton*>(receiver) != nullptr;
    const bool pressable = press == Press::Click ? button || qobject_cast<LinkLabel*>(receiver) != nullptr
                                                 : press == Press::Space && button;
    hit.activates = pressable && receiver->isEnabled() && hit.form != 0 && formNumber(forms, hit.form).isEnabled();
    return hit;
}

// What the player types as the friend's name: any alphabet, markup, access-key marks, nothing.
const std::array<const char*, 14> kNamePieces = {
    "",     "Сосед", "<b>", "&",      "R&D <i>жирный</i>", "Пётр Ильич", "ёЁ",
    " ",    "☎",     "Ω",   "x",      "&&amp;",            "𝄞",          "  Иван  ",
};

}  // namespace

Form& formNumber(Forms& forms, int number)
{
    switch (number) {
    case 2:
        return forms.form2;
    case 3:
        return forms.form3;
    case 4:
        return forms.form4;
    case 5:
        return forms.form5;
    default:
        return forms.form1;
    }
}

const QList<QByteArray>& controlNames(int form)
{
    static const std::array<QList<QByteArray>, 5> names = {
        numbered("Picture", 1, 4) + numbered("Command", 1, 7) + numbered("Label", 1, 16),
        QList<QByteArray>{"Label1", "Text1", "Command1", "Label2", "Command2"},
        numbered("Label", 1, 9) + QList<QByteArray>{"Command1"},
        QList<QByteArray>{"Label1", "Label2", "Command1"},
        QList<QByteArray>{"Label1", "Label2", "Label3", "Label4", "label7", "lblurl", "Command1"},
    };
    return names.at(static_cast<std::size_t>(form - 1));
}

int Player::randomLoadedForm(Forms& forms)
{
    QList<int> loaded;
    for (int number = 1; number <= 5; ++number) {
        if (formNumber(forms, number).isLoaded())
            loaded << number;
    }
    return loaded.isEmpty() ? 0 : loaded.at(dice_.below(static_cast<int>(loaded.size())));
}

Step Player::act(test::TestForms& t)
{
    Forms& forms = t.forms();
    const int secondary = forms.form2.isLoaded() ? 2 : forms.form3.isLoaded() ? 3 : forms.form5.isLoaded() ? 5 : 0;

    if (forms.form4.isLoaded()) {
        switch (dice_.weighted({30, 6, 5, 0.4})) {
        case 0:
            return click(forms, 4, "Command1");
        case 1:
            return clickAnywhere(forms);
        case 2:
            return press(forms);
        default:
            return close(forms, 4);
        }
    }
    if (secondary != 0) {
        const double friendCall = secondary == 2 ? 6 : 0;
        const double about = secondary == 5 ? 3 : 0;
        switch (dice_.weighted({8, friendCall, friendCall, 10, 5, 2, 1, about})) {
        case 0:
            return click(forms, secondary, secondary == 2 ? "Command2" : "Command1");
        case 1:
            return click(forms, 2, "Command1");
        case 2:
            return typeName(forms);
        case 3:
            return clickAnywhere(forms);
        case 4:
            return press(forms);
        case 5:
            return close(forms, secondary);
        case 6:
            return close(forms, 1);
        default:
            return click(forms, 5, "lblurl");
        }
    }
    if (!forms.form1.isLoaded())
        return {QStringLiteral("nothing to act on"), {}, QStringLiteral("no window of the game is loaded")};

    const auto* newGame = forms.form1.control<QWidget>("Picture4");
    const bool playing = newGame != nullptr && !newGame->isEnabled();
    if (!playing) {
        // Few keys here: the focus of a fresh main window rests on "Выход".
        switch (dice_.weighted({15, 8, 1.5, 0.2})) {
        case 0:
            return click(forms, 1, "Picture4");
        case 1:
            return clickAnywhere(forms);
        case 2:
            return press(forms);
        default:
            return close(forms, 1);
        }
    }
    switch (dice_.weighted({30, 3, 0.4, 8, 4, 0.1})) {
    case 0: {
        // The player who knows the answer.
        const int correct = forms.form1.state().gintO;
        return click(forms, 1, "Command" + QByteArray::number(correct >= 1 && correct <= 4 ? correct : 1));
    }
    case 1:
        return click(forms, 1, "Picture" + QByteArray::number(1 + dice_.below(3)));
    case 2:
        return click(forms, 1, "Command7");
    case 3:
        return clickAnywhere(forms);
    case 4:
        return press(forms);
    default:
        return close(forms, 1);
    }
}

Step Player::clickAnywhere(Forms& forms)
{
    const int form = randomLoadedForm(forms);
    if (form == 0)
        return {QStringLiteral("click, with no window loaded"), {}, {}};
    const QList<QByteArray>& names = controlNames(form);
    QByteArray name = names.at(dice_.below(static_cast<int>(names.size())));
    // "Выход" is the one control a player thinks twice about: games go on for longer.
    if (form == 1 && name == "Command5" && dice_.chance(0.75))
        name = names.at(dice_.below(static_cast<int>(names.size())));
    return click(forms, form, name);
}

Step Player::click(Forms& forms, int form, const QByteArray& name)
{
    QString description = QStringLiteral("click %1").arg(where(form, name));
    auto* control = formNumber(forms, form).control<QWidget>(name.constData());
    if (control == nullptr)
        return {description, {}, QStringLiteral("%1 is missing from its loaded window").arg(where(form, name))};

    // A hidden control can only be aimed at: the pointer lands on whatever is beneath.
    const bool throughWindow = !control->isVisible() || dice_.chance(0.5);
    QWidget* top = control->window();
    const QPoint point = control->mapTo(top, control->rect().center());
    QWidget* receiver = throughWindow ? top->childAt(point) : control;
    if (receiver == nullptr)
        receiver = top;
    const Hit hit = hitOn(forms, receiver, Press::Click);

    if (throughWindow) {
        description += QStringLiteral(" through the window");
        if (receiver != control)
            description += QStringLiteral(", landing on %1").arg(where(hit.form, hit.control));
        QTest::mouseClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier, point);
    } else {
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
    }
    if (hit.activates)
        description += QStringLiteral(" (pressed)");
    return {description, hit, {}};
}

Step Player::press(Forms& forms)
{
    // The key goes where a real one would: to the focus of the active window, or now and
    // then of another loaded window.
    int form = 0;
    if (dice_.chance(0.7)) {
        for (int number = 1; number <= 5; ++number) {
            const Form& candidate = formNumber(forms, number);
            if (candidate.isLoaded() && candidate.window()->windowHandle() == QGuiApplication::focusWindow())
                form = number;
        }
    }
    if (form == 0)
        form = randomLoadedForm(forms);
    if (form == 0)
        return {QStringLiteral("key, with no window loaded"), {}, {}};

    static constexpr std::array<Qt::Key, 3> kKeys = {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return};
    static constexpr std::array<const char*, 3> kKeyNames = {"Tab", "Space", "Enter"};
    const auto which = static_cast<std::size_t>(dice_.weighted({4, 4, 2}));
    const Qt::Key key = kKeys.at(which);

    QWidget* top = formNumber(forms, form).window();
    QWidget* receiver = top->focusWidget() != nullptr ? top->focusWidget() : top;
    const Hit hit = hitOn(forms, receiver, key == Qt::Key_Space ? Press::Space : Press::Nothing);
    QString description =
        QStringLiteral("%1 to %2").arg(QLatin1String(kKeyNames.at(which)), where(hit.form, hit.control));
    if (hit.activates)
        description += QStringLiteral(" (pressed)");
    QTest::keyClick(top->windowHandle(), key);
    return {description, hit, {}};
}

Step Player::typeName(Forms& forms)
{
    auto* text1 = forms.form2.control<QLineEdit>("Text1");
    if (text1 == nullptr)
        return {QStringLiteral("type into Form2.Text1"), {}, QStringLiteral("Form2.Text1 is missing")};
    QString text;
    for (int pieces = dice_.below(4); pieces > 0; --pieces) {
        const int piece = dice_.below(static_cast<int>(kNamePieces.size()));
        text += QString::fromUtf8(kNamePieces.at(static_cast<std::size_t>(piece)));
    }

    // One key event per character, surrogate pairs kept together: QTest's own typing
    // takes Latin-1 alone.
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        QKeyEvent down(QEvent::KeyPress, 0, Qt::NoModifier, character);
        QKeyEvent up(QEvent::KeyRelease, 0, Qt::NoModifier, character);
        QApplication::sendEvent(text1, &down);
        QApplication::sendEvent(text1, &up);
        i += length;
    }
    Hit hit;
    hit.form = 2;
    hit.control = "Text1";
    return {QStringLiteral("type \"%1\" into Form2.Text1").arg(text), hit, {}};
}

Step Player::close(Forms& forms, int form)
{
    Form& target = formNumber(forms, form);
    if (!target.isLoaded())
        return {QStringLiteral("close Form%1, not loaded").arg(form), {}, {}};
    Hit hit;
    hit.form = form;
    hit.closes = target.isEnabled();
    QString description = QStringLiteral("close Form%1").arg(form);
    // Both ways a close arrives: the widget's own close(), and the window system's request.
    if (dice_.chance(0.5)) {
        description += QStringLiteral(" by QWidget::close");
        target.window()->close();
    } else {
        description += QStringLiteral(" by the window system");
        target.window()->windowHandle()->close();
    }
    if (!hit.closes)
        description += QStringLiteral(" (refused: disabled)");
    return {description, hit, {}};
}

}  // namespace kvardelon::monkey
