// talerwerk-cli: the command-line tool over the Talerwerk libraries.
#include "cli/command.h"

#include <cstring>
#include <iostream>

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "talerwerk-cli " << TALERWERK_VERSION << '\n';
        return cli::kExitOk;
    }
    cli::Io io{std::cout, std::cerr};
    return cli::dispatch(std::vector<std::string>(argv + 1, argv + argc), io);
}
