// Ten thousand random actions on the windows from a fixed seed, every rule checked after each.
#include "Player.h"
#include "Referee.h"
#include "Watchdog.h"

#include <QApplication>
#include <QTest>

#include <cstdio>
#include <deque>
#include <memory>

using namespace kvardelon;
using namespace kvardelon::monkey;

namespace {

constexpr std::uint64_t kDefaultSeed = 20250117;
constexpr long long kDefaultActions = 10000;
constexpr std::size_t kLogLength = 20;

// QTest warns whenever a click lands on a control that does not take it, and the offscreen
// platform whenever a window is raised; the monkey does both thousands of times.
QtMessageHandler forwardedMessages = nullptr;

void quietAboutTheUsual(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && (message.contains(QStringLiteral("not accepted by receiving widget")) ||
                                 message == QStringLiteral("This plugin does not support raise()")))
        return;
    forwardedMessages(type, context, message);
}

class MessageFilter {
public:
    MessageFilter() { forwardedMessages = qInstallMessageHandler(quietAboutTheUsual); }
    ~MessageFilter() { qInstallMessageHandler(forwardedMessages); }
    MessageFilter(const MessageFilter&) = delete;
    MessageFilter& operator=(const MessageFilter&) = delete;
};

bool environmentNumber(const char* name, unsigned long long& value)
{
    if (!qEnvironmentVariableIsSet(name))
        return true;
    bool number = false;
    value = qEnvironmentVariable(name).toULongLong(&number);
    return number;
}

QString leftOverWindows()
{
    QStringList left;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->windowType() != Qt::ToolTip)
            left << QString::fromLatin1(window->metaObject()->className()) + QStringLiteral(" \"") +
                        window->windowTitle() + QLatin1Char('"');
    }
    return left.join(QStringLiteral(", "));
}

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void randomActionsKeepEveryRuleOfTheWindows()
    {
        unsigned long long seed = kDefaultSeed;
        unsigned long long actions = kDefaultActions;
        QVERIFY2(environmentNumber("KVARDELON_MONKEY_SEED", seed), "KVARDELON_MONKEY_SEED is not a number");
        QVERIFY2(environmentNumber("KVARDELON_MONKEY_ACTIONS", actions), "KVARDELON_MONKEY_ACTIONS is not a number");
        const bool trace = qEnvironmentVariableIsSet("KVARDELON_MONKEY_TRACE");
        qInfo(
            "seed %llu, %llu actions (KVARDELON_MONKEY_SEED, KVARDELON_MONKEY_ACTIONS; "
            "KVARDELON_MONKEY_TRACE prints every action)",
            seed, actions);

        const MessageFilter quiet;
        Dice dice(seed);
        Player player(dice);
        Referee referee;
        std::deque<QString> log;
        const auto note = [&](const QString& line) {
            if (trace)
                std::fprintf(stderr, "%s\n", qPrintable(line));
            log.push_back(line);
            if (log.size() > kLogLength)
                log.pop_front();
        };
        const auto report = [&](unsigned long long action, const QString& fault) {
            QString text = QStringLiteral(
                               "seed %1, action %2 of %3: %4\nreplay with KVARDELON_MONKEY_SEED=%1 "
                               "KVARDELON_MONKEY_ACTIONS=%2\nthe last actions:")
                               .arg(seed)
                               .arg(action)
                               .arg(actions)
                               .arg(fault);
            for (const QString& line : log)
                text += QStringLiteral("\n  ") + line;
            // In full on the error stream: Qt Test cuts long failure messages short.
            std::fprintf(stderr, "%s\n", qPrintable(text));
            return QStringLiteral("seed %1, action %2: %3").arg(seed).arg(action).arg(fault);
        };

        auto windows = std::make_unique<test::TestForms>();
        test::settle();
        QString fault = referee.invariants(*windows);
        if (!fault.isEmpty())
            QFAIL(qPrintable(report(0, fault)));

        // A player clicks within seconds; an action that takes ten is a hang.
        Watchdog watchdog(std::chrono::seconds(10));
        for (unsigned long long action = 1; action <= actions; ++action) {
            // The time of day moves on between most actions, so that games draw other questions.
            if (dice.chance(0.9))
                windows->clock = static_cast<float>(dice.below(86400) + dice.unit());
            const Snapshot before = look(*windows);
            watchdog.starting(qPrintable(QStringLiteral("seed %1, action %2 in [%3]; replay with KVARDELON_MONKEY_SEED=%1 "
                                                        "KVARDELON_MONKEY_ACTIONS=%2")
                                             .arg(seed)
                                             .arg(action)
                                             .arg(situation(before))));
            const Step step = player.act(*windows);
            test::settle();
            note(QStringLiteral("#%1 [%2] %3").arg(action).arg(situation(before), step.description));

            const Verdict verdict = referee.judge(before, step, *windows);
            if (!verdict.fault.isEmpty())
                QFAIL(qPrintable(report(action, verdict.fault)));
            if (verdict.processEnded) {
                // The process would be gone; the player starts the game again.
                windows.reset();
                test::settle();
                if (!leftOverWindows().isEmpty())
                    QFAIL(qPrintable(
                        report(action, QStringLiteral("windows outlive their forms: ") + leftOverWindows())));
                windows = std::make_unique<test::TestForms>();
                test::settle();
                referee.restart();
                note(QStringLiteral("   the process ended; the game starts afresh"));
                fault = referee.invariants(*windows);
                if (!fault.isEmpty())
                    QFAIL(qPrintable(report(action, fault)));
            }
        }
        qInfo("%s", qPrintable(referee.tally().summary()));
        windows.reset();
        test::settle();
        QVERIFY2(leftOverWindows().isEmpty(),
                 qPrintable(QStringLiteral("windows outlive their forms: ") + leftOverWindows()));
    }
};

QTEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"
