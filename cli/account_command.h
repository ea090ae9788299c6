// talerwerk-cli account new|edit|delete: creates, edits or deletes an account of a ledger file
// through the account forms, with their checks and messages.
#pragma once

#include "cli/arguments.h"
#include "cli/command.h"

namespace cli {

int runAccount(Arguments& args, Io& io);

} // namespace cli
