#include "golden.h"
#include "ledger/win1252.h"
#include "reports/chart_builder.h"
#include "reports/chart_painter.h"
#include "reports/svg_surface.h"
#include "support/recording_surface.h"
#include "support/test_ledger.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <numeric>

namespace {

using namespace ledger;
using testsupport::date;

reports::ReportParams params(const char* from, const char* to, int periodKind, int valueKind) {
    reports::ReportParams p;
    p.start = date(from);
    p.end = date(to);
    p.periodKind = periodKind;
    p.valueKind = valueKind;
    return p;
}

int64_t pointOn(const reports::Chart& chart, const char* day) {
    return chart.points().at(date(day).dayNumber() - chart.firstDay().dayNumber());
}

TEST(Chart, FlowsRestartEachPeriodAndBalancesNever) {
    testsupport::TestLedger l;
    const int32_t giro = l.asset("Giro", 1, 10000);
    const int32_t karte = l.asset("Karte", 2, -2000);
    const int32_t gehalt = l.income("Gehalt", 3);
    const int32_t miete = l.expense("Miete", 4);
    l.book("10.01.2024", Vorgang::Einnahme, giro, gehalt, 5000);
    l.book("31.01.2024", Vorgang::Einnahme, giro, gehalt, 700);
    l.book("01.02.2024", Vorgang::Einnahme, giro, gehalt, 300);
    l.book("02.02.2024", Vorgang::Ausgabe, karte, miete, 1000);
    l.book("02.01.2025", Vorgang::Einnahme, karte, gehalt, 5000);

    const reports::Chart income =
        reports::buildTotalChart(l.doc, params("01.01.2024", "29.02.2024", 1, reports::kEinnahmen));
    EXPECT_EQ(income.title(), "Einnahmen (01.01.2024 bis 29.02.2024)");
    EXPECT_EQ(income.points().size(), 60u);
    EXPECT_EQ(pointOn(income, "09.01.2024"), 0);
    EXPECT_EQ(pointOn(income, "31.01.2024"), 5700); // January's income
    EXPECT_EQ(pointOn(income, "01.02.2024"), 300);  // only 1 February's
    EXPECT_EQ(pointOn(income, "29.02.2024"), 300);

    // "Guthaben" sums the accounts that are not negative on each day, across years.
    const reports::Chart guthaben =
        reports::buildTotalChart(l.doc, params("30.12.2024", "03.01.2025", 3, reports::kGuthaben));
    EXPECT_EQ(guthaben.points(), (std::vector<int64_t>{16000, 16000, 16000, 16000 + 2000, 18000}));

    // The account chart follows the account's value with the same rebasing.
    reports::ReportParams p = params("30.01.2024", "02.02.2024", 1, reports::kGuthaben);
    p.selection = {reports::Selection::kKonto, gehalt};
    EXPECT_EQ(reports::buildAccountChart(l.doc, p).points(),
              (std::vector<int64_t>{0, 700, 300, 300}));
    EXPECT_EQ(miete, 3);
}

TEST(Chart, RangeOfOneDayHasTwoPointsAndInvalidSelectionOnlyATitle) {
    testsupport::TestLedger l;
    const int32_t giro = l.asset("Giro", 1, 12345);
    reports::Chart chart =
        reports::buildTotalChart(l.doc, params("05.03.2024", "05.03.2024", 0, reports::kVermoegen));
    EXPECT_EQ(chart.firstDay(), date("04.03.2024"));
    EXPECT_EQ(chart.points(), (std::vector<int64_t>{12345, 12345}));
    // Creating twice or over a reversed range fails.
    EXPECT_FALSE(chart.create("x", "EUR", date("01.01.2024"), date("02.01.2024"), 0, {}, {}, 1));
    reports::Chart reversed;
    EXPECT_FALSE(reversed.create("x", "EUR", date("02.01.2024"), date("02.01.2024"), 0, {}, {}, 1));
    EXPECT_FALSE(reversed.isCreated());

    reports::ReportParams p = params("01.03.2024", "05.03.2024", 0, reports::kGuthaben);
    p.selection = {reports::Selection::kKonto, giro + 7};
    const reports::Chart none = reports::buildAccountChart(l.doc, p);
    EXPECT_EQ(none.title(), "<bitte Konto/Kategorie auswählen>  (01.03.2024 bis 05.03.2024)");
    EXPECT_EQ(std::accumulate(none.points().begin(), none.points().end(), int64_t{0}), 0);
}

TEST(Chart, AxisLabelsAndScale) {
    const BetragFormat defaults;
    EXPECT_EQ(reports::axisLabel(12345600, defaults), "123.456");
    EXPECT_EQ(reports::axisLabel(1234550, defaults), "12.345,50");
    EXPECT_EQ(reports::axisLabel(-200000, defaults), "-2.000");
    EXPECT_EQ(reports::axisLabel(-50, defaults), "-0,50");

    // Height 460, title 60, text 40: room for (460 - 80 - 60) / 80 = 4 intervals.
    const std::vector<int64_t> rising{0, 30000, 95000};
    EXPECT_EQ(reports::verticalScale(rising, false, 460, 60, 40),
              (reports::AxisScale{0, 100000, 20000}));
    // A negative minimum gets one step below it; with flows zero is always inside, and a
    // maximum of zero one step above it.
    const std::vector<int64_t> negative{-95000, -30000};
    EXPECT_EQ(reports::verticalScale(negative, false, 460, 60, 40),
              (reports::AxisScale{-100000, -30000, 10000}));
    EXPECT_EQ(reports::verticalScale(negative, true, 460, 60, 40),
              (reports::AxisScale{-100000, 20000, 20000}));
    // No room for intervals: one interval; a flat curve still gets a step.
    const std::vector<int64_t> flat{500, 500};
    EXPECT_EQ(reports::verticalScale(flat, false, 100, 60, 40), (reports::AxisScale{500, 501, 1}));
}

// A small chart over three days, drawn on screen at scale 1.
reports::Chart smallChart(int periodKind) {
    reports::ChartSettings s;
    s.width = 600;
    s.height = 460;
    reports::Chart chart;
    chart.create("Vermögen", "EUR", date("30.01.2024"), date("01.02.2024"), periodKind, s, {}, 1.0);
    chart.setPoint(date("31.01.2024"), 95000);
    chart.setPoint(date("01.02.2024"), 95000);
    return chart;
}

TEST(ChartPainter, DrawsTheRecordedOperations) {
    testsupport::RecordingSurface screen;
    reports::drawChart(smallChart(0), screen, reports::ChartTarget::Screen, 0, 0);
    std::string recorded;
    for (const std::string& call : screen.calls)
        recorded += ledger::toUtf8(call) + "\n";
    testgolden::expectGolden("reports/chart_draw_ops.txt", recorded);

    // On paper: white background, black grid, the curve unchanged.
    testsupport::RecordingSurface paper;
    reports::drawChart(smallChart(0), paper, reports::ChartTarget::Printer, 150, -150);
    EXPECT_EQ(paper.calls.front(), "fill 150,-150,750,-610 (255,255,255)");
    EXPECT_EQ(paper.calls.size(), screen.calls.size());
    EXPECT_NE(
        std::find(paper.calls.begin(), paper.calls.end(), "line 270,-550 700,-550 w0 (0,0,0)"),
        paper.calls.end());
}

// A title wider than the chart is set smaller, never below the text height.
TEST(ChartPainter, LongTitlesShrinkToTheWidth) {
    const auto titleCall = [](const std::string& title, int width) {
        reports::ChartSettings s;
        s.width = width;
        s.height = 460;
        reports::Chart chart;
        chart.create(title, "EUR", date("01.01.2024"), date("31.01.2024"), 0, s, {}, 1.0);
        testsupport::RecordingSurface screen;
        reports::drawChart(chart, screen, reports::ChartTarget::Screen, 0, 0);
        return screen.calls.at(1);
    };
    EXPECT_NE(titleCall("Kurz", 600).find("\"Kurz\" Arial 60 center"), std::string::npos);
    const std::string title(25, 'x');
    platform::FixedWidthMeasurer measurer;
    const int full = measurer.textWidth({"Arial", 60, false}, title);
    ASSERT_GT(full, 580); // wider than the 600 less the margins
    const std::string shrunk = titleCall(title, 600);
    int height = 0;
    ASSERT_EQ(std::sscanf(shrunk.substr(shrunk.find("Arial")).c_str(), "Arial %d", &height), 1);
    EXPECT_LT(height, 60);
    EXPECT_GE(height, 40);
    EXPECT_LE(measurer.textWidth({"Arial", height, false}, title), 580);
    // On a very narrow chart it stops at the text height.
    EXPECT_NE(titleCall(title, 200).find(" Arial 40 center"), std::string::npos);
}

// The lines of the curve (line width 5, red) a chart draws on the screen.
std::vector<std::array<int, 4>> curveLines(const reports::Chart& chart) {
    testsupport::RecordingSurface screen;
    reports::drawChart(chart, screen, reports::ChartTarget::Screen, 0, 0);
    std::vector<std::array<int, 4>> lines;
    for (const std::string& call : screen.calls) {
        std::array<int, 4> l{};
        if (call.ends_with(" w5 (255,0,0)") &&
            std::sscanf(call.c_str(), "line %d,%d %d,%d", &l[0], &l[1], &l[2], &l[3]) == 4)
            lines.push_back(l);
    }
    return lines;
}

// Thirty years on a chart 600 wide: days sharing an x become one vertical stroke, so the
// curve needs at most two lines per x, and it still spans the same heights as on a chart wide
// enough to give every day its own x (the vertical scale depends on the height only).
TEST(ChartPainter, LongRangesDrawOneStrokePerColumn) {
    const CNVKDatum first = date("01.01.1996");
    const CNVKDatum last = date("31.12.2025");
    const uint32_t days = last.dayNumber() - first.dayNumber() + 1;
    const auto sawTooth = [&](int width) {
        reports::ChartSettings s;
        s.width = width;
        s.height = 460;
        reports::Chart chart;
        chart.create("Vermögen", "EUR", first, last, 0, s, {}, 1.0);
        for (uint32_t i = 0; i < days; ++i)
            chart.setPoint(CNVKDatum(first.dayNumber() + i),
                           i % 5 == 4 ? -100000 - int64_t{i} : 100000 + int64_t{i});
        return curveLines(chart);
    };
    const auto heights = [](const std::vector<std::array<int, 4>>& lines) {
        int top = std::numeric_limits<int>::min(), bottom = std::numeric_limits<int>::max();
        for (const auto& l : lines) {
            top = std::max({top, l[1], l[3]});
            bottom = std::min({bottom, l[1], l[3]});
        }
        return std::pair(top, bottom);
    };
    const std::vector<std::array<int, 4>> narrow = sawTooth(600);
    const std::vector<std::array<int, 4>> wide = sawTooth(20000);
    ASSERT_FALSE(narrow.empty());
    EXPECT_LE(narrow.size(), 2u * 600);
    EXPECT_EQ(heights(narrow), heights(wide));
    // One line after the other, left to right.
    for (std::size_t i = 0; i < narrow.size(); ++i) {
        EXPECT_LE(narrow[i][0], narrow[i][2]);
        if (i > 0) {
            EXPECT_LE(narrow[i - 1][0], narrow[i][0]);
        }
    }
}

TEST(ChartPainter, SvgHoldsTheChart) {
    reports::SvgSurface svg;
    reports::drawChart(smallChart(1), svg, reports::ChartTarget::Screen, 0, 0);
    const std::string text = svg.document({0, 0, 600, -460});
    EXPECT_EQ(text.rfind("<?xml", 0), 0u);
    EXPECT_NE(text.find("viewBox=\"0 0 600 460\""), std::string::npos);
    EXPECT_NE(text.find(">Verm\xc3\xb6gen</text>"), std::string::npos); // written as UTF-8
    EXPECT_NE(text.find(">01/2024</text>"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 7), "</svg>\n");
}

} // namespace
