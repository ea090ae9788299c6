// The table of talerwerk-cli's commands; each command lives in its own file pair.
#include "cli/check_command.h"
#include "cli/command.h"
#include "cli/demo_command.h"
#include "cli/show_command.h"

#include <array>

namespace cli {

namespace {
constexpr std::array kCommands = {
    Command{"check", "DATEI [--password KENNWORT] [--now TT.MM.JJJJ]", runCheck},
    Command{"demo", "VERZEICHNIS [--now TT.MM.JJJJ]", runDemo},
    Command{"show",
            "DATEI --view N [--from TT.MM.JJJJ] [--to TT.MM.JJJJ] [--grouping 0|1|2] "
            "[--without-provisional] [--format fixed|tabs] [--password KENNWORT] "
            "[--encoding cp1252] [--now TT.MM.JJJJ]",
            runShow},
};
} // namespace

std::span<const Command> commands() {
    return kCommands;
}

} // namespace cli
