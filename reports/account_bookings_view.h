// The account bookings view (view kind 4): the bookings of the range that touch the selected
// account, category or sub-category, each with the running balance "Stand" of the selected
// accounts right after it and the currency they hold.
#pragma once

#include "ledger/dokument.h"
#include "reports/report_params.h"
#include "reports/report_table.h"

namespace reports {

ReportTable buildAccountBookingsView(const ledger::CTalwerkDoc& doc, const ReportParams& params);

} // namespace reports
