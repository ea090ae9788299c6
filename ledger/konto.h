// CTWKonto: an account of the chart of accounts, with its three category assignments and,
// for asset accounts, the original currency and the dates on which it switches currency.
#pragma once

#include "ledger/datum.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ledger {

// Account kind; also the index of the category tree.
enum KontoArt : int32_t { kBestandskonto = 0, kEinnahmenkonto = 1, kAusgabenkonto = 2 };
inline constexpr int kKontoArten = 3;

// Category assignment selector: the standard one or one of the two alternatives.
enum Zuordnung : int32_t { kStandard = 0, kAlternative1 = 1, kAlternative2 = 2 };

class CTWKonto {
public:
    int32_t id = 0;
    int32_t kind = kBestandskonto;
    std::string name;           // "Bezeichnung"
    std::string abbreviation;   // "Abkürzung"
    int32_t number = 0;         // "Kontonummer", 1 to 999999
    int32_t currencyIndex = 0;  // original currency of an asset account; -1 for the others
    int64_t openingBalance = 0; // "Anfangsbestand"; asset accounts only
    int32_t category = -1;      // standard assignment
    int32_t subcategory = -1;
    std::vector<CNVKDatum> switchDates; // currency switch dates, ascending
    int32_t bookingCount = 0;
    int32_t alt1UseStandard = 1;
    int32_t alt1Category = -1;
    int32_t alt1Subcategory = -1;
    int32_t alt2UseStandard = 0;
    int32_t alt2Category = -1;
    int32_t alt2Subcategory = -1;

    bool isAsset() const { return kind == kBestandskonto; }

    // The category and sub-category that assignment k (Zuordnung) really uses: an
    // alternative whose use-standard flag is set follows the standard assignment.
    int32_t effectiveCategory(int assignment) const;
    int32_t effectiveSubcategory(int assignment) const;

    // The currency index on a date: -1 for income and expense accounts; for asset accounts
    // the original currency toggled once for every switch date on or before the date.
    int32_t currencyIndexAt(const CNVKDatum& date) const;
    // The currency after the last switch date.
    int32_t finalCurrencyIndex() const;
};

} // namespace ledger
