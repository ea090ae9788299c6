#include "reports/report_builder.h"

#include "reports/account_bookings_view.h"
#include "reports/accounts_by_category_view.h"
#include "reports/accounts_view.h"
#include "reports/bookings_view.h"
#include "reports/categories_view.h"
#include "reports/period_comparison_view.h"
#include "reports/value_tables.h"

namespace reports {

bool hasTableBuilder(int viewKind) {
    return viewKind == kAccountsView || viewKind == kAccountsByCategoryView ||
           viewKind == kCategoriesView || viewKind == kBookingsView ||
           viewKind == kFilteredBookingsView || viewKind == kAccountBookingsView ||
           viewKind == kTotalValuesView || viewKind == kAccountValuesView ||
           viewKind == kPeriodComparisonView;
}

std::optional<ReportTable> buildReportTable(const ledger::CTalwerkDoc& doc,
                                            const ReportParams& params) {
    switch (params.viewKind) {
    case kAccountsView:
        return buildAccountsView(doc, params);
    case kAccountsByCategoryView:
        return buildAccountsByCategoryView(doc, params);
    case kCategoriesView:
        return buildCategoriesView(doc);
    case kBookingsView:
        return buildBookingsView(doc, params, false);
    case kFilteredBookingsView:
        return buildBookingsView(doc, params, true);
    case kAccountBookingsView:
        return buildAccountBookingsView(doc, params);
    case kPeriodComparisonView:
        return buildPeriodComparisonView(doc, params);
    case kTotalValuesView:
        return buildTotalValuesView(doc, params);
    case kAccountValuesView:
        return buildAccountValuesView(doc, params);
    default:
        return std::nullopt;
    }
}

} // namespace reports
