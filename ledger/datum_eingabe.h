// Dates as people in Germany type them into a date field: "15.04.2025", "15.4.2025",
// "15.4.25", "15042025", "150425", and "15.4." or "1504" for a day of the year the field
// showed before. A text that gives no date says why, so that the field can tell the user
// instead of changing the date on its own.
#pragma once

#include "ledger/datum.h"

#include <optional>
#include <string>
#include <string_view>

namespace ledger {

struct DatumEingabe {
    std::optional<CNVKDatum> date;
    std::string message; // why there is no date; empty with a date
};

// Blanks around the text are ignored. A two-digit year below 50 is 20xx, else 19xx; a
// missing year is `defaultYear`.
DatumEingabe parseDatumEingabe(std::string_view text, int defaultYear);

} // namespace ledger
