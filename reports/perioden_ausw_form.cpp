#include "reports/perioden_ausw_form.h"

#include <algorithm>

namespace reports {
namespace {

inline constexpr uint32_t kChangeColumn = 0x4000;

} // namespace

CPeriodenAuswForm::CPeriodenAuswForm(const ledger::CTWEinstellungen& s, ledger::CNVKDatum start,
                                     ledger::CNVKDatum end)
    : layout(s.comparisonLayout == 0 ? 0 : 1), assetValue(std::clamp(s.comparisonAssetValue, 0, 2)),
      currency(s.dualCurrency != 0 && s.comparisonCurrency == 1 ? 1 : 0),
      showChange((s.periodComparisonData & kChangeColumn) != 0), fromPeriod(s.changeFromPeriod),
      toPeriod(s.changeToPeriod), start_(start), end_(end),
      type_(std::clamp(s.comparisonPeriodType, 0, 2)), kept_(periodWindows(s)) {
    window = kept_[type_];
    for (const Feld f : {Feld::StartTag, Feld::StartMonat, Feld::EndTag, Feld::EndMonat})
        leaveField(f);
}

void CPeriodenAuswForm::setPeriodType(int type) {
    kept_[type_] = window;
    type_ = std::clamp(type, 0, 2);
    window = kept_[type_];
    recount();
}

void CPeriodenAuswForm::leaveField(Feld field) {
    const int months = periodMonths(type_);
    window.startDay = std::clamp(window.startDay, 1, 31);
    window.endDay = std::clamp(window.endDay, 1, 31);
    window.startMonth = std::clamp(window.startMonth, 1, months);
    window.endMonth = std::clamp(window.endMonth, 1, months);
    const bool startChanged = field == Feld::StartTag || field == Feld::StartMonat;
    if (window.startMonth > window.endMonth) {
        if (startChanged) {
            window.startMonth = window.endMonth;
            window.startDay = window.endDay;
        } else {
            window.endMonth = window.startMonth;
            window.endDay = window.startDay;
        }
    } else if (window.startMonth == window.endMonth && window.endDay < window.startDay) {
        window.endDay = window.startDay;
    }
    recount();
}

void CPeriodenAuswForm::komplettePerioden() {
    window = {1, 1, 31, periodMonths(type_)};
    recount();
}

void CPeriodenAuswForm::recount() {
    periods_ = comparisonPeriods(start_, end_, type_, window);
    keepPeriodNumbersValid();
}

std::string CPeriodenAuswForm::countText() const {
    switch (periods_.size()) {
    case 0:
        return "(0 Perioden, 2 notwendig)";
    case 1:
        return "(1 Periode, 2 notwendig)";
    default:
        return "(" + std::to_string(periods_.size()) + " Perioden)";
    }
}

void CPeriodenAuswForm::keepPeriodNumbersValid() {
    const int count = static_cast<int>(periods_.size());
    if (toPeriod > count)
        toPeriod = count;
    if (fromPeriod >= toPeriod)
        fromPeriod = toPeriod - 1;
    if (fromPeriod < 1 || toPeriod < 2) {
        fromPeriod = 1;
        toPeriod = 2;
    }
}

std::string CPeriodenAuswForm::changePeriodsText() const {
    const int count = static_cast<int>(periods_.size());
    if (fromPeriod < 1 || toPeriod <= fromPeriod || toPeriod > count)
        return "";
    const auto text = [](const ComparisonPeriod& p) {
        return p.start.text() + " - " + p.end.text();
    };
    return text(periods_[fromPeriod - 1]) + " / " + text(periods_[toPeriod - 1]);
}

void CPeriodenAuswForm::ok(ledger::CTWEinstellungen& s) {
    for (const Feld f : {Feld::StartTag, Feld::StartMonat, Feld::EndTag, Feld::EndMonat})
        leaveField(f);
    kept_[type_] = window;
    s.comparisonLayout = layout;
    s.comparisonPeriodType = type_;
    s.comparisonAssetValue = assetValue;
    s.comparisonCurrency = currency;
    storePeriodWindows(s, kept_);
    if (showChange)
        s.periodComparisonData |= kChangeColumn;
    else
        s.periodComparisonData &= ~kChangeColumn;
    s.changeFromPeriod = fromPeriod;
    s.changeToPeriod = toPeriod;
}

} // namespace reports
