// The one table of problems and the places made from it: the help, the manual page, the README.
#include "CheckCommand.h"
#include "ProblemList.h"
#include "Problems.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

namespace kvardelon::check {
namespace {

std::string fileText(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The text with every run of blanks and line ends made one blank, as wrapping leaves it.
std::string unwrapped(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        const bool blank = c == ' ' || c == '\n';
        if (!blank || (!out.empty() && out.back() != ' '))
            out += blank ? ' ' : c;
    }
    return out;
}

TEST(ProblemTable, namesEveryProblemOnceWithItsOwnId)
{
    std::set<std::string_view> ids;
    for (const ProblemInfo& problem : problemTable()) {
        EXPECT_EQ(&info(problem.problem), &problem);
        EXPECT_TRUE(ids.insert(problem.id).second) << problem.id;
        EXPECT_EQ(problem.id.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-"), std::string_view::npos);
    }
}

TEST(ProblemTable, helpListsEveryProblemWithItsIdUnderItsSeverity)
{
    const std::string help = unwrapped(helpText());
    const std::size_t warnings = help.find("Предупреждения");
    const std::size_t notes = help.find("Заметки");
    for (const ProblemInfo& problem : problemTable()) {
        const std::size_t at = help.find(std::string(problem.title) + " [" + std::string(problem.id) + "]");
        ASSERT_NE(at, std::string::npos) << problem.id << " in\n" << help;
        const Severity under = at > notes ? Severity::Note : at > warnings ? Severity::Warning : Severity::Error;
        EXPECT_EQ(under, problem.severity) << problem.id;
    }
}

TEST(ProblemTable, readmeHoldsTheListAsTheTableMakesIt)
{
    const std::string readme = fileText(std::filesystem::path(KVARDELON_SOURCE_DIR) / "README.md");
    const std::size_t begin = readme.find(kReadmeListBegins);
    const std::size_t end = readme.find(kReadmeListEnds);
    ASSERT_NE(begin, std::string::npos);
    ASSERT_NE(end, std::string::npos);
    const std::string listed = readme.substr(begin, end - begin + std::string_view(kReadmeListEnds).size() + 1);
    EXPECT_EQ(listed, problemListForReadme()) << "put this in README.md:\n" << problemListForReadme();
}

#ifdef KVARDELON_MANUAL_PAGE
TEST(ProblemTable, manualPageListsEveryProblem)
{
    const std::string page = fileText(KVARDELON_MANUAL_PAGE);
    EXPECT_NE(page.find(problemListForManual()), std::string::npos) << page;
    EXPECT_EQ(page.find(kManualListMarker), std::string::npos);
}
#endif

}  // namespace
}  // namespace kvardelon::check
