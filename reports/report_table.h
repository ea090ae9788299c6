// The report table: the rows and cells that a view builder fills, and their layout against a
// TextMeasurer. Every table view is built into one of these and then drawn, printed or
// rendered as text by separate renderers. Lengths are tenths of a millimetre; texts are
// Windows-1252.
#pragma once

#include "platform/text_measurer.h"
#include "reports/alignment.h"
#include "reports/cell_store.h"
#include "reports/row_fills.h"

#include <cassert>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace reports {

// Settings fixed when a table is created.
struct TableSettings {
    std::string fontName = "Arial";
    int rowHeight = 40;     // height of ordinary rows (height style 0)
    int fieldSpacing = 10;  // F: around the table and the size of a row gap
    int columnSpacing = 30; // S: between two columns
    int columnMargin = 10;  // M: left of the first and right of the last column
    double screenScale = 1.0;
};

// How a row looks and how it behaves when printed.
struct RowFormat {
    RowFill fill;
    int heightStyle = 0;
    int gapAbove = 0;
    int rowsBefore = 0;  // rows directly above in the same print block
    int rowsAfter = 0;   // rows directly below in the same print block
    bool repeat = false; // printed again at the top of every later page
};

// What a row stands for; the views use it to know what was clicked.
struct RowTag {
    enum Kind : int {
        kNone = -1,
        kBuchung = 0,        // ids: booking index in the document
        kKonto = 1,          // account id
        kKategorie = 2,      // account kind, category id
        kUnterkategorie = 3, // account kind, category id, sub-category id
        kKontoArt = 4,       // account kind
    };
    int kind = kNone;
    int32_t id1 = -1;
    int32_t id2 = -1;
    int32_t id3 = -1;

    static RowTag buchung(int32_t index) { return {kBuchung, index}; }
    static RowTag konto(int32_t accountId) { return {kKonto, accountId}; }
    static RowTag kategorie(ledger::KontoArt kind, int32_t categoryId) {
        return {kKategorie, ledger::kontoArtIndex(kind), categoryId};
    }
    static RowTag unterkategorie(ledger::KontoArt kind, int32_t categoryId, int32_t subcategoryId) {
        return {kUnterkategorie, ledger::kontoArtIndex(kind), categoryId, subcategoryId};
    }
    static RowTag kontoArt(ledger::KontoArt kind) {
        return {kKontoArt, ledger::kontoArtIndex(kind)};
    }
    // The account kind of a kKontoArt, kKategorie or kUnterkategorie tag.
    ledger::KontoArt art() const {
        return ledger::kontoArtAt(id1).value_or(ledger::KontoArt::Bestandskonto);
    }
    bool operator==(const RowTag&) const = default;
};

// A cell as its readers see it. The text views the table's text store: it stays valid while
// the table is not changed.
struct ReportCell {
    std::string_view text;
    int span = 1;
    int align = kAlignDefault;
    bool set = false;
};

struct ReportRow {
    RowFormat format;
    RowTag tag;
};

// Where the lengths of a layout apply: the screen scales them, the printer does not.
enum class LayoutTarget { Screen, Printer };

struct TableSize {
    int width = 0;
    int height = 0;
};

// The screen scale a document starts with on a screen of the given pixels per inch.
double initialScreenScale(int dotsPerInch);

class ReportTable {
public:
    // A table that was not created ignores every change and reports -1 or nothing.
    ReportTable() = default;
    ReportTable(const TableSettings& settings, int columnCount);

    bool isCreated() const { return created_; }
    const TableSettings& settings() const { return settings_; }
    int columnCount() const { return static_cast<int>(columnAlign_.size()); }
    int rowCount() const { return static_cast<int>(rows_.size()); }

    // Adds a row height style and returns its index; style 0 is the ordinary row height.
    int addRowHeight(int height);
    int rowHeight(int style, LayoutTarget target) const;
    int heightStyleCount() const { return static_cast<int>(heights_.size()); }

    void setColumnAlignment(int column, int align);
    int columnAlignment(int column) const;

    // Makes room for `count` rows in all, so that a long list is not moved while it grows.
    void reserveRows(int count);
    // Appends a row, or inserts it before the row `insertBefore`. An inserted row takes the
    // place (and the gap above) of the row it is inserted before; its own gap then stands
    // below it. Returns the new row's index, or -1 when the table was not created.
    int addRow(const RowFormat& format, RowTag tag = {}, int insertBefore = -1);
    // Sets a cell, copying the text; ignored for a row or column out of range. The span is cut
    // at the last column; an alignment other than -1..2 is stored as left. Setting a cell again
    // replaces it. Throws std::length_error when the texts of the table pass 4 GiB.
    void setCell(int row, int column, std::string_view text, int span = 1,
                 int align = kAlignDefault);

    const ReportRow& row(int index) const {
        assert(index >= 0 && index < rowCount());
        return rows_[index];
    }
    const std::vector<ReportRow>& rows() const { return rows_; }
    // A cell; one that was not set has no text, span 1 and the default alignment.
    ReportCell cell(int row, int column) const {
        assert(row >= 0 && row < rowCount() && column >= 0 && column < columnCount());
        const uint32_t key = cells_[cellIndex(row, column)];
        if (key == 0)
            return {};
        const CellStore::Entry e = store_.entry(key);
        return {e.text, e.span, e.align, true};
    }
    // The alignment a cell of the column is drawn with: its own, or its column's.
    int effectiveAlignment(const ReportCell& cell, int column) const {
        return cell.align == kAlignDefault ? columnAlignment(column) : cell.align;
    }
    // Whether an empty line follows the row in the text rendering (and a gap on paper).
    bool gapBelow(int row) const;

    // Measures every cell and fixes column widths, column and row positions and the
    // character widths of the text rendering. Returns the total size.
    TableSize layout(const platform::TextMeasurer& measurer, LayoutTarget target);

    // Results of the last layout.
    bool isLaidOut() const { return laidOut_; }
    LayoutTarget layoutTarget() const { return target_; }
    // A length of the table settings, scaled for the target of the last layout.
    int scaled(int length) const;
    platform::FontSpec font(int heightStyle) const;
    const std::vector<int>& columnWidths() const { return columnWidth_; }
    const std::vector<int>& columnPositions() const { return columnX_; }
    const std::vector<int>& characterWidths() const { return charWidth_; }
    int rowTop(int row) const { return rowTop_[row]; }
    int rowBottom(int row) const {
        return rowTop_[row] - rowHeight(rows_[row].format.heightStyle, target_);
    }
    TableSize size() const { return size_; }
    // The row whose area (without the gap above it) contains the height y, or -1.
    int findRow(int y) const;

private:
    // The cells of row r are the columnCount() cells from index r * columnCount().
    std::size_t cellIndex(int row, int column) const {
        return static_cast<std::size_t>(row) * columnAlign_.size() + column;
    }

    bool created_ = false;
    TableSettings settings_;
    std::vector<int> heights_;
    std::vector<int> columnAlign_;
    std::vector<ReportRow> rows_;
    std::vector<uint32_t> cells_; // keys in store_, 0 for a cell not set
    CellStore store_;

    bool laidOut_ = false;
    LayoutTarget target_ = LayoutTarget::Screen;
    std::vector<int> columnWidth_;
    std::vector<int> columnX_;
    std::vector<int> charWidth_;
    std::vector<int> rowTop_;
    TableSize size_;
};

} // namespace reports
