#include "accounts/kategorie_editor_form.h"

#include "accounts/namen.h"

#include <algorithm>

namespace accounts {

namespace {

template <class Elements> std::vector<CKategorieEditorForm::Eintrag> sorted(const Elements& list) {
    std::vector<CKategorieEditorForm::Eintrag> entries;
    for (const auto& element : list)
        entries.push_back({element->id, element->name});
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto& a, const auto& b) { return namensOrdnung(a.name, b.name); });
    return entries;
}

} // namespace

CKategorieEditorForm::CKategorieEditorForm(ledger::CTalwerkDoc& doc) : doc_(doc) {
    setKind(ledger::KontoArt::Bestandskonto);
}

void CKategorieEditorForm::setKind(ledger::KontoArt kind) {
    kind_ = kind;
    const auto entries = kategorien();
    selectKategorie(entries.empty() ? -1 : entries.front().id);
}

void CKategorieEditorForm::selectKategorie(int32_t categoryId) {
    kategorie_ = doc_.findKategorie(kind_, categoryId) ? categoryId : -1;
    const auto entries = unterkategorien();
    selectedUnterkategorie = entries.empty() ? -1 : entries.front().id;
}

std::vector<CKategorieEditorForm::Eintrag> CKategorieEditorForm::kategorien() const {
    return sorted(doc_.categories().tree(kind_));
}

std::vector<CKategorieEditorForm::Eintrag> CKategorieEditorForm::unterkategorien() const {
    const ledger::CTWKategorie* category = doc_.findKategorie(kind_, kategorie_);
    return category ? sorted(category->subcategories()) : std::vector<Eintrag>{};
}

bool CKategorieEditorForm::kategorieListEnabled() const {
    return !doc_.categories().tree(kind_).empty();
}

bool CKategorieEditorForm::unterkategorieListEnabled() const {
    const ledger::CTWKategorie* category = doc_.findKategorie(kind_, kategorie_);
    return category && !category->subcategories().empty();
}

KategorieBenennung CKategorieEditorForm::neueKategorie() const {
    return KategorieBenennung::neueKategorie(doc_, kind_);
}

std::optional<KategorieBenennung> CKategorieEditorForm::kategorieBearbeiten() const {
    return KategorieBenennung::kategorieBearbeiten(doc_, kind_, kategorie_);
}

std::optional<KategorieBenennung> CKategorieEditorForm::neueUnterkategorie() const {
    return KategorieBenennung::neueUnterkategorie(doc_, kind_, kategorie_);
}

std::optional<KategorieBenennung> CKategorieEditorForm::unterkategorieBearbeiten() const {
    return KategorieBenennung::unterkategorieBearbeiten(doc_, kind_, kategorie_,
                                                        selectedUnterkategorie);
}

bool CKategorieEditorForm::apply(const KategorieBenennung& benennung) {
    const int32_t id = benennung.apply(doc_);
    if (id == -1)
        return false;
    changed_ = true;
    if (benennung.form.ebene() == CBezeichnungForm::Ebene::Kategorie) {
        selectKategorie(id);
    } else {
        kategorie_ = benennung.categoryId();
        selectedUnterkategorie = id;
    }
    return true;
}

bool CKategorieEditorForm::kategorieLoeschen(platform::Prompter& prompter) {
    if (!deleteKategorie(doc_, prompter, kind_, kategorie_, LoeschMeldungen::Editor))
        return false;
    changed_ = true;
    setKind(kind_);
    return true;
}

bool CKategorieEditorForm::unterkategorieLoeschen(platform::Prompter& prompter) {
    if (!deleteUnterkategorie(doc_, prompter, kind_, kategorie_, selectedUnterkategorie,
                              LoeschMeldungen::Editor))
        return false;
    changed_ = true;
    selectKategorie(kategorie_);
    return true;
}

} // namespace accounts
