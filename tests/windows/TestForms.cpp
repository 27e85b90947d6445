// The windows under test, with a recording platform.
#include "TestForms.h"

#include "Controls.h"
#include "Toolkit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

namespace kvardelon::test {

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

QRect clientGeometry(const Form& form)
{
    return form.window()->geometry();
}

TestForms::TestForms(QuestionBank bank)
{
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()); app != nullptr)
        applyLook(*app);
    random_ = std::make_unique<ClockSeededRandom>([this] { return clock; });
    Platform platform;
    platform.openUrl = [this](const QString& address) { openedUrls << address; };
    platform.reportFatal = [this](const QString& message) { fatalMessages << message; };
    platform.endProcess = [this](int status) { endings << status; };
    forms_ = std::make_unique<Forms>(*random_, std::move(platform), std::move(bank));
    forms_->form1.show();
}

void TestForms::click(Form& form, const char* name)
{
    auto* button = form.control<QWidget>(name);
    QVERIFY2(button != nullptr, name);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    settle();
}

void TestForms::answerCorrectly()
{
    const QByteArray name = "Command" + QByteArray::number(form1().state().gintO);
    click(form1(), name.constData());
}

int TestForms::wrongAnswer() const
{
    return forms_->form1.state().gintO == 1 ? 2 : 1;
}

bool TestForms::playTo(int step)
{
    click(form1(), "Picture4");
    // Each correct answer must bring the next step: at most fourteen of them reach any step.
    for (int answered = 0; !QTest::currentTestFailed(); ++answered) {
        const int onScreen = form1().state().gintK;
        if (form1().isLoaded() && onScreen == step)
            return true;
        if (!form1().isLoaded() || onScreen != answered + 1 || onScreen > step) {
            const QString what = form1().isLoaded() ? QStringLiteral("step %1 is on screen").arg(onScreen)
                                                    : QStringLiteral("the game ended at step %1").arg(onScreen);
            QTest::qFail(qPrintable(QStringLiteral("playing to step %1: after %2 correct answers %3")
                                        .arg(step)
                                        .arg(answered)
                                        .arg(what)),
                         __FILE__, __LINE__);
            return false;
        }
        answerCorrectly();
    }
    return false;
}

Form& TestForms::open(int number)
{
    switch (number) {
    case 2:
        click(form1(), "Picture2");
        return forms_->form2;
    case 3:
        click(form1(), "Picture3");
        return forms_->form3;
    case 4:
        click(form1(), "Command7");
        return forms_->form4;
    case 5:
        click(form1(), "Command6");
        return forms_->form5;
    default:
        return form1();
    }
}

QString TestForms::labelText(Form& form, const char* name)
{
    auto* label = form.control<QLabel>(name);
    return label != nullptr ? label->text() : QStringLiteral("<no label %1>").arg(QLatin1String(name));
}

QString TestForms::buttonCaption(Form& form, const char* name)
{
    auto* button = form.control<CaptionButton>(name);
    return button != nullptr ? button->caption() : QStringLiteral("<no button %1>").arg(QLatin1String(name));
}

}  // namespace kvardelon::test
