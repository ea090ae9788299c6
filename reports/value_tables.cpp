#include "reports/value_tables.h"

#include "reports/periods.h"
#include "reports/report_frame.h"
#include "reports/report_texts.h"
#include "reports/report_title.h"
#include "reports/value_series.h"

#include <string>
#include <vector>

namespace reports {
namespace {

inline constexpr RowFill kAverageFill{{205, 205, 205}, {255, 255, 135}};

// One amount column: which value of the series in which currency.
struct WertSpalte {
    int value = 0;
    int currency = 0;
    std::string title;
};

// The columns of a value table and what its rows hold.
struct WerteLayout {
    bool dateColumn = false;
    std::vector<WertSpalte> amounts;
    // Savings rate from the values "Sparbetrag" and "Einnahmen" of the series (first currency).
    bool savingsRate = false;
    bool extraColumn = false;

    int firstAmount() const { return dateColumn ? 1 : 0; }
    int rateColumn() const { return firstAmount() + static_cast<int>(amounts.size()); }
    int columnCount() const { return rateColumn() + (savingsRate ? 1 : 0) + (extraColumn ? 1 : 0); }
};

class WerteTabelle {
public:
    WerteTabelle(const ledger::CTalwerkDoc& doc, const ReportParams& params,
                 const WerteLayout& layout)
        : frame_(doc.settings(), doc.screenScale(), layout.columnCount()), table_(frame_.table()),
          layout_(layout), betrag_(doc.betragFormat()),
          percentDecimals_(doc.settings().percentDecimals), periodKind_(params.periodKind) {
        if (layout_.dateColumn)
            table_.setColumnAlignment(0, kAlignLeft);
        for (int c = layout_.firstAmount(); c < layout_.columnCount(); ++c)
            table_.setColumnAlignment(c, kAlignRight);
    }

    void addTitles(std::string title) {
        frame_.addTitleRow(std::move(title));
        const int first = frame_.addColumnTitleRow(0, 2);
        const int second = frame_.addColumnTitleRow(1, 2);
        if (layout_.dateColumn)
            table_.setCell(first, 0, periodColumnLabel(periodKind_));
        for (std::size_t a = 0; a < layout_.amounts.size(); ++a) {
            const int column = layout_.firstAmount() + static_cast<int>(a);
            const std::string& title = layout_.amounts[a].title;
            const std::size_t split = title.find('\n');
            table_.setCell(first, column, title.substr(0, split));
            table_.setCell(second, column, title.substr(split + 1));
        }
        if (layout_.savingsRate) {
            table_.setCell(first, layout_.rateColumn(), "Sparquote");
            table_.setCell(second, layout_.rateColumn(), "in %");
        }
    }

    // Rows on every day that closes a period, then "Ø" and, with flows per period, "Summe".
    void addRows(ValueSeries& series) {
        std::vector<__int128> sums(layout_.amounts.size());
        long rows = 0;
        while (series.next()) {
            if (!series.closesPeriod())
                continue;
            const int row = frame_.addRow(valueTableRowFill(rows % 2 == 1), false);
            ++rows;
            if (layout_.dateColumn)
                table_.setCell(row, 0, periodLabel(periodKind_, series.day()));
            for (std::size_t a = 0; a < layout_.amounts.size(); ++a) {
                const int64_t v = value(series, a);
                sums[a] += v;
                setAmount(row, a, v);
            }
            if (layout_.savingsRate) {
                const int64_t income = series.value(kEinnahmen - 1)[0];
                if (income > 0)
                    table_.setCell(
                        row, layout_.rateColumn(),
                        shareText(series.value(kSparbetrag - 1)[0], income, percentDecimals_));
            }
        }
        if (rows == 0)
            return;
        const int average = addSummaryRow("Ø");
        for (std::size_t a = 0; a < layout_.amounts.size(); ++a)
            setAmount(average, a, static_cast<int64_t>(sums[a] / rows));

        bool anyFlow = false;
        for (const WertSpalte& column : layout_.amounts)
            anyFlow = anyFlow || series.isFlow(column.value);
        if (periodKind_ == kEntwicklung || !anyFlow)
            return;
        const int sum = addSummaryRow("Summe");
        for (std::size_t a = 0; a < layout_.amounts.size(); ++a)
            if (series.isFlow(layout_.amounts[a].value))
                setAmount(
                    sum, a,
                    series.runningValue(layout_.amounts[a].value)[layout_.amounts[a].currency]);
    }

    ReportTable take() { return frame_.take(); }

private:
    int64_t value(const ValueSeries& series, std::size_t a) const {
        return series.value(layout_.amounts[a].value)[layout_.amounts[a].currency];
    }
    void setAmount(int row, std::size_t a, int64_t amount) {
        table_.setCell(row, layout_.firstAmount() + static_cast<int>(a), betrag_.format(amount));
    }
    int addSummaryRow(const char* label) {
        const int row = frame_.addRow(kAverageFill, true);
        if (layout_.dateColumn)
            table_.setCell(row, 0, label);
        return row;
    }

    ReportFrame frame_;
    ReportTable& table_;
    const WerteLayout& layout_;
    ledger::BetragFormat betrag_;
    int percentDecimals_;
    int periodKind_;
};

std::string inCurrency(const ledger::CTalwerkDoc& doc, int currency) {
    return "in " + (currency == 0 ? doc.settings().firstCurrencySymbol
                                  : doc.settings().secondCurrencySymbol);
}

} // namespace

ReportTable buildTotalValuesView(const ledger::CTalwerkDoc& doc, const ReportParams& params) {
    const uint32_t bits = doc.settings().totalValuesData;
    const int currencies = doc.settings().dualCurrency != 0 ? 2 : 1;
    WerteLayout layout;
    layout.dateColumn = (bits & kWerteSpalteDatum) != 0;
    for (int k = kGuthaben; k <= kAusgaben; ++k)
        for (int c = 0; c < currencies; ++c)
            if (bits & totalValueBit(k, c))
                layout.amounts.push_back(
                    {k - 1, c, std::string(valueKindName(k)) + "\n" + inCurrency(doc, c)});
    layout.savingsRate = (bits & kWerteSpalteSparquote) != 0;
    layout.extraColumn = doc.settings().totalValuesExtraColumn != 0;

    WerteTabelle table(doc, params, layout);
    table.addTitles(rangeTitle(doc.settings().totalValuesTitle, params.start, params.end));
    const KontoIndex index(doc.accounts());
    ValueSeries series = ValueSeries::totals(doc, index, params);
    table.addRows(series);
    return table.take();
}

ReportTable buildAccountValuesView(const ledger::CTalwerkDoc& doc, const ReportParams& params) {
    ReportParams resolved = params;
    resolveSelection(doc, resolved.selection);
    const uint32_t bits = doc.settings().accountValuesData;
    WerteLayout layout;
    layout.dateColumn = (bits & kWerteSpalteDatum) != 0;
    if (bits & kWerteSpalteWert1)
        layout.amounts.push_back({0, 0, "Wert\n" + inCurrency(doc, 0)});
    if ((bits & kWerteSpalteWert2) && doc.settings().dualCurrency != 0)
        layout.amounts.push_back({0, 1, "Wert\n" + inCurrency(doc, 1)});
    layout.extraColumn = doc.settings().accountValuesExtraColumn != 0;

    WerteTabelle table(doc, resolved, layout);
    table.addTitles(reportTitle(doc.settings().accountValuesTitle, doc, resolved));
    if (resolved.selection.kind == Selection::kNone)
        return table.take();
    const KontoIndex index(doc.accounts());
    ValueSeries series = ValueSeries::selection(doc, index, resolved);
    table.addRows(series);
    return table.take();
}

} // namespace reports
