// The schedule of a recurring booking: the due date of each occurrence, the occurrence states,
// and the placeholders that the due bookings fill in from the due date.
#pragma once

#include "ledger/buchung_regel.h"
#include "ledger/datum.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace bookings {

// The texts of the interval units, by unit.
inline constexpr std::array<const char*, 3> kIntervallNamen = {"Tage", "Wochen", "Monate"};

// What the buttons beside the text and the notes insert at the cursor.
inline constexpr std::array<const char*, 12> kDatumsPlatzhalter = {
    "<T>",         "<TT>",         "<M>",    "<MM>",         "<MMM>",
    "<MMMM>",      "<JJ>",         "<JJJJ>", "<T>.<M>.<JJ>", "<TT>.<MM>.<JJJJ>",
    "<MM>/<JJJJ>", "<MMM>. <JJJJ>"};
// What the button beside the booking number inserts.
inline constexpr const char* kNaechste = "<NAECHSTE>";
inline constexpr const char* kZaehler = "<ZAEHLER>";
inline constexpr std::array<const char*, 2> kNummernPlatzhalter = {kNaechste, kZaehler};

// A schedule: the first due date and the interval between due dates.
struct Termine {
    ledger::CNVKDatum first;
    int32_t count = 1;
    int32_t unit = ledger::kMonate;

    static Termine of(const ledger::CTWBuchungRegel& regel) {
        return {regel.firstDate, regel.intervalCount, regel.intervalUnit};
    }

    // The due date of occurrence k: k intervals after the first date; a month step keeps the
    // first date's day, cut to the length of the target month. Nothing when the date lies
    // outside the dates a ledger can hold, and for every k > 0 of an interval count below 1
    // or an unknown unit, so that each schedule ends.
    std::optional<ledger::CNVKDatum> datum(int64_t k) const;
};

// Every occurrence of the date placeholders (<T>, <TT>, <M>, <MM>, <MMM>, <MMMM>, <JJ>,
// <JJJJ>) replaced by the date's parts; case-sensitive.
std::string expandDatum(std::string_view text, const ledger::CNVKDatum& date);
// Every occurrence of the placeholder replaced by the value.
std::string replaceAll(std::string_view text, std::string_view placeholder, std::string_view value);

// True when an open occurrence comes before an executed or deleted one: the schedule then can
// no longer change without losing what was done.
bool isScheduleLocked(const ledger::CTWBuchungRegel& regel);
// True when the occurrence is neither executed nor deleted.
inline bool isOpen(const ledger::CTWBuchungRegel& regel, int64_t k) {
    return k >= static_cast<int64_t>(regel.occurrenceStates.size()) ||
           regel.occurrenceStates[static_cast<size_t>(k)] == ledger::kOffen;
}

} // namespace bookings
