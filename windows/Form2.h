// The friend call window: the player names a friend, who names a letter.
#pragma once

#include "Form.h"

class QLabel;
class QLineEdit;

namespace kvardelon {

class CaptionButton;
class Forms;

class Form2 : public Form {
    Q_OBJECT
public:
    explicit Form2(Forms& forms);

private:
    void call();
    void hangUp();

    void build(QWidget& client) override;
    void unloaded() override;
    void closeRequested() override;

    Forms& forms_;
    QLineEdit* text1_ = nullptr;
    QLabel* label2_ = nullptr;
    CaptionButton* command2_ = nullptr;
};

}  // namespace kvardelon
