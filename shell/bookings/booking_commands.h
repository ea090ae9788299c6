// The commands of the booking dialogs: "Neue &Buchung..." with its further-booking loop and
// the rule that repeats a booking, the booking rows' edit, confirm and delete, "&Filter
// definieren...", "Buchungen &importieren...", "&Regelmäßige Buchungen..." and "&Fällige
// Buchungen...".
#pragma once

namespace shell {

// Registers the handlers of these commands (once, at start-up).
void registerBookingCommands();

} // namespace shell
