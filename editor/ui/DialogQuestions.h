// The editor's questions as message boxes and file dialogs over its window.
#pragma once

#include "Questions.h"

#include <filesystem>

class QWidget;

namespace kvardelon::editor {

class DialogQuestions : public Questions {
public:
    DialogQuestions(QWidget* parent, std::filesystem::path programFolder);

    int ask(const Question& question) override;
    QString chooseFolder(const QString& title, const QString& start) override;
    QString chooseFileToOpen(const QString& title, const QString& filter) override;
    QString chooseFileToSave(const QString& title, const QString& suggested, const QString& filter) override;
    std::optional<NewBankPlace> chooseNewBank() override;
    FullStepAnswer askFullStep(const OpenBank& bank, const Arrival& arrival, int offered) override;
    std::optional<FillChoice> chooseFill(const OpenBank& bank) override;

private:
    QWidget* parent_;
    std::filesystem::path programFolder_;
};

}  // namespace kvardelon::editor
