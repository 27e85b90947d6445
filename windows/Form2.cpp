// The friend call window.
#include "Form2.h"

#include "Controls.h"
#include "Forms.h"

#include "Lifelines.h"

#include <QLabel>
#include <QLineEdit>

#include <limits>

namespace kvardelon {

Form2::Form2(Forms& forms)
    : Form({.title = QStringLiteral("Звонок другу"),
            .clientTwips = {3720, 3180},
            .placeTwips = QPoint(4455, 2280),
            .readOnOpen = true},
           &forms.form1),
      forms_(forms)
{
}

void Form2::build(QWidget& client)
{
    QLabel* label1 = makeLabel(&client, "Label1", QStringLiteral("Как зовут Вашего друга?"), {240, 120, 3015, 255});
    text1_ = new QLineEdit(&client);
    // The question names the field, so a screen reader says what to type there.
    label1->setBuddy(text1_);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setGeometry(Twips{240, 600, 3135, 375}.pixels());
    text1_->setMaxLength(std::numeric_limits<int>::max());
    auto* command1 = new CaptionButton(&client, "Command1", QStringLiteral("Позвонить"), {240, 1320, 3135, 375});
    label2_ = makeLabel(&client, "Label2", {}, {240, 2160, 3135, 375});
    command2_ = new CaptionButton(&client, "Command2", QStringLiteral("Конец связи ..."), {120, 2760, 3375, 375});
    command2_->setVisible(false);
    text1_->setFocus();

    onClick(command1, &QPushButton::clicked, [this] { call(); });
    onClick(command2_, &QPushButton::clicked, [this] { hangUp(); });
}

void Form2::unloaded()
{
    text1_ = nullptr;
    label2_ = nullptr;
    command2_ = nullptr;
}

void Form2::call()
{
    const std::string sentence = friendanswer(text1_->text().toStdString(), forms_.random);
    label2_->setText(QString::fromStdString(sentence));
    command2_->setVisible(true);
    announce(label2_->text());
}

void Form2::hangUp()
{
    forms_.form1.setEnabled(true);
    unload();
}

void Form2::closeRequested()
{
    // However the window is closed, the main window must not stay disabled.
    hangUp();
}

}  // namespace kvardelon
