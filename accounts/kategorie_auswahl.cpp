#include "accounts/kategorie_auswahl.h"

#include "accounts/namen.h"

namespace accounts {

KategorieAuswahl::KategorieAuswahl(ledger::CTalwerkDoc& doc, ledger::KontoArt kind)
    : doc_(doc), kind_(kind), kategorie_(ledger::kKeine), unterkategorie_(ledger::kKeine) {}

void KategorieAuswahl::setKind(ledger::KontoArt kind) {
    kind_ = kind;
    kategorie_ = ledger::kKeine;
    unterkategorie_ = ledger::kKeine;
}

void KategorieAuswahl::setIds(int32_t categoryId, int32_t subcategoryId) {
    kategorie_ = doc_.kategorieName(kind_, categoryId);
    unterkategorie_ = doc_.unterkategorieName(kind_, categoryId, subcategoryId);
}

void KategorieAuswahl::selectKategorie(std::string name) {
    kategorie_ = std::move(name);
    unterkategorie_ = ledger::kKeine;
}

void KategorieAuswahl::selectUnterkategorie(std::string name) {
    unterkategorie_ = std::move(name);
}

std::vector<std::string> KategorieAuswahl::kategorien() const {
    std::vector<std::string> names;
    for (const auto& category : doc_.categories().tree(kind_))
        names.push_back(category->name);
    sortNamen(names);
    return mitKeine(std::move(names));
}

std::vector<std::string> KategorieAuswahl::unterkategorien() const {
    std::vector<std::string> names;
    if (const ledger::CTWKategorie* category = doc_.findKategorieByName(kind_, kategorie_))
        for (const auto& sub : category->subcategories())
            names.push_back(sub->name);
    sortNamen(names);
    return mitKeine(std::move(names));
}

bool KategorieAuswahl::unterkategorieEnabled() const {
    return kategorie_ != ledger::kKeine;
}

int32_t KategorieAuswahl::categoryId() const {
    const ledger::CTWKategorie* category = doc_.findKategorieByName(kind_, kategorie_);
    return category ? category->id : -1;
}

int32_t KategorieAuswahl::subcategoryId() const {
    const ledger::CTWUnterkategorie* sub =
        doc_.findUnterkategorieByName(kind_, kategorie_, unterkategorie_);
    return sub ? sub->id : -1;
}

KategorieBenennung KategorieAuswahl::neueKategorie() const {
    return KategorieBenennung::neueKategorie(doc_, kind_);
}

std::optional<KategorieBenennung> KategorieAuswahl::neueUnterkategorie() const {
    return KategorieBenennung::neueUnterkategorie(doc_, kind_, categoryId());
}

bool KategorieAuswahl::create(const KategorieBenennung& benennung) {
    if (benennung.apply(doc_) == -1)
        return false;
    if (benennung.form.ebene() == CBezeichnungForm::Ebene::Kategorie)
        selectKategorie(benennung.form.name);
    else
        selectUnterkategorie(benennung.form.name);
    return true;
}

} // namespace accounts
