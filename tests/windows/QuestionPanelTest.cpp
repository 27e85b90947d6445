// The question panel shows a question as the main window does, and the look stays where it is put.
#include "Controls.h"
#include "MainLayout.h"
#include "QuestionPanel.h"
#include "TestForms.h"

#include <QApplication>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

using namespace kvardelon;
using namespace kvardelon::test;

// An application look unlike the game's: another style, palette and font.
static void applyOtherLook()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    QApplication::setFont(QFont(QStringLiteral("DejaVu Serif"), 12));
}

class QuestionPanelTest : public QObject {
    Q_OBJECT

private slots:
    void aPanelInTheLookShowsAQuestionAsTheMainWindowDoes_data()
    {
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("answer");  // answer A; B to D are "Б", "В", "Г"
        QTest::newRow("short") << QStringLiteral("Какая река протекает через Москву?") << QStringLiteral("Нева");
        QTest::newRow("wrapped, literal") << QStringLiteral("<b>R&D</b> слово ").repeated(5)
                                          << QStringLiteral("&Длинный ответ ").repeated(3);
        QTest::newRow("clipped") << QStringLiteral("Слово ").repeated(60) << QStringLiteral("Ответ ").repeated(30);
    }

    void aPanelInTheLookShowsAQuestionAsTheMainWindowDoes()
    {
        QFETCH(QString, question);
        QFETCH(QString, answer);
        const std::array<QString, 4> answers = {answer, QStringLiteral("Б"), QStringLiteral("В"), QStringLiteral("Г")};
        QImage inTheGame;
        {
            TestForms t;
            Form1& form1 = t.form1();
            form1.setCaption(Captioned::Label1, question.toStdString());
            for (int n = 1; n <= 4; ++n) {
                // The captions as the game writes them, letter included.
                const QString caption = QStringLiteral("ABCD").at(n - 1) + QStringLiteral(":") + answers.at(std::size_t(n - 1));
                form1.setCaption(answerButton(n), caption.toStdString());
            }
            for (Control shown : {Control::Label1, Control::Command1, Control::Command2, Control::Command3,
                                  Control::Command4})
                form1.setEnabled(shown, true);
            // The ladder's two lowest steps stand beside the question, inside the panel's rectangle.
            for (const char* name : {"Label2", "Label3"})
                form1.control<QWidget>(name)->hide();
            inTheGame = form1.window()->grab(kQuestionPanelPlace.pixels()).toImage();
        }

        applyOtherLook();
        QuestionPanel panel;
        applyLook(panel);
        const QImage empty = panel.grab().toImage();
        panel.showQuestion(question, answers);
        QVERIFY(panel.grab().toImage() == inTheGame);
        QVERIFY(inTheGame != empty);
    }

    void theLookOnOneWidgetLeavesItsSiblingAlone()
    {
        applyOtherLook();
        QWidget window;
        auto* panel = new QuestionPanel(&window);
        auto* sibling = new QPushButton(QStringLiteral("Сосед"), &window);
        applyLook(*panel);
        auto* addedLater = new QPushButton(panel);
        for (QWidget* inLook : std::initializer_list<QWidget*>{panel->answerButton(1), addedLater}) {
            QCOMPARE(inLook->style()->name(), QStringLiteral("fusion"));
            QCOMPARE(inLook->palette().color(QPalette::Window), kBackground);
            QCOMPARE(inLook->font(), defaultFont());
        }
        QCOMPARE(sibling->style(), QApplication::style());
        QCOMPARE(sibling->palette(), QApplication::palette(sibling));
        QCOMPARE(sibling->font(), QApplication::font(sibling));
    }
};

QTEST_MAIN(QuestionPanelTest)
#include "QuestionPanelTest.moc"
