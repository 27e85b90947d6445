// Playing on a projector: the scale that fills a school's screens, and the covered screen
// uncovered however the game ends, with a fake game (this very program, started again).
#include "Launch.h"
#include "ProjectorPlay.h"
#include "ProjectorStage.h"

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

using namespace kvardelon;
using namespace kvardelon::editor;

namespace {

// The fake game: what it does is in this variable, set in the environment it inherits.
constexpr char kFakeGame[] = "KVARDELON_FAKE_GAME";

int playFakeGame(const QByteArray& how)
{
    if (how == "crashes")
        std::abort();
    if (how == "waits") {
        QTest::qSleep(60000);
        return 0;
    }
    // Ends at once, leaving the scale it was given in its working folder.
    QFile scale(QStringLiteral("scale.txt"));
    if (scale.open(QIODevice::WriteOnly))
        scale.write(qgetenv("QT_SCALE_FACTOR"));
    return 0;
}

class RecordingStage : public Stage {
public:
    void cover() override { log.append(QStringLiteral("cover")); }
    void uncover() override { log.append(QStringLiteral("uncover")); }
    QStringList log;
};

}  // namespace

class ProjectorTest : public QObject {
    Q_OBJECT

private slots:
    // The main window, 473×474 at 96 dots per inch, with a frame of 16 across and 40 down.
    void theGameIsAsLargeAsFitsTheScreen_data()
    {
        QTest::addColumn<QSize>("available");
        QTest::addColumn<double>("scale");
        QTest::newRow("1024x768") << QSize(1024, 768) << 1.53;
        QTest::newRow("1366x768") << QSize(1366, 768) << 1.53;
        QTest::newRow("1920x1080") << QSize(1920, 1080) << 2.19;
        QTest::newRow("1920x1040, a task bar below") << QSize(1920, 1040) << 2.10;
        QTest::newRow("1280x1024, narrower than high") << QSize(1280, 1024) << 2.07;
        QTest::newRow("640x480, never smaller than the game") << QSize(640, 480) << 1.0;
    }

    void theGameIsAsLargeAsFitsTheScreen()
    {
        QFETCH(QSize, available);
        QFETCH(double, scale);
        QCOMPARE(projectorScale(available), scale);
    }

    void theScreenIsUncoveredHoweverTheGameEnds_data()
    {
        QTest::addColumn<QString>("program");  // "self" for this program as the fake game
        QTest::addColumn<QByteArray>("how");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QString>("problem");  // a part of what the author is told; empty for nothing
        const QStringList both{QStringLiteral("cover"), QStringLiteral("uncover")};
        QTest::newRow("the game ends") << QStringLiteral("self") << QByteArray("ends") << both << QString();
#ifndef _WIN32  // abort() on Windows is an exit with status 3, not a crash
        QTest::newRow("the game crashes") << QStringLiteral("self") << QByteArray("crashes") << both
                                          << QStringLiteral("Игра закрылась аварийно");
#endif
        QTest::newRow("the game cannot start") << QStringLiteral("/nonexistent/kvardelon") << QByteArray() << both
                                               << QStringLiteral("Не удалось запустить игру");
        QTest::newRow("there is no game") << QString() << QByteArray() << QStringList() << gameNotFound();
    }

    void theScreenIsUncoveredHoweverTheGameEnds()
    {
        QFETCH(QString, program);
        QFETCH(QByteArray, how);
        QFETCH(QStringList, log);
        QFETCH(QString, problem);
        const QTemporaryDir folder;
        qputenv(kFakeGame, how);
        RecordingStage stage;
        ProjectorPlay play(stage);
        QSignalSpy ended(&play, &ProjectorPlay::ended);
        play.start(program == QLatin1String("self") ? QCoreApplication::applicationFilePath() : program,
                   folder.path().toStdString(), 1.53);
        QVERIFY(ended.count() == 1 || ended.wait(20000));
        qunsetenv(kFakeGame);
        QCOMPARE(stage.log, log);
        const QString told = ended.at(0).at(0).toString();
        QVERIFY2(problem.isEmpty() ? told.isEmpty() : told.contains(problem), qPrintable(told));
        QVERIFY(!play.isRunning());
        if (how == "ends") {
            QFile scale(folder.filePath(QStringLiteral("scale.txt")));
            QVERIFY(scale.open(QIODevice::ReadOnly));
            QCOMPARE(scale.readAll(), QByteArray("1.53"));
        }
    }

    void aGameEndedOnTheAuthorsWordIsNoCrash()
    {
        qputenv(kFakeGame, "waits");
        RecordingStage stage;
        ProjectorPlay play(stage);
        QSignalSpy ended(&play, &ProjectorPlay::ended);
        play.start(QCoreApplication::applicationFilePath(), QDir::tempPath().toStdString(), 1.53);
        qunsetenv(kFakeGame);
        QVERIFY(play.isRunning());
        play.start(QCoreApplication::applicationFilePath(), QDir::tempPath().toStdString(), 1.53);  // one at a time
        play.stop();
        QVERIFY(ended.wait(20000));
        QCOMPARE(stage.log, QStringList({QStringLiteral("cover"), QStringLiteral("uncover")}));
        QCOMPARE(ended.at(0).at(0).toString(), QString());
    }

    // The editor goes out of sight behind a backdrop over the whole screen and comes back as
    // it was; closing the backdrop asks to end the game.
    void theBackdropHidesTheEditorUntilTheGameEnds_data()
    {
        QTest::addColumn<bool>("maximized");
        QTest::newRow("maximized") << true;
        QTest::newRow("a window") << false;
    }

    void theBackdropHidesTheEditorUntilTheGameEnds()
    {
        QFETCH(bool, maximized);
        QMainWindow editor;
        editor.resize(500, 400);
        if (maximized)
            editor.showMaximized();
        else
            editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        const Qt::WindowStates state = editor.windowState();
        int endsAsked = 0;
        ProjectorStage stage(editor, [&endsAsked] { ++endsAsked; });
        QScreen* screen = projectorScreen(editor.screen());
        QCOMPARE(screen, editor.screen());
        stage.setScreen(screen);

        stage.cover();
        QVERIFY(!editor.isVisible());
        Backdrop* backdrop = stage.backdrop();
        QVERIFY(backdrop != nullptr && backdrop->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(backdrop));
        QCOMPARE(backdrop->geometry(), screen->geometry());
        QVERIFY(!backdrop->close());
        QCOMPARE(endsAsked, 1);
        QVERIFY(backdrop->isVisible());

        stage.uncover();
        QVERIFY(stage.backdrop() == nullptr);
        QVERIFY(editor.isVisible());
        QCOMPARE(editor.windowState(), state);
    }
};

int main(int argc, char** argv)
{
    if (const QByteArray how = qgetenv(kFakeGame); !how.isEmpty())
        return playFakeGame(how);
    QApplication application(argc, argv);
    ProjectorTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ProjectorTest.moc"
