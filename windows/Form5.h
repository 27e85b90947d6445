// The about window: who made the game, and the way to the maker's web page.
#pragma once

#include "Form.h"

namespace kvardelon {

class Forms;

// The maker's web address, set when the game is built.
QString makerAddress();

class Form5 : public Form {
    Q_OBJECT
public:
    explicit Form5(Forms& forms);

    // Asks the desktop to open the address; whether it could is not looked at.
    void gotoweb(const QString& address);

private:
    void close();
    void build(QWidget& client) override;
    void closeRequested() override;

    Forms& forms_;
};

}  // namespace kvardelon
