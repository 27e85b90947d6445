// The command line of kvardelon-check: its arguments, its output and its exit status.
#pragma once

#include "BankCheck.h"

#include <ostream>
#include <string>
#include <vector>

namespace kvardelon::check {

inline constexpr int kExitClean = 0;     // no errors; warnings allowed
inline constexpr int kExitErrors = 1;    // the bank has errors
inline constexpr int kExitBadUsage = 2;  // an unknown option, or more than one folder or file

// `kvardelon-check --help`, in Russian, its list of problems made from the table.
std::string helpText();

// Runs `kvardelon-check [FOLDER | FILE]` with the arguments after the program's name: the
// findings and the summary go to out, the help to out, usage errors to err. The folder
// defaults to "data"; a folder that holds no bank file but a data/ folder means that one;
// a file is checked alone for the step its name says. Returns the exit status.
int runCheckCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                    const Fits& fits = {});

}  // namespace kvardelon::check
