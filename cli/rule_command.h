// talerwerk-cli rule new|edit|delete|list: recurring bookings through the rule dialog's and the
// rule list's forms, with their checks and questions.
#pragma once

#include "cli/command.h"

namespace cli {

int runRule(Arguments& args, Io& io);

} // namespace cli
