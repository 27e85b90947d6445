// Renders each of the game's five windows to a PNG file, on whatever platform Qt runs
// (offscreen works): kvardelon-screens OUTPUT_FOLDER. Run it where data/ is.
#include "Controls.h"
#include "Forms.h"
#include "Toolkit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <cstdio>

namespace {

using namespace kvardelon;

// Always the same draws, so the pictures come out the same every time.
class FixedRandom : public Random {
public:
    void seedFromTimeOfDay() override { next_ = 0.37F; }
    float next() override
    {
        const float value = next_;
        next_ = next_ * 1.7F - static_cast<float>(static_cast<int>(next_ * 1.7F));
        return value;
    }

private:
    float next_ = 0.37F;
};

bool save(const Form& form, const QDir& folder, const QString& name)
{
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    const bool saved = form.window()->grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
    return saved;
}

// Answers correctly until the step is on screen.
void climbTo(Forms& forms, int step)
{
    while (forms.form1.state().gintK < step) {
        const auto name = "Command" + QByteArray::number(forms.form1.state().gintO);
        forms.form1.control<QPushButton>(name.constData())->click();
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    applyLook(app);
    if (argc != 2) {
        std::fputs("usage: kvardelon-screens OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path()))
        return 1;

    FixedRandom random;
    Platform platform = Platform::unattended();
    Forms forms(random, platform);

    bool ok = true;
    forms.form1.show();
    ok &= save(forms.form1, folder, QStringLiteral("form1-start"));

    forms.form1.control<QAbstractButton>("Picture4")->click();
    climbTo(forms, 7);
    forms.form1.control<QAbstractButton>("Picture1")->click();
    ok &= save(forms.form1, folder, QStringLiteral("form1-playing"));

    forms.form1.control<QAbstractButton>("Picture2")->click();
    forms.form2.control<QLineEdit>("Text1")->setText(QStringLiteral("Сосед"));
    forms.form2.control<QPushButton>("Command1")->click();
    ok &= save(forms.form2, folder, QStringLiteral("form2"));
    forms.form2.control<QPushButton>("Command2")->click();

    forms.form1.control<QAbstractButton>("Picture3")->click();
    ok &= save(forms.form3, folder, QStringLiteral("form3"));
    forms.form3.control<QPushButton>("Command1")->click();

    forms.form1.control<QPushButton>("Command6")->click();
    ok &= save(forms.form5, folder, QStringLiteral("form5"));
    forms.form5.control<QPushButton>("Command1")->click();

    forms.form1.control<QPushButton>("Command7")->click();
    ok &= save(forms.form4, folder, QStringLiteral("form4"));
    return ok ? 0 : 1;
}
