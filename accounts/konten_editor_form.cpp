#include "accounts/konten_editor_form.h"

#include "accounts/konto_loeschen.h"
#include "accounts/namen.h"
#include "ledger/win1252.h"

#include <algorithm>

namespace accounts {

namespace {

using Spalte = CKontenEditorForm::Spalte;

// What the sorting compares of one account.
struct SortKey {
    const ledger::CTWKonto* konto;
    const ledger::CTWKategorie* category;
    const ledger::CTWUnterkategorie* subcategory;
};

// Elements without a name sort first, then by name without regard to case.
template <class Element> int compareOptional(const Element* a, const Element* b) {
    if (!a || !b)
        return (a ? 1 : 0) - (b ? 1 : 0);
    return ledger::compareNoCase(a->name, b->name);
}

// Ascending comparison by the column, falling through to the next column on equality.
int compareBy(Spalte spalte, const SortKey& a, const SortKey& b) {
    switch (spalte) {
    case Spalte::Bezeichnung:
        return ledger::compareNoCase(a.konto->name, b.konto->name);
    case Spalte::Nr:
        return (a.konto->number > b.konto->number) - (a.konto->number < b.konto->number);
    case Spalte::Abk:
        return ledger::compareNoCase(a.konto->abbreviation, b.konto->abbreviation);
    case Spalte::Kontenart:
        if (a.konto->kind != b.konto->kind)
            return a.konto->kind < b.konto->kind ? -1 : 1;
        return compareBy(Spalte::Kategorie, a, b);
    case Spalte::Kategorie:
        if (const int c = compareOptional(a.category, b.category))
            return c;
        return compareBy(Spalte::Unterkategorie, a, b);
    case Spalte::Unterkategorie:
        if (const int c = compareOptional(a.subcategory, b.subcategory))
            return c;
        return compareBy(Spalte::Bezeichnung, a, b);
    }
    return 0;
}

} // namespace

CKontenEditorForm::CKontenEditorForm(ledger::CTalwerkDoc& doc) : doc_(doc) {}

std::vector<std::string> CKontenEditorForm::filters() {
    return {"Alle Konten", "Bestandskonten", "Einnahmenkonten", "Ausgabenkonten"};
}

void CKontenEditorForm::setFilter(int filter) {
    if (filter < kAlle || filter > kAusgabenkonten)
        return;
    filter_ = filter;
    const ledger::CTWKonto* selected = doc_.findKonto(selectedId);
    if (selected && !listed(*selected))
        selectedId = -1;
}

bool CKontenEditorForm::listed(const ledger::CTWKonto& konto) const {
    return filter_ == kAlle || ledger::kontoArtIndex(konto.kind) == filter_ - 1;
}

std::vector<CKontenEditorForm::SpaltenKopf> CKontenEditorForm::spalten() const {
    std::vector<SpaltenKopf> columns{
        {Spalte::Bezeichnung, "Bezeichnung", 150},
        {Spalte::Nr, "Nr.", 75},
        {Spalte::Abk, "Abk.", 75},
    };
    if (filter_ == kAlle)
        columns.push_back({Spalte::Kontenart, "Kontenart", 150});
    columns.push_back({Spalte::Kategorie, "Kategorie", 150});
    columns.push_back({Spalte::Unterkategorie, "Unterkategorie", 150});
    return columns;
}

std::vector<CKontenEditorForm::Zeile> CKontenEditorForm::zeilen() const {
    std::vector<SortKey> keys;
    for (const auto& konto : doc_.accounts()) {
        if (!listed(*konto))
            continue;
        const ledger::CTWKategorie* category = doc_.findKategorie(konto->kind, konto->category);
        keys.push_back({konto, category,
                        category ? category->findUnterkategorie(konto->subcategory) : nullptr});
    }
    std::stable_sort(keys.begin(), keys.end(), [&](const SortKey& a, const SortKey& b) {
        const int c = compareBy(sortSpalte_, a, b);
        return ascending_ ? c < 0 : c > 0;
    });

    const auto columns = spalten();
    std::vector<Zeile> rows;
    for (const SortKey& key : keys) {
        Zeile row{key.konto->id, {}};
        for (const SpaltenKopf& column : columns) {
            switch (column.spalte) {
            case Spalte::Bezeichnung:
                row.cells.push_back(key.konto->name);
                break;
            case Spalte::Nr:
                row.cells.push_back(std::to_string(static_cast<uint32_t>(key.konto->number)));
                break;
            case Spalte::Abk:
                row.cells.push_back(key.konto->abbreviation);
                break;
            case Spalte::Kontenart:
                row.cells.push_back(kontoArtName(key.konto->kind));
                break;
            case Spalte::Kategorie:
                row.cells.push_back(key.category ? key.category->name : ledger::kKeine);
                break;
            case Spalte::Unterkategorie:
                row.cells.push_back(key.subcategory ? key.subcategory->name : ledger::kKeine);
                break;
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string CKontenEditorForm::anzahl() const {
    return std::to_string(std::count_if(doc_.accounts().begin(), doc_.accounts().end(),
                                        [&](const auto& konto) { return listed(*konto); }));
}

void CKontenEditorForm::clickSpalte(Spalte spalte) {
    if (spalte == sortSpalte_) {
        ascending_ = !ascending_;
    } else {
        sortSpalte_ = spalte;
        ascending_ = true;
    }
}

int CKontenEditorForm::selectedRow() const {
    const auto rows = zeilen();
    const auto it = std::find_if(rows.begin(), rows.end(),
                                 [&](const Zeile& row) { return row.kontoId == selectedId; });
    return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
}

std::optional<ledger::KontoArt> CKontenEditorForm::neuKind() const {
    return filter_ == kAlle ? std::nullopt : ledger::kontoArtAt(filter_ - 1);
}

CKontoBearbeitenForm CKontenEditorForm::bearbeitenForm() const {
    return CKontoBearbeitenForm(doc_, doc_.indexOfKonto(selectedId));
}

void CKontenEditorForm::neuClosed(const CKontoNeuForm& form, bool accepted, int index) {
    changed_ = changed_ || form.changed() || accepted;
    if (accepted && index >= 0 && index < static_cast<int>(doc_.accounts().size()))
        selectedId = doc_.accounts()[index]->id;
}

void CKontenEditorForm::bearbeitenClosed(const CKontoBearbeitenForm& form, bool accepted) {
    changed_ = changed_ || form.changed() || accepted;
    if (accepted)
        selectedId = form.konto().id;
}

bool CKontenEditorForm::loeschen(platform::Prompter& prompter) {
    if (!loeschenEnabled() || !deleteKonto(doc_, prompter, selectedId, LoeschMeldungen::Editor))
        return false;
    selectedId = -1;
    changed_ = true;
    return true;
}

} // namespace accounts
