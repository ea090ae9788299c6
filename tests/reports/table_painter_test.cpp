#include "reports/table_painter.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using platform::Color;
using platform::Rect;

// Records what is drawn, one line of text per call.
class RecordingSurface final : public platform::Surface {
public:
    std::vector<std::string> calls;

    int textWidth(const platform::FontSpec& f, std::string_view t) const override {
        return measurer.textWidth(f, t);
    }
    void fillRect(const Rect& r, Color c) override {
        calls.push_back("fill " + rect(r) + " " + std::to_string(c.red));
    }
    void drawLine(int, int, int, int, int, Color) override { ++lines; }
    void drawText(const Rect& r, std::string_view text, const platform::FontSpec& f,
                  platform::HAlign a, Color) override {
        calls.push_back("text " + rect(r) + " " + std::string(text) + " h" +
                        std::to_string(f.height) + " a" + std::to_string(int(a)));
    }
    void setClip(const Rect&) override {}
    void resetClip() override {}
    int dotsPerInch() const override { return 96; }

    int lines = 0;

private:
    static std::string rect(const Rect& r) {
        return std::to_string(r.left) + "," + std::to_string(r.top) + "," +
               std::to_string(r.right) + "," + std::to_string(r.bottom);
    }
    platform::FixedWidthMeasurer measurer;
};

reports::ReportTable sample() {
    reports::ReportTable t({"Arial", 40, 10, 30, 10, 1.0}, 2);
    t.setColumnAlignment(1, reports::kAlignRight);
    int r = t.addRow({{{185, 0, 0}, {205, 0, 0}}});
    t.setCell(r, 0, "Kopf", 2, reports::kAlignCenter);
    r = t.addRow({{{248, 0, 0}, {201, 0, 0}}});
    t.setCell(r, 0, "ab");
    t.setCell(r, 1, "1,00");
    t.setCell(r, 1, "");
    t.layout(platform::FixedWidthMeasurer{}, reports::LayoutTarget::Screen);
    return t;
}

TEST(TablePainter, DisplayModesChooseFillsAndGrid) {
    reports::ReportTable t = sample();
    const Rect all{-1000, 1000, 1000, -1000};

    RecordingSurface text;
    drawTable(t, text, reports::kTextOnly, all);
    // Column 0 is 40 wide, column 1 only what the title needs beyond it; an empty text is
    // not drawn.
    EXPECT_EQ(text.calls, std::vector<std::string>(
                              {"text 20,-10,100,-50 Kopf h40 a2", "text 20,-50,60,-90 ab h40 a0"}));
    EXPECT_EQ(text.lines, 0);

    RecordingSurface grey, colour, grid;
    drawTable(t, grey, reports::kGreyFills, all);
    drawTable(t, colour, reports::kColourFills, all);
    drawTable(t, grid, reports::kGridLines, all);
    EXPECT_EQ(grey.calls[0], "fill 10,-10,110,-50 185");
    EXPECT_EQ(colour.calls[2], "fill 10,-50,110,-90 201");
    EXPECT_EQ(grid.lines, 4 + 4 + 1); // two row frames, one cell separator in the second row
}

TEST(TablePainter, SkipsRowsOutsideTheClip) {
    reports::ReportTable t = sample();
    RecordingSurface s;
    drawTable(t, s, reports::kColourFills, {0, -60, 500, -500});
    ASSERT_EQ(s.calls.size(), 2u);
    EXPECT_EQ(s.calls[1], "text 20,-50,60,-90 ab h40 a0");
}

TEST(TablePainter, SkipsCellsBesideTheClip) {
    reports::ReportTable t({"Arial", 40, 10, 30, 10, 1.0}, 3);
    const int r = t.addRow({{{255, 0, 0}, {255, 0, 0}}});
    t.setCell(r, 0, "links");
    t.setCell(r, 1, "mitte");
    t.setCell(r, 2, "rechts");
    const int spanning = t.addRow({{{255, 0, 0}, {255, 0, 0}}});
    t.setCell(spanning, 0, "quer", 3);
    t.layout(platform::FixedWidthMeasurer{}, reports::LayoutTarget::Screen);
    const std::vector<int>& x = t.columnPositions();
    const std::vector<int>& w = t.columnWidths();

    RecordingSurface s;
    // Only the middle column is in sight; the spanning cell reaches into it.
    drawTable(t, s, reports::kTextOnly, {x[1] + 1, 1000, x[1] + w[1] - 1, -1000});
    const auto drawn = [&](const std::string& text) {
        return std::any_of(s.calls.begin(), s.calls.end(), [&](const std::string& call) {
            return call.find(" " + text + " h") != std::string::npos;
        });
    };
    EXPECT_EQ(s.calls.size(), 2u);
    EXPECT_TRUE(drawn("mitte"));
    EXPECT_TRUE(drawn("quer"));
    EXPECT_FALSE(drawn("links"));
    EXPECT_FALSE(drawn("rechts"));
}

// The rows drawn for a band of heights are found by bisection; they must be exactly the rows
// a walk over all rows finds, wherever the band's edges fall: on a row's top or bottom, in a
// gap, on rows without height, above or below the table.
TEST(TablePainter, RowsBetweenMatchesAWalkOverAllRows) {
    reports::ReportTable t({"Arial", 40, 10, 30, 10, 1.0}, 1);
    const int flat = t.addRowHeight(0);
    const int tall = t.addRowHeight(100);
    const struct {
        int style;
        int gap;
    } rows[] = {{0, 0}, {tall, 0},  {flat, 0}, {0, 10},   {flat, 10}, {flat, 0},
                {0, 0}, {tall, 20}, {0, 0},    {flat, 0}, {0, 10}};
    EXPECT_EQ(rowsBetween(t, 0, -1000).first, rowsBetween(t, 0, -1000).end); // not laid out
    for (const auto& row : rows) {
        reports::RowFormat format;
        format.heightStyle = row.style;
        format.gapAbove = row.gap;
        t.addRow(format);
    }
    t.layout(platform::FixedWidthMeasurer{}, reports::LayoutTarget::Printer);
    ASSERT_EQ(t.rowTop(0), -10);
    ASSERT_EQ(t.rowBottom(1), -150);

    std::vector<int> edges{50, 0};
    for (int r = 0; r < t.rowCount(); ++r)
        for (const int y : {t.rowTop(r), t.rowBottom(r)})
            for (const int d : {-1, 0, 1})
                edges.push_back(y + d);
    edges.push_back(t.rowBottom(t.rowCount() - 1) - 50);
    for (const int top : edges)
        for (const int bottom : edges) {
            std::vector<int> walked;
            for (int r = 0; r < t.rowCount(); ++r)
                if (t.rowBottom(r) < top && bottom < t.rowTop(r))
                    walked.push_back(r);
            const reports::RowRange range = rowsBetween(t, top, bottom);
            SCOPED_TRACE("band " + std::to_string(top) + " .. " + std::to_string(bottom));
            if (walked.empty()) {
                EXPECT_EQ(range.first, range.end);
                continue;
            }
            EXPECT_EQ(range, (reports::RowRange{walked.front(), walked.back() + 1}));
            EXPECT_EQ(static_cast<int>(walked.size()), range.end - range.first);
        }
}

} // namespace
