// The accounts-by-categories view (view kind 3): the figures of the accounts view grouped
// under the categories and sub-categories of the grouping assignment.
#pragma once

#include "ledger/dokument.h"
#include "reports/report_params.h"
#include "reports/report_table.h"

namespace reports {

ReportTable buildAccountsByCategoryView(const ledger::CTalwerkDoc& doc, const ReportParams& params);

} // namespace reports
