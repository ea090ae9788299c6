// talerwerk-cli due: the due bookings list up to a date, and executing or deleting its rows
// through the due bookings form.
#pragma once

#include "cli/command.h"

namespace cli {

int runDue(Arguments& args, Io& io);

} // namespace cli
