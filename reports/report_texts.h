// Texts that report cells and titles are made of: shares and changes in percent, counts, and
// the title templates with their placeholders.
#pragma once

#include "ledger/datum.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace reports {

// Percentage of part in whole with the given decimals (0 to 3), always with a decimal comma;
// "-" when the whole is 0.
std::string shareText(std::int64_t part, std::int64_t whole, int decimals);
// Signed change of the new value against the old in percent; "-" when the old value is 0 and
// the new one is not, and the formatted zero when both are 0.
std::string changeText(std::int64_t newValue, std::int64_t oldValue, int decimals);
// A count of bookings or accounts.
std::string countText(long count);

// The values that replace the placeholders of a title template; a placeholder without a value
// stays as it is.
struct TitleValues {
    std::optional<std::string> typ;           // "<TYP>"
    std::optional<std::string> bezeichnung;   // "<BEZEICHNUNG>"
    std::optional<std::string> standardTitel; // "<STANDARDTITEL>"
    std::optional<std::string> startDatum;    // "<STARTDATUM>"
    std::optional<std::string> endDatum;      // "<ENDDATUM>"
};

// Replaces every occurrence of each placeholder, one placeholder after the other.
std::string fillTitleTemplate(std::string_view titleTemplate, const TitleValues& values);
// A title template with only "<STARTDATUM>" and "<ENDDATUM>" replaced.
std::string rangeTitle(std::string_view titleTemplate, const ledger::CNVKDatum& start,
                       const ledger::CNVKDatum& end);

} // namespace reports
