// The commands of the booking dialogs: "Neue &Buchung..." with its further-booking loop and
// the rule that repeats a booking, the booking rows' edit, confirm and delete, "&Filter
// definieren...", "Buchungen &importieren...", "&Regelmäßige Buchungen..." and "&Fällige
// Buchungen...".
#pragma once

#include "ledger/dokument.h"

#include <cstdint>

class QWidget;

namespace shell {

// Registers the handlers of these commands (once, at start-up).
void registerBookingCommands();

// The booking dialog for new bookings, opened again after each "Weitere B&uchung...", with the
// rule dialog after a booking saved to be repeated. Each round is one undo step, after which
// the views of the ledger's window are rebuilt. Returns the entry serial of the last booking
// added, or -1.
int32_t runNewBooking(QWidget* parent, ledger::CTalwerkDoc& doc);
// The booking dialog for the booking at the index, to edit or (confirm) to confirm it, as one
// undo step; true when it changed the ledger.
bool runEditBooking(QWidget* parent, ledger::CTalwerkDoc& doc, int index, bool confirm);

} // namespace shell
