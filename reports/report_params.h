// The report parameters that a window hands to every report builder, and the view kinds.
#pragma once

#include "ledger/datum.h"

#include <cstdint>

namespace reports {

enum ViewKind : int {
    kAccountsView = 1,
    kBookingsView = 2,
    kAccountsByCategoryView = 3,
    kAccountBookingsView = 4,
    kTotalValuesView = 5,
    kAccountValuesView = 6,
    kFilteredBookingsView = 7,
    kCategoriesView = 8,
    kPeriodComparisonView = 9,
    kTotalChartView = 101,
    kAccountChartView = 102,
};

// The label of a view kind in the view bar ("Konten", "Buchungen gefiltert", ...), or
// nullptr for a number that is no view kind.
const char* viewKindLabel(int viewKind);

// What a view is about when it shows one account, category or sub-category.
struct Selection {
    enum Kind : int { kNone = -1, kKonto = 0, kKategorie = 1, kUnterkategorie = 2 };
    int kind = kNone;
    int32_t accountId = -1;     // kKonto
    int32_t accountKind = -1;   // kKategorie, kUnterkategorie
    int32_t categoryId = -1;    // kKategorie, kUnterkategorie
    int32_t subcategoryId = -1; // kUnterkategorie
};

// Value kinds of the total figures: 1 "Guthaben" to 6 "Ausgaben".
enum ValueKind : int {
    kGuthaben = 1,
    kSchulden = 2,
    kVermoegen = 3,
    kSparbetrag = 4,
    kEinnahmen = 5,
    kAusgaben = 6,
};

struct ReportParams {
    int viewKind = kAccountsView;
    ledger::CNVKDatum start; // inclusive
    ledger::CNVKDatum end;   // inclusive
    int grouping = 0;        // category assignment: 0 standard, 1 and 2 the alternatives
    bool withoutProvisional = false;
    Selection selection;
    int valueKind = kGuthaben;
    int displayCurrency = 0; // 0 first, 1 second currency
    int periodKind = 0;      // see periods.h
    int filterIndex = 0;     // 0 to 9
};

} // namespace reports
