// The two value table views: the total figures of the ledger (view kind 5) and the value of
// the selected account, category or sub-category (view kind 6), one row per day or per
// month, quarter or year, then the average and, for flows, the sum over the range.
#pragma once

#include "ledger/dokument.h"
#include "reports/report_params.h"
#include "reports/report_table.h"

namespace reports {

// Column bits of the total value table: the date column, then each figure of value kind k
// in currency c at 1 << (4k + 2c), and the savings rate.
inline constexpr uint32_t kWerteSpalteDatum = 0x1;
inline constexpr uint32_t kWerteSpalteSparquote = 0x10000000;
constexpr uint32_t totalValueBit(int valueKind, int currency) {
    return 1u << (4 * valueKind + 2 * currency);
}
// Column bits of the account value table: the value in the first and the second currency.
inline constexpr uint32_t kWerteSpalteWert1 = 0x10;
inline constexpr uint32_t kWerteSpalteWert2 = 0x40;

ReportTable buildTotalValuesView(const ledger::CTalwerkDoc& doc, const ReportParams& params);
ReportTable buildAccountValuesView(const ledger::CTalwerkDoc& doc, const ReportParams& params);

} // namespace reports
