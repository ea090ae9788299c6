#include "bookings/konto_ident.h"

#include "ledger/win1252.h"

#include <algorithm>

namespace bookings {

std::string kontoText(const ledger::CTWKonto& konto, int mode) {
    switch (mode) {
    case kKontonummer:
        return std::to_string(static_cast<uint32_t>(konto.number));
    case kAbkuerzung:
        return konto.abbreviation;
    default:
        return konto.name;
    }
}

int stepIdentifikation(int mode, int delta) {
    return ((mode + delta) % 3 + 3) % 3;
}

KontoListe buildKontoListe(const ledger::CTalwerkDoc& doc, int mode,
                           const std::function<bool(const ledger::CTWKonto&)>& take) {
    KontoListe liste;
    for (const auto& konto : doc.accounts())
        if (take(*konto))
            liste.push_back({kontoText(*konto, mode), konto->id});
    std::stable_sort(liste.begin(), liste.end(), [](const KontoEintrag& a, const KontoEintrag& b) {
        return ledger::collate(a.text, b.text) < 0;
    });
    return liste;
}

KontoListe vorgangKontoListe(const ledger::CTalwerkDoc& doc, ledger::Vorgang kind, int side,
                             int mode) {
    using ledger::CTWKonto;
    if (kind == ledger::Vorgang::Umbuchung)
        return buildKontoListe(doc, mode, [](const CTWKonto&) { return true; });
    if (side == 0)
        return buildKontoListe(doc, mode, [](const CTWKonto& k) { return k.isAsset(); });
    const ledger::KontoArt wanted = ledger::gegenkontoArt(kind);
    return buildKontoListe(doc, mode, [wanted](const CTWKonto& k) { return k.kind == wanted; });
}

std::string vorgangKontoLabel(ledger::Vorgang kind, int side) {
    if (kind == ledger::Vorgang::Umbuchung)
        return side == 0 ? "von &Konto" : "auf K&onto";
    if (side == 0)
        return "Bestands&konto";
    return kind == ledger::Vorgang::Einnahme ? "Einnahmenk&onto" : "Ausgabenk&onto";
}

int32_t findEintrag(const KontoListe& liste, std::string_view text) {
    for (const KontoEintrag& eintrag : liste)
        if (ledger::equalsNoCase(eintrag.text, text))
            return eintrag.id;
    return -1;
}

KontoFinder::KontoFinder(const ledger::CTalwerkDoc& doc, int mode) : mode_(mode) {
    for (const auto& konto : doc.accounts()) {
        // emplace keeps the first account of a text or number.
        if (mode == kKontonummer)
            byNumber_.emplace(static_cast<uint32_t>(konto->number), konto);
        else
            byText_.emplace(mode == kAbkuerzung ? konto->abbreviation : konto->name, konto);
    }
}

const ledger::CTWKonto* KontoFinder::find(std::string_view text) const {
    if (mode_ == kKontonummer) {
        const auto it = byNumber_.find(ledger::parseDigitsLenient(text));
        return it == byNumber_.end() ? nullptr : it->second;
    }
    const auto it = byText_.find(std::string(text));
    return it == byText_.end() ? nullptr : it->second;
}

} // namespace bookings
