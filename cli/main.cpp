// talerwerk-cli: the command-line tool over the Talerwerk libraries.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("talerwerk-cli %s\n", TALERWERK_VERSION);
        return 0;
    }
    std::fprintf(stderr, "Aufruf: talerwerk-cli --version\n");
    return 2;
}
