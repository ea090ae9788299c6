#include "options/optionen_form.h"

#include "reports/report_params.h"

namespace options {

COptionenForm::COptionenForm(const ledger::CTalwerkDoc& doc)
    : allgemein(Dokumentoptionen::of(doc)) {
    const Dokumentoptionen werte = Dokumentoptionen::of(doc);
    const SeitenKontext kontext = SeitenKontext::of(doc.settings());
    for (int i = static_cast<int>(Seite::Tabellen); i < kSeitenAnzahl; ++i)
        seiten.emplace_back(static_cast<Seite>(i), kontext, werte);
}

Seite COptionenForm::seiteFuer(std::optional<reports::ViewKind> viewKind) {
    using K = reports::ViewKind;
    switch (viewKind.value_or(K::Kategorien)) {
    case K::Konten:
        return Seite::Konten;
    case K::Buchungen:
        return Seite::Buchungen;
    case K::KontenNachKategorien:
        return Seite::KontenKat;
    case K::BuchungenKonto:
        return Seite::BuchungenKonKat;
    case K::WertetabelleGesamt:
        return Seite::WerteGesamt;
    case K::WertetabelleKonto:
        return Seite::WerteKonKat;
    case K::BuchungenGefiltert:
        return Seite::BuchungenFilter;
    case K::Periodenvergleich:
        return Seite::Pervergl;
    case K::DiagrammGesamt:
    case K::DiagrammKonto:
        return Seite::Diagramme;
    case K::Kategorien:
        break;
    }
    return Seite::Tabellen;
}

COptSeitenForm& COptionenForm::seite(Seite s) {
    return seiten[static_cast<size_t>(s) - 1];
}

OptionFeld* COptionenForm::feld(std::string_view name) {
    for (COptSeitenForm& s : seiten)
        if (OptionFeld* f = s.feld(name))
            return f;
    return nullptr;
}

std::optional<COptionenForm::Refusal> COptionenForm::check(platform::Prompter& prompter) {
    if (const auto field = allgemein.check(prompter))
        return Refusal{Seite::Allgemein, *field};
    return std::nullopt;
}

void COptionenForm::apply(ledger::CTalwerkDoc& doc) const {
    Dokumentoptionen werte = Dokumentoptionen::of(doc);
    allgemein.store(werte);
    for (const COptSeitenForm& s : seiten)
        s.store(werte);
    werte.writeTo(doc);
}

} // namespace options
