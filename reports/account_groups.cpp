#include "reports/account_groups.h"

#include "ledger/win1252.h"
#include "reports/report_texts.h"

#include <algorithm>

namespace reports {
namespace {

int compareNumbers(int64_t a, int64_t b) {
    return a < b ? -1 : (a > b ? 1 : 0);
}

int compareFigures(const std::array<int64_t, 2>& a, const std::array<int64_t, 2>& b, bool dual) {
    const int first = compareNumbers(a[0], b[0]);
    return first != 0 || !dual ? first : compareNumbers(a[1], b[1]);
}

// Accounts without a category (or sub-category) first, then by name.
int compareAssignment(int32_t idA, const std::string& nameA, int32_t idB,
                      const std::string& nameB) {
    if (idA < 0 || idB < 0)
        return (idA < 0 ? 0 : 1) - (idB < 0 ? 0 : 1);
    return ledger::compareNoCase(nameA, nameB);
}

// Three-way comparison of two accounts by the key, before the direction is applied.
int compareAccounts(const KontoZeile& a, const KontoZeile& b, int key, bool dual) {
    const ledger::CTWKonto& ka = *a.konto;
    const ledger::CTWKonto& kb = *b.konto;
    int result = 0;
    switch (key) {
    case kNachBezeichnung:
        return ledger::compareNoCase(ka.name, kb.name);
    case kNachNummer:
        return compareNumbers(static_cast<uint32_t>(ka.number), static_cast<uint32_t>(kb.number));
    case kNachAbkuerzung:
        return ledger::compareNoCase(ka.abbreviation, kb.abbreviation);
    case kNachWaehrung:
        if (dual && a.record->isAsset && b.record->isAsset)
            result = compareNumbers(a.record->endCurrency, b.record->endCurrency);
        break;
    case kNachAnzahl:
        result = compareNumbers(a.zahlen.count, b.zahlen.count);
        break;
    case kNachAnfangswert:
        result = compareFigures(a.zahlen.start, b.zahlen.start, dual);
        break;
    case kNachEndwert:
        result = compareFigures(a.zahlen.end, b.zahlen.end, dual);
        break;
    case kNachVeraenderung:
        result = compareFigures({a.zahlen.change(0), a.zahlen.change(1)},
                                {b.zahlen.change(0), b.zahlen.change(1)}, dual);
        break;
    case kNachKategorie:
        result = compareAssignment(a.category, a.categoryName, b.category, b.categoryName);
        if (result != 0)
            return result;
        return compareAccounts(a, b, kNachUnterkategorie, dual);
    case kNachUnterkategorie:
        result =
            compareAssignment(a.subcategory, a.subcategoryName, b.subcategory, b.subcategoryName);
        break;
    default:
        return 0;
    }
    return result != 0 ? result : ledger::compareNoCase(ka.name, kb.name);
}

} // namespace

int groupOf(const PeriodRecord& record) {
    if (record.isAsset)
        return record.endValue[0] >= 0 ? 0 : 1;
    return record.isIncome ? 2 : 3;
}

ledger::KontoArt groupKind(int group) {
    return group <= 1 ? ledger::KontoArt::Bestandskonto
                      : ledger::kontoArtAt(group - 1).value_or(ledger::KontoArt::Ausgabenkonto);
}

const char* groupLabel(int group) {
    static const char* const kLabels[] = {"Bestandskonten (Guthaben)", "Bestandskonten (Schulden)",
                                          "Einnahmenkonten", "Ausgabenkonten"};
    return kLabels[group];
}

KontenGruppen collectGroups(const ledger::CTalwerkDoc& doc, const PeriodTable& table,
                            int grouping) {
    KontenGruppen groups;
    for (const PeriodRecord& record : table.records()) {
        const ledger::CTWKonto& konto = *record.konto;
        KontoZeile entry;
        entry.konto = &konto;
        entry.record = &record;
        entry.zahlen = {record.bookingCount, record.startValue, record.endValue};
        const int32_t categoryId = konto.effectiveCategory(grouping);
        if (const ledger::CTWKategorie* category = doc.findKategorie(konto.kind, categoryId)) {
            entry.category = categoryId;
            entry.categoryName = category->name;
            const int32_t subId = konto.effectiveSubcategory(grouping);
            if (const ledger::CTWUnterkategorie* sub = category->findUnterkategorie(subId)) {
                entry.subcategory = subId;
                entry.subcategoryName = sub->name;
            }
        }
        const int group = groupOf(record);
        groups.totals[group].add(entry.zahlen);
        groups.members[group].push_back(std::move(entry));
    }
    return groups;
}

bool hiddenByZeroFlags(const KontoZeile& entry, const AccountViewSettings& view, bool dual) {
    if (entry.zahlen.count != 0)
        return false;
    if (!entry.record->isAsset)
        return view.hideZeroIncomeExpense;
    return view.hideZeroAsset && entry.zahlen.end[0] == 0 && (!dual || entry.zahlen.end[1] == 0);
}

void sortAccounts(std::vector<KontoZeile>& accounts, int key, bool descending, bool dual) {
    const int direction = descending ? -1 : 1;
    std::stable_sort(accounts.begin(), accounts.end(),
                     [&](const KontoZeile& a, const KontoZeile& b) {
                         return direction * compareAccounts(a, b, key, dual) < 0;
                     });
}

ZellFormat cellFormat(const ledger::CTalwerkDoc& doc, const ReportParams& params) {
    return {doc.betragFormat(),
            doc.settings().percentDecimals,
            {doc.settings().firstCurrencySymbol, doc.settings().secondCurrencySymbol},
            params.start,
            params.end};
}

KontoTexte accountTexts(const KontoZeile& entry, const ZellFormat& format) {
    const ledger::CTWKonto& konto = *entry.konto;
    KontoTexte texts{konto.name, countText(konto.number), konto.abbreviation,
                     "",         entry.categoryName,      entry.subcategoryName};
    if (entry.record->isAsset)
        texts.currency = format.symbols[entry.record->endCurrency == 1 ? 1 : 0];
    return texts;
}

void addSummaryBlock(ReportFrame& frame, const AccountColumns& columns,
                     const std::array<KontoZahlen, 4>& totals, const RowFill& fill,
                     const ZellFormat& format) {
    ReportTable& table = frame.table();
    KontoZahlen vermoegen = totals[0];
    vermoegen.add(totals[1]);
    int row = frame.addRow(fill, true);
    table.setCell(row, 0, "Vermögen");
    columns.setValues(table, row, vermoegen, format);

    const int64_t income = totals[2].end[0];
    const std::array<int64_t, 2> savings{ledger::subBetrag(totals[2].end[0], totals[3].end[0]),
                                         ledger::subBetrag(totals[2].end[1], totals[3].end[1])};
    const int rateColumn = columns.savingsRateColumn();
    const bool withRate = rateColumn >= 0 && income > 0;
    row = frame.addRow(fill, false);
    table.setCell(row, 0, withRate ? "Sparbetrag/-quote" : "Sparbetrag");
    columns.set(table, row, kSpalteEnde1, format.betrag.format(savings[0]));
    columns.set(table, row, kSpalteEnde2, format.betrag.format(savings[1]));
    if (withRate)
        table.setCell(row, rateColumn, shareText(savings[0], income, format.percentDecimals));
}

int addAccountColumnTitles(ReportFrame& frame, const AccountColumns& columns,
                           const ZellFormat& format) {
    const int first = frame.addColumnTitleRow(0, 3);
    frame.table().setCell(first, 0, "Kontenart", 4);
    const int second = frame.addColumnTitleRow(1, 3);
    const int third = frame.addColumnTitleRow(2, 3);
    columns.setTitles(frame.table(), second, third, format);
    return second;
}

} // namespace reports
