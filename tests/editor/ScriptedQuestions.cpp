// Answers from the script, and the log of what was asked.
#include "ScriptedQuestions.h"

namespace kvardelon::test {

ScriptedQuestions& ScriptedQuestions::press(const QString& caption)
{
    presses_.push_back(caption);
    return *this;
}

ScriptedQuestions& ScriptedQuestions::choose(const QString& path)
{
    paths_.push_back(path);
    return *this;
}

ScriptedQuestions& ScriptedQuestions::chooseNewBank(std::optional<editor::NewBankPlace> place)
{
    newBanks_.push_back(std::move(place));
    return *this;
}

int ScriptedQuestions::ask(const editor::Question& question)
{
    asked_.append(question.title + QStringLiteral(": ") + question.text + QStringLiteral(" [") +
                  question.buttons.join(QStringLiteral(" | ")) + u']');
    if (presses_.empty())
        return -1;
    const QString caption = presses_.front();
    presses_.pop_front();
    // A caption the question does not offer is a script out of step: answered as Escape.
    return static_cast<int>(question.buttons.indexOf(caption));
}

QString ScriptedQuestions::nextPath(const QString& title)
{
    asked_.append(title);
    if (paths_.empty())
        return {};
    QString path = paths_.front();
    paths_.pop_front();
    return path;
}

QString ScriptedQuestions::chooseFolder(const QString& title, const QString&)
{
    return nextPath(title);
}

QString ScriptedQuestions::chooseFileToOpen(const QString& title, const QString&)
{
    return nextPath(title);
}

QString ScriptedQuestions::chooseFileToSave(const QString& title, const QString&, const QString&)
{
    return nextPath(title);
}

std::optional<editor::NewBankPlace> ScriptedQuestions::chooseNewBank()
{
    asked_.append(QStringLiteral("Новый банк"));
    if (newBanks_.empty())
        return std::nullopt;
    std::optional<editor::NewBankPlace> place = newBanks_.front();
    newBanks_.pop_front();
    return place;
}

ScriptedQuestions& ScriptedQuestions::takeOfferedPlace()
{
    ++fullSteps_;
    return *this;
}

ScriptedQuestions& ScriptedQuestions::fillFrom(const std::filesystem::path& shippedData)
{
    fills_.push_back(shippedData);
    return *this;
}

editor::FullStepAnswer ScriptedQuestions::askFullStep(const editor::OpenBank& bank, const editor::Arrival& arrival,
                                                      int offered)
{
    asked_.append(QStringLiteral("Полная ступень %1: предложен «%2»")
                      .arg(arrival.step)
                      .arg(QString::fromStdString(bank.record({arrival.step, offered}).question)));
    if (fullSteps_ == 0)
        return {};
    --fullSteps_;
    return {.choice = editor::FullStepAnswer::Choice::Replace, .replaced = offered};
}

std::optional<editor::FillChoice> ScriptedQuestions::chooseFill(const editor::OpenBank& bank)
{
    asked_.append(QStringLiteral("Дополнить ступени"));
    if (fills_.empty())
        return std::nullopt;
    const editor::PlayedRecords shipped = editor::readPlayedRecords(fills_.front());
    fills_.pop_front();
    return editor::FillChoice{false, editor::planFill(bank, &shipped)};
}

}  // namespace kvardelon::test
