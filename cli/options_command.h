// talerwerk-cli options: prints every setting of the options dialog's pages, or changes them
// through the same page rules: the page "Allgemein" by its own options, every other setting
// with --set NAME=WERT.
#pragma once

#include "cli/arguments.h"
#include "cli/command.h"

namespace cli {

int runOptions(Arguments& args, Io& io);

} // namespace cli
