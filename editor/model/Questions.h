// Everything the editor asks of the person at it, through one replaceable layer: the window
// answers with message boxes and file dialogs, a test with answers scripted in advance.
#pragma once

#include "Arrival.h"
#include "BankFolders.h"
#include "FillSteps.h"

#include <QString>
#include <QStringList>

#include <filesystem>
#include <optional>
#include <vector>

namespace kvardelon::editor {

struct Question {
    enum class Kind { Question, Warning, Failure, Information };
    Kind kind = Kind::Question;
    QString title;
    QString text;
    QString details;     // the long list behind "Подробнее"; empty for none
    QStringList buttons; // captions, plain text
    int defaultButton = 0;
};

// Where a new bank goes and what it starts from.
struct NewBankPlace {
    std::filesystem::path folder;
    Template startFrom = Template::Shipped;
    bool ownOnly = false;  // every step repeats her own questions in turn to make ten
};

// What a question coming to a step that already plays ten does.
struct FullStepAnswer {
    enum class Choice { Cancel, Replace, AfterTenth };
    Choice choice = Choice::Cancel;
    int replaced = 0;  // Replace: the record, 0..9, whose place it takes
};

class Questions {
public:
    virtual ~Questions() = default;

    // The index into question.buttons of the one chosen; -1 when the box was closed without one.
    virtual int ask(const Question& question) = 0;
    // A folder chosen, empty when cancelled.
    virtual QString chooseFolder(const QString& title, const QString& start) = 0;
    // A file to read or to write, empty when cancelled.
    virtual QString chooseFileToOpen(const QString& title, const QString& filter) = 0;
    virtual QString chooseFileToSave(const QString& title, const QString& suggested, const QString& filter) = 0;
    virtual std::optional<NewBankPlace> chooseNewBank() = 0;
    // Where a question arriving at a full step goes; offered: the record offered first, 0..9.
    virtual FullStepAnswer askFullStep(const OpenBank& bank, const Arrival& arrival, int offered) = 0;
    // What fills the steps of fewer than ten questions: her own questions in turn, or the
    // shipped bank the author chooses; nothing when cancelled.
    virtual std::optional<FillChoice> chooseFill(const OpenBank& bank) = 0;
};

// Says something that needs no answer but "Закрыть".
void tell(Questions& questions, Question::Kind kind, const QString& title, const QString& text);

// Asks with the buttons given; true when the one at `yes` is chosen.
bool confirm(Questions& questions, const Question& question, int yes = 0);

}  // namespace kvardelon::editor
