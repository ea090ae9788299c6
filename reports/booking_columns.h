// The data columns of the booking lists (bookings view, filtered bookings view, account
// bookings view): which contents the bits of a view's data flag word show, their two-line
// column titles, alignments, and the cells of one booking row.
#pragma once

#include "ledger/dokument.h"
#include "reports/konto_index.h"
#include "reports/report_frame.h"
#include "reports/row_fills.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace reports {

// What a column of a booking list shows.
enum class BuchungsSpalte {
    Datum,
    Nummer,
    Text,
    VorgangLang,
    VorgangKurz,
    Konto1Name,
    Konto1Nummer,
    Konto1Abkuerzung,
    Konto2Name,
    Konto2Nummer,
    Konto2Abkuerzung,
    Betrag1,     // in the first currency
    Betrag2,     // in the second currency
    BetragEigen, // in the booking's own currency
    Waehrung,
    Stand1,
    Stand2,
    AktuelleWaehrung,
    Vorlaeufig,
    Notizen,
};

struct SpaltenBit {
    uint32_t bit;
    BuchungsSpalte spalte;
};

// The bits of the bookings view and the filtered bookings view, in display order.
std::span<const SpaltenBit> bookingsViewBits();
// The bits of the account bookings view, in display order.
std::span<const SpaltenBit> accountBookingsViewBits();

// The running balance of a row of the account bookings view.
struct StandZelle {
    std::array<int64_t, 2> stand{}; // in the first and the second currency
    std::string currency;           // "Aktuelle Währung"
};

// One booking row: the booking with its two accounts (looked up once per row) and, in the
// account bookings view, its running balance.
struct BuchungsZeile {
    const ledger::CTWBuchung& buchung;
    const ledger::CTWKonto* konto1;
    const ledger::CTWKonto* konto2;
    const StandZelle* stand;
};

// What the cells of a booking row are written with.
class BookingCells {
public:
    BookingCells(const ledger::CTalwerkDoc& doc, const KontoIndex& index);

    // The amount of the booking in currency 0 or 1 (converted when it is in the other one).
    int64_t amountIn(const ledger::CTWBuchung& b, int currency) const;
    BuchungsZeile row(const ledger::CTWBuchung& b, const StandZelle* stand) const {
        return {b, index_.find(b.konto1Id), index_.find(b.konto2Id), stand};
    }
    // The text of a cell: a view of a text of the booking, an account or these cells, or of
    // `scratch` where the text is written.
    std::string_view text(const BuchungsZeile& row, BuchungsSpalte spalte,
                          std::string& scratch) const;
    std::string amount(int64_t value) const { return format_.format(value); }
    const std::string& symbol(int currency) const { return symbols_[currency == 1 ? 1 : 0]; }

private:
    const ledger::CTalwerkDoc& doc_;
    const KontoIndex& index_;
    ledger::BetragFormat format_;
    std::array<std::string, 2> symbols_;
};

class BookingColumns {
public:
    // The shown columns: every set bit of the table, except the second-currency, own-currency
    // and currency contents without dual-currency bookkeeping and the provisional column when
    // `showProvisional` is false. A table without shown columns gets one empty column.
    BookingColumns(std::span<const SpaltenBit> bits, uint32_t data, bool dualCurrency,
                   bool showProvisional);

    int tableColumns() const { return std::max(1, static_cast<int>(shown_.size())); }
    const std::vector<BuchungsSpalte>& shown() const { return shown_; }
    // The table column of a content, or -1.
    int column(BuchungsSpalte spalte) const;
    // The first column holding an amount, or -1.
    int firstAmountColumn() const;

    void setAlignments(ReportTable& table) const;
    // The two column-title rows.
    void addTitles(ReportFrame& frame, const BookingCells& cells) const;
    // Every cell of a booking row.
    void setRow(ReportTable& table, int row, const ledger::CTWBuchung& b, const BookingCells& cells,
                const StandZelle* stand = nullptr) const;

private:
    std::vector<BuchungsSpalte> shown_;
};

// The data-row fill of a booking: green for income, red for expense, blue for transfer
// bookings, alternating even and odd.
RowFill bookingRowFill(ledger::Vorgang kind, bool odd);

} // namespace reports
