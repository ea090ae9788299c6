// CKontoAltKatForm: the rules of the dialog "Alternative Kategoriezuordnungen": two groups,
// each a use-standard check box with a category and a sub-category list. The dialog only
// chooses; the calling account dialog applies the result and the usage counts.
#pragma once

#include "accounts/kategorie_auswahl.h"
#include "accounts/zuordnung.h"

#include <array>

namespace accounts {

class CKontoAltKatForm {
public:
    static constexpr const char* kCaption = "Alternative Kategoriezuordnungen";

    struct Gruppe {
        bool useStandard;
        KategorieAuswahl auswahl;

        // The category controls are disabled while the check box is set; the sub-category
        // controls are enabled only with the check box clear and a category chosen.
        bool kategorieEnabled() const { return !useStandard; }
        bool unterkategorieEnabled() const {
            return !useStandard && auswahl.unterkategorieEnabled();
        }
    };

    CKontoAltKatForm(ledger::CTalwerkDoc& doc, ledger::KontoArt kind, const AltZuordnung& alt1,
                     const AltZuordnung& alt2);

    // Group 0 is "Alternativzuordnung 1", group 1 "Alternativzuordnung 2".
    std::array<Gruppe, 2> gruppen;

    // A category or sub-category created on the spot in a group, then chosen there.
    bool create(int gruppe, const KategorieBenennung& benennung);
    // True once something was created: it stays even if the dialog is cancelled.
    bool changed() const { return changed_; }

    // OK: the check box states as they stand and the ids of the chosen names (-1 when not
    // found).
    std::array<AltZuordnung, 2> result() const;

private:
    bool changed_ = false;
};

} // namespace accounts
