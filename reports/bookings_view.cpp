#include "reports/bookings_view.h"

#include "ledger/filter_match.h"
#include "ledger/win1252.h"
#include "reports/booking_columns.h"
#include "reports/period_table.h"
#include "reports/report_title.h"

#include <algorithm>

namespace reports {
namespace {

enum SortKey : int {
    kByDate = 0,
    kByNumber,
    kByText,
    kByKind,
    kByKonto1Name,
    kByKonto1Number,
    kByKonto1Abbreviation,
    kByKonto2Name,
    kByKonto2Number,
    kByKonto2Abbreviation,
    kByAmount,
    kByCurrency,
    kByNotes,
};

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

template <typename T> int compareValues(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

// Compares two bookings by one key: negative, 0 or positive.
class KeyComparison {
public:
    KeyComparison(const ledger::CTalwerkDoc& doc, const KontoIndex& index, int key)
        : dual_(doc.settings.dualCurrency != 0), index_(index), cells_(doc, index), key_(key) {}

    int operator()(const ledger::CTWBuchung& a, const ledger::CTWBuchung& b) const {
        switch (key_) {
        case kByNumber:
            return ledger::compareBuchungsnummer(a.number, b.number);
        case kByText:
            return ledger::collate(a.text, b.text);
        case kByKind:
            return compareValues(a.kind, b.kind);
        case kByKonto1Name:
            return ledger::collate(name(a.konto1Id), name(b.konto1Id));
        case kByKonto1Number:
            return compareValues(number(a.konto1Id), number(b.konto1Id));
        case kByKonto1Abbreviation:
            return ledger::collate(abbreviation(a.konto1Id), abbreviation(b.konto1Id));
        case kByKonto2Name:
            return ledger::collate(name(a.konto2Id), name(b.konto2Id));
        case kByKonto2Number:
            return compareValues(number(a.konto2Id), number(b.konto2Id));
        case kByKonto2Abbreviation:
            return ledger::collate(abbreviation(a.konto2Id), abbreviation(b.konto2Id));
        case kByAmount:
            return compareAmounts(a, b);
        case kByCurrency:
            return compareValues(a.currencyIndex, b.currencyIndex);
        case kByNotes:
            return ledger::collate(a.notes, b.notes);
        default:
            return compareValues(a.date, b.date);
        }
    }

private:
    std::string_view name(int32_t id) const {
        const ledger::CTWKonto* k = index_.find(id);
        return k ? std::string_view(k->name) : std::string_view();
    }
    std::string_view abbreviation(int32_t id) const {
        const ledger::CTWKonto* k = index_.find(id);
        return k ? std::string_view(k->abbreviation) : std::string_view();
    }
    uint32_t number(int32_t id) const {
        const ledger::CTWKonto* k = index_.find(id);
        return k ? static_cast<uint32_t>(k->number) : 0;
    }
    int compareAmounts(const ledger::CTWBuchung& a, const ledger::CTWBuchung& b) const {
        const int first = compareValues(cells_.amountIn(a, 0), cells_.amountIn(b, 0));
        if (first != 0 || !dual_)
            return first;
        return compareValues(cells_.amountIn(a, 1), cells_.amountIn(b, 1));
    }

    bool dual_;
    const KontoIndex& index_;
    BookingCells cells_;
    int key_;
};

const char* const kSumLabels[3] = {"Summe Einnahmen", "Summe Ausgaben", "Summe Umbuchungen"};

// The three sums per amount column, one per booking kind.
struct KindSums {
    std::array<std::array<int64_t, 3>, 3> sums{}; // [kind][first, second, own]

    void add(const ledger::CTWBuchung& b, const BookingCells& cells) {
        auto& s = sums[std::clamp(b.kind, 0, 2)];
        const int64_t first = cells.amountIn(b, 0);
        s[0] = addBetrag(s[0], first);
        s[1] = addBetrag(s[1], cells.amountIn(b, 1));
        // The own-currency column sums the amounts in the first currency.
        s[2] = addBetrag(s[2], first);
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

void sortBookings(const ledger::CTalwerkDoc& doc, std::vector<int>& indexes, int key,
                  bool descending) {
    if (key == kByDate && !descending)
        return; // document order already is date order
    const KontoIndex index(doc.accounts);
    const KeyComparison compare(doc, index, key);
    std::stable_sort(indexes.begin(), indexes.end(), [&](int a, int b) {
        const int c = compare(*doc.bookings[a], *doc.bookings[b]);
        if (descending)
            return c > 0 || (c == 0 && a > b);
        return c < 0 || (c == 0 && a < b);
    });
}

ReportTable buildBookingsView(const ledger::CTalwerkDoc& doc, const ReportParams& params,
                              bool filtered) {
    const ViewSettings view = viewSettings(doc.settings, filtered);
    const ledger::CTWBuchungsFilterNeu* filter = nullptr;
    if (filtered && params.filterIndex >= 0 &&
        params.filterIndex < static_cast<int>(doc.filters.size()))
        filter = doc.filters[params.filterIndex].get();

    std::vector<int> selected;
    bool anyProvisional = false;
    for (int i = 0; i < static_cast<int>(doc.bookings.size()); ++i) {
        const ledger::CTWBuchung& b = *doc.bookings[i];
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

    const KontoIndex index(doc.accounts);
    const BookingCells cells(doc, index);
    const BookingColumns columns(bookingsViewBits(), view.data, doc.settings.dualCurrency != 0,
                                 anyProvisional && !params.withoutProvisional);
    ReportFrame frame(doc.settings, doc.screenScale, columns.tableColumns());
    ReportTable& table = frame.table();
    columns.setAlignments(table);
    frame.addTitleRow(reportTitle(view.titleTemplate, doc, params));
    columns.addTitles(frame, cells);

    KindSums sums;
    bool odd = false;
    for (const int i : selected) {
        const ledger::CTWBuchung& b = *doc.bookings[i];
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
