// Draws a laid-out report table onto a Surface in one of the four display modes.
#pragma once

#include "platform/surface.h"
#include "reports/report_table.h"

namespace reports {

// Display modes of tables on the screen and on paper.
enum DisplayMode : int { kTextOnly = 0, kGridLines = 1, kGreyFills = 2, kColourFills = 3 };

// The horizontal alignment of a cell or column alignment value.
platform::HAlign horizontalAlignment(int align);
// The four edges of the rectangle as hairlines in the colour.
void drawOutline(platform::Surface& surface, const platform::Rect& rect, platform::Color color);

// A half-open range of row indices, [first, end); empty when first == end.
struct RowRange {
    int first = 0;
    int end = 0;

    bool operator==(const RowRange&) const = default;
};

// The rows of a laid-out table whose areas (without the gaps above them) reach into the band
// strictly between the heights top and bottom (top above bottom); empty for a table that is
// not laid out. Found by bisection, so drawing a window of a long list costs the same
// wherever the window stands.
RowRange rowsBetween(const ReportTable& table, int top, int bottom);

// Draws the rows that meet the clip rectangle, in table coordinates (as laid out).
void drawTable(const ReportTable& table, platform::Surface& surface, int displayMode,
               const platform::Rect& clip);

} // namespace reports
