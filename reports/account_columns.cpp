#include "reports/account_columns.h"

#include "reports/period_table.h"
#include "reports/report_texts.h"

#include <algorithm>

namespace reports {
namespace {

constexpr uint32_t kOrder[] = {
    kSpalteBezeichnung,      kSpalteNummer,     kSpalteAbkuerzung,
    kSpalteWaehrung,         kSpalteAnzahl,     kSpalteAnfang1,
    kSpalteAnfang2,          kSpalteEnde1,      kSpalteEnde2,
    kSpalteAnteil,           kSpalteAenderung1, kSpalteAenderung2,
    kSpalteAenderungProzent, kSpalteKategorie,  kSpalteUnterkategorie,
};

constexpr uint32_t kSecondCurrency =
    kSpalteWaehrung | kSpalteAnfang2 | kSpalteEnde2 | kSpalteAenderung2;
constexpr uint32_t kRightAligned = kSpalteAnzahl | kSpalteAnfang1 | kSpalteAnfang2 | kSpalteEnde1 |
                                   kSpalteEnde2 | kSpalteAnteil | kSpalteAenderung1 |
                                   kSpalteAenderung2 | kSpalteAenderungProzent;
// Columns in which the savings rate may stand, in display order.
constexpr uint32_t kRateColumns = kSpalteAnteil | kSpalteAenderung1 | kSpalteAenderung2 |
                                  kSpalteAenderungProzent | kSpalteKategorie |
                                  kSpalteUnterkategorie;

struct Titles {
    std::string line1;
    std::string line2;
};

Titles titlesOf(uint32_t bit, const ZellFormat& f) {
    const std::string in1 = "in " + f.symbols[0];
    const std::string in2 = "in " + f.symbols[1];
    switch (bit) {
    case kSpalteBezeichnung:
        return {"Bezeichung", ""};
    case kSpalteNummer:
        return {"Nummer", ""};
    case kSpalteAbkuerzung:
        return {"Abkürzung", ""};
    case kSpalteWaehrung:
        return {"Währ.", ""};
    case kSpalteAnzahl:
        return {"Anz.", ""};
    case kSpalteAnfang1:
        return {f.start.text(), in1};
    case kSpalteAnfang2:
        return {f.start.text(), in2};
    case kSpalteEnde1:
        return {f.end.text(), in1};
    case kSpalteEnde2:
        return {f.end.text(), in2};
    case kSpalteAnteil:
        return {"Anteil", "in %"};
    case kSpalteAenderung1:
        return {"Änderung", in1};
    case kSpalteAenderung2:
        return {"Änderung", in2};
    case kSpalteAenderungProzent:
        return {"Änderung", "in %"};
    case kSpalteKategorie:
        return {"Kategorie", ""};
    default:
        return {"Unterkategorie", ""};
    }
}

} // namespace

void KontoZahlen::add(const KontoZahlen& other) {
    count += other.count;
    for (int c = 0; c < 2; ++c) {
        start[c] = ledger::addBetrag(start[c], other.start[c]);
        end[c] = ledger::addBetrag(end[c], other.end[c]);
    }
}

int64_t KontoZahlen::change(int currency) const {
    return ledger::subBetrag(end[currency], start[currency]);
}

AccountColumns::AccountColumns(uint32_t bits, bool dualCurrency, int firstColumn)
    : firstColumn_(firstColumn) {
    if (!dualCurrency)
        bits &= ~kSecondCurrency;
    if ((bits & (kSpalteBezeichnung | kSpalteNummer | kSpalteAbkuerzung)) == 0)
        bits |= kSpalteBezeichnung;
    for (uint32_t bit : kOrder)
        if (bits & bit)
            shown_.push_back(bit);
}

int AccountColumns::column(uint32_t bit) const {
    auto it = std::find(shown_.begin(), shown_.end(), bit);
    return it == shown_.end() ? -1 : firstColumn_ + static_cast<int>(it - shown_.begin());
}

void AccountColumns::setAlignments(ReportTable& table) const {
    for (uint32_t bit : shown_)
        table.setColumnAlignment(column(bit), (bit & kRightAligned) ? kAlignRight : kAlignLeft);
}

void AccountColumns::setTitles(ReportTable& table, int row1, int row2,
                               const ZellFormat& format) const {
    for (uint32_t bit : shown_) {
        Titles t = titlesOf(bit, format);
        if (!t.line1.empty())
            table.setCell(row1, column(bit), t.line1);
        if (!t.line2.empty())
            table.setCell(row2, column(bit), t.line2);
    }
}

void AccountColumns::set(ReportTable& table, int row, uint32_t bit, std::string text) const {
    const int c = column(bit);
    if (c >= 0 && !text.empty())
        table.setCell(row, c, text);
}

void AccountColumns::setFigures(ReportTable& table, int row, const KontoZahlen& z,
                                int64_t shareWhole, const ZellFormat& f) const {
    set(table, row, kSpalteAnzahl, countText(z.count));
    set(table, row, kSpalteAnteil, shareText(z.end[0], shareWhole, f.percentDecimals));
    setValues(table, row, z, f);
}

void AccountColumns::setValues(ReportTable& table, int row, const KontoZahlen& z,
                               const ZellFormat& f) const {
    const ledger::BetragFormat& b = f.betrag;
    set(table, row, kSpalteAnfang1, b.format(z.start[0]));
    set(table, row, kSpalteAnfang2, b.format(z.start[1]));
    set(table, row, kSpalteEnde1, b.format(z.end[0]));
    set(table, row, kSpalteEnde2, b.format(z.end[1]));
    set(table, row, kSpalteAenderung1, b.format(z.change(0)));
    set(table, row, kSpalteAenderung2, b.format(z.change(1)));
    set(table, row, kSpalteAenderungProzent, changeText(z.end[0], z.start[0], f.percentDecimals));
}

void AccountColumns::setTexts(ReportTable& table, int row, const KontoTexte& t) const {
    set(table, row, kSpalteBezeichnung, t.name);
    set(table, row, kSpalteNummer, t.number);
    set(table, row, kSpalteAbkuerzung, t.abbreviation);
    set(table, row, kSpalteWaehrung, t.currency);
    set(table, row, kSpalteKategorie, t.category);
    set(table, row, kSpalteUnterkategorie, t.subcategory);
}

int AccountColumns::savingsRateColumn() const {
    for (uint32_t bit : shown_)
        if (bit & kRateColumns)
            return column(bit);
    return -1;
}

} // namespace reports
