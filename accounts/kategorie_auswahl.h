// KategorieAuswahl: a category list and its sub-category list as the account dialogs show
// them: "(keine)" followed by the names of the kind's tree, the sub-categories of the chosen
// category, and the "Neu..." buttons that create a category or sub-category on the spot.
#pragma once

#include "accounts/kategorie_verwaltung.h"
#include "ledger/dokument.h"

#include <optional>
#include <string>
#include <vector>

namespace accounts {

class KategorieAuswahl {
public:
    KategorieAuswahl(ledger::CTalwerkDoc& doc, ledger::KontoArt kind);

    // Another kind: the lists are refilled and "(keine)" is chosen.
    void setKind(ledger::KontoArt kind);
    // Chooses the elements with these ids ("(keine)" for ids that are not found).
    void setIds(int32_t categoryId, int32_t subcategoryId);
    // Choosing a category refills the sub-category list and chooses "(keine)" there.
    void selectKategorie(std::string name);
    void selectUnterkategorie(std::string name);

    ledger::KontoArt kind() const { return kind_; }
    const std::string& kategorie() const { return kategorie_; }
    const std::string& unterkategorie() const { return unterkategorie_; }
    // "(keine)" and the names sorted.
    std::vector<std::string> kategorien() const;
    std::vector<std::string> unterkategorien() const;
    // The sub-category list, its label and its "Neu..." button.
    bool unterkategorieEnabled() const;

    // The ids of the chosen names, looked up exactly; -1 when not found.
    int32_t categoryId() const;
    int32_t subcategoryId() const;

    // The "Neu..." buttons: the name entry to show, then create() with the accepted form,
    // which creates the element and chooses it. Nothing for a sub-category while no category
    // is chosen.
    KategorieBenennung neueKategorie() const;
    std::optional<KategorieBenennung> neueUnterkategorie() const;
    bool create(const KategorieBenennung& benennung);

private:
    ledger::CTalwerkDoc& doc_;
    ledger::KontoArt kind_;
    std::string kategorie_;
    std::string unterkategorie_;
};

} // namespace accounts
