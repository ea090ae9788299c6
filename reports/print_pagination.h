// Splits a report table laid out for the printer into pages: page columns across by column
// widths, page rows down by row heights, keeping print blocks together and repeating the
// rows marked for repetition at the top of every later page row. Lengths are tenths of a
// millimetre; y grows upwards, so rows go down to negative y.
#pragma once

#include "reports/report_table.h"

#include <vector>

namespace reports {

// The physical page and the printable area of a printer page.
struct PageGeometry {
    int width = 0;   // W
    int height = 0;  // H
    int offsetX = 0; // ox: printable area's left edge from the physical left edge
    int offsetY = 0; // oy: printable area's top edge from the physical top edge
};

struct PageMargins {
    int left = 150;
    int top = 150;
    int right = 150;
    int bottom = 150;
};

struct RowPlacement {
    int pageRow = 0;
    int row = 0; // index of the table row
    int top = 0; // y of the row's top edge on the page
    bool operator==(const RowPlacement&) const = default;
};

struct Pagination {
    int pagesAcross = 1;
    int pagesDown = 1;
    std::vector<int> columnPage;  // page column of each table column
    std::vector<int> columnX;     // left edge of each table column on its page
    std::vector<int> columnWidth; // width of each column, cut where it is wider than a page
    // Every row once, in table order, plus the repeated rows at the top of each later page
    // row; ordered by page row.
    std::vector<RowPlacement> placements;
    // The factor the pages are drawn with: 1, or less when the table was shrunk to the page
    // width (page positions above are in the table's own, unshrunk units).
    double scale = 1.0;

    int pageCount() const { return pagesAcross * pagesDown; }
    // The page column and page row of page p (counted from 1): the pages of one page row
    // come first, left to right.
    int pageColumnOf(int page) const { return (page - 1) % pagesAcross; }
    int pageRowOf(int page) const { return (page - 1) / pagesAcross; }
};

// The printable rectangle that the margins leave on a page, in page coordinates whose origin
// is the printable area's top left corner: margins count from the physical page edges.
platform::Rect printableRect(const PageGeometry& page, const PageMargins& margins);

// The table must be laid out for the printer. With a scale below 1 the table is paginated as
// if drawn that much smaller: each page holds 1/scale times as much in both directions.
Pagination paginate(const ReportTable& table, const PageGeometry& page, const PageMargins& margins,
                    double scale = 1.0);

// "An Seitenbreite anpassen": the scale (at most 1, never enlarging) at which every column of
// the table laid out for the printer fits the printable width of one page.
double pageWidthScale(const ReportTable& table, const PageGeometry& page,
                      const PageMargins& margins);

} // namespace reports
