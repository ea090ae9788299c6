#include "reports/table_painter.h"

#include <algorithm>

namespace reports {
namespace {

using platform::Rect;

// The grid between the cells of a row: a line in the middle of the spacing before every cell
// that does not start in the first column.
void drawCellSeparators(const ReportTable& table, platform::Surface& surface, int row,
                        const Rect& rowRect) {
    const std::vector<int>& x = table.columnPositions();
    const int halfSpacing = table.scaled(table.settings().columnSpacing) / 2;
    for (int c = 0; c < table.columnCount();) {
        if (c > 0)
            surface.drawLine(x[c] - halfSpacing, rowRect.top, x[c] - halfSpacing, rowRect.bottom, 0,
                             platform::kBlack);
        c += table.cell(row, c).span;
    }
}

} // namespace

platform::HAlign horizontalAlignment(int align) {
    switch (align) {
    case kAlignRight:
        return platform::HAlign::Right;
    case kAlignCenter:
        return platform::HAlign::Center;
    default:
        return platform::HAlign::Left;
    }
}

RowRange rowsBetween(const ReportTable& table, int top, int bottom) {
    if (!table.isLaidOut())
        return {};
    // Row tops and bottoms never rise from one row to the next: the rows that end below the
    // band's top form a tail, those that start above its bottom a head.
    const auto firstFailing = [&](auto holds) {
        int low = 0;
        int high = table.rowCount();
        while (low < high) {
            const int middle = low + (high - low) / 2;
            if (holds(middle))
                low = middle + 1;
            else
                high = middle;
        }
        return low;
    };
    const int first = firstFailing([&](int r) { return table.rowBottom(r) >= top; });
    const int end = firstFailing([&](int r) { return table.rowTop(r) > bottom; });
    return {first, std::max(first, end)};
}

void drawOutline(platform::Surface& surface, const Rect& r, platform::Color color) {
    surface.drawLine(r.left, r.top, r.right, r.top, 0, color);
    surface.drawLine(r.left, r.bottom, r.right, r.bottom, 0, color);
    surface.drawLine(r.left, r.top, r.left, r.bottom, 0, color);
    surface.drawLine(r.right, r.top, r.right, r.bottom, 0, color);
}

void drawTable(const ReportTable& table, platform::Surface& surface, int displayMode,
               const Rect& clip) {
    if (!table.isLaidOut() || table.columnCount() == 0)
        return;
    const std::vector<int>& x = table.columnPositions();
    const std::vector<int>& w = table.columnWidths();
    const int margin = table.scaled(table.settings().columnMargin);
    const int left = x.front() - margin;
    const int right = x.back() + w.back() + margin;

    surface.setClip(clip);
    const RowRange inSight = rowsBetween(table, clip.top, clip.bottom);
    for (int r = inSight.first; r < inSight.end; ++r) {
        const Rect rowRect{left, table.rowTop(r), right, table.rowBottom(r)};
        if (!rowRect.intersects(clip))
            continue;
        const ReportRow& row = table.row(r);
        if (displayMode == kGreyFills || displayMode == kColourFills)
            surface.fillRect(rowRect, displayMode == kGreyFills ? row.format.fill.grey
                                                                : row.format.fill.colour);
        if (displayMode == kGridLines) {
            drawOutline(surface, rowRect, platform::kBlack);
            drawCellSeparators(table, surface, r, rowRect);
        }
        const platform::FontSpec font = table.font(row.format.heightStyle);
        for (int c = 0; c < table.columnCount(); ++c) {
            const ReportCell cell = table.cell(r, c);
            if (cell.text.empty())
                continue;
            const int last = c + cell.span - 1;
            const Rect cellRect{x[c], rowRect.top, x[last] + w[last], rowRect.bottom};
            // Texts are clipped to their cells: a cell beside the clip shows nothing, and a
            // wide table draws only the columns in sight.
            if (cellRect.right < clip.left || cellRect.left > clip.right)
                continue;
            surface.drawText(cellRect, cell.text, font,
                             horizontalAlignment(table.effectiveAlignment(cell, c)),
                             platform::kBlack);
        }
    }
    surface.resetClip();
}

} // namespace reports
