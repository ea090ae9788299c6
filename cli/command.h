// A command of talerwerk-cli: its name, its usage line and the function that runs it.
// The table of all commands is in command_table.cpp; a new command adds one line there and
// its summary and option texts in command_help.cpp.
#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

class Arguments;

// The streams a command writes to: results to out, messages to err (both UTF-8); the answers
// to questions come from in (none: every question is answered with No).
struct Io {
    std::ostream& out;
    std::ostream& err;
    std::istream* in = nullptr;
};

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1; // the file cannot be loaded or is not sound
inline constexpr int kExitUsage = 2;   // the command line is wrong

using RunCommand = int (*)(Arguments& args, Io& io);

struct Command {
    std::string_view name;
    std::string_view usage; // arguments after the command name, as shown in the usage text
    RunCommand run;
};

std::span<const Command> commands();

// Runs the command named by the first argument (arguments without the program name).
int dispatch(const std::vector<std::string>& args, Io& io);

} // namespace cli
