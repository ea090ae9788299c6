#include "reports/value_series.h"

#include "reports/periods.h"

namespace reports {

ValueSeries ValueSeries::totals(const ledger::CTalwerkDoc& doc, const KontoIndex& index,
                                const ReportParams& params) {
    return ValueSeries(doc, index, params, std::nullopt);
}

ValueSeries ValueSeries::selection(const ledger::CTalwerkDoc& doc, const KontoIndex& index,
                                   const ReportParams& params) {
    return ValueSeries(doc, index, params,
                       SelectedAccounts(index, params.selection, params.grouping));
}

ValueSeries::ValueSeries(const ledger::CTalwerkDoc& doc, const KontoIndex& index,
                         const ReportParams& params, std::optional<SelectedAccounts> selected)
    : walk_(doc, index, params.start, params.withoutProvisional), selected_(std::move(selected)),
      periodKind_(params.periodKind), start_(params.start), end_(params.end), day_(params.start) {
    if (selected_)
        flow_ = {selected_->isFlow()};
    else
        flow_ = {0, 0, 0, 1, 1, 1}; // "Sparbetrag", "Einnahmen" and "Ausgaben" are flows
    raw_.resize(flow_.size());
    base_.resize(flow_.size());
    shown_.resize(flow_.size());
}

bool ValueSeries::next() {
    if (started_) {
        if (day_ >= end_)
            return false;
        day_ = ledger::CNVKDatum(day_.dayNumber() + 1);
        // The flows of the previous day become the base of a new period.
        if (startsPeriod(periodKind_, day_))
            for (std::size_t i = 0; i < flow_.size(); ++i)
                if (flow_[i])
                    base_[i] = raw_[i];
    } else if (end_ < start_) {
        return false;
    }
    started_ = true;
    walk_.advanceTo(day_);
    read();
    return true;
}

bool ValueSeries::closesPeriod() const {
    return endsPeriod(periodKind_, day_, end_);
}

void ValueSeries::read() {
    const Umrechner& umrechner = walk_.table().umrechner();
    if (selected_) {
        raw_[0] = SelectedAccounts::combined(umrechner, selected_->sums(walk_.table(), day_));
    } else {
        for (int k = kGuthaben; k <= kAusgaben; ++k)
            raw_[k - 1] = {walk_.total(k, ledger::WaehrungsIndex::Erste),
                           walk_.total(k, ledger::WaehrungsIndex::Zweite)};
    }
    for (std::size_t i = 0; i < raw_.size(); ++i)
        for (int c = 0; c < 2; ++c)
            shown_[i][c] = ledger::subBetrag(raw_[i][c], base_[i][c]);
}

} // namespace reports
