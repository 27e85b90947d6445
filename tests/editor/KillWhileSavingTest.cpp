// Kills a process that saves the bank over and over at random moments, two hundred times,
// and reads every file with the game's own reader after each kill.
#include "QuestionBank.h"
#include "ScratchBank.h"

#include <QProcess>
#include <QTest>

#include <random>

using namespace kvardelon;

namespace {

constexpr int kKills = 200;

// Always the tenth record: the game then reads a file's first ten records whole.
class TenthRecord : public Random {
public:
    void seedFromTimeOfDay() override {}
    float next() override { return 0.95F; }
};

}  // namespace

class KillWhileSavingTest : public QObject {
    Q_OBJECT

private slots:
    void noKillLeavesAFileTheGameCannotRead()
    {
        const test::ScratchBank scratch;
        const QuestionBank bank(scratch.data());
        std::mt19937 random(20261208);
        std::uniform_int_distribution<int> delay(0, 60);
        int saves = 0;
        for (int kill = 0; kill < kKills; ++kill) {
            QProcess saver;
            saver.start(QStringLiteral(KVARDELON_SAVE_LOOP),
                        {QString::fromStdU16String(scratch.data().u16string()), QString::number(kill)});
            QVERIFY(saver.waitForReadyRead(10000));
            QTest::qWait(delay(random));
            saver.kill();
            QVERIFY(saver.waitForFinished(10000));
            saves += static_cast<int>(saver.readAll().count("saved"));
            for (int step = 1; step <= kSteps; ++step) {
                NullWindowOps windows;
                TenthRecord tenth;
                GameState state;
                try {
                    bank.loadQuestion(step, tenth, windows, state);
                } catch (const std::exception& error) {
                    QFAIL(qPrintable(QStringLiteral("after kill %1: %2").arg(kill).arg(QString::fromUtf8(error.what()))));
                }
                QVERIFY2(state.gintO >= 1 && state.gintO <= 4, qPrintable(QStringLiteral("kill %1, step %2").arg(kill).arg(step)));
            }
        }
        qInfo("%d saves completed between %d kills", saves, kKills);
        // A save takes a few milliseconds of writing and flushing: most kills fall inside one.
        QVERIFY(saves >= kKills / 4);
    }
};

QTEST_GUILESS_MAIN(KillWhileSavingTest)
#include "KillWhileSavingTest.moc"
