// The arguments of one command: options taken out by name, then the positional arguments.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// A wrong command line; the dispatcher shows the command's usage and exits with 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Arguments {
public:
    explicit Arguments(std::vector<std::string> args) : args_(std::move(args)) {}

    // Takes "--name VALUE" or "--name=VALUE" out of the arguments; nothing when the option is
    // absent.
    std::optional<std::string> option(std::string_view name);
    // Takes "--name VALUE1 VALUE2 ..." (or "--name=VALUE1 VALUE2 ...") with exactly count
    // values out of the arguments; nothing when the option is absent.
    std::optional<std::vector<std::string>> options(std::string_view name, std::size_t count);
    // Takes "--name" out of the arguments; "--name=VALUE" is a usage error.
    bool flag(std::string_view name);
    // Takes the first argument out when it is not an option (a sub-command's name).
    std::optional<std::string> first();
    // The remaining arguments, which must be exactly count positional ones.
    std::vector<std::string> positionals(std::size_t count) const;

private:
    std::vector<std::string> args_;
};

} // namespace cli
