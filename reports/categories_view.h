// The categories view (view kind 8): the category trees of the three account kinds with the
// number of accounts assigned to each category in each of the three assignments.
#pragma once

#include "ledger/dokument.h"
#include "reports/report_table.h"

namespace reports {

ReportTable buildCategoriesView(const ledger::CTalwerkDoc& doc);

} // namespace reports
