// The game flow.
#include "Game.h"

#include "Lifelines.h"

namespace kvardelon {

Game::Game(WindowOps& windows, Random& random, QuestionBank bank)
    : windows_(windows), random_(random), bank_(std::move(bank))
{
}

void Game::newGame()
{
    reset(state_);
    random_.seedFromTimeOfDay();
    state_.gintK = 1;
    bank_.loadQuestion(1, random_, windows_, state_);

    windows_.setEnabled(Control::Picture4, false);
    for (const Control control : {Control::Picture1, Control::Picture2, Control::Picture3,
                                  Control::Command1, Control::Command2, Control::Command3,
                                  Control::Command4, Control::Label1, Control::Command7})
        windows_.setEnabled(control, true);
}

void Game::answer(int n)
{
    if (n != state_.gintO) {
        finish(kWonText, state_.gintnsum);
        return;
    }
    passStep(state_, windows_);
    if (state_.gintK == kSteps) {
        finish(kWonText, state_.gintnsum);
        return;
    }
    advance(state_);
    bank_.loadQuestion(state_.gintK, random_, windows_, state_);
}

void Game::takeMoney()
{
    finish(kTookMoneyText, state_.gintsum);
}

void Game::exit()
{
    windows_.endProcess();
}

void Game::fiftyfifty()
{
    kvardelon::fiftyfifty(state_.gintO, windows_, random_);
}

void Game::finish(const char* text, std::int32_t sum)
{
    windows_.openResult(text + numberText(sum) + kRublesText);
    windows_.closeMain();
}

}  // namespace kvardelon
