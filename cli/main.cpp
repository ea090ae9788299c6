// talerwerk-cli: the command-line tool over the Talerwerk libraries.
#include "cli/command.h"

#include <iostream>

int main(int argc, char** argv) {
    cli::Io io{std::cout, std::cerr, &std::cin};
    return cli::dispatch(std::vector<std::string>(argv + 1, argv + argc), io);
}
