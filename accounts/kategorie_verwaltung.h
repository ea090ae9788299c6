// Creating, renaming and deleting categories and sub-categories. Creation and renaming go
// through the name entry form: KategorieBenennung prepares the form with the names already
// taken and carries out the operation with the accepted name.
#pragma once

#include "accounts/bezeichnung_form.h"
#include "ledger/dokument.h"
#include "platform/prompter.h"

#include <cstdint>
#include <optional>

namespace accounts {

class KategorieBenennung {
public:
    static KategorieBenennung neueKategorie(const ledger::CTalwerkDoc& doc, ledger::KontoArt kind);
    // Nothing when the category (or sub-category) does not exist.
    static std::optional<KategorieBenennung>
    neueUnterkategorie(const ledger::CTalwerkDoc& doc, ledger::KontoArt kind, int32_t categoryId);
    static std::optional<KategorieBenennung>
    kategorieBearbeiten(const ledger::CTalwerkDoc& doc, ledger::KontoArt kind, int32_t categoryId);
    static std::optional<KategorieBenennung>
    unterkategorieBearbeiten(const ledger::CTalwerkDoc& doc, ledger::KontoArt kind,
                             int32_t categoryId, int32_t subcategoryId);

    // Creates or renames with form.name (after a successful check) and marks the document
    // modified. Returns the id of the created or renamed element; -1 when its category or
    // the element itself no longer exists, and then nothing has changed.
    int32_t apply(ledger::CTalwerkDoc& doc) const;

    ledger::KontoArt kind() const { return kind_; }
    int32_t categoryId() const { return categoryId_; }

    CBezeichnungForm form;

private:
    KategorieBenennung(CBezeichnungForm form, ledger::KontoArt kind, int32_t categoryId,
                       int32_t subcategoryId);

    ledger::KontoArt kind_;
    int32_t categoryId_;    // the category renamed, or the parent of a sub-category
    int32_t subcategoryId_; // the sub-category renamed
};

// Which messages a deletion asks and refuses with: the category editor's, or the views'
// that name the element.
enum class LoeschMeldungen { Editor, Ansicht };

// Deletes a category with all its sub-categories, or one sub-category: refused while its
// usage count is not 0, then asked with Yes/No. True when it was deleted (the document is
// then marked modified); a category that does not exist changes nothing.
bool deleteKategorie(ledger::CTalwerkDoc& doc, platform::Prompter& prompter, ledger::KontoArt kind,
                     int32_t categoryId, LoeschMeldungen meldungen);
bool deleteUnterkategorie(ledger::CTalwerkDoc& doc, platform::Prompter& prompter,
                          ledger::KontoArt kind, int32_t categoryId, int32_t subcategoryId,
                          LoeschMeldungen meldungen);

} // namespace accounts
