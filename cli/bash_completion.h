// The bash completion of talerwerk-cli, written from the command table: commands,
// sub-commands, each command's options, the choices of an option's value, .tlw files where
// a ledger is expected, directories and other files where the usage names them.
#pragma once

#include <string>

namespace cli {

std::string bashCompletion();

} // namespace cli
