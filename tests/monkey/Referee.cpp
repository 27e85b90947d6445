// The monkey's referee: the invariants of the windows and the expected effect of every action.
#include "Referee.h"

#include "Controls.h"

#include <QApplication>
#include <QLineEdit>

#include <algorithm>

namespace kvardelon::monkey {

namespace {

QString won(std::int32_t sum)
{
    return QStringLiteral("Вы выиграли  %1 рублей.").arg(sum);
}

QString took(std::int32_t sum)
{
    return QStringLiteral("Вы выиграили  %1 рублей.").arg(sum);
}

QString describe(const GameState& s)
{
    return QStringLiteral("gintO %1, gintK %2, gintsum %3, gintnsum %4")
        .arg(s.gintO)
        .arg(s.gintK)
        .arg(s.gintsum)
        .arg(s.gintnsum);
}

QString windowsText(const Snapshot& s)
{
    QStringList loaded;
    for (int n = 1; n <= 5; ++n) {
        if (s.loaded.at(static_cast<std::size_t>(n - 1)))
            loaded << QStringLiteral("Form%1").arg(n);
    }
    return (loaded.isEmpty() ? QStringLiteral("none") : loaded.join(QLatin1Char(' '))) +
           (s.mainEnabled ? QString() : QStringLiteral(" (main disabled)"));
}

// The caption of a label or button as the player reads it.
QString textOf(Form& form, const char* name)
{
    if (const auto* button = form.control<CaptionButton>(name))
        return button->caption();
    if (const auto* label = form.control<QLabel>(name))
        return label->text();
    return QStringLiteral("<no %1>").arg(QLatin1String(name));
}

bool isEnabled(Form& form, const char* name)
{
    const auto* control = form.control<QWidget>(name);
    return control != nullptr && control->isEnabled();
}

QByteArray numberedName(const char* stem, int n)
{
    return QByteArray(stem) + QByteArray::number(n);
}

// "A" for answer 1 ... "D" for 4.
QString letter(int answer)
{
    return QString(QLatin1Char(static_cast<char>('A' + answer - 1)));
}

QString questionText(const Snapshot& s)
{
    return s.question + QLatin1Char('|') + QStringList(s.answers.begin(), s.answers.end()).join(QLatin1Char('|'));
}

bool playing(Forms& forms)
{
    const auto* newGame = forms.form1.control<QWidget>("Picture4");
    return newGame != nullptr && !newGame->isEnabled();
}

// The ladder label of each step in the colour it should have: passed below `passedUpTo`.
QString ladderFault(Form1& form1, int passedUpTo)
{
    for (int step = 1; step <= kSteps; ++step) {
        const QByteArray name = numberedName("Label", step + 1);
        const auto* label = form1.control<QLabel>(name.constData());
        if (label == nullptr)
            return QStringLiteral("the ladder label %1 is missing").arg(QLatin1String(name));
        const Colour expected = step < passedUpTo ? ladderStep(step).passed : ladderStep(step).atRest;
        const QColor shown = label->palette().color(QPalette::Active, QPalette::WindowText);
        if (shown != fromBgr(expected)) {
            return QStringLiteral("%1 (step %2) is drawn in %3, not %4, with step %5 on screen")
                .arg(QLatin1String(name))
                .arg(step)
                .arg(shown.name(), fromBgr(expected).name())
                .arg(passedUpTo);
        }
    }
    return {};
}

QString sharesFault(Form3& form3)
{
    int sum = 0;
    for (int n = 6; n <= 9; ++n) {
        const QByteArray name = numberedName("Label", n);
        const QString text = textOf(form3, name.constData());
        bool number = false;
        const int share = text.mid(1, text.size() - 2).toInt(&number);
        if (!text.startsWith(QLatin1Char(' ')) || !text.endsWith(QLatin1Char('%')) || !number || share < 0 ||
            (n == 6 && share < 1))
            return QStringLiteral("the audience poll shows \"%1\" in %2").arg(text, QLatin1String(name));
        sum += share;
    }
    if (sum != 100)
        return QStringLiteral("the audience shares add up to %1").arg(sum);
    return {};
}

}  // namespace

Snapshot look(test::TestForms& t)
{
    Forms& f = t.forms();
    Snapshot s;
    for (int n = 1; n <= 5; ++n)
        s.loaded.at(static_cast<std::size_t>(n - 1)) = formNumber(f, n).isLoaded();
    s.mainEnabled = f.form1.isEnabled();
    s.playing = playing(f);
    s.state = f.form1.state();
    if (f.form1.isLoaded()) {
        s.question = textOf(f.form1, "Label1");
        for (int n = 1; n <= 4; ++n)
            s.answers.at(static_cast<std::size_t>(n - 1)) = textOf(f.form1, numberedName("Command", n).constData());
    }
    if (const auto* name = f.form2.control<QLineEdit>("Text1"))
        s.friendName = name->text();
    if (f.form4.isLoaded())
        s.result = textOf(f.form4, "Label2");
    s.urls = t.openedUrls.size();
    s.endings = t.endings.size();
    s.fatals = t.fatalMessages.size();
    return s;
}

QString situation(const Snapshot& s)
{
    QString text;
    if (s.loaded[3])
        text = QStringLiteral("result \"%1\"").arg(s.result);
    else if (s.playing)
        text = QStringLiteral("step %1, correct %2")
                   .arg(s.state.gintK)
                   .arg(s.state.gintO >= 1 && s.state.gintO <= 4 ? letter(s.state.gintO)
                                                                  : QString::number(s.state.gintO));
    else if (s.loaded[0])
        text = QStringLiteral("between games");
    for (const auto& [index, name] : {std::pair{1, "friend call"}, std::pair{2, "poll"}, std::pair{4, "about"}}) {
        if (s.loaded.at(static_cast<std::size_t>(index)))
            text += QStringLiteral(", %1 open").arg(QLatin1String(name));
    }
    return text;
}

QString Tally::summary() const
{
    return QStringLiteral(
               "%1 games: %2 won, %3 lost, %4 took the money; highest step %5; "
               "%6 fifty-fifties, %7 friend calls, %8 polls, %9 about windows, %10 addresses opened; ")
               .arg(games)
               .arg(wins)
               .arg(losses)
               .arg(tookMoney)
               .arg(highestStep)
               .arg(fiftyfifties)
               .arg(friendCalls)
               .arg(polls)
               .arg(abouts)
               .arg(urls) +
           QStringLiteral(
               "the process ended %1 times (%2 by Выход, %3 by closing the main window, "
               "%4 by closing the result window)")
               .arg(exits + mainClosed + resultClosed)
               .arg(exits)
               .arg(mainClosed)
               .arg(resultClosed);
}

Verdict Referee::judge(const Snapshot& before, const Step& step, test::TestForms& t)
{
    if (!step.fault.isEmpty())
        return {step.fault};
    if (t.fatalMessages.size() != before.fatals)
        return {QStringLiteral("the shipped bank was reported broken: %1").arg(t.fatalMessages.back())};

    const Hit& hit = step.hit;
    const bool exit = hit.activated(1, "Command5");
    const bool closedForGood = hit.closes && (hit.form == 1 || hit.form == 4);
    if (t.endings.size() != before.endings) {
        if (!exit && !closedForGood)
            return {
                QStringLiteral("the process ended, though the action was neither Выход nor a close of the "
                               "main or the result window, taken while that window takes input")};
        if (t.endings.size() != before.endings + 1 || t.endings.back() != 0)
            return {QStringLiteral("the process was ended %1 time(s), last with status %2")
                        .arg(t.endings.size() - before.endings)
                        .arg(t.endings.back())};
        ++(exit ? tally_.exits : hit.form == 1 ? tally_.mainClosed : tally_.resultClosed);
        return {{}, true};
    }
    if (exit)
        return {QStringLiteral("Выход did not end the process")};
    if (closedForGood)
        return {QStringLiteral("closing Form%1 did not end the process").arg(hit.form)};

    QString fault = effect(before, hit, look(t), t);
    if (fault.isEmpty())
        fault = invariants(t);
    return {fault};
}

QString Referee::effect(const Snapshot& before, const Hit& hit, const Snapshot& after, test::TestForms& t)
{
    Forms& f = t.forms();
    const GameState& was = before.state;
    const GameState& now = after.state;
    bool stateMoves = false;
    bool windowsMove = false;
    bool captionsMove = false;
    bool addressOpens = false;

    int answer = 0;
    for (int n = 1; n <= 4; ++n) {
        if (hit.activated(1, numberedName("Command", n).constData()))
            answer = n;
    }
    const bool left = hit.activated(2, "Command2") || hit.activated(3, "Command1") || hit.activated(5, "Command1") ||
                      (hit.closes && (hit.form == 2 || hit.form == 3 || hit.form == 5));

    if (hit.activated(1, "Picture4")) {
        stateMoves = captionsMove = true;
        if (before.playing)
            return QStringLiteral("Picture4 took a click during a game");
        if (!after.playing || now.gintK != 1 || now.gintsum != 0 || now.gintnsum != 0)
            return QStringLiteral("a new game did not start at step 1 with nothing won: %1").arg(describe(now));
        used_ = {};
        blanked_ = false;
        ++tally_.games;
        tally_.highestStep = std::max(tally_.highestStep, 1);
    } else if (answer != 0) {
        stateMoves = captionsMove = windowsMove = true;
        const int k = was.gintK;
        if (!before.playing)
            return QStringLiteral("answer button %1 took a click outside a game").arg(answer);
        if (answer == was.gintO && k == kSteps) {
            ++tally_.wins;
            if (after.loaded[0] || !after.loaded[3])
                return QStringLiteral("the correct answer at step 15 left the windows %1").arg(windowsText(after));
            if (after.result != won(1000000))
                return QStringLiteral("the win at step 15 shows \"%1\"").arg(after.result);
            if (now.gintK != kSteps || now.gintsum != 500000 || now.gintnsum != 1000000)
                return QStringLiteral("the win at step 15 left %1").arg(describe(now));
        } else if (answer == was.gintO) {
            const std::int32_t prize = ladderStep(k).prize;
            const std::int32_t guaranteed = k == 5 || k == 10 ? prize : was.gintnsum;
            if (!after.playing || now.gintK != k + 1 || now.gintsum != prize || now.gintnsum != guaranteed)
                return QStringLiteral("the correct answer at step %1 left %2 with windows %3")
                    .arg(k)
                    .arg(describe(now), windowsText(after));
            blanked_ = false;
            tally_.highestStep = std::max(tally_.highestStep, k + 1);
        } else {
            ++tally_.losses;
            if (after.loaded[0] || !after.loaded[3])
                return QStringLiteral("the wrong answer %1 at step %2 left the windows %3")
                    .arg(answer)
                    .arg(k)
                    .arg(windowsText(after));
            if (after.result != won(was.gintnsum))
                return QStringLiteral("the wrong answer at step %1 shows \"%2\" with gintnsum %3")
                    .arg(k)
                    .arg(after.result)
                    .arg(was.gintnsum);
            if (now != was)
                return QStringLiteral("a wrong answer changed the state from %1 to %2")
                    .arg(describe(was), describe(now));
        }
    } else if (hit.activated(1, "Command7")) {
        windowsMove = captionsMove = true;
        ++tally_.tookMoney;
        if (!before.playing)
            return QStringLiteral("Взять деньги took a click outside a game");
        if (after.loaded[0] || !after.loaded[3])
            return QStringLiteral("taking the money left the windows %1").arg(windowsText(after));
        if (after.result != took(was.gintsum))
            return QStringLiteral("taking the money with gintsum %1 shows \"%2\"").arg(was.gintsum).arg(after.result);
    } else if (hit.activated(1, "Picture1")) {
        captionsMove = true;
        ++tally_.fiftyfifties;
        if (!before.playing)
            return QStringLiteral("the fifty-fifty took a click outside a game");
        used_[0] = true;
        blanked_ = true;
        if (after.question != before.question)
            return QStringLiteral("the fifty-fifty changed the question");
        int blanks = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            if (after.answers.at(i).isEmpty()) {
                if (before.answers.at(i).isEmpty() || static_cast<int>(i) + 1 == was.gintO)
                    return QStringLiteral("the fifty-fifty blanked answer %1, \"%2\", with %3 correct")
                        .arg(i + 1)
                        .arg(before.answers.at(i))
                        .arg(was.gintO);
                ++blanks;
            } else if (after.answers.at(i) != before.answers.at(i)) {
                return QStringLiteral("the fifty-fifty rewrote answer %1 as \"%2\"")
                    .arg(i + 1)
                    .arg(after.answers.at(i));
            }
        }
        if (blanks != 2)
            return QStringLiteral("the fifty-fifty blanked %1 answers").arg(blanks);
    } else if (hit.activated(1, "Picture2")) {
        windowsMove = true;
        ++tally_.friendCalls;
        used_[1] = true;
        if (!after.loaded[1])
            return QStringLiteral("the friend call picture left the windows %1").arg(windowsText(after));
        const auto* hangUp = f.form2.control<QWidget>("Command2");
        if (!after.friendName.isEmpty() || !textOf(f.form2, "Label2").isEmpty() || hangUp == nullptr ||
            hangUp->isVisibleTo(f.form2.window()))
            return QStringLiteral("the friend call window did not open fresh: name \"%1\", answer \"%2\"")
                .arg(after.friendName, textOf(f.form2, "Label2"));
    } else if (hit.activated(1, "Picture3")) {
        windowsMove = true;
        ++tally_.polls;
        used_[2] = true;
        if (!after.loaded[2])
            return QStringLiteral("the audience poll picture left the windows %1").arg(windowsText(after));
        if (QString fault = sharesFault(f.form3); !fault.isEmpty())
            return fault;
    } else if (hit.activated(1, "Command6")) {
        windowsMove = true;
        ++tally_.abouts;
        if (!after.loaded[4])
            return QStringLiteral("О программе left the windows %1").arg(windowsText(after));
    } else if (hit.activated(2, "Command1")) {
        const QString said = textOf(f.form2, "Label2");
        const QString stem = before.friendName + QStringLiteral(" думает, что правильный ответ ");
        if (said.size() != stem.size() + 2 || !said.startsWith(stem) ||
            !QStringLiteral("ABCD").contains(said.at(stem.size())) || !said.endsWith(QLatin1Char('.')))
            return QStringLiteral("called with the name \"%1\", the friend says \"%2\"")
                .arg(before.friendName, said);
        const auto* hangUp = f.form2.control<QWidget>("Command2");
        if (hangUp == nullptr || !hangUp->isVisibleTo(f.form2.window()))
            return QStringLiteral("Конец связи ... is not shown after a call");
    } else if (left) {
        windowsMove = true;
        if (after.loaded.at(static_cast<std::size_t>(hit.form - 1)) || !after.mainEnabled)
            return QStringLiteral("leaving Form%1 left the windows %2").arg(hit.form).arg(windowsText(after));
    } else if (hit.activated(4, "Command1")) {
        windowsMove = captionsMove = true;
        if (after.loaded[3] || !after.loaded[0] || after.playing)
            return QStringLiteral("Ура! left the windows %1%2")
                .arg(windowsText(after), after.playing ? QStringLiteral(" with a game on") : QString());
    } else if (hit.activated(5, "lblurl")) {
        addressOpens = true;
        ++tally_.urls;
        if (after.urls != before.urls + 1 || t.openedUrls.back() != makerAddress())
            return QStringLiteral("a click on the address asked the desktop for %1")
                .arg(t.openedUrls.join(QLatin1Char(' ')));
    }

    // Nothing else moves.
    if (!stateMoves && now != was)
        return QStringLiteral("the game state changed from %1 to %2").arg(describe(was), describe(now));
    if (!windowsMove && (after.loaded != before.loaded || after.mainEnabled != before.mainEnabled))
        return QStringLiteral("the windows changed from %1 to %2").arg(windowsText(before), windowsText(after));
    if (!captionsMove && before.loaded[0] && after.loaded[0] &&
        (after.question != before.question || after.answers != before.answers))
        return QStringLiteral("the question or an answer changed from \"%1\" to \"%2\"")
            .arg(questionText(before), questionText(after));
    if (!addressOpens && after.urls != before.urls)
        return QStringLiteral("the desktop was asked to open %1").arg(t.openedUrls.back());
    return {};
}

QString Referee::invariants(test::TestForms& t) const
{
    Forms& f = t.forms();
    QStringList secondaries;
    for (int n : {2, 3, 5}) {
        if (formNumber(f, n).isLoaded())
            secondaries << QStringLiteral("Form%1").arg(n);
    }
    if (secondaries.size() > 1)
        return QStringLiteral("more than one secondary window is loaded: %1").arg(secondaries.join(QLatin1Char(' ')));
    if (f.form1.isEnabled() != secondaries.isEmpty())
        return f.form1.isEnabled()
                   ? QStringLiteral("the main window takes input while %1 is open").arg(secondaries.front())
                   : QStringLiteral("the main window is disabled with no secondary window open");
    if (f.form1.isLoaded() && f.form4.isLoaded())
        return QStringLiteral("the result window and the main window are loaded together");

    // On screen: every loaded window shown, and no window left over from an unloaded one.
    for (int n = 1; n <= 5; ++n) {
        const Form& form = formNumber(f, n);
        if (form.isLoaded() && !form.window()->isVisible())
            return QStringLiteral("Form%1 is loaded but not shown").arg(n);
    }
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->windowType() == Qt::ToolTip)
            continue;
        bool ours = false;
        for (int n = 1; n <= 5; ++n)
            ours = ours || (formNumber(f, n).isLoaded() && formNumber(f, n).window() == window);
        if (!ours)
            return QStringLiteral("a window belonging to no loaded form is left: %1 \"%2\"%3")
                .arg(QLatin1String(window->metaObject()->className()), window->windowTitle(),
                     window->isVisible() ? QStringLiteral(", visible") : QString());
    }
    return playing(f) ? duringGame(t) : betweenGames(t);
}

QString Referee::duringGame(test::TestForms& t) const
{
    Form1& form1 = t.forms().form1;
    const GameState& s = form1.state();
    const int k = s.gintK;
    if (k < 1 || k > kSteps)
        return QStringLiteral("during a game gintK is %1").arg(k);
    const std::int32_t below = k == 1 ? 0 : ladderStep(k - 1).prize;
    if (s.gintsum != below)
        return QStringLiteral("at step %1 gintsum is %2, not %3").arg(k).arg(s.gintsum).arg(below);
    const std::int32_t guaranteed = k <= 5 ? 0 : k <= 10 ? 1000 : 32000;
    if (s.gintnsum != guaranteed)
        return QStringLiteral("at step %1 gintnsum is %2, not %3").arg(k).arg(s.gintnsum).arg(guaranteed);

    for (const char* name :
         {"Command1", "Command2", "Command3", "Command4", "Label1", "Command5", "Command6", "Command7"}) {
        if (!isEnabled(form1, name))
            return QStringLiteral("during a game %1 is disabled").arg(QLatin1String(name));
    }
    for (int n = 1; n <= 3; ++n) {
        const bool used = used_.at(static_cast<std::size_t>(n - 1));
        if (isEnabled(form1, numberedName("Picture", n).constData()) == used)
            return QStringLiteral("Picture%1 is %2 though its lifeline was %3 in this game")
                .arg(n)
                .arg(used ? QStringLiteral("enabled") : QStringLiteral("disabled"),
                     used ? QStringLiteral("used") : QStringLiteral("not used"));
    }
    if (QString fault = ladderFault(form1, k); !fault.isEmpty())
        return fault;

    if (textOf(form1, "Label1").isEmpty())
        return QStringLiteral("during a game the question is empty");
    int blanks = 0;
    for (int n = 1; n <= 4; ++n) {
        const QString caption = textOf(form1, numberedName("Command", n).constData());
        if (caption.isEmpty())
            ++blanks;
        else if (!caption.startsWith(letter(n) + QLatin1Char(':')))
            return QStringLiteral("answer %1 reads \"%2\"").arg(n).arg(caption);
        if (caption.isEmpty() && n == s.gintO)
            return QStringLiteral("the correct answer %1 is blank").arg(n);
    }
    if (blanks != (blanked_ ? 2 : 0))
        return QStringLiteral("%1 answers are blank at step %2").arg(blanks).arg(k);
    return {};
}

QString Referee::betweenGames(test::TestForms& t) const
{
    Forms& f = t.forms();
    if (f.form1.isLoaded()) {
        if (f.form2.isLoaded() || f.form3.isLoaded())
            return QStringLiteral("a lifeline window is open outside a game");
        for (const char* name : {"Label1", "Command1", "Command2", "Command3", "Command4"}) {
            if (!textOf(f.form1, name).isEmpty())
                return QStringLiteral("between games %1 reads \"%2\"").arg(QLatin1String(name), textOf(f.form1, name));
        }
        for (const char* name : {"Picture4", "Command5", "Command6"}) {
            if (!isEnabled(f.form1, name))
                return QStringLiteral("between games %1 is disabled").arg(QLatin1String(name));
        }
        for (const char* name : {"Picture1", "Picture2", "Picture3", "Command1", "Command2", "Command3", "Command4",
                                 "Label1", "Command7"}) {
            if (isEnabled(f.form1, name))
                return QStringLiteral("between games %1 is enabled").arg(QLatin1String(name));
        }
        return ladderFault(f.form1, 1);
    }

    if (!f.form4.isLoaded())
        return QStringLiteral("neither the main window nor the result window is loaded");
    if (textOf(f.form4, "Label1") != QStringLiteral("ПОЗДРАВЛЯЕМ!"))
        return QStringLiteral("the result window's title reads \"%1\"").arg(textOf(f.form4, "Label1"));
    // The sum shown is what the state says the game paid: gintsum for taking the money,
    // gintnsum for a loss or the win.
    const QString result = textOf(f.form4, "Label2");
    const GameState& s = f.form1.state();
    const bool tookTheMoney = result.startsWith(QStringLiteral("Вы выиграили "));
    if (result != (tookTheMoney ? took(s.gintsum) : won(s.gintnsum)))
        return QStringLiteral("the result window reads \"%1\" with %2").arg(result, describe(s));
    return {};
}

}  // namespace kvardelon::monkey
