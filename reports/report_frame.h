// The frame every table view starts with: a table created from the document's table
// settings, the title row and the block of column-title rows with their print attributes.
#pragma once

#include "ledger/einstellungen.h"
#include "reports/report_table.h"

#include <string_view>

namespace reports {

class ReportFrame {
public:
    ReportFrame(const ledger::CTWEinstellungen& settings, double screenScale, int columnCount);

    ReportTable& table() { return table_; }
    ReportTable take() { return std::move(table_); }
    // The size of a gap between blocks (the field spacing).
    int gap() const { return gap_; }

    // The title row: the text in column 0 over all columns.
    void addTitleRow(std::string_view title);
    // Row k of a block of n column-title rows; the first one has a gap above it.
    int addColumnTitleRow(int k, int n);
    // An ordinary row; with `gapAbove` it starts a new block.
    int addRow(const RowFill& fill, bool gapAbove, RowTag tag = {});

private:
    ReportTable table_;
    int gap_;
    int titleStyle_;
    int columnTitleStyle_;
    bool repeatTitle_;
    bool repeatColumnTitles_;
};

} // namespace reports
