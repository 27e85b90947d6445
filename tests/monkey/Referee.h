// What must hold after each action of the monkey: the rules of the windows, and what the action was due to do.
#pragma once

#include "Player.h"

#include "Ladder.h"

#include <array>

namespace kvardelon::monkey {

// What the windows showed before an action, for judging what the action did.
struct Snapshot {
    std::array<bool, 5> loaded{};  // Form1..Form5
    bool mainEnabled = true;
    bool playing = false;          // the main window loaded with Picture4 disabled
    GameState state;
    QString question;              // while the main window is loaded
    std::array<QString, 4> answers;
    QString friendName;            // Text1 while the friend call window is loaded
    QString result;                // Label2 of the result window while it is loaded
    qsizetype urls = 0;
    qsizetype endings = 0;
    qsizetype fatals = 0;
};

Snapshot look(test::TestForms& t);

// Where the game stands, in a few words for the log.
QString situation(const Snapshot& s);

// How the monkey's games went.
struct Tally {
    int games = 0;
    int wins = 0;
    int losses = 0;
    int tookMoney = 0;
    int highestStep = 0;
    int fiftyfifties = 0;
    int friendCalls = 0;
    int polls = 0;
    int abouts = 0;
    int urls = 0;
    int exits = 0;          // the process ended by "Выход"
    int mainClosed = 0;     // ... by closing the main window
    int resultClosed = 0;   // ... by closing the result window

    QString summary() const;
};

struct Verdict {
    QString fault;              // empty when every rule held
    bool processEnded = false;  // the process ended as it may: the test goes on with fresh windows
};

class Referee {
public:
    // Judges the step that led from `before` to the windows as they stand now.
    Verdict judge(const Snapshot& before, const Step& step, test::TestForms& t);

    // The rules that hold whatever the last action was; empty when they all do.
    QString invariants(test::TestForms& t) const;

    // Fresh windows after the process ended: no game is on.
    void restart() { used_ = {}; blanked_ = false; }

    const Tally& tally() const { return tally_; }

private:
    QString effect(const Snapshot& before, const Hit& hit, const Snapshot& after, test::TestForms& t);
    QString duringGame(test::TestForms& t) const;
    QString betweenGames(test::TestForms& t) const;

    std::array<bool, 3> used_{};  // the lifelines used since the game began
    bool blanked_ = false;        // the fifty-fifty blanked two answers of the question on screen
    Tally tally_;
};

}  // namespace kvardelon::monkey
