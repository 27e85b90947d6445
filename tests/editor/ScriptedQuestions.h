// The editor's questions answered from a script, each question kept in a log that reads like
// the screen: "Файл не был прочитан: Файл …/qw2.txt (ступень 2) не удалось прочитать…".
#pragma once

#include "Questions.h"

#include <QStringList>

#include <deque>
#include <filesystem>

namespace kvardelon::test {

class ScriptedQuestions : public editor::Questions {
public:
    // The caption of the button to press at the next question; a question with no answer
    // left in the script is closed without one, as Escape would.
    ScriptedQuestions& press(const QString& caption);
    // The folder or file to choose at the next file dialog; empty cancels it.
    ScriptedQuestions& choose(const QString& path);
    ScriptedQuestions& chooseNewBank(std::optional<editor::NewBankPlace> place);
    // At the next full step: the record offered gives up its place.
    ScriptedQuestions& takeOfferedPlace();
    // At the next fill: the steps are filled from the shipped bank in this data folder.
    ScriptedQuestions& fillFrom(const std::filesystem::path& shippedData);

    // "title: text" of every question asked, in order.
    const QStringList& asked() const { return asked_; }
    // Everything the user saw, joined: titles, texts and button captions.
    QString seen() const { return asked_.join(u'\n'); }
    // Script entries left over: a flow that asked less than expected.
    int unused() const
    {
        return static_cast<int>(presses_.size() + paths_.size() + newBanks_.size() + fullSteps_ + fills_.size());
    }

    int ask(const editor::Question& question) override;
    QString chooseFolder(const QString& title, const QString& start) override;
    QString chooseFileToOpen(const QString& title, const QString& filter) override;
    QString chooseFileToSave(const QString& title, const QString& suggested, const QString& filter) override;
    std::optional<editor::NewBankPlace> chooseNewBank() override;
    // Logs "Полная ступень N: предложен «question»".
    editor::FullStepAnswer askFullStep(const editor::OpenBank& bank, const editor::Arrival& arrival,
                                       int offered) override;
    std::optional<editor::FillChoice> chooseFill(const editor::OpenBank& bank) override;

private:
    QString nextPath(const QString& title);

    std::deque<QString> presses_;
    std::deque<QString> paths_;
    std::deque<std::optional<editor::NewBankPlace>> newBanks_;
    std::size_t fullSteps_ = 0;
    std::deque<std::filesystem::path> fills_;
    QStringList asked_;
};

}  // namespace kvardelon::test
