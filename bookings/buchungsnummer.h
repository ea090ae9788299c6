// The booking number suggestion of a new booking and the increment rule of booking numbers.
#pragma once

#include "ledger/dokument.h"

#include <optional>
#include <string>
#include <string_view>

namespace bookings {

// Booking number source (setting "Buchungsnummer").
enum Nummernquelle : int { kNeuestesDatum = 0, kZuletztEingegeben = 1 };

// The last run of decimal digits raised by one, keeping at least its length with leading
// zeros (2012-0099 -> 2012-0100, A9 -> A10); a number without digits stays as it is.
std::string incrementBuchungsnummer(std::string_view number);

// The increment of the base booking: the last booking in booking order (source 0) or the one
// with the highest entry serial (source 1). Nothing for a document without bookings.
std::optional<std::string> suggestBuchungsnummer(const ledger::CTalwerkDoc& doc);

} // namespace bookings
