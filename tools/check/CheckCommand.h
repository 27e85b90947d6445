// The command line of kvardelon-check: its arguments, its output and its exit status.
#pragma once

#include "BankCheck.h"

#include <ostream>
#include <string>
#include <vector>

namespace kvardelon::check {

inline constexpr int kExitClean = 0;     // no errors; warnings allowed
inline constexpr int kExitErrors = 1;    // the bank has errors
inline constexpr int kExitBadUsage = 2;  // an unknown option or more than one folder

// Runs `kvardelon-check [FOLDER]` with the arguments after the program's name: the
// findings and the summary go to out, the help to out, usage errors to err. The
// folder defaults to "data". Returns the exit status.
int runCheckCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                    const Fits& fits = {});

}  // namespace kvardelon::check
