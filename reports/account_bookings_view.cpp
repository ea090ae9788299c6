#include "reports/account_bookings_view.h"

#include "reports/booking_columns.h"
#include "reports/period_table.h"
#include "reports/report_title.h"
#include "reports/selected_accounts.h"

namespace reports {
namespace {

// The balance of the selected accounts right after a booking, with the currency symbol of
// the selected asset accounts on that date.
StandZelle standAfter(const PeriodTable& periods, const SelectedAccounts& selected,
                      const ledger::CNVKDatum& date, const BookingCells& cells) {
    StandZelle stand;
    stand.stand = SelectedAccounts::combined(periods.umrechner(), selected.sums(periods, date));
    int assetCurrency = -1;
    for (const int p : selected.positions()) {
        const PeriodRecord& r = periods.records()[p];
        if (!r.isAsset)
            continue;
        const int c = periods.umrechner().slotOf(r.konto->currencyIndexAt(date));
        if (assetCurrency >= 0 && assetCurrency != c) {
            stand.currency = cells.symbol(0) + "/" + cells.symbol(1);
            return stand;
        }
        assetCurrency = c;
    }
    if (assetCurrency >= 0)
        stand.currency = cells.symbol(assetCurrency);
    return stand;
}

} // namespace

ReportTable buildAccountBookingsView(const ledger::CTalwerkDoc& doc, const ReportParams& params) {
    ReportParams resolved = params;
    resolveSelection(doc, resolved.selection);
    const KontoIndex index(doc.accounts());
    PeriodTable periods(doc, index, params.start);

    const SelectedAccounts selected(index, resolved.selection, params.grouping);

    // The provisional column needs to know whether any listed booking is provisional.
    bool anyProvisional = false;
    if (!params.withoutProvisional && !selected.empty())
        for (const auto& b : doc.bookings())
            if (b->provisional != 0 && params.start <= b->date && b->date <= params.end &&
                selected.touches(*b)) {
                anyProvisional = true;
                break;
            }

    const BookingCells cells(doc, index);
    const BookingColumns columns(accountBookingsViewBits(), doc.settings().accountBookingsData,
                                 doc.settings().dualCurrency != 0, anyProvisional);
    ReportFrame frame(doc.settings(), doc.screenScale(), columns.tableColumns());
    ReportTable& table = frame.table();
    columns.setAlignments(table);
    frame.addTitleRow(reportTitle(doc.settings().accountBookingsTitle, doc, resolved));
    columns.addTitles(frame, cells);
    if (selected.empty())
        return frame.take();

    // Each balance follows from the bookings before it, so the rows are gathered in booking
    // order; a descending view then lists them from the last one. Rows alternate their fill in
    // booking order.
    struct Zeile {
        int index;
        StandZelle stand;
    };
    std::vector<Zeile> zeilen;
    for (int i = 0; i < static_cast<int>(doc.bookings().size()); ++i) {
        const ledger::CTWBuchung& b = *doc.bookings()[i];
        if (params.end < b.date)
            break;
        periods.apply(b, params.withoutProvisional);
        if (b.date < params.start || (params.withoutProvisional && b.provisional != 0) ||
            !selected.touches(b))
            continue;
        zeilen.push_back({i, standAfter(periods, selected, b.date, cells)});
    }
    const bool descending = doc.accountBookingsSortDirection() != 0;
    table.reserveRows(table.rowCount() + static_cast<int>(zeilen.size()));
    for (std::size_t n = 0; n < zeilen.size(); ++n) {
        const std::size_t k = descending ? zeilen.size() - 1 - n : n;
        const ledger::CTWBuchung& b = *doc.bookings()[zeilen[k].index];
        const int row = frame.addRow(bookingRowFill(b.kind, k % 2 == 1), false,
                                     RowTag::buchung(zeilen[k].index));
        columns.setRow(table, row, b, cells, &zeilen[k].stand);
    }
    return frame.take();
}

} // namespace reports
