#include "reports/account_bookings_view.h"

#include "reports/booking_columns.h"
#include "reports/period_table.h"
#include "reports/report_title.h"

namespace reports {
namespace {

// Whether an account belongs to the selection under the grouping assignment.
bool isSelected(const ledger::CTWKonto& konto, const Selection& selection, int grouping) {
    switch (selection.kind) {
    case Selection::kKonto:
        return konto.id == selection.accountId;
    case Selection::kKategorie:
        return konto.kind == selection.accountKind &&
               konto.effectiveCategory(grouping) == selection.categoryId;
    case Selection::kUnterkategorie:
        return konto.kind == selection.accountKind &&
               konto.effectiveCategory(grouping) == selection.categoryId &&
               konto.effectiveSubcategory(grouping) == selection.subcategoryId;
    default:
        return false;
    }
}

// The balance of the selected accounts right after a booking.
StandZelle standAfter(const PeriodTable& periods, const std::vector<const PeriodRecord*>& chosen,
                      const ledger::CNVKDatum& date, const BookingCells& cells) {
    const Umrechner& umrechner = periods.umrechner();
    std::array<int64_t, 2> sum{};
    int assetCurrency = -1;
    bool mixed = false;
    for (const PeriodRecord* r : chosen) {
        if (r->isAsset) {
            // The running balance in the currency the account holds on the booking date.
            const int c = r->konto->currencyIndexAt(date) == 1 ? 1 : 0;
            const int64_t own = umrechner.into(r->running.amount, r->running.currency, c);
            sum[c] = addBetrag(sum[c], own);
            mixed = mixed || (assetCurrency >= 0 && assetCurrency != c);
            assetCurrency = c;
        } else {
            sum[0] = addBetrag(sum[0], r->fromStart[0]);
            sum[1] = addBetrag(sum[1], r->fromStart[1]);
        }
    }
    StandZelle stand;
    stand.stand[0] = addBetrag(sum[0], umrechner.into(sum[1], 1, 0));
    stand.stand[1] = addBetrag(sum[1], umrechner.into(sum[0], 0, 1));
    if (mixed)
        stand.currency = cells.symbol(0) + "/" + cells.symbol(1);
    else if (assetCurrency >= 0)
        stand.currency = cells.symbol(assetCurrency);
    return stand;
}

} // namespace

ReportTable buildAccountBookingsView(const ledger::CTalwerkDoc& doc, const ReportParams& params) {
    ReportParams resolved = params;
    resolveSelection(doc, resolved.selection);
    const KontoIndex index(doc.accounts());
    PeriodTable periods(doc, index, params.start);

    std::vector<const PeriodRecord*> chosen;
    std::vector<char> selected(index.size(), 0);
    for (int p = 0; p < index.size(); ++p)
        if (isSelected(*index.accounts()[p], resolved.selection, params.grouping)) {
            selected[p] = 1;
            chosen.push_back(&periods.records()[p]);
        }
    const auto touchesSelection = [&](const ledger::CTWBuchung& b) {
        const int p1 = index.position(b.konto1Id);
        const int p2 = index.position(b.konto2Id);
        return (p1 >= 0 && selected[p1]) || (p2 >= 0 && selected[p2]);
    };

    // The provisional column needs to know whether any listed booking is provisional.
    bool anyProvisional = false;
    if (!params.withoutProvisional && !chosen.empty())
        for (const auto& b : doc.bookings())
            if (b->provisional != 0 && params.start <= b->date && b->date <= params.end &&
                touchesSelection(*b)) {
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
    if (chosen.empty())
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
            !touchesSelection(b))
            continue;
        zeilen.push_back({i, standAfter(periods, chosen, b.date, cells)});
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
