// talerwerk-cli euro: runs the Euro tool on a ledger file, with each of its dialogs answered
// from the command line's options.
#pragma once

#include "cli/arguments.h"
#include "cli/command.h"

namespace cli {

int runEuro(Arguments& args, Io& io);

} // namespace cli
