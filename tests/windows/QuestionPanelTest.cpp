// The question panel shows a question as the main window does, and the look stays where it is put.
#include "Controls.h"
#include "MainLayout.h"
#include "QuestionPanel.h"
#include "TestForms.h"
#include "Toolkit.h"

#include <QApplication>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

using namespace kvardelon;
using namespace kvardelon::test;

namespace {

// An application look unlike the game's: another style, palette and font.
void applyOtherLook()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    QApplication::setFont(QFont(QStringLiteral("DejaVu Serif"), 12));
}

using Answers = QList<QString>;  // A to D

}  // namespace

class QuestionPanelTest : public QObject {
    Q_OBJECT

private slots:
    void aPanelInTheLookShowsAQuestionAsTheMainWindowDoes_data()
    {
        QTest::addColumn<QString>("question");
        QTest::addColumn<Answers>("answers");
        const auto row = [](const char* name, const QString& question, Answers answers) {
            answers.resize(4);  // the answers not given are empty
            QTest::newRow(name) << question << answers;
        };
        const QString longAnswer = QStringLiteral("Длинный ответ ");
        row("short", QStringLiteral("Какая река протекает через Москву?"),
            {QStringLiteral("Нева"), QStringLiteral("Москва"), QStringLiteral("Волга"), QStringLiteral("Ока")});
        row("wrapped", QStringLiteral("Слово ").repeated(12),
            {longAnswer.repeated(3), QStringLiteral("Б"), QStringLiteral("В"), QStringLiteral("Г")});
        row("literal", QStringLiteral("<b>R&D</b>"),
            {QStringLiteral("&&"), QStringLiteral("<i>"), QStringLiteral("\t")});
        row("clipped", QStringLiteral("Слово ").repeated(60), {longAnswer.repeated(9)});
    }

    void aPanelInTheLookShowsAQuestionAsTheMainWindowDoes()
    {
        QFETCH(QString, question);
        QFETCH(Answers, answers);
        QImage inTheGame;
        {
            TestForms t;
            Form1& form1 = t.form1();
            form1.setCaption(Captioned::Label1, question.toStdString());
            // The captions as the game writes them, letter included.
            for (int n = 1; n <= 4; ++n) {
                const QString caption = QStringLiteral("ABCD").at(n - 1) + QStringLiteral(":") + answers.at(n - 1);
                form1.setCaption(answerButton(n), caption.toStdString());
            }
            for (const Control control :
                 {Control::Label1, Control::Command1, Control::Command2, Control::Command3, Control::Command4})
                form1.setEnabled(control, true);
            // The ladder's two lowest steps stand beside the question, inside the panel's rectangle.
            for (const char* name : {"Label2", "Label3"})
                form1.control<QWidget>(name)->hide();
            inTheGame = form1.window()->grab(kQuestionPanelPlace.pixels()).toImage();
        }

        applyOtherLook();
        QuestionPanel empty;
        applyLook(empty);
        QuestionPanel panel;
        applyLook(panel);
        panel.showQuestion(question, {answers.at(0), answers.at(1), answers.at(2), answers.at(3)});
        const QImage shown = panel.grab().toImage();
        QCOMPARE(shown.size(), inTheGame.size());
        QVERIFY(shown == inTheGame);
        QVERIFY(shown != empty.grab().toImage());
    }

    void theLookOnOneWidgetLeavesItsSiblingAlone()
    {
        applyOtherLook();
        QWidget window;
        auto* panel = new QuestionPanel(&window);
        auto* sibling = new QPushButton(QStringLiteral("Сосед"), &window);
        applyLook(*panel);
        auto* later = new QPushButton(panel);

        for (QWidget* inLook : {static_cast<QWidget*>(panel->answerButton(1)), static_cast<QWidget*>(later)}) {
            QCOMPARE(inLook->style()->name(), QStringLiteral("fusion"));
            QCOMPARE(inLook->palette().color(QPalette::Window), kBackground);
            QCOMPARE(inLook->font(), defaultFont());
        }
        QCOMPARE(panel->questionLabel()->font(), defaultFont());
        QCOMPARE(sibling->style(), QApplication::style());
        QCOMPARE(sibling->palette(), QApplication::palette(sibling));
        QCOMPARE(sibling->font(), QApplication::font(sibling));
        QVERIFY(sibling->font() != defaultFont());
    }
};

QTEST_MAIN(QuestionPanelTest)
#include "QuestionPanelTest.moc"
