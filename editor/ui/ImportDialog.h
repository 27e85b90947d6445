// Shows what an import from a spreadsheet would put where, and what is wrong with it,
// before anything changes.
#pragma once

#include "ImportEffects.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QTableWidget;

namespace kvardelon::editor {

class ImportDialog : public QDialog {
    Q_OBJECT
public:
    ImportDialog(const OpenBank& bank, ImportPlan plan, const QString& fileName, QWidget* parent = nullptr);

    ImportMode mode() const;
    const ImportPlan& plan() const { return plan_; }

private:
    void showSummary();
    void fillRows();

    const OpenBank& bank_;
    ImportPlan plan_;
    QComboBox* mode_;
    QLabel* summary_;
    QTableWidget* rows_;
};

}  // namespace kvardelon::editor
