#include "reports/report_params.h"

namespace reports {

const char* viewKindLabel(int viewKind) {
    switch (viewKind) {
    case kAccountsView:
        return "Konten";
    case kBookingsView:
        return "Buchungen";
    case kAccountsByCategoryView:
        return "Konten nach Kategorien";
    case kAccountBookingsView:
        return "Buchungen für Konto/Kat.";
    case kTotalValuesView:
        return "Wertetabelle - Gesamt";
    case kAccountValuesView:
        return "Wertetabelle - Konto/Kat.";
    case kFilteredBookingsView:
        return "Buchungen gefiltert";
    case kCategoriesView:
        return "Kategorien";
    case kPeriodComparisonView:
        return "Periodenvergleich";
    case kTotalChartView:
        return "Diagramm - Gesamt";
    case kAccountChartView:
        return "Diagramm - Konto/Kat.";
    default:
        return nullptr;
    }
}

} // namespace reports
