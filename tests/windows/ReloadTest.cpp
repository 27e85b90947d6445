// Windows loaded again and again, game after game, draw with what the toolkit already holds,
// so that an evening of games does not fill its caches.
#include "TestForms.h"

#include <QApplication>
#include <QProxyStyle>
#include <QSet>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTest>

using namespace kvardelon;
using namespace kvardelon::test;

namespace {

// Notes the identity of every palette a button is drawn with: the style caches each
// bevel under it.
class PaletteRecorder : public QProxyStyle {
public:
    PaletteRecorder() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        if (element == CE_PushButton)
            palettes.insert(option->palette.cacheKey());
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    mutable QSet<qint64> palettes;
};

}  // namespace

class ReloadTest : public QObject {
    Q_OBJECT

private slots:
    void gamesAfterTheFirstAddNoPaletteOrIconToTheCaches()
    {
        TestForms t;
        auto* recorder = new PaletteRecorder;
        QApplication::setStyle(recorder);
        // Start, take the money, "Ура!": the main window and the result window drawn anew.
        const auto playAGame = [&t] {
            t.click(t.form1(), "Picture4");
            t.click(t.form1(), "Command7");
            t.forms().form4.window()->grab();
            t.click(t.forms().form4, "Command1");
            t.form1().window()->grab();
        };
        playAGame();
        const qsizetype palettes = recorder->palettes.size();
        const qint64 icon = t.form1().window()->windowIcon().cacheKey();
        playAGame();
        playAGame();
        QCOMPARE(recorder->palettes.size(), palettes);
        QCOMPARE(t.form1().window()->windowIcon().cacheKey(), icon);
    }
};

QTEST_MAIN(ReloadTest)
#include "ReloadTest.moc"
