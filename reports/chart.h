// The chart of the two chart views: one value per day of a date range, with the settings it
// is drawn with, the vertical scale and the texts of its axis labels. Lengths are tenths of a
// millimetre; values are hundredths.
#pragma once

#include "ledger/betrag.h"
#include "ledger/datum.h"
#include "ledger/einstellungen.h"
#include "platform/surface.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace reports {

// The chart settings of a document, kept within the ranges a drawing can use.
struct ChartSettings {
    std::string fontName = "Arial";
    int width = 1500;
    int height = 1000;
    int textHeight = 40;
    int titleHeight = 60;
    int margin = 10;
    int textSpacing = 10;
    int lineWidth = 5;
    platform::Color lineColour{255, 0, 0};
    int printMarginLeft = 150;
    int printMarginTop = 150;

    static ChartSettings of(const ledger::CTWEinstellungen& settings);
};

// Where a chart is drawn: the screen scales its lengths and has a grey background; on paper
// the lengths stay as set and background and grid are white and black.
enum class ChartTarget { Screen, Printer };

// The range of the value axis and the distance of its grid lines.
struct AxisScale {
    int64_t minimum = 0;
    int64_t maximum = 0;
    int64_t step = 1;

    bool operator==(const AxisScale&) const = default;
};

class Chart {
public:
    // Values are hundredths: axis labels divide by this.
    static constexpr int64_t kUnit = 100;

    // Fails (and leaves the chart as it is) when it was already created or when the first day
    // is not before the last day. All points start at 0.
    bool create(std::string title, std::string currencySymbol, ledger::CNVKDatum firstDay,
                ledger::CNVKDatum lastDay, int periodKind, const ChartSettings& settings,
                const ledger::BetragFormat& format, double screenScale);
    bool isCreated() const { return created_; }

    // Sets the value of a day; a day outside the range is ignored.
    void setPoint(ledger::CNVKDatum day, int64_t value);

    const std::string& title() const { return title_; }
    const std::string& currencySymbol() const { return currencySymbol_; }
    ledger::CNVKDatum firstDay() const { return firstDay_; }
    ledger::CNVKDatum lastDay() const { return lastDay_; }
    int periodKind() const { return periodKind_; }
    const std::vector<int64_t>& points() const { return points_; }
    const ChartSettings& settings() const { return settings_; }
    const ledger::BetragFormat& format() const { return format_; }
    double screenScale() const { return screenScale_; }

    // A length of the settings as drawn on the target.
    int scaled(int length, ChartTarget target) const;
    // Width and height of the drawing on the target.
    int width(ChartTarget target) const { return scaled(settings_.width, target); }
    int height(ChartTarget target) const { return scaled(settings_.height, target); }

private:
    bool created_ = false;
    std::string title_;
    std::string currencySymbol_;
    ledger::CNVKDatum firstDay_;
    ledger::CNVKDatum lastDay_;
    int periodKind_ = 0;
    std::vector<int64_t> points_;
    ChartSettings settings_;
    ledger::BetragFormat format_;
    double screenScale_ = 1.0;
};

// The value axis for the points: with `withZero` (period kinds other than "Entwicklung") the
// range always contains 0. height, titleHeight and textHeight are the drawn lengths.
AxisScale verticalScale(std::span<const int64_t> points, bool withZero, int height, int titleHeight,
                        int textHeight);

// The text of a value axis label: whole units with thousands grouping ("123.456"), other
// values with two decimals ("12.345,50").
std::string axisLabel(int64_t value, const ledger::BetragFormat& format);

} // namespace reports
