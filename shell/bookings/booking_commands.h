// The commands of the booking dialogs: "Neue &Buchung..." with its further-booking loop, the
// booking rows' edit, confirm and delete, "&Filter definieren..." and "Buchungen
// &importieren...".
#pragma once

namespace shell {

// Registers the handlers of these commands (once, at start-up).
void registerBookingCommands();

} // namespace shell
