#include "options/allgemein_form.h"

namespace options {

COptAllgemeinForm::COptAllgemeinForm(const Dokumentoptionen& werte)
    : dualCurrency_(werte.settings.dualCurrency != 0),
      symbolBisher_(werte.settings.firstCurrencySymbol),
      symbol2Bisher_(werte.settings.secondCurrencySymbol) {
    const ledger::CTWEinstellungen& s = werte.settings;
    schutz = werte.password.isActive();
    kennwort = werte.password.password;
    wiederholung = werte.password.password;
    dezimaltrennzeichen = s.decimalSeparator;
    tausendertrennzeichen = s.thousandsSeparator;
    keinTausendertrennzeichen = s.noGrouping != 0;
    startRegel = werte.initialPeriod.startRule;
    startDatum = werte.initialPeriod.startDate;
    endRegel = werte.initialPeriod.endRule;
    endDatum = werte.initialPeriod.endDate;
}

COptAllgemeinForm::Field COptAllgemeinForm::refuseZeichen(Field field,
                                                          platform::Prompter& prompter) const {
    prompter.information(kZeichenMeldung, kOptionenCaption);
    return field;
}

std::optional<COptAllgemeinForm::Field> COptAllgemeinForm::check(platform::Prompter& prompter) {
    auto refuse = [&](const char* text, Field field) {
        prompter.information(text, kOptionenCaption);
        return std::optional<Field>(field);
    };
    if (schutz && kennwort.empty())
        return refuse("Bitte geben Sie ein Kennwort ein!", Field::Kennwort);
    if (schutz && kennwort != wiederholung)
        return refuse("Die Kennwörter sind nicht identisch!", Field::Wiederholung);
    if (dezimaltrennzeichen == tausendertrennzeichen)
        return refuse("Dezimaltrennzeichen und Tausendertrennzeichen dürfen nicht identisch sein!",
                      Field::Dezimaltrennzeichen);
    if (!schutz && kennwort != wiederholung) {
        kennwort.clear();
        wiederholung.clear();
    }
    return std::nullopt;
}

void COptAllgemeinForm::store(Dokumentoptionen& werte) const {
    werte.password.protection = schutz ? 1 : 0;
    werte.password.password = kennwort;
    ledger::CTWEinstellungen& s = werte.settings;
    s.decimalSeparator = dezimaltrennzeichen;
    s.thousandsSeparator = tausendertrennzeichen;
    s.noGrouping = keinTausendertrennzeichen ? 1 : 0;
    if (!symbolNeu.empty())
        s.firstCurrencySymbol = symbolNeu;
    if (dualCurrency_ && !symbol2Neu.empty())
        s.secondCurrencySymbol = symbol2Neu;
    werte.initialPeriod.startRule = startRegel;
    werte.initialPeriod.startDate = startDatum;
    werte.initialPeriod.endRule = endRegel;
    werte.initialPeriod.endDate = endDatum;
}

} // namespace options
