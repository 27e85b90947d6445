// check_manual_page IN OUT: writes the manual page of kvardelon-check with its list of
// problems made from the checker's own table, in place of the marker line of IN.
#include "ProblemList.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: check_manual_page IN OUT\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::string page{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::string marker = std::string(kvardelon::check::kManualListMarker) + "\n";
    const std::size_t at = page.find(marker);
    if (!in || at == std::string::npos) {
        std::cerr << "check_manual_page: " << argv[1] << " has no line \"" << kvardelon::check::kManualListMarker
                  << "\"\n";
        return 1;
    }
    page.replace(at, marker.size(), kvardelon::check::problemListForManual());
    std::ofstream out(argv[2], std::ios::binary);
    out << page;
    return out.flush() ? 0 : 1;
}
