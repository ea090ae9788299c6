// The data columns of the two account views (accounts, accounts by categories): which bits
// are shown, their column titles, and the cells of account, group, category and summary rows.
#pragma once

#include "ledger/betrag.h"
#include "ledger/datum.h"
#include "reports/report_table.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace reports {

// Column bits of the account views, in display order.
enum KontenSpalte : uint32_t {
    kSpalteBezeichnung = 0x1,
    kSpalteNummer = 0x2,
    kSpalteAbkuerzung = 0x4,
    kSpalteWaehrung = 0x10,
    kSpalteAnzahl = 0x40,
    kSpalteAnfang1 = 0x100,
    kSpalteAnfang2 = 0x200,
    kSpalteEnde1 = 0x400,
    kSpalteEnde2 = 0x800,
    kSpalteAnteil = 0x1000,
    kSpalteAenderung1 = 0x10000,
    kSpalteAenderung2 = 0x20000,
    kSpalteAenderungProzent = 0x40000,
    kSpalteKategorie = 0x1000000,
    kSpalteUnterkategorie = 0x2000000,
};

// Booking count and start and end values in both currencies of an account or of a sum of
// accounts.
struct KontoZahlen {
    int32_t count = 0;
    std::array<int64_t, 2> start{};
    std::array<int64_t, 2> end{};

    void add(const KontoZahlen& other);
    int64_t change(int currency) const;
};

// What the cells of the account views are written with.
struct ZellFormat {
    ledger::BetragFormat betrag;
    int percentDecimals = 1;
    std::array<std::string, 2> symbols; // first and second currency symbol
    ledger::CNVKDatum start;
    ledger::CNVKDatum end;
};

// The texts of one account row that do not come from figures.
struct KontoTexte {
    std::string name;
    std::string number;
    std::string abbreviation;
    std::string currency; // empty for income and expense accounts
    std::string category;
    std::string subcategory;
};

class AccountColumns {
public:
    // `firstColumn` is the table column of the first data column; the label columns before
    // it belong to the view. Without dual-currency bookkeeping the second-currency bits and
    // the currency column are dropped; without any name column the name is shown.
    AccountColumns(uint32_t bits, bool dualCurrency, int firstColumn);

    int tableColumns() const { return firstColumn_ + static_cast<int>(shown_.size()); }
    bool shows(uint32_t bit) const { return column(bit) >= 0; }
    // The table column of the bit, or -1 when it is not shown.
    int column(uint32_t bit) const;

    void setAlignments(ReportTable& table) const;
    // Title lines 1 and 2 of every data column into the two rows.
    void setTitles(ReportTable& table, int row1, int row2, const ZellFormat& format) const;
    // Count, values, changes and the share of the end value in `shareWhole`.
    void setFigures(ReportTable& table, int row, const KontoZahlen& figures, int64_t shareWhole,
                    const ZellFormat& format) const;
    // Start and end values and the changes, without count and share.
    void setValues(ReportTable& table, int row, const KontoZahlen& figures,
                   const ZellFormat& format) const;
    // A text in the column of the bit, when it is shown and the text is not empty.
    void set(ReportTable& table, int row, uint32_t bit, std::string text) const;
    // The text columns of an account row.
    void setTexts(ReportTable& table, int row, const KontoTexte& texts) const;
    // The first shown column that can hold the savings rate, or -1.
    int savingsRateColumn() const;

private:
    int firstColumn_;
    std::vector<uint32_t> shown_;
};

} // namespace reports
