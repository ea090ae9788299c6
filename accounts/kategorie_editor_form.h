// CKategorieEditorForm: the rules of the dialog "Kategorie-Editor": the category and
// sub-category lists of one kind, which buttons are enabled, and the selection after each
// creation, renaming and deletion.
#pragma once

#include "accounts/kategorie_verwaltung.h"
#include "ledger/dokument.h"
#include "platform/prompter.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace accounts {

class CKategorieEditorForm {
public:
    static constexpr const char* kCaption = "Kategorie-Editor";

    struct Eintrag {
        int32_t id;
        std::string name;
    };

    // Opens on the asset accounts with their first category selected.
    explicit CKategorieEditorForm(ledger::CTalwerkDoc& doc);

    ledger::KontoArt kind() const { return kind_; }
    // Another kind selects its first category.
    void setKind(ledger::KontoArt kind);
    // Selecting a category selects its first sub-category.
    void selectKategorie(int32_t categoryId);
    int32_t selectedKategorie() const { return kategorie_; }
    int32_t selectedUnterkategorie = -1;

    // The lists sorted by name.
    std::vector<Eintrag> kategorien() const;
    std::vector<Eintrag> unterkategorien() const;

    // Enabled states: without categories only "Neu..." of the category group is enabled;
    // without sub-categories the sub-category list, "Bearbeiten..." and "Löschen" are not.
    bool kategorieListEnabled() const;
    bool kategorieBearbeitenEnabled() const { return kategorieListEnabled(); }
    bool kategorieLoeschenEnabled() const { return kategorieListEnabled(); }
    bool unterkategorieGroupEnabled() const { return kategorieListEnabled(); }
    bool unterkategorieListEnabled() const;
    bool unterkategorieBearbeitenEnabled() const { return unterkategorieListEnabled(); }
    bool unterkategorieLoeschenEnabled() const { return unterkategorieListEnabled(); }

    // The name entries of the four buttons; nothing when their element is not selected.
    KategorieBenennung neueKategorie() const;
    std::optional<KategorieBenennung> kategorieBearbeiten() const;
    std::optional<KategorieBenennung> neueUnterkategorie() const;
    std::optional<KategorieBenennung> unterkategorieBearbeiten() const;
    // Carries out an accepted name entry and selects the created or renamed element.
    bool apply(const KategorieBenennung& benennung);
    // Deletes the selected element with the editor's messages; the first element of the list
    // is selected afterwards.
    bool kategorieLoeschen(platform::Prompter& prompter);
    bool unterkategorieLoeschen(platform::Prompter& prompter);

    // Anything created, renamed or deleted: the caller marks the document modified.
    bool changed() const { return changed_; }

private:
    ledger::CTalwerkDoc& doc_;
    ledger::KontoArt kind_ = ledger::KontoArt::Bestandskonto;
    int32_t kategorie_ = -1;
    bool changed_ = false;
};

} // namespace accounts
