// Verifies every invariant of a ledger document: unique ids, numbers and names, references
// between records, booking counts, usage counts, booking order, kinds and currencies.
#pragma once

#include "ledger/dokument.h"

#include <string>
#include <vector>

namespace ledger {

// One German line (Windows-1252) per violation, in the order accounts, categories,
// bookings, recurring bookings, filters; empty for a sound document.
std::vector<std::string> pruefeDokument(const CTalwerkDoc& doc);

} // namespace ledger
