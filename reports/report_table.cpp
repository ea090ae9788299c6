#include "reports/report_table.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace reports {
namespace {

// Every length and position of a laid-out table stays within this bound, so that damaged
// settings or huge texts cannot overflow the sums of the layout, the drawing or the printing.
constexpr int64_t kMaxLength = int64_t{1} << 28;

int boundLength(int64_t length) {
    return static_cast<int>(std::clamp(length, -kMaxLength, kMaxLength));
}

int scaleLength(int length, double scale) {
    const double scaled = std::floor(length * scale + 0.5);
    if (!(scaled > 0)) // also NaN
        return 0;
    return scaled >= kMaxLength ? static_cast<int>(kMaxLength) : static_cast<int>(scaled);
}

// A table length as given: never negative and within the bound.
int lengthSetting(int length) {
    return boundLength(std::max(length, 0));
}

// A cell over several columns. Such cells are fitted after all cells of span 1, by increasing
// span.
struct WideCell {
    int row;
    int column;
    int span;
};

// Raises the last column a wide cell covers so that the cell fits: its need beyond the other
// columns it covers, each with `spacing` after it.
void fitWideCell(const WideCell& cell, int64_t need, int spacing, std::vector<int>& widths) {
    const int last = cell.column + cell.span - 1;
    for (int k = cell.column; k < last; ++k)
        need -= int64_t{widths[k]} + spacing;
    widths[last] = std::max(widths[last], boundLength(need));
}

} // namespace

double initialScreenScale(int dotsPerInch) {
    if (dotsPerInch < 70)
        return 1.5;
    if (dotsPerInch < 95)
        return 1.25;
    if (dotsPerInch < 105)
        return 1.1;
    return 1.0;
}

ReportTable::ReportTable(const TableSettings& settings, int columnCount)
    : created_(true), settings_(settings), columnAlign_(std::max(columnCount, 0), kAlignLeft) {
    // A scale that is not a positive number can only come from a damaged file.
    if (!(std::isfinite(settings_.screenScale) && settings_.screenScale > 0))
        settings_.screenScale = 1.0;
    settings_.rowHeight = lengthSetting(settings_.rowHeight);
    settings_.fieldSpacing = lengthSetting(settings_.fieldSpacing);
    settings_.columnSpacing = lengthSetting(settings_.columnSpacing);
    settings_.columnMargin = lengthSetting(settings_.columnMargin);
    heights_.push_back(settings_.rowHeight);
}

int ReportTable::addRowHeight(int height) {
    if (!created_)
        return -1;
    heights_.push_back(lengthSetting(height));
    return static_cast<int>(heights_.size()) - 1;
}

int ReportTable::rowHeight(int style, LayoutTarget target) const {
    if (style < 0 || style >= static_cast<int>(heights_.size()))
        style = 0;
    const int h = heights_.empty() ? 0 : heights_[style];
    return target == LayoutTarget::Screen ? scaleLength(h, settings_.screenScale) : h;
}

void ReportTable::setColumnAlignment(int column, int align) {
    if (column < 0 || column >= columnCount())
        return;
    columnAlign_[column] = (align >= kAlignLeft && align <= kAlignCenter) ? align : kAlignLeft;
}

int ReportTable::columnAlignment(int column) const {
    return (column >= 0 && column < columnCount()) ? columnAlign_[column] : kAlignLeft;
}

void ReportTable::reserveRows(int count) {
    rows_.reserve(std::max(count, 0));
    cells_.reserve(std::max(count, 0) * columnAlign_.size());
}

int ReportTable::addRow(const RowFormat& format, RowTag tag, int insertBefore) {
    if (!created_)
        return -1;
    laidOut_ = false;
    ReportRow row{format, tag};
    if (insertBefore < 0 || insertBefore >= rowCount()) {
        rows_.push_back(row);
        cells_.resize(cells_.size() + columnAlign_.size());
        return rowCount() - 1;
    }
    // The inserted row stands where the other row stood; the gap given for it separates it
    // from the row it now precedes.
    ReportRow& displaced = rows_[insertBefore];
    row.format.gapAbove = displaced.format.gapAbove;
    displaced.format.gapAbove = format.gapAbove;
    rows_.insert(rows_.begin() + insertBefore, row);
    cells_.insert(cells_.begin() + static_cast<std::ptrdiff_t>(cellIndex(insertBefore, 0)),
                  columnAlign_.size(), 0);
    return insertBefore;
}

void ReportTable::setCell(int row, int column, std::string_view text, int span, int align) {
    // A cell outside the table is a builder's fault: stop in a debug build, and in a release
    // build keep the table intact rather than write past it.
    assert(row >= 0 && row < rowCount() && column >= 0 && column < columnCount());
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return;
    laidOut_ = false;
    cells_[cellIndex(row, column)] =
        store_.store(text, std::clamp(span, 1, columnCount() - column),
                     (align >= kAlignDefault && align <= kAlignCenter) ? align : kAlignLeft);
}

bool ReportTable::gapBelow(int row) const {
    return row + 1 < rowCount() && rows_[row + 1].format.gapAbove > 0;
}

int ReportTable::scaled(int length) const {
    return target_ == LayoutTarget::Screen ? scaleLength(length, settings_.screenScale) : length;
}

platform::FontSpec ReportTable::font(int heightStyle) const {
    return {settings_.fontName, rowHeight(heightStyle, target_), false};
}

TableSize ReportTable::layout(const platform::TextMeasurer& measurer, LayoutTarget target) {
    target_ = target;
    laidOut_ = true;
    const int columns = columnCount();
    const int fieldSpacing = scaled(settings_.fieldSpacing);
    const int spacing = scaled(settings_.columnSpacing);
    const int margin = scaled(settings_.columnMargin);

    std::vector<platform::FontSpec> fonts;
    for (int style = 0; style < heightStyleCount(); ++style)
        fonts.push_back(font(style));
    const auto fontOf = [&](int r) -> const platform::FontSpec& {
        return fonts[std::clamp(rows_[r].format.heightStyle, 0, heightStyleCount() - 1)];
    };

    // One pass over the cells of span 1 fixes both kinds of widths. A text is measured only
    // when its cheap bound exceeds the width its column already has.
    columnWidth_.assign(columns, 0);
    charWidth_.assign(columns, 0);
    std::vector<WideCell> wide;
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columns; ++c) {
            const ReportCell cell = this->cell(r, c);
            if (!cell.set)
                continue;
            if (cell.span > 1) {
                wide.push_back({r, c, cell.span});
                continue;
            }
            if (measurer.widthBound(fontOf(r), cell.text) > columnWidth_[c])
                columnWidth_[c] =
                    std::max(columnWidth_[c], measurer.textWidth(fontOf(r), cell.text));
            charWidth_[c] = std::max(charWidth_[c], static_cast<int>(cell.text.size()));
        }
    }
    std::stable_sort(wide.begin(), wide.end(),
                     [](const WideCell& a, const WideCell& b) { return a.span < b.span; });
    for (const WideCell& w : wide) {
        const std::string_view text = cell(w.row, w.column).text;
        fitWideCell(w, measurer.textWidth(fontOf(w.row), text), spacing, columnWidth_);
        fitWideCell(w, static_cast<int64_t>(text.size()), 2, charWidth_);
    }

    columnX_.assign(columns, 0);
    for (int c = 0; c < columns; ++c)
        columnX_[c] =
            boundLength(c == 0 ? int64_t{fieldSpacing} + margin
                               : int64_t{columnX_[c - 1]} + columnWidth_[c - 1] + spacing);

    rowTop_.assign(rowCount(), 0);
    int bottom = 0;
    for (int r = 0; r < rowCount(); ++r) {
        const int gap = scaled(lengthSetting(rows_[r].format.gapAbove));
        rowTop_[r] = r == 0 ? -fieldSpacing : boundLength(int64_t{bottom} - gap);
        bottom = boundLength(int64_t{rowTop_[r]} - rowHeight(rows_[r].format.heightStyle, target));
    }

    size_.width = boundLength(columns == 0 ? 2 * (int64_t{fieldSpacing} + margin)
                                           : int64_t{columnX_.back()} + columnWidth_.back() +
                                                 margin + fieldSpacing);
    size_.height = rows_.empty() ? 1 : boundLength(-int64_t{bottom} + fieldSpacing);
    return size_;
}

int ReportTable::findRow(int y) const {
    if (!laidOut_)
        return -1;
    // Row tops fall strictly from row to row, so the candidate is found by bisection.
    auto it =
        std::partition_point(rowTop_.begin(), rowTop_.end(), [y](int top) { return top >= y; });
    if (it == rowTop_.begin())
        return -1;
    const int r = static_cast<int>(it - rowTop_.begin()) - 1;
    return y > rowBottom(r) ? r : -1;
}

} // namespace reports
