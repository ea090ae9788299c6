// The bookings view (view kind 2) and the filtered bookings view (view kind 7): the bookings of
// the range, for view kind 7 only those the view's filter accepts, sorted by the view's key,
// with the sums per booking kind.
#pragma once

#include "ledger/dokument.h"
#include "reports/report_params.h"
#include "reports/report_table.h"

namespace reports {

// View kind 2, or 7 with `filtered`.
ReportTable buildBookingsView(const ledger::CTalwerkDoc& doc, const ReportParams& params,
                              bool filtered);

} // namespace reports
