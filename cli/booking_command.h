// talerwerk-cli booking new: enters one booking through the booking form's checks and saves
// the ledger.
#pragma once

#include "cli/command.h"

namespace cli {

int runBooking(Arguments& args, Io& io);

} // namespace cli
