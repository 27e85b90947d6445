// Writing the table of problems out as plain text, roff and Markdown.
#include "ProblemList.h"

#include "Problems.h"

#include <cstdint>
#include <string_view>

namespace kvardelon::check {

namespace {

struct Group {
    Severity severity;
    const char* help;    // the heading in the help, in Russian
    const char* manual;  // the paragraph before the list in the manual page
    const char* readme;  // the severity column of the README
};

constexpr Group kGroups[] = {
    {Severity::Error, "Ошибки (игра остановится или на вопрос нельзя будет ответить):",
     "Errors\n.RI ( ошибка )\nstop the game or leave a question that nobody can answer:", "error"},
    {Severity::Warning, "Предупреждения (игра покажет не то, что задумал автор):",
     "Warnings\n.RI ( предупреждение )\nmark text that the game shows otherwise than its author meant:", "warning"},
    {Severity::Note, "Заметки (выглядит странно, но так задумано; игра работает):",
     "Notes\n.RI ( заметка )\ntell what looks odd but is meant so; the game plays it as it is:", "note"},
};

std::size_t characters(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text)
        count += (static_cast<std::uint8_t>(c) & 0xC0) != 0x80 ? 1 : 0;
    return count;
}

// Words of text after lead, in lines no wider than width characters, later lines indented.
std::string wrapped(std::string_view lead, std::string_view text, std::size_t width, std::string_view indent)
{
    std::string out(lead);
    std::size_t column = characters(lead);
    bool lineHasWord = false;
    while (!text.empty()) {
        const std::size_t blank = text.find(' ');
        const std::string_view word = text.substr(0, blank);
        text = blank == std::string_view::npos ? std::string_view{} : text.substr(blank + 1);
        if (lineHasWord && column + 1 + characters(word) > width) {
            out += '\n';
            out += indent;
            column = indent.size();
            lineHasWord = false;
        }
        if (lineHasWord) {
            out += ' ';
            ++column;
        }
        out += word;
        column += characters(word);
        lineHasWord = true;
    }
    return out + "\n";
}

// roff takes "-" as a hyphen and a leading "." or "'" as a request.
std::string roff(std::string_view text)
{
    std::string out = text.starts_with('.') || text.starts_with('\'') ? "\\&" : "";
    for (const char c : text) {
        if (c == '-')
            out += "\\-";
        else if (c == '\\')
            out += "\\e";
        else
            out += c;
    }
    return out;
}

}  // namespace

std::string problemListForHelp()
{
    std::string out;
    for (const Group& group : kGroups) {
        out += std::string(group.help) + "\n";
        for (const ProblemInfo& problem : problemTable()) {
            if (problem.severity == group.severity)
                out += wrapped("  • ", std::string(problem.title) + " [" + std::string(problem.id) + "]", 79, "    ");
        }
    }
    return out;
}

std::string problemListForManual()
{
    std::string out;
    for (const Group& group : kGroups) {
        out += std::string(".PP\n") + group.manual + "\n";
        for (const ProblemInfo& problem : problemTable()) {
            if (problem.severity == group.severity)
                out += ".TP\n.B " + roff(problem.id) + "\n" + roff(problem.title) + "\n";
        }
    }
    return out;
}

std::string problemListForReadme()
{
    std::string out = std::string(kReadmeListBegins) + "\n| Problem | Severity | What it reports |\n|---|---|---|\n";
    for (const Group& group : kGroups) {
        for (const ProblemInfo& problem : problemTable()) {
            if (problem.severity == group.severity)
                out += "| `" + std::string(problem.id) + "` | " + group.readme + " | " + std::string(problem.title) +
                       " |\n";
        }
    }
    return out + kReadmeListEnds + "\n";
}

}  // namespace kvardelon::check
