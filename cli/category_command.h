// talerwerk-cli category new|rename|delete: creates, renames or deletes a category or
// sub-category of a ledger file through the name entry form and its checks.
#pragma once

#include "cli/arguments.h"
#include "cli/command.h"

namespace cli {

int runCategory(Arguments& args, Io& io);

} // namespace cli
