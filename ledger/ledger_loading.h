// LedgerLoading: the file reader's access to a document it fills. It hands out the document's
// lists and fields as they are stored, without the operations' bookkeeping, and afterwards
// restores what the file does not carry itself (booking order, usage counts of old files).
// Only the reader, the test-side builders of damaged documents and the loading boundary use
// it; everything else changes a document through its operations.
#pragma once

#include "ledger/dokument.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ledger {

class LedgerLoading {
public:
    explicit LedgerLoading(CTalwerkDoc& doc) : doc_(doc) {}

    CTWEinstellungen& settings() { return doc_.settings_; }
    Wechselkurs& rate() { return doc_.rate_; }
    // The bookings in the order they were read; each in the document's own storage.
    std::vector<CTWBuchung*>& bookings() { return doc_.bookings_; }
    // Appends a booking to the list as it stands.
    CTWBuchung& appendBuchung(CTWBuchung buchung = {});
    // Takes the room for that many bookings, and for their texts of up to textBytes bytes in
    // all, at once.
    void reserveBuchungen(std::size_t count, std::size_t textBytes);
    // Where the texts of the bookings read are kept for as long as the document lives.
    TextArena& bookingTexts() { return doc_.bookingTexts_; }
    std::vector<std::unique_ptr<CTWKonto>>& accounts() { return doc_.accounts_; }
    CTWKategorien& categories() { return doc_.categories_; }
    std::vector<std::unique_ptr<CTWBuchungRegel>>& rules() { return doc_.rules_; }
    int32_t& nextRuleSerial() { return doc_.nextRuleSerial_; }
    CNVKKennwort& password() { return doc_.password_; }
    double& screenScale() { return doc_.screenScale_; }
    std::vector<std::string>& hiddenBookingTexts() { return doc_.hiddenBookingTexts_; }
    std::vector<std::unique_ptr<CTWBuchungsFilterNeu>>& filters() { return doc_.filters_; }
    Darstellungszeitraum& initialPeriod() { return doc_.initialPeriod_; }
    int32_t& accountBookingsSortDirection() { return doc_.accountBookingsSortDirection_; }

    // Replaces the filters by ten filters in their constructed state, named "Filter 1" to
    // "Filter 10" (also when a file of the old single filter is read).
    void resetFilters();
    // Re-establishes the booking order as exchanging adjacent bookings out of order would;
    // bookings that compare equal keep their order.
    void sortBuchungen();
    // Recounts category usage from the standard assignments (after loading old files).
    void rebuildKategorieUsageCounts();

private:
    CTalwerkDoc& doc_;
};

} // namespace ledger
