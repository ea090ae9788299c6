// The table of talerwerk-cli's commands; each command lives in its own file pair.
#include "cli/check_command.h"
#include "cli/command.h"
#include "cli/demo_command.h"

#include <array>

namespace cli {

namespace {
constexpr std::array kCommands = {
    Command{"check", "DATEI [--password KENNWORT] [--now TT.MM.JJJJ]", runCheck},
    Command{"demo", "VERZEICHNIS [--now TT.MM.JJJJ]", runDemo},
};
} // namespace

std::span<const Command> commands() {
    return kCommands;
}

} // namespace cli
