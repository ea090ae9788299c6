// talerwerk-cli import: imports bookings from a tab-separated text file and saves the ledger.
#pragma once

#include "cli/command.h"

namespace cli {

int runImport(Arguments& args, Io& io);

} // namespace cli
