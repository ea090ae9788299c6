#include "accounts/konto_ersetzen_form.h"

#include "accounts/namen.h"

#include <algorithm>

namespace accounts {

CKontoErsetzenForm::CKontoErsetzenForm(const ledger::CTalwerkDoc& doc, ledger::KontoArt kind,
                                       Beschriftung suchen, Beschriftung ersetzen)
    : doc_(doc), kind_(kind), beschriftung_{suchen, ersetzen} {}

void CKontoErsetzenForm::setKind(ledger::KontoArt kind) {
    kind_ = kind;
    for (int32_t& id : selectedIds) {
        const ledger::CTWKonto* konto = doc_.findKonto(id);
        if (!konto || konto->kind != kind)
            id = -1;
    }
}

std::vector<CKontoErsetzenForm::Eintrag> CKontoErsetzenForm::eintraege(Liste liste) const {
    const Beschriftung beschriftung = beschriftung_[liste];
    std::vector<std::pair<const ledger::CTWKonto*, std::string>> labelled;
    for (const auto& konto : doc_.accounts()) {
        if (konto->kind != kind_)
            continue;
        std::string label = beschriftung == Beschriftung::Bezeichnung ? konto->name
                            : beschriftung == Beschriftung::Abkuerzung
                                ? konto->abbreviation
                                : std::to_string(static_cast<uint32_t>(konto->number));
        labelled.emplace_back(konto, std::move(label));
    }
    // Numbers sort by value, texts alphabetically.
    std::stable_sort(labelled.begin(), labelled.end(), [&](const auto& a, const auto& b) {
        if (beschriftung == Beschriftung::Kontonummer)
            return a.first->number < b.first->number;
        return namensOrdnung(a.second, b.second);
    });
    std::vector<Eintrag> entries;
    for (auto& [konto, label] : labelled)
        entries.push_back({konto->id, std::move(label)});
    return entries;
}

void CKontoErsetzenForm::spin(Liste liste, int delta) {
    const auto entries = eintraege(liste);
    if (entries.empty())
        return;
    const auto it = std::find_if(entries.begin(), entries.end(),
                                 [&](const Eintrag& e) { return e.kontoId == selectedIds[liste]; });
    int position = 0;
    if (it != entries.end())
        position = std::clamp(static_cast<int>(it - entries.begin()) + delta, 0,
                              static_cast<int>(entries.size()) - 1);
    selectedIds[liste] = entries[position].kontoId;
}

std::optional<CKontoErsetzenForm::Field>
CKontoErsetzenForm::check(platform::Prompter& prompter) const {
    if (selectedIds[kSuchen] == -1 || selectedIds[kErsetzen] == -1) {
        prompter.information("Bitte wählen Sie in beiden Feldern ein Konto aus!", kCaption);
        return selectedIds[kSuchen] == -1 ? Field::Suchen : Field::Ersetzen;
    }
    if (selectedIds[kSuchen] == selectedIds[kErsetzen]) {
        prompter.information("Bitte wählen Sie zwei verschiedene Konten aus!", kCaption);
        return Field::Ersetzen;
    }
    return std::nullopt;
}

} // namespace accounts
