#include "reports/chart_painter.h"

#include "reports/periods.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace reports {
namespace {

using platform::Color;
using platform::Rect;

struct Colours {
    Color background;
    Color grid;
    Color axes;
};

constexpr Colours kScreenColours{{240, 240, 240}, {192, 192, 192}, {128, 128, 128}};
constexpr Colours kPrintColours{{255, 255, 255}, platform::kBlack, platform::kBlack};

// The calendar day, or the fallback where it lies outside the dates the ledger can hold.
ledger::CNVKDatum calendarDay(int d, int m, int y, ledger::CNVKDatum fallback) {
    return ledger::CNVKDatum::fromCalendar(d, m, y).value_or(fallback);
}

// The first day of the period of the kind that contains the day.
ledger::CNVKDatum periodStart(int periodKind, ledger::CNVKDatum day) {
    int d = 0, m = 0, y = 0;
    day.get(d, m, y);
    switch (periodKind) {
    case kMonatswerte:
        return calendarDay(1, m, y, day);
    case kQuartalswerte:
        return calendarDay(1, m - (m - 1) % 3, y, day);
    case kJahreswerte:
        return calendarDay(1, 1, y, day);
    default:
        return day;
    }
}

// The last day of the period of the kind that contains the day.
ledger::CNVKDatum periodEnd(int periodKind, ledger::CNVKDatum day) {
    int d = 0, m = 0, y = 0;
    day.get(d, m, y);
    int last = m;
    switch (periodKind) {
    case kMonatswerte:
        break;
    case kQuartalswerte:
        last = m - (m - 1) % 3 + 2;
        break;
    case kJahreswerte:
        last = 12;
        break;
    default:
        return day;
    }
    return calendarDay(ledger::CNVKDatum::daysInMonth(last, y), last, y, day);
}

// The plot area and the mapping of days and values into it. Every day of the axis has a cell
// of equal width with its point in the middle, so that a label centred under its days never
// reaches past the frame.
class Plot {
public:
    Plot(Rect area, uint32_t firstDay, uint32_t dayCount, AxisScale scale)
        : area_(area), firstDay_(firstDay), dayCount_(dayCount), scale_(scale) {}

    const Rect& area() const { return area_; }
    int x(uint32_t dayNumber) const {
        const int64_t i = int64_t{dayNumber} - firstDay_;
        return area_.left + static_cast<int>((2 * i + 1) * area_.width() / (2 * dayCount_));
    }
    // The left edge of the day's cell; the day after the axis gives the right end.
    int edgeBefore(uint32_t dayNumber) const {
        const int64_t i = int64_t{dayNumber} - firstDay_;
        return area_.left + static_cast<int>(i * area_.width() / dayCount_);
    }
    int y(int64_t value) const {
        const __int128 offset = static_cast<__int128>(value) - scale_.minimum;
        const __int128 range = static_cast<__int128>(scale_.maximum) - scale_.minimum;
        return area_.bottom + static_cast<int>(offset * area_.height() / range);
    }

private:
    Rect area_;
    uint32_t firstDay_;
    uint32_t dayCount_;
    AxisScale scale_;
};

// One label of the time axis: the period it names and its text.
struct ZeitLabel {
    uint32_t first;
    uint32_t last;
    std::string text;
};

// The periods of the kind over the days [first, last].
std::vector<ZeitLabel> timeLabels(int kind, uint32_t first, uint32_t last) {
    std::vector<ZeitLabel> labels;
    for (uint32_t day = first; day <= last;) {
        const uint32_t end = std::min(periodEnd(kind, ledger::CNVKDatum(day)).dayNumber(), last);
        labels.push_back({day, end, periodLabel(kind, ledger::CNVKDatum(day))});
        day = end + 1;
    }
    return labels;
}

// The finest labelling from the period kind on whose labels fit the width side by side.
std::vector<ZeitLabel> fittingLabels(const platform::Surface& surface,
                                     const platform::FontSpec& font, int periodKind, uint32_t first,
                                     uint32_t last, int width, int spacing) {
    for (int kind = periodKind; kind <= kJahreswerte; ++kind) {
        // Before building every label: one label's width bounds how many can fit.
        const int sample = surface.textWidth(font, periodLabel(kind, ledger::CNVKDatum(first)));
        const uint32_t dayCount = last - first + 1;
        const int64_t atLeast = kind == kEntwicklung ? dayCount : 1;
        if (atLeast * (int64_t{sample} + spacing) > width)
            continue;
        std::vector<ZeitLabel> labels = timeLabels(kind, first, last);
        int widest = 0;
        for (const ZeitLabel& label : labels)
            widest = std::max(widest, surface.textWidth(font, label.text));
        if (static_cast<int64_t>(labels.size()) * (int64_t{widest} + spacing) <= width)
            return labels;
    }
    return {};
}

// The curve through the day points. Days that fall on the same x are drawn as one vertical
// stroke from their lowest to their highest value, and lines that continue each other
// horizontally as one line: the same picture with a few thousand lines at most, however many
// years the chart spans.
void drawCurve(const Chart& chart, platform::Surface& surface, const Plot& plot, int penWidth) {
    const std::vector<int64_t>& points = chart.points();
    const uint32_t first = chart.firstDay().dayNumber();
    const Color colour = chart.settings().lineColour;
    const auto x = [&](std::size_t i) { return plot.x(first + static_cast<uint32_t>(i)); };
    struct Line {
        int x1, y1, x2, y2;
    };
    std::optional<Line> pending;
    const auto flush = [&] {
        if (pending)
            surface.drawLine(pending->x1, pending->y1, pending->x2, pending->y2, penWidth, colour);
        pending.reset();
    };
    // Adds the line from the end of the last one on.
    const auto lineTo = [&](int x1, int y1, int x2, int y2) {
        if (pending && pending->y1 == y1 && y1 == y2) {
            pending->x2 = x2;
            return;
        }
        flush();
        pending = Line{x1, y1, x2, y2};
    };
    int lastX = 0;
    int lastY = 0;
    for (std::size_t i = 0; i < points.size();) {
        const int column = x(i);
        int64_t low = points[i];
        int64_t high = points[i];
        std::size_t j = i;
        for (; j + 1 < points.size() && x(j + 1) == column; ++j) {
            low = std::min(low, points[j + 1]);
            high = std::max(high, points[j + 1]);
        }
        if (i > 0)
            lineTo(lastX, lastY, column, plot.y(points[i]));
        if (low != high) {
            flush();
            surface.drawLine(column, plot.y(low), column, plot.y(high), penWidth, colour);
        }
        lastX = column;
        lastY = plot.y(points[j]);
        i = j + 1;
    }
    flush();
}

} // namespace

void drawChart(const Chart& chart, platform::Surface& surface, ChartTarget target, int left,
               int top) {
    if (!chart.isCreated())
        return;
    const ChartSettings& s = chart.settings();
    const Colours& colours = target == ChartTarget::Screen ? kScreenColours : kPrintColours;
    const int width = chart.width(target);
    const int height = chart.height(target);
    const int margin = chart.scaled(s.margin, target);
    const int titleHeight = chart.scaled(s.titleHeight, target);
    const int textHeight = chart.scaled(s.textHeight, target);
    const int spacing = chart.scaled(s.textSpacing, target);
    // A title wider than the chart is set smaller, down to the text height, rather than cut.
    platform::FontSpec titleFont{s.fontName, titleHeight, false};
    const int titleRoom = width - 2 * margin;
    if (const int titleWidth = surface.textWidth(titleFont, chart.title()); titleWidth > titleRoom)
        titleFont.height =
            std::max<int>(textHeight, static_cast<int>(int64_t{titleHeight} *
                                                       std::max(titleRoom, 0) / titleWidth));
    const platform::FontSpec font{s.fontName, textHeight, false};

    surface.fillRect({left, top, left + width, top - height}, colours.background);
    surface.drawText(
        {left + margin, top - margin, left + width - margin, top - margin - titleHeight},
        chart.title(), titleFont, platform::HAlign::Center, platform::kBlack);

    const AxisScale scale = verticalScale(chart.points(), chart.periodKind() != kEntwicklung,
                                          height, titleHeight, textHeight);
    std::vector<std::pair<int64_t, std::string>> valueLabels;
    int labelWidth = 0;
    for (int64_t v = scale.minimum; v <= scale.maximum; v += scale.step) {
        valueLabels.emplace_back(v, axisLabel(v, chart.format()));
        labelWidth = std::max(labelWidth, surface.textWidth(font, valueLabels.back().second));
        if (scale.maximum - v < scale.step)
            break;
    }
    const Rect area{left + margin + labelWidth + spacing, top - margin - titleHeight - textHeight,
                    left + width - margin - textHeight,
                    top - height + margin + textHeight + spacing};
    if (area.width() <= 0 || area.height() <= 0)
        return;

    // The time axis covers whole periods around the range.
    const uint32_t axisFirst = periodStart(chart.periodKind(), chart.firstDay()).dayNumber();
    const uint32_t axisLast = periodEnd(chart.periodKind(), chart.lastDay()).dayNumber();
    const Plot plot(area, axisFirst, axisLast - axisFirst + 1, scale);

    for (const auto& [value, text] : valueLabels) {
        const int y = plot.y(value);
        surface.drawLine(area.left, y, area.right, y, 0, colours.grid);
        surface.drawText(
            {left + margin, y + textHeight / 2, area.left - spacing, y - textHeight / 2}, text,
            font, platform::HAlign::Right, platform::kBlack);
    }
    // The unit stands above the plot's left corner, clear of the highest value label.
    surface.drawText({area.left, area.top + textHeight, area.right, area.top},
                     chart.currencySymbol(), font, platform::HAlign::Left, platform::kBlack);

    const std::vector<ZeitLabel> labels = fittingLabels(surface, font, chart.periodKind(),
                                                        axisFirst, axisLast, area.width(), spacing);
    for (const ZeitLabel& label : labels) {
        const int from = plot.edgeBefore(label.first);
        const int to = plot.edgeBefore(label.last + 1);
        if (label.first != axisFirst)
            surface.drawLine(from, area.top, from, area.bottom, 0, colours.grid);
        surface.drawText({from, area.bottom - spacing, to, area.bottom - spacing - textHeight},
                         label.text, font, platform::HAlign::Center, platform::kBlack);
    }

    // The frame, and the zero line when zero lies inside the value range.
    surface.drawLine(area.left, area.top, area.right, area.top, 0, colours.axes);
    surface.drawLine(area.right, area.top, area.right, area.bottom, 0, colours.axes);
    surface.drawLine(area.left, area.bottom, area.right, area.bottom, 0, colours.axes);
    surface.drawLine(area.left, area.top, area.left, area.bottom, 0, colours.axes);
    if (scale.minimum < 0 && scale.maximum > 0)
        surface.drawLine(area.left, plot.y(0), area.right, plot.y(0), 0, colours.axes);

    drawCurve(chart, surface, plot, chart.scaled(s.lineWidth, target));
}

} // namespace reports
