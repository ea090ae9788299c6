// CTalwerkDoc: one whole ledger in memory. It owns every record, keeps the bookings in booking
// order with exact booking counts, answers the lookups and holds the 116 settings.
#pragma once

#include "ledger/betrag.h"
#include "ledger/buchung.h"
#include "ledger/buchung_regel.h"
#include "ledger/buchungs_filter.h"
#include "ledger/datum.h"
#include "ledger/einstellungen.h"
#include "ledger/kategorie.h"
#include "ledger/kennwort.h"
#include "ledger/konto.h"
#include "ledger/waehrung.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ledger {

// The text given for a category or sub-category that does not exist.
inline constexpr const char* kKeine = "(keine)";

// The number of booking filters of a new document.
inline constexpr int kFilterCount = 10;

// Rules for the date range a window shows when it first opens.
enum StartRegel : int32_t {
    kErsteBuchung = 0,
    kJahresanfang = 1,
    kMonatsanfang = 2,
    kFesterStart = 3
};
enum EndRegel : int32_t { kHeute = 0, kMonatsende = 1, kFestesEnde = 2 };

struct Darstellungszeitraum {
    int32_t startRule = kMonatsanfang;
    int32_t endRule = kHeute;
    CNVKDatum startDate;
    CNVKDatum endDate;
};

// A date range, both ends inclusive.
struct Zeitraum {
    CNVKDatum start;
    CNVKDatum end;
};

class CTalwerkDoc {
public:
    // The currency fields (settings 4 to 7 and 72), the counters (8, 9), the save counter
    // (73), the separators (1 to 3) and every view setting.
    CTWEinstellungen settings;
    // Fixed rate between first and second currency; 1/1 without a second currency.
    Wechselkurs rate;
    // Kept in booking order at all times.
    std::vector<std::unique_ptr<CTWBuchung>> bookings;
    std::vector<std::unique_ptr<CTWKonto>> accounts;
    CTWKategorien categories;
    std::vector<std::unique_ptr<CTWBuchungRegel>> rules; // recurring bookings
    int32_t nextRuleSerial = 0;
    CNVKKennwort password;
    double screenScale = 1.0;
    std::vector<std::string> hiddenBookingTexts;
    std::vector<std::unique_ptr<CTWBuchungsFilterNeu>> filters;
    Darstellungszeitraum initialPeriod;
    int32_t accountBookingsSortDirection = 0; // 0 ascending, 1 descending

    // --- Modified flag ---
    bool isModified() const { return modified_; }
    void setModified(bool modified = true) { modified_ = modified; }

    // --- New document: currency fields from the new-file choice, every setting to its
    // new-document value, ten empty filters, no records. ---
    void newDocument(const NeueDateiWaehrung& currency, const CNVKDatum& today);
    // Replaces the filters by ten filters in their constructed state, named "Filter 1" to
    // "Filter 10" (also when a file of the old single filter is read).
    void resetFilters();

    // --- Amounts under the document's separators (settings 1 to 3) ---
    BetragFormat betragFormat() const;
    std::string formatBetrag(int64_t amount, bool showPlus = false) const;
    std::optional<int64_t> parseBetrag(std::string_view text) const;

    // The amount in the other currency with the file's fixed rate; unchanged (same index)
    // without dual-currency bookkeeping.
    WaehrungsBetrag convertBetrag(int64_t amount, int32_t currencyIndex) const;

    // --- Account lookups (linear, in list order) ---
    CTWKonto* findKonto(int32_t id) const;
    int indexOfKonto(int32_t id) const; // -1 when not found
    CTWKonto* findKontoByNumber(int32_t number) const;
    // byName: compare with the name, else with the abbreviation; exact and case-sensitive.
    CTWKonto* findKontoByText(std::string_view text, bool byName) const;
    // Appends an account with the next account id and returns it.
    CTWKonto& addKonto(CTWKonto konto);
    // True when a recurring booking uses the account on either side.
    bool isKontoUsedByRegel(int32_t kontoId) const;

    // --- Category lookups ---
    CTWKategorie* findKategorie(int kind, int32_t categoryId) const;
    CTWUnterkategorie* findUnterkategorie(int kind, int32_t categoryId,
                                          int32_t subcategoryId) const;
    CTWKategorie* findKategorieByName(int kind, std::string_view name) const;
    int indexOfKategorieByName(int kind, std::string_view name) const;
    CTWUnterkategorie* findUnterkategorieByName(int kind, std::string_view categoryName,
                                                std::string_view subcategoryName) const;
    // Position within its category, or -1.
    int indexOfUnterkategorieByName(int kind, std::string_view categoryName,
                                    std::string_view subcategoryName) const;
    // The name, or "(keine)".
    std::string kategorieName(int kind, int32_t categoryId) const;
    std::string unterkategorieName(int kind, int32_t categoryId, int32_t subcategoryId) const;
    // Recounts category usage from the standard assignments (after loading old files).
    void rebuildKategorieUsageCounts();

    // --- Bookings ---
    // Index of the booking with the entry serial, or -1.
    int indexOfBuchung(int32_t serial) const;
    // Inserts the booking after every booking that does not sort after it, raises the
    // booking counts of both accounts (taking their kinds into the booking) and sets the
    // modified flag. A serial of -1 takes the next booking serial. Returns the new booking's
    // index.
    int addBuchung(CTWBuchung buchung);
    // Removes the booking at the index and lowers the counts of its accounts that exist.
    // Returns its entry serial, or -1 (nothing changed) for an index outside the list.
    int32_t removeBuchung(int index);
    // Re-establishes the booking order as exchanging adjacent bookings out of order would;
    // bookings that compare equal keep their order.
    void sortBuchungen();
    // True when no adjacent pair of bookings is out of order.
    bool isBuchungOrderValid() const;

    // --- Recurring bookings ---
    // Appends the rule with the next rule serial and an empty occurrence list.
    CTWBuchungRegel& addBuchungRegel(CTWBuchungRegel regel);

    // --- Initial display period of a new window ---
    Zeitraum initialDisplayPeriod(const CNVKDatum& today) const;

private:
    using BuchungIterator = std::vector<std::unique_ptr<CTWBuchung>>::iterator;
    // Puts bookings of one date into the order of their numbers.
    void sortRunByNumber(BuchungIterator first, BuchungIterator last);

    bool modified_ = false;
};

} // namespace ledger
