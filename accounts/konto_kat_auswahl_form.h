// CKontoKatAuswahlForm: the rules of the dialog "Konto/Kategorie auswählen": the tree of
// accounts, categories and sub-categories of one kind under one category assignment, and the
// element chosen in it.
#pragma once

#include "ledger/dokument.h"

#include <cstdint>
#include <string>
#include <vector>

namespace accounts {

// One account, category or sub-category, as the views keep their selection.
struct Auswahl {
    enum Typ : int { kKeine = -1, kKonto = 0, kKategorie = 1, kUnterkategorie = 2 };
    int typ = kKeine;
    int32_t kontoId = -1;                                    // kKonto
    ledger::KontoArt kind = ledger::KontoArt::Bestandskonto; // kKategorie, kUnterkategorie
    int32_t categoryId = -1;                                 // kKategorie, kUnterkategorie
    int32_t subcategoryId = -1;                              // kUnterkategorie
    bool operator==(const Auswahl&) const = default;

    static Auswahl konto(int32_t id) { return {kKonto, id, {}, -1, -1}; }
    static Auswahl kategorie(ledger::KontoArt kind, int32_t categoryId) {
        return {kKategorie, -1, kind, categoryId, -1};
    }
    static Auswahl unterkategorie(ledger::KontoArt kind, int32_t categoryId,
                                  int32_t subcategoryId) {
        return {kUnterkategorie, -1, kind, categoryId, subcategoryId};
    }
};

class CKontoKatAuswahlForm {
public:
    static constexpr const char* kCaption = "Konto/Kategorie auswählen";

    struct Knoten {
        Auswahl element;
        std::string text;
        std::vector<Knoten> children; // sorted by text; every item is shown expanded
    };

    // assignment: the grouping of the calling view (0 standard, 1 and 2 the alternatives).
    // The kind starts as the current selection's, else asset accounts.
    CKontoKatAuswahlForm(const ledger::CTalwerkDoc& doc, int assignment, const Auswahl& current);

    ledger::KontoArt kind() const { return kind_; }
    void setKind(ledger::KontoArt kind);

    // Top level: the accounts of the kind without a category in the assignment, and the
    // categories with, below each, its accounts without sub-category and its sub-categories
    // with their accounts. Categories and sub-categories without accounts are left out unless
    // they are the current selection.
    std::vector<Knoten> baum() const;

    // The chosen element; starts as the current selection. OK returns it.
    Auswahl selected;

private:
    const ledger::CTalwerkDoc& doc_;
    int assignment_;
    Auswahl current_;
    ledger::KontoArt kind_ = ledger::KontoArt::Bestandskonto;
};

} // namespace accounts
