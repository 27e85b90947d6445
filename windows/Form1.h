// The main window: question, answers, prize ladder, lifelines; it owns the game.
#pragma once

#include "Form.h"
#include "Toolkit.h"

#include "Game.h"
#include "WindowOps.h"

#include <array>

class QLabel;

namespace kvardelon {

class CaptionButton;
class Forms;
class PictureButton;
class QuestionPanel;

class Form1 : public Form, public WindowOps {
    Q_OBJECT
public:
    Form1(Forms& forms, QuestionBank bank);

    const GameState& state() const { return game_.state(); }

    // Back to the state at program start: opened afresh, captions empty, ladder at
    // rest, shown. The game state is left as the last game left it.
    void resetMainWindow();

    // The window operations the game acts through.
    void setCaption(Captioned control, std::string_view text) override;
    std::string caption(Captioned control) const override;
    void setEnabled(Control control, bool enabled) override;
    void setLadderColour(int step, Colour colour) override;
    void openResult(std::string_view text) override;
    void closeMain() override;
    void endProcess() override;

    using Form::setEnabled;

private slots:
    void newGame();
    void answer(int n);
    void takeMoney();
    void exitGame();
    void fiftyfifty();
    void callFriend();
    void askAudience();
    void showAbout();

private:
    void build(QWidget& client) override;
    void unloaded() override;
    void closeRequested() override;

    QWidget* widget(Control control) const;

    // Runs a step of the game; a broken question bank ends the process after saying why.
    template <typename Step>
    void guarded(Step step);

    Forms& forms_;
    Game game_;

    // The controls of the loaded window; all null while it is not loaded.
    QuestionPanel* panel_ = nullptr;             // Label1 and Command1..Command4
    std::array<PictureButton*, 4> pictures_{};   // Picture1..Picture4
    std::array<CaptionButton*, 7> commands_{};   // Command1..Command7
    std::array<QLabel*, 16> labels_{};           // Label1..Label16
};

}  // namespace kvardelon
