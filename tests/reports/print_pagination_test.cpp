#include "reports/page_painter.h"
#include "reports/print_pagination.h"
#include "reports/table_painter.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

using reports::LayoutTarget;
using reports::PageGeometry;
using reports::PageMargins;
using reports::Pagination;
using reports::ReportTable;
using reports::RowFormat;
using reports::RowPlacement;

const platform::FixedWidthMeasurer kMeasurer;

// A 1000 x 1000 page without unprintable border and margins of 100: columns from x = 110
// (margin 100 plus column margin 10) up to 900, rows from y = -100 down to -900, room for
// 20 ordinary rows of 40. Every character of the 40 high font is 20 wide.
const PageGeometry kPage{1000, 1000, 0, 0};
const PageMargins kMargins{100, 100, 100, 100};

RowFormat format(int gapAbove, int rowsBefore, int rowsAfter, bool repeat = false,
                 int heightStyle = 0) {
    RowFormat f;
    f.gapAbove = gapAbove;
    f.rowsBefore = rowsBefore;
    f.rowsAfter = rowsAfter;
    f.repeat = repeat;
    f.heightStyle = heightStyle;
    return f;
}

ReportTable columnsOfWidths(const std::vector<int>& characters) {
    ReportTable t({}, static_cast<int>(characters.size()));
    const int r = t.addRow({});
    for (size_t c = 0; c < characters.size(); ++c)
        t.setCell(r, static_cast<int>(c), std::string(characters[c], 'x'));
    return t;
}

Pagination paginate(ReportTable& t, const PageGeometry& page = kPage) {
    t.layout(kMeasurer, LayoutTarget::Printer);
    return reports::paginate(t, page, kMargins);
}

// A title row, a block of column-title rows that repeats, and data rows.
ReportTable listing(int dataRows, int titleRows = 2, bool repeatTitle = false) {
    ReportTable t({}, 1);
    const int titleStyle = t.addRowHeight(60);
    t.setCell(t.addRow(format(0, 0, 0, repeatTitle, titleStyle)), 0, "Titel");
    for (int k = 0; k < titleRows; ++k) {
        const int r = t.addRow(format(k == 0 ? 10 : 0, k, titleRows - 1 - k, true));
        t.setCell(r, 0, "Spalte");
    }
    for (int k = 0; k < dataRows; ++k)
        t.setCell(t.addRow({}), 0, std::to_string(k));
    return t;
}

std::vector<int> rowsOnPageRow(const Pagination& p, int pageRow) {
    std::vector<int> rows;
    for (const RowPlacement& placement : p.placements)
        if (placement.pageRow == pageRow)
            rows.push_back(placement.row);
    return rows;
}

TEST(PrintPagination, ColumnsGoToTheNextPageColumnWhenTheyDoNotFit) {
    ReportTable six = columnsOfWidths({5, 5, 5, 5, 5, 5});
    const Pagination one = paginate(six);
    EXPECT_EQ(one.pagesAcross, 1);
    EXPECT_EQ(one.columnX, std::vector<int>({110, 240, 370, 500, 630, 760}));

    // The sixth column now needs its spacing too; it still ends exactly at 900, the seventh
    // starts a new page column at the left margin.
    ReportTable seven = columnsOfWidths({5, 5, 5, 5, 5, 5, 5});
    const Pagination two = paginate(seven);
    EXPECT_EQ(two.pagesAcross, 2);
    EXPECT_EQ(two.columnPage, std::vector<int>({0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(two.columnX[6], 110);
    EXPECT_EQ(two.columnWidth, std::vector<int>(7, 100));
}

TEST(PrintPagination, AColumnWiderThanThePageIsCutOnItsOwnPageColumn) {
    ReportTable t = columnsOfWidths({3, 60, 3});
    const Pagination p = paginate(t);
    EXPECT_EQ(p.pagesAcross, 3);
    EXPECT_EQ(p.columnPage, std::vector<int>({0, 1, 2}));
    EXPECT_EQ(p.columnX, std::vector<int>({110, 110, 110}));
    // 900 minus column margin and spacing minus the start.
    EXPECT_EQ(p.columnWidth, std::vector<int>({60, 750, 60}));

    // Alone in the table, the wide column is cut on the first page column.
    ReportTable alone = columnsOfWidths({60});
    EXPECT_EQ(paginate(alone).columnWidth, std::vector<int>({780}));
}

TEST(PrintPagination, MarginsCountFromThePhysicalPageEdges) {
    const platform::Rect area = reports::printableRect({1000, 2000, 40, 30}, {100, 150, 120, 80});
    EXPECT_EQ(area, (platform::Rect{60, -120, 840, -1890}));
}

TEST(PrintPagination, ColumnTitlesRepeatOnEveryLaterPageRowAndTheTitleDoesNot) {
    // Title 60 high at -100, titles at -170 and -210 (gap 10), data rows from -250: sixteen
    // data rows fit, the seventeenth starts page row 1 below the repeated column titles.
    ReportTable t = listing(20);
    const Pagination p = paginate(t);
    ASSERT_EQ(p.pagesDown, 2);
    EXPECT_EQ(p.pageCount(), 2);
    const std::vector<int> second = rowsOnPageRow(p, 1);
    ASSERT_GE(second.size(), 3u);
    EXPECT_EQ(std::vector<int>(second.begin(), second.begin() + 3), std::vector<int>({1, 2, 19}));
    EXPECT_EQ(rowsOnPageRow(p, 0).back(), 18);
    EXPECT_EQ(p.placements[3].top, -250);
    // Page row 1: the repeated rows from the top edge, then the data rows.
    const auto firstOfPageRow1 = p.placements.begin() + 19;
    EXPECT_EQ(*firstOfPageRow1, (RowPlacement{1, 1, -100}));
    EXPECT_EQ(*(firstOfPageRow1 + 1), (RowPlacement{1, 2, -140}));
    EXPECT_EQ(*(firstOfPageRow1 + 2), (RowPlacement{1, 19, -180}));

    // With the title repeated as well, it stands on top with its gap below it.
    ReportTable titled = listing(20, 2, true);
    const Pagination q = paginate(titled);
    const std::vector<int> again = rowsOnPageRow(q, 1);
    EXPECT_EQ(std::vector<int>(again.begin(), again.begin() + 3), std::vector<int>({0, 1, 2}));
    EXPECT_EQ(q.placements[19 + 1].top, -170);
}

TEST(PrintPagination, ABlockIsNeverSplitBetweenPages) {
    // Eighteen rows leave room for two more; a block of three moves to the next page whole.
    ReportTable t({}, 1);
    for (int k = 0; k < 18; ++k)
        t.setCell(t.addRow({}), 0, "x");
    for (int k = 0; k < 3; ++k)
        t.setCell(t.addRow(format(0, k, 2 - k)), 0, "Block");
    const Pagination p = paginate(t);
    EXPECT_EQ(rowsOnPageRow(p, 1), std::vector<int>({18, 19, 20}));

    // A block taller than a page moves once and then runs past the bottom limit.
    ReportTable tall({}, 1);
    tall.setCell(tall.addRow({}), 0, "x");
    for (int k = 0; k < 25; ++k)
        tall.addRow(format(0, k, 24 - k));
    const Pagination q = paginate(tall);
    EXPECT_EQ(q.pagesDown, 2);
    EXPECT_EQ(rowsOnPageRow(q, 1).size(), 25u);
}

TEST(PrintPagination, PagesRunAcrossBeforeDown) {
    // Two page columns and three page rows: 20 rows per page row without titles.
    ReportTable t({}, 2);
    for (int k = 0; k < 55; ++k) {
        const int r = t.addRow({});
        t.setCell(r, 0, std::string(30, 'a'));
        t.setCell(r, 1, std::string(30, 'b'));
    }
    const Pagination p = paginate(t);
    EXPECT_EQ(p.pagesAcross, 2);
    EXPECT_EQ(p.pagesDown, 3);
    EXPECT_EQ(p.pageCount(), 6);
    EXPECT_EQ(p.pageColumnOf(2), 1);
    EXPECT_EQ(p.pageRowOf(2), 0);
    EXPECT_EQ(p.pageColumnOf(3), 0);
    EXPECT_EQ(p.pageRowOf(3), 1);

    ReportTable empty({}, 2);
    const Pagination none = paginate(empty);
    EXPECT_EQ(none.pagesDown, 1);
    EXPECT_TRUE(none.placements.empty());
}

TEST(PrintPagination, ARowEndingOnTheBottomMarginStaysOnItsPage) {
    // 800 between the margins hold exactly 20 rows of 40: the 20th row ends on the bottom
    // margin, the 21st starts the next page.
    const std::pair<int, int> rowsAndPages[] = {{1, 1},  {19, 1}, {20, 1}, {21, 2},
                                                {40, 2}, {41, 3}, {60, 3}};
    for (const auto& [rows, pages] : rowsAndPages) {
        ReportTable t({}, 1);
        for (int k = 0; k < rows; ++k)
            t.setCell(t.addRow({}), 0, "x");
        const Pagination p = paginate(t);
        EXPECT_EQ(p.pagesDown, pages) << rows << " rows";
        EXPECT_EQ(p.placements.back().top, -100 - 40 * ((rows - 1) % 20)) << rows << " rows";
    }
}

// "An Seitenbreite anpassen": the scale that brings every column onto one page column, and
// the pagination at that scale.
TEST(PrintPagination, FittingToThePageWidthShrinksOnlyWideTables) {
    struct Case {
        std::vector<int> characters;
        double scale; // 2 x 10 column margin + the widths + 30 spacing between, into 800
    };
    const Case cases[] = {
        {{5, 5, 5, 5, 5, 5}, 1.0},            // exactly 800: stays
        {{5, 5, 5, 5, 5, 5, 5}, 800.0 / 900}, // seven columns of 100
        {{30, 30}, 800.0 / 1250},             // two columns of 600
        {{3, 60, 3}, 800.0 / 1400},           // one column wider than the page
    };
    for (const Case& c : cases) {
        ReportTable t = columnsOfWidths(c.characters);
        t.layout(kMeasurer, LayoutTarget::Printer);
        const double scale = reports::pageWidthScale(t, kPage, kMargins);
        EXPECT_DOUBLE_EQ(scale, c.scale) << c.characters.size() << " columns";
        const Pagination p = reports::paginate(t, kPage, kMargins, scale);
        EXPECT_EQ(p.pagesAcross, 1) << c.characters.size() << " columns";
        EXPECT_DOUBLE_EQ(p.scale, c.scale);
        // Nothing is cut: every column keeps its width.
        EXPECT_EQ(p.columnWidth, t.columnWidths());
    }

    // Shrunk to 0.64, a page holds 31 rows instead of 20: the 55 rows of two wide columns
    // take two pages instead of six.
    ReportTable tall({}, 2);
    for (int k = 0; k < 55; ++k) {
        const int r = tall.addRow({});
        tall.setCell(r, 0, std::string(30, 'a'));
        tall.setCell(r, 1, std::string(30, 'b'));
    }
    tall.layout(kMeasurer, LayoutTarget::Printer);
    const Pagination p =
        reports::paginate(tall, kPage, kMargins, reports::pageWidthScale(tall, kPage, kMargins));
    EXPECT_EQ(p.pagesAcross, 1);
    EXPECT_EQ(p.pagesDown, 2);
    EXPECT_EQ(rowsOnPageRow(p, 0).size(), 31u);
}

// Records what a page draws.
class RecordingSurface final : public platform::Surface {
public:
    struct Text {
        platform::Rect rect;
        std::string text;
    };
    int textWidth(const platform::FontSpec& font, std::string_view text) const override {
        return kMeasurer.textWidth(font, text);
    }
    void fillRect(const platform::Rect& rect, platform::Color) override { fills.push_back(rect); }
    void drawLine(int, int, int, int, int, platform::Color) override { ++lines; }
    void drawText(const platform::Rect& rect, std::string_view text, const platform::FontSpec&,
                  platform::HAlign, platform::Color) override {
        texts.push_back({rect, std::string(text)});
    }
    void setClip(const platform::Rect&) override {}
    void resetClip() override {}
    int dotsPerInch() const override { return 254; }

    std::vector<platform::Rect> fills;
    std::vector<Text> texts;
    int lines = 0;
};

TEST(PrintPage, DrawsOnlyItsPageColumnAndWidensSpansAcrossPages) {
    ReportTable t({}, 2);
    t.setCell(t.addRow({}), 0, "Ueberschrift", 2);
    const int r = t.addRow({});
    t.setCell(r, 0, std::string(30, 'a'));
    t.setCell(r, 1, std::string(30, 'b'));
    const Pagination p = paginate(t);
    ASSERT_EQ(p.pagesAcross, 2);

    RecordingSurface right;
    reports::drawPage(t, p, right, reports::kTextOnly, 2);
    ASSERT_EQ(right.texts.size(), 2u);
    // The spanning title reaches back over the first page column (600 + 30 spacing).
    EXPECT_EQ(right.texts[0].text, "Ueberschrift");
    EXPECT_EQ(right.texts[0].rect.left, 110 - 630);
    EXPECT_EQ(right.texts[1].text, std::string(30, 'b'));
    EXPECT_EQ(right.lines, 0);

    RecordingSurface beyond;
    reports::drawPage(t, p, beyond, reports::kTextOnly, 3);
    EXPECT_TRUE(beyond.texts.empty());
}

TEST(PrintPage, BlockBackgroundsCoverTheWholeBlockOnThePage) {
    ReportTable t = listing(1, 3);
    const Pagination p = paginate(t);
    RecordingSurface page;
    reports::drawPage(t, p, page, reports::kColourFills, 1);
    ASSERT_EQ(page.fills.size(), 5u);
    // The three column-title rows share one rectangle from the first one's top (-170) to
    // the last one's bottom (-290).
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(page.fills[k].top, -170);
        EXPECT_EQ(page.fills[k].bottom, -290);
    }
    EXPECT_EQ(page.fills[4].top, -290);
}

} // namespace
