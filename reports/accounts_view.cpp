#include "reports/accounts_view.h"

#include "reports/account_groups.h"
#include "reports/report_texts.h"

namespace reports {
namespace {

AccountViewSettings accountsViewSettings(const ledger::CTWEinstellungen& s) {
    return {s.accountsData,
            s.accountsGroups,
            s.accountsSortKey,
            s.accountsSortDirection != 0,
            s.accountsTitle,
            s.accountsHideZeroIncomeExpense != 0,
            s.accountsHideZeroAsset != 0};
}

} // namespace

ReportTable buildAccountsView(const ledger::CTalwerkDoc& doc, const ReportParams& params) {
    const AccountViewSettings view = accountsViewSettings(doc.settings());
    const bool dual = doc.settings().dualCurrency != 0;
    const KontoIndex index(doc.accounts());
    const PeriodTable periods =
        buildPeriodTable(doc, index, params.start, params.end, params.withoutProvisional);
    KontenGruppen groups = collectGroups(doc, periods, params.grouping);
    for (auto& members : groups.members)
        sortAccounts(members, view.sortKey, view.descending, dual);

    const ZellFormat format = cellFormat(doc, params);
    const AccountColumns columns(view.columns, dual, 1);
    ReportFrame frame(doc.settings(), doc.screenScale(), columns.tableColumns());
    ReportTable& table = frame.table();
    columns.setAlignments(table);
    frame.addTitleRow(rangeTitle(view.titleTemplate, params.start, params.end));
    addAccountColumnTitles(frame, columns, format);

    for (int g = 0; g < 4; ++g) {
        if (g == 2 && (view.groups & kSummaryBlock))
            addSummaryBlock(frame, columns, groups.totals, kSummaryFill, format);
        if ((view.groups & (1u << g)) == 0)
            continue;
        const KontoZahlen& total = groups.totals[g];
        int row = frame.addRow(groupRowFill(groupKind(g)), true);
        table.setCell(row, 0, groupLabel(g));
        columns.setFigures(table, row, total, total.end[0], format);

        bool odd = false;
        for (const KontoZeile& entry : groups.members[g]) {
            if (hiddenByZeroFlags(entry, view, dual))
                continue;
            row = frame.addRow(accountRowFill(groupKind(g), odd), false,
                               RowTag::konto(entry.konto->id));
            odd = !odd;
            columns.setTexts(table, row, accountTexts(entry, format));
            columns.setFigures(table, row, entry.zahlen, total.end[0], format);
        }
    }
    return frame.take();
}

} // namespace reports
