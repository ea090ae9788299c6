// talerwerk-cli show: prints one view of a ledger file as text.
#pragma once

#include "cli/command.h"

namespace cli {

int runShow(Arguments& args, Io& io);

} // namespace cli
