// The flow of a game: new game, answers, taking the money, exit.
#pragma once

#include "Ladder.h"
#include "QuestionBank.h"
#include "Random.h"
#include "WindowOps.h"

#include <string>

namespace kvardelon {

inline constexpr const char* kWonText = "Вы выиграли ";
inline constexpr const char* kTookMoneyText = "Вы выиграили ";
inline constexpr const char* kRublesText = " рублей.";

// The main window's game: its state and what each click does to it. Every effect on
// the screen goes through the window operations it was given.
class Game {
public:
    Game(WindowOps& windows, Random& random, QuestionBank bank = QuestionBank{});

    const GameState& state() const { return state_; }

    // Picture4. Throws BankError when the first question cannot be loaded.
    void newGame();

    // Command1..Command4: answer n, 1 = A ... 4 = D. Throws BankError when the next
    // question cannot be loaded.
    void answer(int n);

    // Command7: pays gintsum, whatever the step on screen.
    void takeMoney();

    // Command5.
    void exit();

    // Picture1.
    void fiftyfifty();

private:
    void finish(const char* text, std::int32_t sum);

    WindowOps& windows_;
    Random& random_;
    QuestionBank bank_;
    GameState state_;
};

}  // namespace kvardelon
