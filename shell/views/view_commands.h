// The dialog commands of the views themselves: choosing the comparison periods.
#pragma once

namespace shell {

void registerViewCommands();

} // namespace shell
