// Reaching the player's desktop before any window: one Russian line, not Qt's abort, when
// there is none to reach.
#pragma once

#include <QApplication>

#include <memory>

namespace kvardelon {

// Starts Qt on the desktop. When no display is set, or the one set cannot be reached (no
// server there, no permission to connect), says so in one Russian line on the error stream,
// begun with the program's name and ended with who needs the desktop ("игре", "редактору"),
// and ends the process with status 1: no abort, no core dump.
std::unique_ptr<QApplication> startOnDesktop(int& argc, char** argv, const char* program, const char* needsIt);

}  // namespace kvardelon
