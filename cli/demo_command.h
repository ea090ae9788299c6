// talerwerk-cli demo DIR: writes the demo ledgers DemoKontenplan.tlw and DemoDatei1.tlw.
#pragma once

#include "cli/arguments.h"
#include "cli/command.h"

namespace cli {

int runDemo(Arguments& args, Io& io);

} // namespace cli
