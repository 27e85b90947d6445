// Message boxes with the question's buttons, in plain text whatever the words hold.
#include "DialogQuestions.h"

#include "FillDialog.h"
#include "FullStepDialog.h"
#include "NewBankDialog.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <vector>

namespace kvardelon::editor {

namespace {

QMessageBox::Icon iconOf(Question::Kind kind)
{
    switch (kind) {
    case Question::Kind::Warning:
        return QMessageBox::Warning;
    case Question::Kind::Failure:
        return QMessageBox::Critical;
    case Question::Kind::Information:
        return QMessageBox::Information;
    case Question::Kind::Question:
        break;
    }
    return QMessageBox::Question;
}

// The last button is the way back: Escape and closing the box choose it.
QMessageBox::ButtonRole roleOf(int index, int count)
{
    if (index == count - 1 && count > 1)
        return QMessageBox::RejectRole;
    return index == 0 ? QMessageBox::AcceptRole : QMessageBox::ActionRole;
}

}  // namespace

DialogQuestions::DialogQuestions(QWidget* parent, std::filesystem::path programFolder)
    : parent_(parent), programFolder_(std::move(programFolder))
{
}

int DialogQuestions::ask(const Question& question)
{
    QMessageBox box(iconOf(question.kind), question.title, question.text, QMessageBox::NoButton, parent_);
    box.setTextFormat(Qt::PlainText);
    if (!question.details.isEmpty())
        box.setDetailedText(question.details);
    std::vector<QPushButton*> buttons;
    for (int i = 0; i < question.buttons.size(); ++i) {
        // A caption is shown as written: an & in it is no access key.
        QString caption = question.buttons.at(i);
        caption.replace(u'&', QStringLiteral("&&"));
        buttons.push_back(box.addButton(caption, roleOf(i, static_cast<int>(question.buttons.size()))));
    }
    if (question.defaultButton >= 0 && question.defaultButton < static_cast<int>(buttons.size()))
        box.setDefaultButton(buttons.at(static_cast<std::size_t>(question.defaultButton)));
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i])
            return static_cast<int>(i);
    return -1;
}

QString DialogQuestions::chooseFolder(const QString& title, const QString& start)
{
    return QFileDialog::getExistingDirectory(parent_, title, start);
}

QString DialogQuestions::chooseFileToOpen(const QString& title, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent_, title, {}, filter);
}

QString DialogQuestions::chooseFileToSave(const QString& title, const QString& suggested, const QString& filter)
{
    return QFileDialog::getSaveFileName(parent_, title, suggested, filter);
}

std::optional<NewBankPlace> DialogQuestions::chooseNewBank()
{
    NewBankDialog dialog(programFolder_, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return NewBankPlace{dialog.folder(), dialog.startFrom(), dialog.ownOnly()};
}

FullStepAnswer DialogQuestions::askFullStep(const OpenBank& bank, const Arrival& arrival, int offered)
{
    FullStepDialog dialog(bank, arrival, offered, parent_);
    dialog.exec();
    switch (dialog.choice()) {
    case FullStepDialog::Choice::Replace:
        return {.choice = FullStepAnswer::Choice::Replace, .replaced = dialog.replaced()};
    case FullStepDialog::Choice::AfterTenth:
        return {.choice = FullStepAnswer::Choice::AfterTenth};
    case FullStepDialog::Choice::Cancel:
        break;
    }
    return {};
}

std::optional<FillChoice> DialogQuestions::chooseFill(const OpenBank& bank)
{
    FillDialog dialog(bank, programFolder_, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    if (dialog.ownOnly())
        return FillChoice{true, {}};
    return FillChoice{false, dialog.plan()};
}

}  // namespace kvardelon::editor
