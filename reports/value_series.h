// The values that the value tables and the charts follow through a date range, day by day:
// either the six total figures of the ledger or the value of a selected account, category or
// sub-category, each in both currencies. Flows are rebased at the start of every month,
// quarter or year for the period kinds other than "Entwicklung"; balances never are.
#pragma once

#include "ledger/dokument.h"
#include "reports/day_by_day.h"
#include "reports/report_params.h"
#include "reports/selected_accounts.h"

#include <array>
#include <optional>
#include <vector>

namespace reports {

class ValueSeries {
public:
    using Pair = std::array<int64_t, 2>; // in the first and the second currency

    // The six total figures; value(k - 1) is the figure of value kind k.
    static ValueSeries totals(const ledger::CTalwerkDoc& doc, const KontoIndex& index,
                              const ReportParams& params);
    // The one value of the selected accounts (`params.selection` resolved).
    static ValueSeries selection(const ledger::CTalwerkDoc& doc, const KontoIndex& index,
                                 const ReportParams& params);

    // Moves to the next day of the range (the first call moves to the start date); false
    // when the range is done.
    bool next();
    ledger::CNVKDatum day() const { return day_; }
    // Whether the day closes a period of the period kind (with "Entwicklung" every day).
    bool closesPeriod() const;

    int count() const { return static_cast<int>(shown_.size()); }
    bool isFlow(int i) const { return flow_[i] != 0; }
    // The value as shown on the day: flows since the start of the period.
    const Pair& value(int i) const { return shown_[i]; }
    // The value of the day without rebasing: flows since the start date.
    const Pair& runningValue(int i) const { return raw_[i]; }

private:
    ValueSeries(const ledger::CTalwerkDoc& doc, const KontoIndex& index, const ReportParams& params,
                std::optional<SelectedAccounts> selected);
    void read();

    DayByDay walk_;
    std::optional<SelectedAccounts> selected_;
    int periodKind_;
    ledger::CNVKDatum start_;
    ledger::CNVKDatum end_;
    ledger::CNVKDatum day_;
    bool started_ = false;
    std::vector<char> flow_;
    std::vector<Pair> raw_;
    std::vector<Pair> base_;
    std::vector<Pair> shown_;
};

} // namespace reports
