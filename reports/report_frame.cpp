#include "reports/report_frame.h"

namespace reports {
namespace {

TableSettings tableSettings(const ledger::CTWEinstellungen& s, double screenScale) {
    return {s.tableFontName, s.rowHeight,    s.fieldSpacing,
            s.columnSpacing, s.columnMargin, screenScale};
}

} // namespace

ReportFrame::ReportFrame(const ledger::CTWEinstellungen& settings, double screenScale,
                         int columnCount)
    : table_(tableSettings(settings, screenScale), columnCount), gap_(settings.fieldSpacing),
      titleStyle_(table_.addRowHeight(settings.titleRowHeight)),
      columnTitleStyle_(table_.addRowHeight(settings.columnTitleRowHeight)),
      repeatTitle_(settings.repeatTitle != 0),
      repeatColumnTitles_(settings.repeatColumnTitles != 0) {}

void ReportFrame::addTitleRow(std::string_view title) {
    RowFormat format{kTitleFill, titleStyle_};
    format.repeat = repeatTitle_;
    const int row = table_.addRow(format);
    table_.setCell(row, 0, title, table_.columnCount());
}

int ReportFrame::addColumnTitleRow(int k, int n) {
    RowFormat format{kColumnTitleFill, columnTitleStyle_, k == 0 ? gap_ : 0};
    format.rowsBefore = k;
    format.rowsAfter = n - 1 - k;
    format.repeat = repeatColumnTitles_;
    return table_.addRow(format);
}

int ReportFrame::addRow(const RowFill& fill, bool gapAbove, RowTag tag) {
    return table_.addRow({fill, 0, gapAbove ? gap_ : 0}, tag);
}

} // namespace reports
