#include "reports/print_pagination.h"

#include <algorithm>
#include <cmath>

namespace reports {

namespace {

// The gap that stands below a row: the gap above the row that follows it.
int gapBelow(const ReportTable& table, int row) {
    return table.gapBelow(row) ? table.row(row + 1).format.gapAbove : 0;
}

int height(const ReportTable& table, int row) {
    return table.rowHeight(table.row(row).format.heightStyle, LayoutTarget::Printer);
}

void paginateColumns(const ReportTable& table, const platform::Rect& area, Pagination& result) {
    const int spacing = table.settings().columnSpacing;
    const int margin = table.settings().columnMargin;
    const std::vector<int>& widths = table.columnWidths();
    const int columns = table.columnCount();
    result.columnPage.assign(columns, 0);
    result.columnX.assign(columns, 0);
    result.columnWidth.assign(columns, 0);

    const int start = area.left + margin;
    int x = start;
    int pageColumn = 0;
    for (int i = 0; i < columns; ++i) {
        const int gap = i + 1 < columns ? spacing : 0;
        int width = widths[i];
        if (x + margin + gap + width > area.right && x > start) {
            ++pageColumn;
            x = start;
        }
        // A column wider than the printable width is cut, alone on its page column.
        if (x + margin + gap + width > area.right)
            width = std::max(0, area.right - margin - gap - x);
        result.columnPage[i] = pageColumn;
        result.columnX[i] = x;
        result.columnWidth[i] = width;
        x += gap + width;
    }
    result.pagesAcross = pageColumn + 1;
}

void paginateRows(const ReportTable& table, const platform::Rect& area, Pagination& result) {
    const int rows = table.rowCount();
    int y = area.top;
    int pageRow = 0;
    int contentTop = area.top;
    for (int i = 0; i < rows; ++i) {
        const RowFormat& format = table.row(i).format;
        if (y < area.top)
            y -= format.gapAbove;
        int needed = height(table, i);
        const int following = std::min(std::max(format.rowsAfter, 0), rows - 1 - i);
        for (int k = i + 1; k <= i + following; ++k)
            needed += table.row(k).format.gapAbove + height(table, k);

        // Only the first row of a block starts a new page row: the rest of a block taller
        // than the page runs past the bottom limit instead of breaking row by row.
        if (format.rowsBefore == 0 && y - needed < area.bottom && y < contentTop) {
            ++pageRow;
            y = area.top;
            // Only rows that already stood on an earlier page are repeated; a marked row
            // further down appears first in its own place.
            for (int k = 0; k < i; ++k) {
                if (!table.row(k).format.repeat)
                    continue;
                result.placements.push_back({pageRow, k, y});
                y -= gapBelow(table, k) + height(table, k);
            }
            contentTop = y;
        }
        result.placements.push_back({pageRow, i, y});
        y -= height(table, i);
    }
    result.pagesDown = pageRow + 1;
}

} // namespace

platform::Rect printableRect(const PageGeometry& page, const PageMargins& margins) {
    return {margins.left - page.offsetX, page.offsetY - margins.top,
            page.width - margins.right - page.offsetX, margins.bottom - page.height + page.offsetY};
}

Pagination paginate(const ReportTable& table, const PageGeometry& page, const PageMargins& margins,
                    double scale) {
    Pagination result;
    result.scale = scale > 0 && scale < 1 ? scale : 1.0;
    // Drawn smaller by the scale, the table sees a page larger by its inverse; rounding down
    // keeps it inside the real page.
    const auto enlarged = [&](int length) {
        return static_cast<int>(std::floor(length / result.scale));
    };
    const PageGeometry virtualPage{enlarged(page.width), enlarged(page.height),
                                   enlarged(page.offsetX), enlarged(page.offsetY)};
    const PageMargins virtualMargins{enlarged(margins.left), enlarged(margins.top),
                                     enlarged(margins.right), enlarged(margins.bottom)};
    const platform::Rect area = printableRect(virtualPage, virtualMargins);
    paginateColumns(table, area, result);
    paginateRows(table, area, result);
    return result;
}

double pageWidthScale(const ReportTable& table, const PageGeometry& page,
                      const PageMargins& margins) {
    const platform::Rect area = printableRect(page, margins);
    const std::vector<int>& widths = table.columnWidths();
    if (widths.empty())
        return 1.0;
    // As paginateColumns places them: a column margin at both ends, spacing between columns.
    long needed =
        2L * table.settings().columnMargin +
        static_cast<long>(table.settings().columnSpacing) * static_cast<long>(widths.size() - 1);
    for (const int width : widths)
        needed += width;
    const long available = area.right - area.left;
    if (needed <= available || available <= 0)
        return 1.0;
    return static_cast<double>(available) / static_cast<double>(needed);
}

} // namespace reports
