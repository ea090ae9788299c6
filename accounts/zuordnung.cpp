#include "accounts/zuordnung.h"

namespace accounts {

namespace {

// The ids of an alternative as they are stored: -1 unless they exist and the flag is clear.
AltZuordnung stored(const ledger::CTalwerkDoc& doc, ledger::KontoArt kind,
                    const AltZuordnung& alt) {
    AltZuordnung result{alt.useStandard, -1, -1};
    if (alt.useStandard)
        return result;
    const ledger::CTWKategorie* category = doc.findKategorie(kind, alt.category);
    if (!category)
        return result;
    result.category = category->id;
    if (category->findUnterkategorie(alt.subcategory))
        result.subcategory = alt.subcategory;
    return result;
}

} // namespace

AltZuordnung alt1Of(const ledger::CTWKonto& konto) {
    return {konto.alt1UseStandard != 0, konto.alt1Category, konto.alt1Subcategory};
}

AltZuordnung alt2Of(const ledger::CTWKonto& konto) {
    return {konto.alt2UseStandard != 0, konto.alt2Category, konto.alt2Subcategory};
}

void setZuordnungen(const ledger::CTalwerkDoc& doc, ledger::CTWKonto& konto,
                    std::string_view categoryName, std::string_view subcategoryName,
                    const AltZuordnung& alt1, const AltZuordnung& alt2) {
    konto.category = -1;
    konto.subcategory = -1;
    if (const ledger::CTWKategorie* category = doc.findKategorieByName(konto.kind, categoryName)) {
        konto.category = category->id;
        if (const ledger::CTWUnterkategorie* sub = category->findUnterkategorie(subcategoryName))
            konto.subcategory = sub->id;
    }

    const AltZuordnung a1 = stored(doc, konto.kind, alt1);
    konto.alt1UseStandard = a1.useStandard ? 1 : 0;
    konto.alt1Category = a1.category;
    konto.alt1Subcategory = a1.subcategory;
    const AltZuordnung a2 = stored(doc, konto.kind, alt2);
    konto.alt2UseStandard = a2.useStandard ? 1 : 0;
    konto.alt2Category = a2.category;
    konto.alt2Subcategory = a2.subcategory;
}

} // namespace accounts
