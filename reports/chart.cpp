#include "reports/chart.h"

#include <algorithm>
#include <cmath>

namespace reports {
namespace {

int lengthIn(int32_t value, int minimum, int maximum) {
    return std::clamp<int32_t>(value, minimum, maximum);
}

} // namespace

ChartSettings ChartSettings::of(const ledger::CTWEinstellungen& s) {
    ChartSettings c;
    c.fontName = s.chartFontName;
    c.width = lengthIn(s.chartWidth, 100, 100000);
    c.height = lengthIn(s.chartHeight, 100, 100000);
    c.textHeight = lengthIn(s.chartTextHeight, 1, 2000);
    c.titleHeight = lengthIn(s.chartTitleHeight, 1, 3000);
    c.margin = lengthIn(s.chartMargin, 0, 2000);
    c.textSpacing = lengthIn(s.chartTextSpacing, 0, 2000);
    c.lineWidth = lengthIn(s.chartLineWidth, 0, 500);
    // The colour is stored as red, green and blue in the low three bytes.
    const uint32_t colour = static_cast<uint32_t>(s.chartColour);
    c.lineColour = {static_cast<uint8_t>(colour & 0xff), static_cast<uint8_t>((colour >> 8) & 0xff),
                    static_cast<uint8_t>((colour >> 16) & 0xff)};
    c.printMarginLeft = lengthIn(s.chartPrintMarginLeft, 0, 5000);
    c.printMarginTop = lengthIn(s.chartPrintMarginTop, 0, 5000);
    return c;
}

bool Chart::create(std::string title, std::string currencySymbol, ledger::CNVKDatum firstDay,
                   ledger::CNVKDatum lastDay, int periodKind, const ChartSettings& settings,
                   const ledger::BetragFormat& format, double screenScale) {
    if (created_ || !(firstDay < lastDay))
        return false;
    created_ = true;
    title_ = std::move(title);
    currencySymbol_ = std::move(currencySymbol);
    firstDay_ = firstDay;
    lastDay_ = lastDay;
    periodKind_ = periodKind;
    points_.assign(lastDay.dayNumber() - firstDay.dayNumber() + 1, 0);
    settings_ = settings;
    format_ = format;
    screenScale_ = screenScale > 0 && std::isfinite(screenScale) ? screenScale : 1.0;
    return true;
}

void Chart::setPoint(ledger::CNVKDatum day, int64_t value) {
    if (day < firstDay_ || lastDay_ < day || !created_)
        return;
    points_[day.dayNumber() - firstDay_.dayNumber()] = value;
}

int Chart::scaled(int length, ChartTarget target) const {
    if (target == ChartTarget::Printer)
        return length;
    return static_cast<int>(std::floor(length * screenScale_ + 0.5));
}

AxisScale verticalScale(std::span<const int64_t> points, bool withZero, int height, int titleHeight,
                        int textHeight) {
    int64_t minimum = 0;
    int64_t maximum = 0;
    if (!points.empty()) {
        const auto [lo, hi] = std::minmax_element(points.begin(), points.end());
        minimum = *lo;
        maximum = *hi;
    }
    if (withZero) {
        minimum = std::min<int64_t>(minimum, 0);
        maximum = std::max<int64_t>(maximum, 0);
    }
    const int64_t room = int64_t{height} - 2 * int64_t{textHeight} - titleHeight;
    int64_t intervals = 1;
    if (room > 0 && textHeight > 0 && room / (2 * int64_t{textHeight}) >= 1)
        intervals = room / (2 * int64_t{textHeight});
    // The difference of two 64-bit values may need 65 bits.
    const __int128 span = static_cast<__int128>(maximum) - minimum;
    __int128 raw = span / intervals;
    __int128 magnitude = 1;
    while (raw > 8) {
        raw /= 10;
        magnitude *= 10;
    }
    const __int128 step = magnitude * (raw < 2 ? 1 : (raw < 4 ? 2 : 5));
    const __int128 low = minimum >= 0 ? (minimum / step) * step : (minimum / step - 1) * step;
    const __int128 high = maximum >= 0 ? (maximum / step + 1) * step : (maximum / step) * step;
    const auto fit = [](__int128 v) {
        return static_cast<int64_t>(std::clamp<__int128>(v, INT64_MIN, INT64_MAX));
    };
    return {fit(low), fit(high), fit(step)};
}

std::string axisLabel(int64_t value, const ledger::BetragFormat& format) {
    const std::string text = format.format(value);
    if (value % Chart::kUnit != 0)
        return text;
    // The amount text without its decimal separator and the two decimals.
    return text.substr(0, text.size() - 3);
}

} // namespace reports
