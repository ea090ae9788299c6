// talerwerk-cli: the command-line tool over the Talerwerk libraries.
#include "cli/command.h"
#include "cli/terminal_output.h"

#include <iostream>
#include <memory>
#include <unistd.h>

namespace {

// Shows control characters visibly while the stream goes to a terminal; output into a file
// or a pipe keeps every byte.
class TerminalGuard {
public:
    TerminalGuard(std::ostream& stream, int fd) : stream_(stream) {
        if (::isatty(fd)) {
            filter_ = std::make_unique<cli::ControlEscapingBuffer>(stream.rdbuf());
            original_ = stream.rdbuf(filter_.get());
        }
    }
    ~TerminalGuard() {
        if (filter_) {
            stream_.flush();
            stream_.rdbuf(original_);
        }
    }
    TerminalGuard(const TerminalGuard&) = delete;
    TerminalGuard& operator=(const TerminalGuard&) = delete;

private:
    std::ostream& stream_;
    std::unique_ptr<cli::ControlEscapingBuffer> filter_;
    std::streambuf* original_ = nullptr;
};

} // namespace

int main(int argc, char** argv) {
    const TerminalGuard out(std::cout, STDOUT_FILENO);
    const TerminalGuard err(std::cerr, STDERR_FILENO);
    cli::Io io{std::cout, std::cerr, &std::cin};
    return cli::dispatch(std::vector<std::string>(argv + 1, argv + argc), io);
}
