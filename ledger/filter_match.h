// The test whether a booking filter accepts a booking, and the text pattern test with "UND"
// and "ODER" that its text and notes conditions use.
#pragma once

#include "ledger/buchung.h"
#include "ledger/buchungs_filter.h"

#include <string_view>

namespace ledger {

class CTalwerkDoc;

// Whether the value matches the pattern under the text mode (TextModus). The pattern is cut at
// "UND" (only in mode "enthält") or else at "ODER" into trimmed, upper-cased terms; without a
// connective the whole pattern is the one term. No terms match every value.
bool textMatches(std::string_view value, std::string_view pattern, int mode);

// Whether the filter lets the booking through; the conditions are tested in their fixed
// order and the first failing one rejects. Amount bounds are compared in the filter's amount
// currency.
bool filterAccepts(const CTalwerkDoc& doc, const CTWBuchung& buchung,
                   const CTWBuchungsFilterNeu& filter);

} // namespace ledger
