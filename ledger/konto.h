// CTWKonto: an account of the chart of accounts, with its three category assignments and,
// for asset accounts, the original currency and the dates on which it switches currency.
#pragma once

#include "ledger/datum.h"
#include "ledger/waehrung.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ledger {

// Account kind; its position among the three is also the index of its category tree.
enum class KontoArt : int32_t { Bestandskonto = 0, Einnahmenkonto = 1, Ausgabenkonto = 2 };
inline constexpr int kKontoArten = 3;
inline constexpr std::array<KontoArt, kKontoArten> kAlleKontoArten = {
    KontoArt::Bestandskonto, KontoArt::Einnahmenkonto, KontoArt::Ausgabenkonto};

// The position of a kind among the three (0 to 2): the index of its category tree and of its
// entry in lists of the three kinds.
constexpr int kontoArtIndex(KontoArt art) {
    return static_cast<int>(art);
}
// The kind at a position; nothing outside 0 to 2.
constexpr std::optional<KontoArt> kontoArtAt(int64_t index) {
    if (index < 0 || index >= kKontoArten)
        return std::nullopt;
    return kAlleKontoArten[static_cast<size_t>(index)];
}

// Category assignment selector: the standard one or one of the two alternatives.
enum Zuordnung : int32_t { kStandard = 0, kAlternative1 = 1, kAlternative2 = 2 };

class CTWKonto {
public:
    int32_t id = 0;
    KontoArt kind = KontoArt::Bestandskonto;
    std::string name;                                     // "Bezeichnung"
    std::string abbreviation;                             // "Abkürzung"
    int32_t number = 0;                                   // "Kontonummer", 1 to 999999
    WaehrungsIndex currencyIndex = WaehrungsIndex::Erste; // original currency of an asset account;
                                                          // Keine for the others
    int64_t openingBalance = 0;                           // "Anfangsbestand"; asset accounts only
    int32_t category = -1;                                // standard assignment
    int32_t subcategory = -1;
    std::vector<CNVKDatum> switchDates; // currency switch dates, ascending
    int32_t bookingCount = 0;
    int32_t alt1UseStandard = 1;
    int32_t alt1Category = -1;
    int32_t alt1Subcategory = -1;
    int32_t alt2UseStandard = 0;
    int32_t alt2Category = -1;
    int32_t alt2Subcategory = -1;

    bool isAsset() const { return kind == KontoArt::Bestandskonto; }

    // The category and sub-category that assignment k (Zuordnung) really uses: an
    // alternative whose use-standard flag is set follows the standard assignment.
    int32_t effectiveCategory(int assignment) const;
    int32_t effectiveSubcategory(int assignment) const;

    // The currency on a date: none for income and expense accounts; for asset accounts
    // the original currency toggled once for every switch date on or before the date.
    WaehrungsIndex currencyIndexAt(const CNVKDatum& date) const;
    // The currency after the last switch date.
    WaehrungsIndex finalCurrencyIndex() const;
};

} // namespace ledger
