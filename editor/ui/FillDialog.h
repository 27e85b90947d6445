// Asks which bank shipped with the game fills the steps of fewer than ten questions, and
// shows, step by step, what each would add.
#pragma once

#include "BankFolders.h"
#include "FillSteps.h"

#include <QDialog>

#include <filesystem>
#include <map>

class QButtonGroup;
class QLabel;

namespace kvardelon::editor {

class FillDialog : public QDialog {
    Q_OBJECT
public:
    // programFolder: where to look for the shipped banks, as a new bank does.
    FillDialog(const OpenBank& bank, const std::filesystem::path& programFolder, QWidget* parent = nullptr);

    // What the chosen source adds to each short step; nothing when the author chose her own
    // questions repeated in turn.
    const std::vector<StepFill>& plan() const { return plan_; }
    bool ownOnly() const;

private:
    void showPlan();
    // The shipped bank found that shares the most questions with the author's: the one it
    // was made from, as a rule; her own questions alone when it shares none.
    int closest() const;

    const OpenBank& bank_;
    std::map<Template, PlayedRecords> found_;  // the shipped banks there are
    QButtonGroup* source_;
    QLabel* preview_;
    std::vector<StepFill> plan_;
};

}  // namespace kvardelon::editor
