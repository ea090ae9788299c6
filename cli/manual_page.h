// The manual page talerwerk-cli(1) in roff: a hand-written page whose line "@BEFEHLE@" becomes
// every command of the command table with its usage, summary and options, and whose
// "@VERSION@" and "@DATUM@" become the program's version and the release date.
#pragma once

#include <string>
#include <string_view>

namespace cli {

std::string manualPage(std::string_view pageTemplate, std::string_view date);

// A UTF-8 text as roff text: backslashes escaped, the dashes of options and placeholders as
// minus signs, a leading dot or quote kept from being read as a request.
std::string roffText(std::string_view text);

} // namespace cli
