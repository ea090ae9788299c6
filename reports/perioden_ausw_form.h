// CPeriodenAuswForm: the rules of the dialog "Vergleichsperioden auswählen": layout, period
// type with the window kept for each type, the asset account value, the currency and the
// change between two periods, with the count and the windows of the periods that result for
// the view's range.
#pragma once

#include "ledger/einstellungen.h"
#include "reports/comparison_periods.h"

#include <array>
#include <string>
#include <vector>

namespace reports {

class CPeriodenAuswForm {
public:
    static constexpr const char* kCaption = "Vergleichsperioden auswählen";

    // The four fields of the window line.
    enum class Feld { StartTag, StartMonat, EndTag, EndMonat };

    // Takes the comparison settings of the document and the range of the view.
    CPeriodenAuswForm(const ledger::CTWEinstellungen& settings, ledger::CNVKDatum start,
                      ledger::CNVKDatum end);

    // Values the dialog shows and edits.
    int layout = 1;     // 0 "Wie in Ansicht Konten", 1 "Wie in Ansicht Konten nach Kategorien"
    int assetValue = 0; // 0 end, 1 start, 2 average balance of the period
    int currency = 0;   // display currency
    bool showChange = false;
    int fromPeriod = 1; // the two periods of the change, counted from 1
    int toPeriod = 2;
    PeriodWindow window; // of the current period type

    int periodType() const { return type_; }
    // Keeps the shown window for the old type and shows the one kept for the new type.
    void setPeriodType(int type);
    // A window field was left: its value is brought into range, the window kept from running
    // backwards, and the periods are counted again.
    void leaveField(Feld field);
    // "&Komplette Perioden": the window becomes the whole period.
    void komplettePerioden();

    // The periods of the view's range under the shown type and window.
    const std::vector<ComparisonPeriod>& periods() const { return periods_; }
    // "(3 Perioden)", "(1 Periode, 2 notwendig)" or "(0 Perioden, 2 notwendig)".
    std::string countText() const;
    // The change and its period numbers can be chosen with two or more periods.
    bool changeEnabled() const { return periods_.size() >= 2; }
    // Brings the two period numbers into the range of the periods.
    void keepPeriodNumbersValid();
    // "01.01.2024 - 31.01.2024 / 01.03.2024 - 31.03.2024" for the two periods of the change,
    // or empty while they are not valid.
    std::string changePeriodsText() const;

    // OK: checks all four fields and writes the choice into the settings.
    void ok(ledger::CTWEinstellungen& settings);

private:
    void recount();

    ledger::CNVKDatum start_;
    ledger::CNVKDatum end_;
    int type_ = kMonate;
    std::array<PeriodWindow, 3> kept_;
    std::vector<ComparisonPeriod> periods_;
};

} // namespace reports
