// The help (F1) in a window of its own that stays open beside the editor and scrolls, so that
// it fits a 1024×768 screen whatever its length.
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace kvardelon::editor {

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent);

    QString text() const;  // as shown

private:
    QPlainTextEdit* text_;
};

}  // namespace kvardelon::editor
