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

// Draws the rows that meet the clip rectangle, in table coordinates (as laid out).
void drawTable(const ReportTable& table, platform::Surface& surface, int displayMode,
               const platform::Rect& clip);

} // namespace reports
