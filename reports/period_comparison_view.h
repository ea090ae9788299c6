// The period comparison view (view kind 9): every account with its value in each comparison
// period, shares, the change between two chosen periods, sums and averages, laid out as in
// the accounts view or the accounts-by-categories view.
#pragma once

#include "ledger/dokument.h"
#include "reports/report_params.h"
#include "reports/report_table.h"

namespace reports {

ReportTable buildPeriodComparisonView(const ledger::CTalwerkDoc& doc, const ReportParams& params);

} // namespace reports
