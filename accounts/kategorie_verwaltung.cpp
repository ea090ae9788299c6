#include "accounts/kategorie_verwaltung.h"

#include <algorithm>

namespace accounts {

namespace {

using Ebene = CBezeichnungForm::Ebene;
using Modus = CBezeichnungForm::Modus;

// "(keine)" and the names of the elements, leaving out one whose name is exactly skip.
template <class Elements>
std::vector<std::string> takenNames(const Elements& elements, const std::string* skip) {
    std::vector<std::string> names{ledger::kKeine};
    for (const auto& element : elements)
        if (!skip || element->name != *skip)
            names.push_back(element->name);
    return names;
}

} // namespace

KategorieBenennung::KategorieBenennung(CBezeichnungForm form, ledger::KontoArt kind,
                                       int32_t categoryId, int32_t subcategoryId)
    : form(std::move(form)), kind_(kind), categoryId_(categoryId), subcategoryId_(subcategoryId) {}

KategorieBenennung KategorieBenennung::neueKategorie(const ledger::CTalwerkDoc& doc,
                                                     ledger::KontoArt kind) {
    std::vector<std::string> taken{ledger::kKeine};
    taken = takenNames(doc.categories().tree(kind), nullptr);
    return {CBezeichnungForm(Modus::Neu, Ebene::Kategorie, {}, std::move(taken)), kind, -1, -1};
}

std::optional<KategorieBenennung>
KategorieBenennung::neueUnterkategorie(const ledger::CTalwerkDoc& doc, ledger::KontoArt kind,
                                       int32_t categoryId) {
    const ledger::CTWKategorie* category = doc.findKategorie(kind, categoryId);
    if (!category)
        return std::nullopt;
    return KategorieBenennung(CBezeichnungForm(Modus::Neu, Ebene::Unterkategorie, {},
                                               takenNames(category->subcategories(), nullptr)),
                              kind, categoryId, -1);
}

std::optional<KategorieBenennung>
KategorieBenennung::kategorieBearbeiten(const ledger::CTalwerkDoc& doc, ledger::KontoArt kind,
                                        int32_t categoryId) {
    const ledger::CTWKategorie* category = doc.findKategorie(kind, categoryId);
    if (!category)
        return std::nullopt;
    return KategorieBenennung(
        CBezeichnungForm(Modus::Umbenennen, Ebene::Kategorie, category->name,
                         takenNames(doc.categories().tree(kind), &category->name)),
        kind, categoryId, -1);
}

std::optional<KategorieBenennung>
KategorieBenennung::unterkategorieBearbeiten(const ledger::CTalwerkDoc& doc, ledger::KontoArt kind,
                                             int32_t categoryId, int32_t subcategoryId) {
    const ledger::CTWKategorie* category = doc.findKategorie(kind, categoryId);
    const ledger::CTWUnterkategorie* sub =
        category ? category->findUnterkategorie(subcategoryId) : nullptr;
    if (!sub)
        return std::nullopt;
    return KategorieBenennung(CBezeichnungForm(Modus::Umbenennen, Ebene::Unterkategorie, sub->name,
                                               takenNames(category->subcategories(), &sub->name)),
                              kind, categoryId, subcategoryId);
}

int32_t KategorieBenennung::apply(ledger::CTalwerkDoc& doc) const {
    const bool neu = form.modus() == Modus::Neu;
    int32_t id = -1;
    if (form.ebene() == Ebene::Kategorie) {
        if (neu) {
            id = doc.addKategorie(kind_, form.name);
        } else if (doc.renameKategorie(kind_, categoryId_, form.name)) {
            id = categoryId_;
        }
    } else if (neu) {
        id = doc.addUnterkategorie(kind_, categoryId_, form.name);
    } else if (doc.renameUnterkategorie(kind_, categoryId_, subcategoryId_, form.name)) {
        id = subcategoryId_;
    }
    return id;
}

bool deleteKategorie(ledger::CTalwerkDoc& doc, platform::Prompter& prompter, ledger::KontoArt kind,
                     int32_t categoryId, LoeschMeldungen meldungen) {
    const ledger::CTWKategorie* category = doc.findKategorie(kind, categoryId);
    if (!category)
        return false;
    const char* caption = "Kategorie löschen";
    if (category->usageCount != 0) {
        prompter.information(
            "Diese Kategorie kann nicht gelöscht werden, da ihr Konten zugeordnet sind!", caption);
        return false;
    }
    const std::string question =
        meldungen == LoeschMeldungen::Editor
            ? "Möchten Sie die Kategorie wirklich löschen?"
            : "Möchten Sie die Kategorie '" + category->name + "' wirklich löschen?";
    if (!prompter.askYesNo(question, caption))
        return false;
    // Its sub-categories go with it: they are only ever assigned together with it.
    doc.removeKategorie(kind, categoryId);
    return true;
}

bool deleteUnterkategorie(ledger::CTalwerkDoc& doc, platform::Prompter& prompter,
                          ledger::KontoArt kind, int32_t categoryId, int32_t subcategoryId,
                          LoeschMeldungen meldungen) {
    const ledger::CTWKategorie* category = doc.findKategorie(kind, categoryId);
    const ledger::CTWUnterkategorie* sub =
        category ? category->findUnterkategorie(subcategoryId) : nullptr;
    if (!sub)
        return false;
    const char* caption = "Unterkategorie löschen";
    if (sub->usageCount != 0) {
        prompter.information(
            "Diese Unterkategorie kann nicht gelöscht werden, da ihr Konten zugeordnet sind!",
            caption);
        return false;
    }
    const std::string question =
        meldungen == LoeschMeldungen::Editor
            ? "Möchten Sie die Unterkategorie wirklich löschen?"
            : "Möchten Sie die Unterkategorie '" + sub->name + "' wirklich löschen?";
    if (!prompter.askYesNo(question, caption))
        return false;
    doc.removeUnterkategorie(kind, categoryId, subcategoryId);
    return true;
}

} // namespace accounts
