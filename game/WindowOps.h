// The window operations the game needs: the only way the game reaches the screen.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kvardelon {

// A text colour as 0xBBGGRR: blue in the high byte, red in the low byte.
using Colour = std::uint32_t;

// The main-window controls whose enabled state the game sets.
enum class Control {
    Picture1,  // fifty-fifty
    Picture2,  // friend call
    Picture3,  // audience poll
    Picture4,  // new game
    Command1,  // answer A
    Command2,  // answer B
    Command3,  // answer C
    Command4,  // answer D
    Label1,    // the question
    Command7,  // take the money
};

// The main-window controls whose caption the game writes and reads: only these have one.
enum class Captioned { Label1, Command1, Command2, Command3, Command4 };

// Answer button n (1 = A ... 4 = D); n must lie in 1..4.
Captioned answerButton(int n);

class WindowOps {
public:
    virtual ~WindowOps() = default;

    // Captions of Label1 and Command1..Command4; get returns exactly the text last set.
    virtual void setCaption(Captioned control, std::string_view text) = 0;
    virtual std::string caption(Captioned control) const = 0;

    virtual void setEnabled(Control control, bool enabled) = 0;

    // Text colour of the ladder label of step 1..15 (Label2..Label16).
    virtual void setLadderColour(int step, Colour colour) = 0;

    // Loads and shows the result window, then writes text into its Label2.
    virtual void openResult(std::string_view text) = 0;

    // Unloads the main window; the game state lives on.
    virtual void closeMain() = 0;

    // Ends the process at once: no further handler runs.
    virtual void endProcess() = 0;
};

// Does nothing; for running the game with no screen at all.
class NullWindowOps : public WindowOps {
public:
    void setCaption(Captioned, std::string_view) override {}
    std::string caption(Captioned) const override { return {}; }
    void setEnabled(Control, bool) override {}
    void setLadderColour(int, Colour) override {}
    void openResult(std::string_view) override {}
    void closeMain() override {}
    void endProcess() override {}
};

}  // namespace kvardelon
