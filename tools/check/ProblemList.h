// The table of problems written out for the help, the manual page and the README.
#pragma once

#include <string>

namespace kvardelon::check {

// For `kvardelon-check --help`: errors, then warnings, one item each, wrapped at 79 columns.
std::string problemListForHelp();

// roff for the manual page: a tagged paragraph per problem, under its severity.
std::string problemListForManual();

// A Markdown table, as the README holds it between its two marker lines.
std::string problemListForReadme();

inline constexpr const char* kReadmeListBegins = "<!-- The checker's problems: made from tools/check/Problems.cpp -->";
inline constexpr const char* kReadmeListEnds = "<!-- End of the checker's problems -->";

// The line of the manual page's source that the list replaces.
inline constexpr const char* kManualListMarker = ".\\\" The checker's problems go here.";

}  // namespace kvardelon::check
