#include "options/optionen_form.h"

#include "reports/report_params.h"

namespace options {

COptionenForm::COptionenForm(const ledger::CTalwerkDoc& doc)
    : allgemein(Dokumentoptionen::of(doc)) {
    const Dokumentoptionen werte = Dokumentoptionen::of(doc);
    const SeitenKontext kontext = SeitenKontext::of(doc.settings);
    for (int i = static_cast<int>(Seite::Tabellen); i < kSeitenAnzahl; ++i)
        seiten.emplace_back(static_cast<Seite>(i), kontext, werte);
}

Seite COptionenForm::seiteFuer(int viewKind) {
    switch (viewKind) {
    case reports::kAccountsView:
        return Seite::Konten;
    case reports::kBookingsView:
        return Seite::Buchungen;
    case reports::kAccountsByCategoryView:
        return Seite::KontenKat;
    case reports::kAccountBookingsView:
        return Seite::BuchungenKonKat;
    case reports::kTotalValuesView:
        return Seite::WerteGesamt;
    case reports::kAccountValuesView:
        return Seite::WerteKonKat;
    case reports::kFilteredBookingsView:
        return Seite::BuchungenFilter;
    case reports::kPeriodComparisonView:
        return Seite::Pervergl;
    case reports::kTotalChartView:
    case reports::kAccountChartView:
        return Seite::Diagramme;
    default:
        return Seite::Tabellen;
    }
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
