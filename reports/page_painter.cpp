#include "reports/page_painter.h"

#include "reports/table_painter.h"

#include <algorithm>

namespace reports {

namespace {

using platform::Rect;

int rowHeight(const ReportTable& table, int row) {
    return table.rowHeight(table.row(row).format.heightStyle, LayoutTarget::Printer);
}

// The page-column-relative geometry of the page being drawn.
struct PageColumn {
    int index = 0;
    int first = -1; // first and last table column printed on it
    int last = -1;
};

// The background rectangle of the placement at index p: the whole of its print block as far
// as it stands on the same page row.
Rect blockRect(const ReportTable& table, const Pagination& pagination, size_t p, int left,
               int right) {
    const std::vector<RowPlacement>& placements = pagination.placements;
    const RowPlacement& placement = placements[p];
    const RowFormat& format = table.row(placement.row).format;
    size_t first = p;
    for (int k = 0;
         k < format.rowsBefore && first > 0 && placements[first - 1].pageRow == placement.pageRow;
         ++k)
        --first;
    size_t last = p;
    for (int k = 0; k < format.rowsAfter && last + 1 < placements.size() &&
                    placements[last + 1].pageRow == placement.pageRow;
         ++k)
        ++last;
    return {left, placements[first].top, right,
            placements[last].top - rowHeight(table, placements[last].row)};
}

// The horizontal extent of a cell spanning columns c to last on this page column: columns on
// other page columns widen it as if the table went on beyond the paper.
std::pair<int, int> cellExtent(const Pagination& pagination, const PageColumn& page, int spacing,
                               int c, int last) {
    const int a = std::max(c, page.first);
    const int b = std::min(last, page.last);
    int left = pagination.columnX[a];
    for (int k = c; k < a; ++k)
        left -= pagination.columnWidth[k] + spacing;
    int right = pagination.columnX[b] + pagination.columnWidth[b];
    if (last > b)
        right += spacing;
    for (int k = b + 1; k <= last; ++k)
        right += pagination.columnWidth[k] + spacing;
    return {left, right};
}

} // namespace

void drawPage(const ReportTable& table, const Pagination& pagination, platform::Surface& surface,
              int displayMode, int page) {
    if (page < 1 || page > pagination.pageCount() || table.columnCount() == 0)
        return;
    PageColumn column{pagination.pageColumnOf(page)};
    for (int c = 0; c < table.columnCount(); ++c) {
        if (pagination.columnPage[c] != column.index)
            continue;
        if (column.first < 0)
            column.first = c;
        column.last = c;
    }
    if (column.first < 0)
        return;
    const int pageRow = pagination.pageRowOf(page);
    const int spacing = table.settings().columnSpacing;
    const int margin = table.settings().columnMargin;
    const int trailing = column.last + 1 < table.columnCount() ? spacing : 0;
    const int left = pagination.columnX[column.first] - margin;
    const int right =
        pagination.columnX[column.last] + pagination.columnWidth[column.last] + trailing + margin;

    for (size_t p = 0; p < pagination.placements.size(); ++p) {
        const RowPlacement& placement = pagination.placements[p];
        if (placement.pageRow != pageRow)
            continue;
        const ReportRow& row = table.row(placement.row);
        if (displayMode != kTextOnly) {
            const Rect block = blockRect(table, pagination, p, left, right);
            if (displayMode == kGridLines) {
                drawOutline(surface, block, platform::kBlack);
            } else {
                const platform::Color fill =
                    displayMode == kGreyFills ? row.format.fill.grey : row.format.fill.colour;
                surface.fillRect(block, fill);
                drawOutline(surface, block, fill);
            }
        }
        const platform::FontSpec font = table.font(row.format.heightStyle);
        const int top = placement.top;
        const int bottom = top - rowHeight(table, placement.row);
        for (int c = 0; c < table.columnCount(); ++c) {
            const ReportCell cell = table.cell(placement.row, c);
            const int last = c + cell.span - 1;
            if (cell.text.empty() || last < column.first || c > column.last)
                continue;
            const auto [cellLeft, cellRight] = cellExtent(pagination, column, spacing, c, last);
            surface.drawText({cellLeft, top, cellRight, bottom}, cell.text, font,
                             horizontalAlignment(table.effectiveAlignment(cell, c)),
                             platform::kBlack);
        }
    }
}

} // namespace reports
