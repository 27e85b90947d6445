// A random author at an open bank: typing, pasting, adding, copying, moving, deleting,
// importing, filling, undoing, redoing, saving and reading files again, through the model and
// the questions layer; after each action, the rules that keep the author's work.
#pragma once

#include "Dice.h"
#include "LiveCheck.h"
#include "OpenBank.h"
#include "Questions.h"
#include "ScratchBank.h"

#include <QString>

#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace kvardelon::test {

// Answers every question with a button drawn at random, mostly the first ("go on").
class RandomQuestions : public editor::Questions {
public:
    explicit RandomQuestions(monkey::Dice& dice) : dice_(dice) {}
    // The titles asked and the captions chosen since the last call.
    QString takeLog();

    int ask(const editor::Question& question) override;
    QString chooseFolder(const QString&, const QString&) override { return {}; }
    QString chooseFileToOpen(const QString&, const QString&) override { return {}; }
    QString chooseFileToSave(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<editor::NewBankPlace> chooseNewBank() override { return std::nullopt; }
    editor::FullStepAnswer askFullStep(const editor::OpenBank&, const editor::Arrival&, int) override { return {}; }
    std::optional<editor::FillChoice> chooseFill(const editor::OpenBank&) override { return std::nullopt; }

private:
    monkey::Dice& dice_;
    QStringList log_;
};

using BankRecords = std::array<std::vector<Record>, kSteps>;

class AuthorMonkey {
public:
    explicit AuthorMonkey(monkey::Dice& dice);

    // Does one action drawn at random; what it did, in words for the log.
    QString act();
    // The first rule broken by the last action; empty when all hold.
    const QString& fault() const { return fault_; }
    // The rules that hold whatever the last action: the disk as the editor believes it, every
    // unchanged step as the game reads it, the undo stack back to the opened bytes and forth.
    QString invariants();

    // How many actions of each kind were done, and how many saves wrote files.
    QString tally() const;

private:
    editor::Place anyRecord(int step);
    int anyStep();
    int stepWithRecords();
    std::string someText();

    QString type();
    QString paste();
    QString setAnswer();
    QString addRecord(bool copy);
    QString moveRecord();
    QString deleteRecord();
    QString importTable();
    QString fill();
    QString save();
    QString changeOutside();
    QString reload();
    QString reopen();

    BankRecords records() const;
    void expectNothingLostBut(const BankRecords& before, const std::vector<Record>& named);
    QString undoEverythingAndBack();

    monkey::Dice& dice_;
    ScratchBank scratch_;
    editor::OpenBank bank_;
    RandomQuestions questions_;
    std::array<std::string, kSteps> opened_;  // each file's bytes when the bank was opened
    std::set<int> outside_;                           // steps another program wrote since the editor looked
    std::array<std::string, kSteps> readBytes_;       // the game's reading of these bytes…
    std::array<std::vector<Record>, kSteps> readRecords_;  // …is this
    QString fault_;
    std::map<QString, int> done_;
    int filesWritten_ = 0;
};

}  // namespace kvardelon::test
