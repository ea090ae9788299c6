// The accounts view (view kind 1): every account with its balances or period values for the
// range, in four groups with their totals and the summary block.
#pragma once

#include "ledger/dokument.h"
#include "reports/report_params.h"
#include "reports/report_table.h"

namespace reports {

ReportTable buildAccountsView(const ledger::CTalwerkDoc& doc, const ReportParams& params);

} // namespace reports
