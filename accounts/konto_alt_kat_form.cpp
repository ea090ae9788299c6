#include "accounts/konto_alt_kat_form.h"

namespace accounts {

namespace {

CKontoAltKatForm::Gruppe gruppe(ledger::CTalwerkDoc& doc, ledger::KontoArt kind,
                                const AltZuordnung& alt) {
    CKontoAltKatForm::Gruppe g{alt.useStandard, KategorieAuswahl(doc, kind)};
    g.auswahl.setIds(alt.category, alt.subcategory);
    return g;
}

} // namespace

CKontoAltKatForm::CKontoAltKatForm(ledger::CTalwerkDoc& doc, ledger::KontoArt kind,
                                   const AltZuordnung& alt1, const AltZuordnung& alt2)
    : gruppen{gruppe(doc, kind, alt1), gruppe(doc, kind, alt2)} {}

bool CKontoAltKatForm::create(int gruppe, const KategorieBenennung& benennung) {
    if (gruppe < 0 || gruppe > 1 || !gruppen[gruppe].auswahl.create(benennung))
        return false;
    changed_ = true;
    return true;
}

std::array<AltZuordnung, 2> CKontoAltKatForm::result() const {
    std::array<AltZuordnung, 2> out;
    for (int i = 0; i < 2; ++i)
        out[i] = {gruppen[i].useStandard, gruppen[i].auswahl.categoryId(),
                  gruppen[i].auswahl.subcategoryId()};
    return out;
}

} // namespace accounts
