// The bulk changes of the booking editor on exactly the bookings it lists: renumbering, text
// replacement and account replacement. Each collects the changed bookings and hands them to
// the document in one operation, so that a change of 100 000 bookings stays one pass over
// the list and keeps the booking order and every count right. ("Alle löschen" is the
// document's removeBuchungen by entry serial.)
#pragma once

#include "bookings/textersetzung_form.h"
#include "ledger/dokument.h"
#include "platform/prompter.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace bookings {

// "Buchung Nr. 17 vom 01.02.2012:", the first line of every question about a booking.
std::string buchungZeile(const ledger::CTWBuchung& buchung);

// The bookings at the indexes (into the document's list, in display order) take the start
// number and its increments in turn; the document then restores the booking order. Returns
// how many bookings changed.
std::size_t nummeriereNeu(ledger::CTalwerkDoc& doc, const std::vector<int>& indexes,
                          const std::string& start);

// Replaces the search text in the fields the form names of each booking at the indexes, in
// display order, asking for every changed field unless the form says "Ohne Rückfrage". Returns
// how many bookings changed.
std::size_t ersetzeText(ledger::CTalwerkDoc& doc, const std::vector<int>& indexes,
                        const CTextersetzungForm& form, platform::Prompter& prompter);

// Replaces the account `suchen` by `ersetzen` on both sides of each booking at the indexes, in
// display order, asking for every side unless `ohneRueckfrage`. A side whose replacement would
// give the booking the same account twice stays, and the booking's conflict is reported once.
// Returns how many bookings changed.
std::size_t ersetzeKonto(ledger::CTalwerkDoc& doc, const std::vector<int>& indexes, int32_t suchen,
                         int32_t ersetzen, bool ohneRueckfrage, platform::Prompter& prompter);

} // namespace bookings
