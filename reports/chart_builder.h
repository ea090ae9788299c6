// The builders of the two chart views: the total figure of the view's value kind (view kind
// 101) or the value of the selected account, category or sub-category (view kind 102) on
// every day of the range, in the display currency.
#pragma once

#include "ledger/dokument.h"
#include "reports/chart.h"
#include "reports/report_params.h"

#include <optional>

namespace reports {

// The range a chart covers: a range of less than two days ends on the end date and starts
// the day before it.
ledger::CNVKDatum chartStart(const ReportParams& params);

Chart buildTotalChart(const ledger::CTalwerkDoc& doc, const ReportParams& params);
Chart buildAccountChart(const ledger::CTalwerkDoc& doc, const ReportParams& params);

} // namespace reports
