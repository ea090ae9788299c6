// Draws a chart onto a Surface: background, title, value axis with its grid and labels, the
// labels of months, quarters, years or days along the time axis, and the curve through the
// day points.
#pragma once

#include "platform/surface.h"
#include "reports/chart.h"

namespace reports {

// Draws the chart with its top left corner at (left, top); y grows upwards, so the chart
// extends to top - height. A chart that was not created draws nothing.
void drawChart(const Chart& chart, platform::Surface& surface, ChartTarget target, int left,
               int top);

} // namespace reports
