// Runs the builder of a view kind: the one entry point through which windows, printing and
// the command line get a report table.
#pragma once

#include "ledger/dokument.h"
#include "reports/report_params.h"
#include "reports/report_table.h"

#include <optional>

namespace reports {

// Whether buildReportTable builds a table for the view kind.
bool hasTableBuilder(int viewKind);
// Whether the view kind is a chart view.
bool isChartView(int viewKind);
// Whether the view kind has its report: a table or a chart.
bool hasReport(int viewKind);

// The table of the view kind of the parameters, or nothing when the view kind has no table
// builder (charts, unknown kinds, and kinds not built yet).
std::optional<ReportTable> buildReportTable(const ledger::CTalwerkDoc& doc,
                                            const ReportParams& params);


} // namespace reports
