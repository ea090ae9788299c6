#include "ledger/konto.h"

namespace ledger {

int32_t CTWKonto::effectiveCategory(int assignment) const {
    if (assignment == kAlternative1 && alt1UseStandard == 0)
        return alt1Category;
    if (assignment == kAlternative2 && alt2UseStandard == 0)
        return alt2Category;
    return category;
}

int32_t CTWKonto::effectiveSubcategory(int assignment) const {
    if (assignment == kAlternative1 && alt1UseStandard == 0)
        return alt1Subcategory;
    if (assignment == kAlternative2 && alt2UseStandard == 0)
        return alt2Subcategory;
    return subcategory;
}

WaehrungsIndex CTWKonto::currencyIndexAt(const CNVKDatum& date) const {
    if (!isAsset())
        return WaehrungsIndex::Keine;
    WaehrungsIndex index = currencyIndex;
    for (const CNVKDatum& switchDate : switchDates)
        if (switchDate <= date)
            index = andereWaehrung(index);
    return index;
}

WaehrungsIndex CTWKonto::finalCurrencyIndex() const {
    if (!isAsset())
        return WaehrungsIndex::Keine;
    return switchDates.size() % 2 == 0 ? currencyIndex : andereWaehrung(currencyIndex);
}

} // namespace ledger
