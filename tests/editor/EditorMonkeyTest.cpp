// Thousands of random author actions on a scratch bank from a fixed seed, the rules that keep
// the author's work checked after each.
#include "AuthorMonkey.h"
#include "Watchdog.h"

#include <QTest>

#include <chrono>
#include <cstdio>
#include <deque>

using namespace kvardelon;

namespace {

constexpr unsigned long long kDefaultSeed = 20261208;
constexpr unsigned long long kDefaultActions = 5000;
constexpr std::size_t kLogLength = 20;

bool environmentNumber(const char* name, unsigned long long& value)
{
    if (!qEnvironmentVariableIsSet(name))
        return true;
    bool number = false;
    value = qEnvironmentVariable(name).toULongLong(&number);
    return number;
}

}  // namespace

class EditorMonkeyTest : public QObject {
    Q_OBJECT

public:
    EditorMonkeyTest()
    {
        // A long run outlasts Qt Test's five minutes; the monkey's own watchdog ends a hang.
        if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
            qputenv("QTEST_FUNCTION_TIMEOUT", "86400000");
    }

private slots:
    void randomAuthorActionsKeepEveryRecordAndSaveWhatIsShown()
    {
        unsigned long long seed = kDefaultSeed;
        unsigned long long actions = kDefaultActions;
        QVERIFY2(environmentNumber("KVARDELON_EDITOR_MONKEY_SEED", seed), "KVARDELON_EDITOR_MONKEY_SEED is no number");
        QVERIFY2(environmentNumber("KVARDELON_EDITOR_MONKEY_ACTIONS", actions),
                 "KVARDELON_EDITOR_MONKEY_ACTIONS is no number");
        const bool trace = qEnvironmentVariableIsSet("KVARDELON_EDITOR_MONKEY_TRACE");
        qInfo("seed %llu, %llu actions (KVARDELON_EDITOR_MONKEY_SEED, KVARDELON_EDITOR_MONKEY_ACTIONS; "
              "KVARDELON_EDITOR_MONKEY_TRACE prints every action)",
              seed, actions);

        monkey::Dice dice(seed);
        test::AuthorMonkey author(dice);
        std::deque<QString> log;
        const auto report = [&](unsigned long long action, const QString& fault) {
            QString text = QStringLiteral("seed %1, action %2 of %3: %4\nreplay with KVARDELON_EDITOR_MONKEY_SEED=%1 "
                                          "KVARDELON_EDITOR_MONKEY_ACTIONS=%2\nthe last actions:")
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

        // An author waits a second or two for a save; an action that takes ten is a hang.
        monkey::Watchdog watchdog(std::chrono::seconds(10));
        for (unsigned long long action = 1; action <= actions; ++action) {
            watchdog.starting(qPrintable(QStringLiteral("seed %1, action %2; replay with KVARDELON_EDITOR_MONKEY_SEED=%1 "
                                                        "KVARDELON_EDITOR_MONKEY_ACTIONS=%2")
                                             .arg(seed)
                                             .arg(action)));
            const QString done = author.act();
            if (trace)
                std::fprintf(stderr, "#%llu %s\n", action, qPrintable(done));
            log.push_back(QStringLiteral("#%1 %2").arg(action).arg(done));
            if (log.size() > kLogLength)
                log.pop_front();
            QString fault = author.fault();
            if (fault.isEmpty())
                fault = author.invariants();
            if (!fault.isEmpty())
                QFAIL(qPrintable(report(action, fault)));
        }
        qInfo("%s", qPrintable(author.tally()));
    }
};

QTEST_GUILESS_MAIN(EditorMonkeyTest)
#include "EditorMonkeyTest.moc"
