// Test doubles for the game: a window interface that records every call, a random
// generator that plays back scripted values, and bank folders made on the fly.
#pragma once

#include "Random.h"
#include "WindowOps.h"

#include <deque>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace kvardelon {

struct GameState;

// Lets test failures show the four variables by name.
void PrintTo(const GameState& state, std::ostream* out);

}  // namespace kvardelon

namespace kvardelon::test {

std::string controlName(Control control);
std::string controlName(Captioned control);

// Every call lands in `log` as one readable line: "Label1 = text", "Picture4 off",
// "ladder 5 = 0x0000FF", "result Вы выиграли  0 рублей.", "close main", "end process".
class RecordingWindows : public WindowOps {
public:
    void setCaption(Captioned control, std::string_view text) override;
    std::string caption(Captioned control) const override;
    void setEnabled(Control control, bool enabled) override;
    void setLadderColour(int step, Colour colour) override;
    void openResult(std::string_view text) override;
    void closeMain() override;
    void endProcess() override;

    // The log lines that start with prefix, in order.
    std::vector<std::string> linesStartingWith(const std::string& prefix) const;

    std::vector<std::string> log;
    std::map<Captioned, std::string> captions;
    std::map<Control, bool> enabled;
    std::map<int, Colour> ladder;
    std::string resultText;
    bool mainClosed = false;
    bool ended = false;
};

// Plays back the values given, in order; seeding is logged into the windows' log
// (when one is attached) so that tests see it among the screen updates.
class ScriptedRandom : public Random {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<float> values) : values_(values) {}

    void add(std::initializer_list<float> values) { values_.insert(values_.end(), values); }
    void seedFromTimeOfDay() override;
    float next() override;  // fails the test when the script runs dry

    std::vector<std::string>* log = nullptr;
    int seeds = 0;
    int draws = 0;
    std::size_t left() const { return values_.size(); }

private:
    std::deque<float> values_;
};

// The value that draws record R of a bank file (1..10).
float drawingRecord(int record);

// The value that draws answer n (1..4) for the fifty-fifty and the friend.
float drawingAnswer(int n);

// One record in the bank's format, lines ended by CR LF.
std::string record(const std::string& question, int answer, const std::string& tail = "");

// A bank folder in a fresh temporary directory, removed with the object.
class TempBank {
public:
    TempBank();
    ~TempBank();
    TempBank(const TempBank&) = delete;
    TempBank& operator=(const TempBank&) = delete;

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path folder() const { return root_ / "data"; }
    std::filesystem::path file(int step) const;

    void write(int step, const std::string& bytes) const;

    // Ten records for the step whose correct answers are `answer`, questions "qK-R".
    void writeStandard(int step, int answer = 1) const;

    // Every step 1..15, ten records each, correct answer `answer`.
    void writeAll(int answer = 1) const;

private:
    std::filesystem::path root_;
};

}  // namespace kvardelon::test
