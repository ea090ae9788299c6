// talerwerk-cli new: creates an empty ledger with the currency choice of the new-file dialog.
#pragma once

#include "cli/command.h"

namespace cli {

int runNew(Arguments& args, Io& io);

} // namespace cli
