// What talerwerk-cli tells about its commands: a summary of every command and a description of
// every option its usage text names. --help, the manual page and the shell completion are all
// written from the command table and these texts, so a new option shows up in each of them.
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

struct Command;

// An option as a usage text names it: "--name VALUE" or the flag "--name".
struct UsageOption {
    std::string name;  // without the dashes
    std::string value; // the placeholder of its value ("TT.MM.JJJJ", "0|1|2"); empty for a flag

    bool operator==(const UsageOption&) const = default;
};

// The parts of a usage text that a reader and the shell completion need.
struct UsageParts {
    std::vector<std::string> subcommands; // "new", "edit", ... before the first argument
    std::vector<std::string> arguments;   // the placeholders of the positional arguments, once each
    std::vector<UsageOption> options;     // each option once, in the order of first mention
};

UsageParts parseUsage(std::string_view usage);

// The alternatives of a value placeholder such as "0|1|2" or "fixed|tabs"; none when the
// placeholder stands for a free value ("TT.MM.JJJJ", "KAT", "DEM|ATS|...").
std::vector<std::string> valueChoices(std::string_view placeholder);

// A documented option; command is empty for a text shared by every command that has the option.
struct OptionText {
    std::string_view command;
    std::string_view option;
    std::string_view text; // Windows-1252
};

// Summary of the command (Windows-1252); empty when it has none.
std::string_view commandSummary(std::string_view command);
// The description of the command's option (Windows-1252); empty when it has none.
std::string_view optionDescription(std::string_view command, std::string_view option);
std::span<const OptionText> optionTexts();

// "talerwerk-cli --help": every command with its summary (UTF-8).
void printProgramHelp(std::ostream& out);
// "talerwerk-cli COMMAND --help": the usage, the summary and every option (UTF-8).
void printCommandHelp(const Command& command, std::ostream& out);

} // namespace cli
