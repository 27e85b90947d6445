// The result window that ends every game, and its way back to the main window.
#pragma once

#include "Form.h"

namespace kvardelon {

class Forms;

class Form4 : public Form {
    Q_OBJECT
public:
    explicit Form4(Forms& forms);

    // The caption of Label2: what the game just paid.
    void setResultText(const QString& text);

private:
    void cheer();
    void build(QWidget& client) override;
    void closeRequested() override;

    Forms& forms_;
};

}  // namespace kvardelon
