// talerwerk-cli editor: the booking editor's list of a date range, and its bulk operations on
// exactly the listed bookings, through the booking editor form.
#pragma once

#include "cli/command.h"

namespace cli {

int runEditor(Arguments& args, Io& io);

} // namespace cli
