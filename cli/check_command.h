// talerwerk-cli check FILE: loads a ledger file and verifies every invariant of its records.
#pragma once

#include "cli/arguments.h"
#include "cli/command.h"

namespace cli {

// Prints the version, the record counts and every violation; exit 1 when the file cannot be
// loaded or violates an invariant.
int runCheck(Arguments& args, Io& io);

} // namespace cli
