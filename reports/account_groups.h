// What the accounts view and the accounts-by-categories view share: their settings, the four
// account groups with their totals, the sort order of accounts, the zero-balance flags and
// the summary block.
#pragma once

#include "ledger/dokument.h"
#include "reports/account_columns.h"
#include "reports/period_table.h"
#include "reports/report_frame.h"
#include "reports/report_params.h"

#include <array>
#include <string>
#include <vector>

namespace reports {

// The settings of one of the two account views.
struct AccountViewSettings {
    uint32_t columns = 0;
    uint32_t groups = 0; // 0x1 to 0x8 the groups, 0x10 the summary block
    int sortKey = 0;
    bool descending = false;
    std::string titleTemplate;
    bool hideZeroIncomeExpense = false;
    bool hideZeroAsset = false;
};

inline constexpr uint32_t kSummaryBlock = 0x10;

// Sort keys of accounts.
enum KontoSortierung : int {
    kNachBezeichnung = 0,
    kNachNummer = 1,
    kNachAbkuerzung = 2,
    kNachWaehrung = 3,
    kNachAnzahl = 4,
    kNachAnfangswert = 5,
    kNachEndwert = 6,
    kNachVeraenderung = 7,
    kNachKategorie = 8,
    kNachUnterkategorie = 9,
};

// One account as a row of an account view.
struct KontoZeile {
    const ledger::CTWKonto* konto = nullptr;
    const PeriodRecord* record = nullptr;
    KontoZahlen zahlen;
    // The category and sub-category of the grouping assignment; -1 when the account has none
    // (or refers to one that does not exist).
    int32_t category = -1;
    int32_t subcategory = -1;
    std::string categoryName = ledger::kKeine;
    std::string subcategoryName = ledger::kKeine;
};

// Groups 0 (asset, end balance not negative), 1 (asset, negative), 2 (income), 3 (expense).
struct KontenGruppen {
    std::array<std::vector<KontoZeile>, 4> members; // in account-id order
    std::array<KontoZahlen, 4> totals;
};

// The group of an account's end value in the first currency.
int groupOf(const PeriodRecord& record);
// The account kind of a group: 0 for groups 0 and 1, 1 for group 2, 2 for group 3.
ledger::KontoArt groupKind(int group);
const char* groupLabel(int group);

// Every account of the period table put into its group, with the group totals.
KontenGruppen collectGroups(const ledger::CTalwerkDoc& doc, const PeriodTable& table, int grouping);

// Whether the zero-balance flags of the view hide the account.
bool hiddenByZeroFlags(const KontoZeile& entry, const AccountViewSettings& view, bool dual);

// Orders accounts by the key; equal accounts keep their order.
void sortAccounts(std::vector<KontoZeile>& accounts, int key, bool descending, bool dual);

// Cell formats of the document for the range of the parameters.
ZellFormat cellFormat(const ledger::CTalwerkDoc& doc, const ReportParams& params);
// The texts of an account row.
KontoTexte accountTexts(const KontoZeile& entry, const ZellFormat& format);

// The rows "Vermögen" and "Sparbetrag" (or "Sparbetrag/-quote") from the totals of all four
// groups.
void addSummaryBlock(ReportFrame& frame, const AccountColumns& columns,
                     const std::array<KontoZahlen, 4>& totals, const RowFill& fill,
                     const ZellFormat& format);

// The three column-title rows; "Kontenart" spans up to four columns in the first.
// Returns the index of the second row (the third follows it).
int addAccountColumnTitles(ReportFrame& frame, const AccountColumns& columns,
                           const ZellFormat& format);

} // namespace reports
