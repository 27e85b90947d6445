// Asks where a new bank goes and what it starts from.
#pragma once

#include "BankFolders.h"

#include <QDialog>

#include <filesystem>

class QButtonGroup;
class QLineEdit;

namespace kvardelon::editor {

class NewBankDialog : public QDialog {
    Q_OBJECT
public:
    NewBankDialog(const std::filesystem::path& programFolder, QWidget* parent = nullptr);

    std::filesystem::path folder() const;
    Template startFrom() const;
    bool ownOnly() const;  // only her own questions, each repeated in turn to make ten

    // A folder under the user's documents that holds no bank yet.
    static QString suggestedFolder();

private:
    void choose();

    QLineEdit* folder_;
    QButtonGroup* startFrom_;
};

}  // namespace kvardelon::editor
