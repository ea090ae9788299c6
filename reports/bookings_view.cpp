#include "reports/bookings_view.h"

#include "ledger/filter_match.h"
#include "reports/booking_columns.h"
#include "reports/booking_sort.h"
#include "reports/period_table.h"
#include "reports/report_title.h"

#include <algorithm>

namespace reports {
namespace {

struct ViewSettings {
    uint32_t data;
    int sortKey;
    bool descending;
    const std::string& titleTemplate;
    bool showSums;
};

ViewSettings viewSettings(const ledger::CTWEinstellungen& s, bool filtered) {
    if (filtered)
        return {s.filteredBookingsData, s.filteredBookingsSortKey,
                s.filteredBookingsSortDirection != 0, s.filteredBookingsTitle,
                s.filteredBookingsShowSums != 0};
    return {s.bookingsData, s.bookingsSortKey, s.bookingsSortDirection != 0, s.bookingsTitle,
            s.bookingsShowSums != 0};
}

const char* const kSumLabels[3] = {"Summe Einnahmen", "Summe Ausgaben", "Summe Umbuchungen"};

// The three sums per amount column, one per booking kind.
struct KindSums {
    std::array<std::array<int64_t, 3>, 3> sums{}; // [kind][first, second, own]

    void add(const ledger::CTWBuchung& b, const BookingCells& cells) {
        auto& s = sums[std::clamp(ledger::vorgangIndex(b.kind), 0, ledger::kVorgaenge - 1)];
        const int64_t first = cells.amountIn(b, 0);
        s[0] = ledger::addBetrag(s[0], first);
        s[1] = ledger::addBetrag(s[1], cells.amountIn(b, 1));
        // The own-currency column sums the amounts in the first currency.
        s[2] = ledger::addBetrag(s[2], first);
    }
};

void addSumRows(ReportFrame& frame, const BookingColumns& columns, const KindSums& sums,
                const BookingCells& cells) {
    ReportTable& table = frame.table();
    const int firstAmount = columns.firstAmountColumn();
    const int labelSpan = firstAmount < 0 ? table.columnCount() : firstAmount;
    const std::array<std::pair<BuchungsSpalte, int>, 3> amountColumns = {{
        {BuchungsSpalte::Betrag1, 0},
        {BuchungsSpalte::Betrag2, 1},
        {BuchungsSpalte::BetragEigen, 2},
    }};
    for (int kind = 0; kind < 3; ++kind) {
        const int row = frame.addRow(kColumnTitleFill, kind == 0);
        if (labelSpan > 0)
            table.setCell(row, 0, kSumLabels[kind], labelSpan);
        for (const auto& [spalte, slot] : amountColumns) {
            const int column = columns.column(spalte);
            if (column >= 0)
                table.setCell(row, column, cells.amount(sums.sums[kind][slot]));
        }
    }
}

} // namespace

ReportTable buildBookingsView(const ledger::CTalwerkDoc& doc, const ReportParams& params,
                              bool filtered) {
    const ViewSettings view = viewSettings(doc.settings(), filtered);
    const ledger::CTWBuchungsFilterNeu* filter = nullptr;
    if (filtered && params.filterIndex >= 0 &&
        params.filterIndex < static_cast<int>(doc.filters().size()))
        filter = doc.filters()[params.filterIndex];

    std::vector<int> selected;
    bool anyProvisional = false;
    for (int i = 0; i < static_cast<int>(doc.bookings().size()); ++i) {
        const ledger::CTWBuchung& b = *doc.bookings()[i];
        if (b.date < params.start || params.end < b.date)
            continue;
        if (params.withoutProvisional && b.provisional != 0)
            continue;
        if (filter && !ledger::filterAccepts(doc, b, *filter))
            continue;
        anyProvisional = anyProvisional || b.provisional != 0;
        selected.push_back(i);
    }
    sortBookings(doc, selected, view.sortKey, view.descending);

    const KontoIndex index(doc.accounts());
    const BookingCells cells(doc, index);
    const BookingColumns columns(bookingsViewBits(), view.data, doc.settings().dualCurrency != 0,
                                 anyProvisional && !params.withoutProvisional);
    ReportFrame frame(doc.settings(), doc.screenScale(), columns.tableColumns());
    ReportTable& table = frame.table();
    columns.setAlignments(table);
    frame.addTitleRow(rangeTitle(view.titleTemplate, params.start, params.end));
    columns.addTitles(frame, cells);

    table.reserveRows(table.rowCount() + static_cast<int>(selected.size()) + 3); // with the sums
    KindSums sums;
    bool odd = false;
    for (const int i : selected) {
        const ledger::CTWBuchung& b = *doc.bookings()[i];
        const int row = frame.addRow(bookingRowFill(b.kind, odd), false, RowTag::buchung(i));
        odd = !odd;
        columns.setRow(table, row, b, cells);
        sums.add(b, cells);
    }
    if (view.showSums)
        addSumRows(frame, columns, sums, cells);
    return frame.take();
}

} // namespace reports
