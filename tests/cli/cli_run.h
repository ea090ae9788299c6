// Runs a talerwerk-cli command line in the test process and keeps what it printed.
#pragma once

#include "cli/command.h"

#include <sstream>
#include <string>
#include <vector>

namespace testsupport {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

inline Outcome run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    cli::Io io{out, err};
    const int code = cli::dispatch(args, io);
    return {code, out.str(), err.str()};
}

inline bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace testsupport
