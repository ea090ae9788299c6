#include "reports/report_table.h"
#include "reports/table_text.h"

#include <gtest/gtest.h>
#include <utility>

namespace {

using reports::kAlignCenter;
using reports::kAlignLeft;
using reports::kAlignRight;
using reports::LayoutTarget;
using reports::ReportTable;
using reports::RowFormat;
using reports::TableSettings;
using reports::TextFormat;

const platform::FixedWidthMeasurer kMeasurer;

ReportTable table(int columns, TableSettings settings = {}) {
    return ReportTable(settings, columns);
}

std::string fixed(ReportTable& t, std::string_view lineEnd = "\n") {
    t.layout(kMeasurer, LayoutTarget::Printer);
    return renderText(t, TextFormat::FixedWidths, lineEnd);
}

// A long table comes in blocks of whole lines, which together are the whole text.
TEST(ReportTableText, LongTablesAreWrittenInBlocksOfWholeLines) {
    ReportTable t = table(2);
    for (int i = 0; i < 20'000; ++i) {
        const int r = t.addRow({});
        t.setCell(r, 0, "Zeile " + std::to_string(i));
        t.setCell(r, 1, "Ä");
    }
    for (const TextFormat format : {TextFormat::FixedWidths, TextFormat::Tabs}) {
        const std::string whole = fixed(t);
        std::vector<std::string> blocks;
        renderText(t, format, "\n", [&](std::string_view block) { blocks.emplace_back(block); });
        ASSERT_GT(blocks.size(), 2u);
        std::string joined;
        for (const std::string& block : blocks) {
            EXPECT_TRUE(block.ends_with('\n'));
            EXPECT_LT(block.size(), reports::kTextBlockSize + 100);
            joined += block;
        }
        EXPECT_EQ(joined, renderText(t, format, "\n"));
        if (format == TextFormat::FixedWidths) {
            EXPECT_EQ(joined, whole);
        }
        EXPECT_TRUE(joined.starts_with(format == TextFormat::Tabs ? "Zeile 0\t\xc4\t\n"
                                                                  : "Zeile 0      \xc4  \n"));
    }
}

TEST(ReportTableText, FixedWidthsPadByAlignmentAndSpan) {
    ReportTable t = table(2);
    t.setColumnAlignment(1, kAlignRight);
    int r = t.addRow({});
    t.setCell(r, 0, "Konto");
    t.setCell(r, 1, "12,50");
    r = t.addRow({});
    t.setCell(r, 1, "12345678");
    r = t.addRow({});
    t.setCell(r, 0, "Titel", 5); // cut to the two remaining columns
    r = t.addRow({});
    t.setCell(r, 0, "ab", 1, kAlignCenter);
    t.setCell(r, 1, "links", 1, kAlignLeft);

    EXPECT_EQ(fixed(t), "Konto  "
                        "   12,50  \n"
                        "       "
                        "12345678  \n"
                        "Titel" +
                            std::string(12, ' ') +
                            "\n"
                            " ab    "
                            "links     \n");
    EXPECT_EQ(t.characterWidths(), std::vector<int>({5, 8}));
}

TEST(ReportTableText, CharacterWidthsTakeShortSpansFirst) {
    ReportTable t = table(3);
    int r = t.addRow({});
    t.setCell(r, 0, std::string(20, 'x'), 2); // listed first but measured after span 1
    r = t.addRow({});
    t.setCell(r, 0, "12345");
    t.setCell(r, 1, "12345678");
    r = t.addRow({});
    t.setCell(r, 0, std::string(40, 'y'), 3);
    fixed(t);
    // 20 - (5 + 2) = 13 for column 1; then 40 - (5 + 2) - (13 + 2) = 18 for column 2.
    EXPECT_EQ(t.characterWidths(), std::vector<int>({5, 13, 18}));
}

TEST(ReportTableText, TabsAndLineEndsWithGaps) {
    ReportTable t = table(3);
    int r = t.addRow({});
    t.setCell(r, 0, "a");
    t.setCell(r, 2, "c");
    RowFormat gap;
    gap.gapAbove = 10;
    r = t.addRow(gap);
    t.setCell(r, 0, "Kopf", 3);
    t.layout(kMeasurer, LayoutTarget::Printer);
    EXPECT_EQ(renderText(t, TextFormat::Tabs, reports::kFileLineEnd), "a\t\tc\t\r\n\r\nKopf\t\r\n");
    EXPECT_EQ(renderText(t, TextFormat::Tabs, reports::kClipboardLineEnd), "a\t\tc\t\n\nKopf\t\n");
    EXPECT_EQ(renderText(table(2), TextFormat::Tabs, "\n"), "");
}

TEST(ReportTableText, InsertedRowCarriesItsGapBelowIt) {
    ReportTable t = table(1);
    RowFormat gap;
    gap.gapAbove = 10;
    t.setCell(t.addRow({}), 0, "A");
    t.setCell(t.addRow(gap), 0, "B");
    t.setCell(t.addRow({}), 0, "C");
    EXPECT_EQ(t.addRow(gap, {}, 1), 1);
    t.setCell(1, 0, "X");
    EXPECT_EQ(fixed(t), "A  \n\nX  \n\nB  \nC  \n");

    // Geometry: X takes B's place, B moves down by X's height and X's gap.
    t.layout(kMeasurer, LayoutTarget::Printer);
    EXPECT_EQ(t.rowTop(0), -10);
    EXPECT_EQ(t.rowTop(1), -10 - 40 - 10);
    EXPECT_EQ(t.rowTop(2), -60 - 40 - 10);
    EXPECT_EQ(t.rowTop(3), -110 - 40);
    EXPECT_EQ(t.size().height, 190 + 10);
}

TEST(ReportTableLayout, ColumnWidthsPositionsAndSize) {
    TableSettings s;
    s.fieldSpacing = 10;
    s.columnSpacing = 30;
    s.columnMargin = 10;
    s.rowHeight = 40; // characters 20 units wide with the fixed measurer
    ReportTable t = table(3, s);
    const int title = t.addRowHeight(60); // characters 30 wide
    int r = t.addRow({{}, title});
    t.setCell(r, 0, "Titel der Tabelle", 3); // 17 * 30 = 510
    r = t.addRow({});
    t.setCell(r, 0, "abc");      // 60
    t.setCell(r, 1, "abcdefgh"); // 160
    t.setCell(r, 2, "x");        // 20
    r = t.addRow({});
    t.setCell(r, 1, "1234567890", 2); // 200 - (160 + 30) = 10, less than 20

    const reports::TableSize size = t.layout(kMeasurer, LayoutTarget::Printer);
    // Span 3 is measured last: 510 - (60 + 30) - (160 + 30) = 230 for column 2.
    EXPECT_EQ(t.columnWidths(), std::vector<int>({60, 160, 230}));
    EXPECT_EQ(t.columnPositions(), std::vector<int>({20, 110, 300}));
    EXPECT_EQ(size.width, 300 + 230 + 10 + 10);
    EXPECT_EQ(size.height, 10 + 60 + 40 + 40 + 10);

    // The screen scales every length, halves rounded upwards: 1.25 * 10 = 12.5 -> 13.
    ReportTable scaled = table(1, {"Arial", 40, 10, 30, 10, 1.25});
    scaled.setCell(scaled.addRow({}), 0, "ab"); // font 50 high, 25 per character
    const reports::TableSize screen = scaled.layout(kMeasurer, LayoutTarget::Screen);
    EXPECT_EQ(scaled.columnPositions().front(), 13 + 13);
    EXPECT_EQ(scaled.columnWidths().front(), 50);
    EXPECT_EQ(screen.width, 26 + 50 + 26);
    EXPECT_EQ(screen.height, 13 + 50 + 13);
}

// Measures as the fixed-width measurer does, bounds each text `slack` above its width (as the sum
// of a proportional font's character advances may) and counts the exact measurements.
class CountingMeasurer final : public platform::TextMeasurer {
public:
    explicit CountingMeasurer(int slack) : slack_(slack) {}
    int textWidth(const platform::FontSpec& font, std::string_view text) const override {
        ++measured;
        return kMeasurer.textWidth(font, text);
    }
    int widthBound(const platform::FontSpec& font, std::string_view text) const override {
        return kMeasurer.textWidth(font, text) + slack_;
    }
    mutable int measured = 0;

private:
    int slack_;
};

TEST(ReportTableLayout, MeasuresOnlyTextsThatCanWidenTheirColumn) {
    ReportTable t = table(2); // characters 20 units wide
    for (int i = 0; i < 1000; ++i) {
        const int r = t.addRow({});
        t.setCell(r, 0, std::string(1 + i % 7, 'x'));
        t.setCell(r, 1, std::to_string(i));
    }
    // Column 0 widens at each of its seven first texts, column 1 at "0", "10" and "100".
    const CountingMeasurer exact(0);
    t.layout(exact, LayoutTarget::Printer);
    EXPECT_EQ(t.columnWidths(), std::vector<int>({140, 60}));
    EXPECT_EQ(exact.measured, 10);
    // Loose bounds cost measurements but never change a width.
    const CountingMeasurer loose(15);
    t.layout(loose, LayoutTarget::Printer);
    EXPECT_EQ(t.columnWidths(), std::vector<int>({140, 60}));
    EXPECT_GT(loose.measured, 10);
}

TEST(ReportTableLayout, InitialScreenScale) {
    EXPECT_EQ(reports::initialScreenScale(69), 1.5);
    EXPECT_EQ(reports::initialScreenScale(70), 1.25);
    EXPECT_EQ(reports::initialScreenScale(96), 1.1);
    EXPECT_EQ(reports::initialScreenScale(105), 1.0);
}

TEST(ReportTableLayout, FindsRowsAndIgnoresGaps) {
    ReportTable t = table(1);
    RowFormat gap;
    gap.gapAbove = 10;
    t.addRow({});
    t.addRow(gap);
    t.layout(kMeasurer, LayoutTarget::Printer);
    EXPECT_EQ(t.findRow(-10), 0);
    EXPECT_EQ(t.findRow(-49), 0);
    EXPECT_EQ(t.findRow(-55), -1); // in the gap
    EXPECT_EQ(t.findRow(-60), 1);
    EXPECT_EQ(t.findRow(-100), -1);
    EXPECT_EQ(t.findRow(5), -1);
}

// The cells keep their texts while the table grows, rows are inserted and the table is copied;
// texts of every length, some far longer than a block of the store.
TEST(ReportTableModel, CellsKeepTheirTexts) {
    ReportTable t = table(3);
    std::vector<std::string> texts;
    for (int i = 0; i < 3000; ++i) {
        const std::size_t length = i % 500 == 7 ? 70'000 + i : i % 300;
        texts.push_back(std::string(length, static_cast<char>('a' + i % 26)) + "|");
        const int r = t.addRow({});
        t.setCell(r, 0, "vorher", 3, kAlignRight); // replaced below
        t.setCell(r, 0, texts.back());
        t.setCell(r, 2, std::to_string(i));
    }
    const int inserted = t.addRow({}, {}, 1);
    t.setCell(inserted, 1, "", 5, kAlignCenter); // an empty text; the span is cut
    t.setCell(inserted, 2, "neu", 1, kAlignRight);
    const ReportTable copy = t;
    t.setCell(t.addRow({}), 0, std::string(200'000, 'z'));

    for (const ReportTable* u : {&std::as_const(t), &copy}) {
        ASSERT_EQ(u->rowCount(), u == &t ? 3002 : 3001);
        const reports::ReportCell empty = u->cell(inserted, 1);
        EXPECT_TRUE(empty.set);
        EXPECT_EQ(empty.text, "");
        EXPECT_EQ(empty.span, 2);
        EXPECT_EQ(empty.align, kAlignCenter);
        EXPECT_FALSE(u->cell(inserted, 0).set);
        EXPECT_EQ(u->cell(inserted, 2).text, "neu");
        EXPECT_EQ(u->cell(inserted, 2).align, kAlignRight);
        for (int i = 0; i < 3000; ++i) {
            const int r = i < 1 ? i : i + 1;
            ASSERT_EQ(u->cell(r, 0).text, texts[i]) << "row " << r;
            EXPECT_EQ(u->cell(r, 0).span, 1);
            EXPECT_EQ(u->cell(r, 0).align, reports::kAlignDefault);
            EXPECT_FALSE(u->cell(r, 1).set);
            EXPECT_EQ(u->cell(r, 1).span, 1);
            EXPECT_EQ(u->cell(r, 2).text, std::to_string(i));
        }
    }
    EXPECT_EQ(t.cell(3001, 0).text, std::string(200'000, 'z'));
}

TEST(ReportTableModel, RefusesWhatIsOutOfRange) {
    ReportTable none;
    EXPECT_EQ(none.addRow({}), -1);
    EXPECT_EQ(none.addRowHeight(60), -1);

    ReportTable t = table(2);
    t.setColumnAlignment(1, 7);
    t.setColumnAlignment(5, kAlignRight);
    EXPECT_EQ(t.columnAlignment(1), kAlignLeft);
    const int r = t.addRow({}, reports::RowTag::konto(42));
    t.setCell(r, 1, "x", 3, -2);
    // A cell or row outside the table is a builder's fault: a debug build stops there.
    EXPECT_DEBUG_DEATH(none.setCell(0, 0, "x"), "row >= 0");
    EXPECT_DEBUG_DEATH(t.setCell(r, 2, "y"), "column < columnCount");
    EXPECT_DEBUG_DEATH(t.setCell(r + 1, 0, "z"), "row < rowCount");
    EXPECT_EQ(t.row(r).tag, reports::RowTag::konto(42));
    EXPECT_EQ(t.cell(r, 1).span, 1);
    EXPECT_EQ(t.cell(r, 1).align, kAlignLeft);
    EXPECT_FALSE(t.cell(r, 0).set);
    EXPECT_EQ(t.rowCount(), 1);
    EXPECT_EQ(table(1).layout(kMeasurer, LayoutTarget::Printer).height, 1);
}

} // namespace
