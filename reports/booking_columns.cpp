#include "reports/booking_columns.h"

#include <algorithm>

namespace reports {
namespace {

using S = BuchungsSpalte;

constexpr SpaltenBit kBookingsBits[] = {
    {0x4, S::Datum},
    {0x20, S::Nummer},
    {0x100, S::Text},
    {0x800, S::VorgangLang},
    {0x2000, S::VorgangKurz},
    {0x10000, S::Konto1Name},
    {0x20000, S::Konto1Nummer},
    {0x40000, S::Konto1Abkuerzung},
    {0x100000, S::Konto2Name},
    {0x200000, S::Konto2Nummer},
    {0x400000, S::Konto2Abkuerzung},
    {0x1000000, S::Betrag1},
    {0x2000000, S::Betrag2},
    {0x4000000, S::BetragEigen},
    {0x8000000, S::Waehrung},
    {0x20000000, S::Vorlaeufig},
    {0x40000000, S::Notizen},
};

constexpr SpaltenBit kAccountBookingsBits[] = {
    {0x2, S::Datum},
    {0x8, S::Nummer},
    {0x20, S::Text},
    {0x80, S::VorgangLang},
    {0x100, S::VorgangKurz},
    {0x1000, S::Konto1Name},
    {0x2000, S::Konto1Nummer},
    {0x4000, S::Konto1Abkuerzung},
    {0x10000, S::Konto2Name},
    {0x20000, S::Konto2Nummer},
    {0x40000, S::Konto2Abkuerzung},
    {0x100000, S::Betrag1},
    {0x200000, S::Betrag2},
    {0x400000, S::BetragEigen},
    {0x800000, S::Waehrung},
    {0x1000000, S::Stand1},
    {0x2000000, S::Stand2},
    {0x8000000, S::AktuelleWaehrung},
    {0x20000000, S::Vorlaeufig},
    {0x40000000, S::Notizen},
};

bool needsSecondCurrency(S s) {
    return s == S::Betrag2 || s == S::BetragEigen || s == S::Waehrung || s == S::Stand2 ||
           s == S::AktuelleWaehrung;
}

bool isAmount(S s) {
    return s == S::Betrag1 || s == S::Betrag2 || s == S::BetragEigen || s == S::Stand1 ||
           s == S::Stand2;
}

bool isKonto1(S s) {
    return s == S::Konto1Name || s == S::Konto1Nummer || s == S::Konto1Abkuerzung;
}

bool isKonto2(S s) {
    return s == S::Konto2Name || s == S::Konto2Nummer || s == S::Konto2Abkuerzung;
}

// Title lines 1 and 2 of a column; the account lines 1 are set once per account.
std::array<std::string, 2> titleLines(S s, const BookingCells& cells) {
    switch (s) {
    case S::Datum:
        return {"Datum", ""};
    case S::Nummer:
        return {"Nr.", ""};
    case S::Text:
        return {"Buchungstext", ""};
    case S::VorgangLang:
    case S::VorgangKurz:
        return {"Vorgang", ""};
    case S::Konto1Name:
    case S::Konto2Name:
        return {"", "Bezeichung"};
    case S::Konto1Nummer:
    case S::Konto2Nummer:
        return {"", "Nr."};
    case S::Konto1Abkuerzung:
    case S::Konto2Abkuerzung:
        return {"", "Abk."};
    case S::Betrag1:
        return {"Betrag", "in " + cells.symbol(0)};
    case S::Betrag2:
        return {"Betrag", "in " + cells.symbol(1)};
    case S::BetragEigen:
        return {"Betrag", ""};
    case S::Waehrung:
        return {"W.", ""};
    case S::Stand1:
        return {"Stand", "in " + cells.symbol(0)};
    case S::Stand2:
        return {"Stand", "in " + cells.symbol(1)};
    case S::AktuelleWaehrung:
        return {"Aktuelle", "Währung"};
    case S::Vorlaeufig:
        return {"V", ""};
    case S::Notizen:
        return {"Notizen", ""};
    }
    return {};
}

// Notes may hold line breaks; a cell shows them as blanks.
std::string_view oneLine(std::string_view text, std::string& scratch) {
    if (text.find_first_of("\r\n") == std::string_view::npos)
        return text;
    scratch.assign(text);
    std::replace_if(
        scratch.begin(), scratch.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return scratch;
}

} // namespace

std::span<const SpaltenBit> bookingsViewBits() {
    return kBookingsBits;
}

std::span<const SpaltenBit> accountBookingsViewBits() {
    return kAccountBookingsBits;
}

BookingCells::BookingCells(const ledger::CTalwerkDoc& doc, const KontoIndex& index)
    : doc_(doc), index_(index),
      format_(doc.betragFormat()), symbols_{doc.settings().firstCurrencySymbol,
                                            doc.settings().secondCurrencySymbol} {}

int64_t BookingCells::amountIn(const ledger::CTWBuchung& b, int currency) const {
    const int own = b.currencyIndex == ledger::WaehrungsIndex::Zweite ? 1 : 0;
    return own == currency ? b.amount : doc_.convertBetrag(b.amount, b.currencyIndex).amount;
}

std::string_view BookingCells::text(const BuchungsZeile& row, BuchungsSpalte spalte,
                                    std::string& scratch) const {
    static constexpr std::string_view kLang[3] = {"Einnahme", "Ausgabe", "Umbuchung"};
    static constexpr std::string_view kKurz[3] = {"E", "A", "U"};
    const ledger::CTWBuchung& b = row.buchung;
    const ledger::CTWKonto* konto1 = row.konto1;
    const ledger::CTWKonto* konto2 = row.konto2;
    const StandZelle* stand = row.stand;
    const int kind = std::clamp(ledger::vorgangIndex(b.kind), 0, ledger::kVorgaenge - 1);
    const auto written = [&scratch](std::string text) -> std::string_view {
        scratch = std::move(text);
        return scratch;
    };
    const auto number = [&](const ledger::CTWKonto* k) -> std::string_view {
        return k ? written(std::to_string(static_cast<uint32_t>(k->number))) : std::string_view();
    };
    switch (spalte) {
    case S::Datum:
        return written(b.date.text());
    case S::Nummer:
        return b.number;
    case S::Text:
        return b.text;
    case S::VorgangLang:
        return kLang[kind];
    case S::VorgangKurz:
        return kKurz[kind];
    case S::Konto1Name:
        return konto1 ? std::string_view(konto1->name) : std::string_view();
    case S::Konto1Nummer:
        return number(konto1);
    case S::Konto1Abkuerzung:
        return konto1 ? std::string_view(konto1->abbreviation) : std::string_view();
    case S::Konto2Name:
        return konto2 ? std::string_view(konto2->name) : std::string_view();
    case S::Konto2Nummer:
        return number(konto2);
    case S::Konto2Abkuerzung:
        return konto2 ? std::string_view(konto2->abbreviation) : std::string_view();
    case S::Betrag1:
        return written(amount(amountIn(b, 0)));
    case S::Betrag2:
        return written(amount(amountIn(b, 1)));
    case S::BetragEigen:
        return written(amount(b.amount));
    case S::Waehrung:
        return symbol(b.currencyIndex == ledger::WaehrungsIndex::Zweite ? 1 : 0);
    case S::Stand1:
        return stand ? written(amount(stand->stand[0])) : std::string_view();
    case S::Stand2:
        return stand ? written(amount(stand->stand[1])) : std::string_view();
    case S::AktuelleWaehrung:
        return stand ? std::string_view(stand->currency) : std::string_view();
    case S::Vorlaeufig:
        return b.provisional != 0 ? "V" : "";
    case S::Notizen:
        return oneLine(b.notes, scratch);
    }
    return {};
}

BookingColumns::BookingColumns(std::span<const SpaltenBit> bits, uint32_t data, bool dualCurrency,
                               bool showProvisional) {
    for (const SpaltenBit& b : bits) {
        if ((data & b.bit) == 0)
            continue;
        if (!dualCurrency && needsSecondCurrency(b.spalte))
            continue;
        if (!showProvisional && b.spalte == S::Vorlaeufig)
            continue;
        shown_.push_back(b.spalte);
    }
}

int BookingColumns::column(BuchungsSpalte spalte) const {
    const auto it = std::find(shown_.begin(), shown_.end(), spalte);
    return it == shown_.end() ? -1 : static_cast<int>(it - shown_.begin());
}

int BookingColumns::firstAmountColumn() const {
    const auto it = std::find_if(shown_.begin(), shown_.end(), isAmount);
    return it == shown_.end() ? -1 : static_cast<int>(it - shown_.begin());
}

void BookingColumns::setAlignments(ReportTable& table) const {
    for (size_t c = 0; c < shown_.size(); ++c)
        table.setColumnAlignment(static_cast<int>(c),
                                 isAmount(shown_[c]) ? kAlignRight : kAlignLeft);
}

void BookingColumns::addTitles(ReportFrame& frame, const BookingCells& cells) const {
    const int row1 = frame.addColumnTitleRow(0, 2);
    const int row2 = frame.addColumnTitleRow(1, 2);
    ReportTable& table = frame.table();
    bool konto1Titled = false;
    bool konto2Titled = false;
    for (size_t c = 0; c < shown_.size(); ++c) {
        std::array<std::string, 2> lines = titleLines(shown_[c], cells);
        if (isKonto1(shown_[c]) && !konto1Titled) {
            lines[0] = "Konto 1";
            konto1Titled = true;
        }
        if (isKonto2(shown_[c]) && !konto2Titled) {
            lines[0] = "Konto 2";
            konto2Titled = true;
        }
        const int column = static_cast<int>(c);
        if (!lines[0].empty())
            table.setCell(row1, column, lines[0]);
        if (!lines[1].empty())
            table.setCell(row2, column, lines[1]);
    }
}

void BookingColumns::setRow(ReportTable& table, int row, const ledger::CTWBuchung& b,
                            const BookingCells& cells, const StandZelle* stand) const {
    const BuchungsZeile zeile = cells.row(b, stand);
    std::string scratch;
    for (size_t c = 0; c < shown_.size(); ++c) {
        const std::string_view text = cells.text(zeile, shown_[c], scratch);
        if (!text.empty())
            table.setCell(row, static_cast<int>(c), text);
    }
}

RowFill bookingRowFill(ledger::Vorgang kind, bool odd) {
    // The data-row colours of the account kinds: income green, expense red, asset blue.
    return accountRowFill(ledger::gegenkontoArt(kind), odd);
}

} // namespace reports
