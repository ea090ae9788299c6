// The commands of the recurring bookings: "&Regelmäßige Buchungen..." (the rule list),
// "&Fällige Buchungen..." and the rule dialog that follows a booking saved with "Buchung
// regelmäßig ausführen".
#pragma once

#include "ledger/dokument.h"

#include <cstdint>

class QWidget;

namespace shell {

struct CommandContext;

bool editRules(const CommandContext& c);
bool dueBookings(const CommandContext& c);
// The due bookings dialog on the document; true when it changed the ledger.
bool runDueBookings(QWidget* parent, ledger::CTalwerkDoc& doc);
// The rule dialog filled from the booking with the entry serial; true when a rule was added.
bool repeatBooking(QWidget* parent, ledger::CTalwerkDoc& doc, int32_t bookingSerial);

} // namespace shell
