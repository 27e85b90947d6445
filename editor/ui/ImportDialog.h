// Shows what an import from a spreadsheet would put where, and what is wrong with it,
// before anything changes.
#pragma once

#include "Csv.h"
#include "ImportEffects.h"

#include <QDialog>

#include <string>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace kvardelon::editor {

class ImportDialog : public QDialog {
    Q_OBJECT
public:
    // bytes: the spreadsheet's file as read; fits measures texts as the game shows them.
    ImportDialog(const OpenBank& bank, std::string bytes, check::Fits fits, const QString& fileName,
                 QWidget* parent = nullptr);

    ImportMode mode() const;
    const ImportPlan& plan() const { return plan_; }
    // The one place the editor asks how a file's letters are written: the spreadsheet's.
    void chooseEncoding(TableEncoding encoding);

private:
    void readBytes();  // again, in the encoding chosen
    void showSummary();
    void fillRows();

    const OpenBank& bank_;
    std::string bytes_;
    check::Fits fits_;
    ImportPlan plan_;
    QComboBox* encoding_;
    QComboBox* mode_;
    QLabel* refusal_;
    QLabel* summary_;
    QTableWidget* rows_;
    QPushButton* import_;
};

}  // namespace kvardelon::editor
