// talerwerk-cli-docs: writes the manual page and the bash completion of talerwerk-cli from
// the command table at build time.
// Usage: talerwerk-cli-docs MANPAGE.in DATE MANPAGE COMPLETION
#include "cli/bash_completion.h"
#include "cli/manual_page.h"

#include <fstream>
#include <iostream>
#include <sstream>

namespace {

bool writeFile(const char* path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    out.close();
    if (!out)
        std::cerr << "talerwerk-cli-docs: cannot write " << path << '\n';
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: talerwerk-cli-docs MANPAGE.in DATE MANPAGE COMPLETION\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::ostringstream pageTemplate;
    pageTemplate << in.rdbuf();
    if (!in) {
        std::cerr << "talerwerk-cli-docs: cannot read " << argv[1] << '\n';
        return 1;
    }
    const bool written = writeFile(argv[3], cli::manualPage(pageTemplate.str(), argv[2])) &&
                         writeFile(argv[4], cli::bashCompletion());
    return written ? 0 : 1;
}
