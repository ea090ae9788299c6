// Draws one printed page of a paginated report table onto a Surface: the rows placed on the
// page's page row and the columns of its page column, in one of the four display modes.
#pragma once

#include "platform/surface.h"
#include "reports/print_pagination.h"
#include "reports/report_table.h"

namespace reports {

// Page p counts from 1; a page beyond the page count draws nothing. The table must be laid
// out for the printer and paginated with the same table.
void drawPage(const ReportTable& table, const Pagination& pagination, platform::Surface& surface,
              int displayMode, int page);

} // namespace reports
