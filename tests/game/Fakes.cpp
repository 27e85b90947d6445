// Test doubles for the game.
#include "Fakes.h"

#include "Ladder.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace kvardelon {

void PrintTo(const GameState& state, std::ostream* out)
{
    *out << "{gintO " << state.gintO << ", gintK " << state.gintK << ", gintsum " << state.gintsum
         << ", gintnsum " << state.gintnsum << "}";
}

}  // namespace kvardelon

namespace kvardelon::test {

std::string controlName(Control control)
{
    static constexpr std::array<const char*, 10> kNames = {
        "Picture1", "Picture2", "Picture3", "Picture4", "Command1",
        "Command2", "Command3", "Command4", "Label1",   "Command7",
    };
    return kNames.at(static_cast<std::size_t>(control));
}

std::string controlName(Captioned control)
{
    static constexpr std::array<const char*, 5> kNames = {"Label1", "Command1", "Command2", "Command3", "Command4"};
    return kNames.at(static_cast<std::size_t>(control));
}

void RecordingWindows::setCaption(Captioned control, std::string_view text)
{
    captions[control] = std::string(text);
    log.push_back(controlName(control) + " = " + std::string(text));
}

std::string RecordingWindows::caption(Captioned control) const
{
    const auto found = captions.find(control);
    return found == captions.end() ? std::string() : found->second;
}

void RecordingWindows::setEnabled(Control control, bool on)
{
    enabled[control] = on;
    log.push_back(controlName(control) + (on ? " on" : " off"));
}

void RecordingWindows::setLadderColour(int step, Colour colour)
{
    ladder[step] = colour;
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%06X", static_cast<unsigned>(colour));
    log.push_back("ladder " + std::to_string(step) + " = " + hex);
}

void RecordingWindows::openResult(std::string_view text)
{
    resultText = std::string(text);
    log.push_back("result " + resultText);
}

void RecordingWindows::closeMain()
{
    mainClosed = true;
    log.emplace_back("close main");
}

void RecordingWindows::endProcess()
{
    ended = true;
    log.emplace_back("end process");
}

std::vector<std::string> RecordingWindows::linesStartingWith(const std::string& prefix) const
{
    std::vector<std::string> lines;
    for (const std::string& line : log) {
        if (line.rfind(prefix, 0) == 0)
            lines.push_back(line);
    }
    return lines;
}

void ScriptedRandom::seedFromTimeOfDay()
{
    ++seeds;
    if (log != nullptr)
        log->emplace_back("seed");
}

float ScriptedRandom::next()
{
    ++draws;
    if (values_.empty()) {
        ADD_FAILURE() << "the scripted random values ran out";
        throw std::runtime_error("scripted random values ran out");
    }
    const float value = values_.front();
    values_.pop_front();
    return value;
}

float drawingRecord(int record)
{
    return (static_cast<float>(record) - 0.5F) / 10.0F;
}

float drawingAnswer(int n)
{
    return (static_cast<float>(n) - 0.5F) / 4.0F;
}

std::string record(const std::string& question, int answer, const std::string& tail)
{
    std::ostringstream out;
    out << question << "\r\n"
        << question << " a\r\n"
        << question << " b\r\n"
        << question << " c\r\n"
        << question << " d\r\n"
        << answer << tail << "\r\n";
    return out.str();
}

TempBank::TempBank()
{
    static std::atomic<int> counter{0};
    const auto base = std::filesystem::temp_directory_path();
    for (;;) {
        root_ = base / ("kvardelon-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                        "-" + std::to_string(counter++) + "-" + std::to_string(std::rand()));
        if (std::filesystem::create_directory(root_))
            break;
    }
    std::filesystem::create_directory(folder());
}

TempBank::~TempBank()
{
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

std::filesystem::path TempBank::file(int step) const
{
    return folder() / stepFileName(step);
}

void TempBank::write(int step, const std::string& bytes) const
{
    std::ofstream out(file(step), std::ios::binary);
    out << bytes;
}

void TempBank::writeStandard(int step, int answer) const
{
    std::string bytes;
    for (int r = 1; r <= 10; ++r)
        bytes += record("q" + std::to_string(step) + "-" + std::to_string(r), answer);
    write(step, bytes);
}

void TempBank::writeAll(int answer) const
{
    for (int step = 1; step <= 15; ++step)
        writeStandard(step, answer);
}

}  // namespace kvardelon::test
