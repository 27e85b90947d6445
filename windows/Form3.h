// The audience poll window: four shares, one beside each answer letter.
#pragma once

#include "Form.h"

namespace kvardelon {

class Forms;

class Form3 : public Form {
    Q_OBJECT
public:
    explicit Form3(Forms& forms);

private:
    void thank();
    void build(QWidget& client) override;
    void loaded() override;
    void closeRequested() override;

    Forms& forms_;
};

}  // namespace kvardelon
