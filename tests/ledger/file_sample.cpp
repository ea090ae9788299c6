#include "file_sample.h"

namespace testsupport {

using namespace ledger;

CNVKDatum datum(int day, int month, int year) {
    return CNVKDatum::fromCalendar(day, month, year).value();
}

namespace {

CTWKonto konto(KontoArt kind, const char* name, const char* abbreviation, int number, int category,
               int subcategory) {
    CTWKonto k;
    k.kind = kind;
    k.name = name;
    k.abbreviation = abbreviation;
    k.number = number;
    k.currencyIndex =
        kind == KontoArt::Bestandskonto ? WaehrungsIndex::Erste : WaehrungsIndex::Keine;
    k.category = category;
    k.subcategory = subcategory;
    return k;
}

CTWBuchung buchung(CNVKDatum date, Vorgang kind, const CTWKonto& k1, const CTWKonto& k2,
                   std::int64_t amount, const char* number, const char* text) {
    CTWBuchung b;
    b.date = date;
    b.kind = kind;
    b.konto1Id = k1.id;
    b.konto1Kind = k1.kind;
    b.konto2Id = k2.id;
    b.konto2Kind = k2.kind;
    b.amount = amount;
    b.number = number;
    b.text = text;
    return b;
}

} // namespace

std::unique_ptr<CTalwerkDoc> sampleLedger() {
    auto doc = std::make_unique<CTalwerkDoc>();
    NeueDateiWaehrung currency;
    currency.dualCurrency = 1;
    currency.euroOnly = 0;
    currency.nationalIndex = 0;
    currency.rate = {195583, 100000};
    currency.firstSymbol = "DM";
    currency.secondSymbol = "EUR";
    doc->newDocument(currency, datum(15, 3, 2004));

    doc->addUnterkategorie(KontoArt::Bestandskonto,
                           doc->addKategorie(KontoArt::Bestandskonto, "Geldkonten"), "Girokonten");
    doc->addKategorie(KontoArt::Bestandskonto, "Anlagen");
    const int32_t arbeit = doc->addKategorie(KontoArt::Einnahmenkonto, "Arbeit");
    doc->addUnterkategorie(KontoArt::Einnahmenkonto, arbeit, "Gehalt");
    doc->addUnterkategorie(KontoArt::Einnahmenkonto, arbeit, "Prämien");
    doc->addUnterkategorie(KontoArt::Ausgabenkonto,
                           doc->addKategorie(KontoArt::Ausgabenkonto, "Wohnen"), "Miete");
    doc->addKategorie(KontoArt::Ausgabenkonto, "Lebensmittel");

    CTWKonto giroKonto = konto(KontoArt::Bestandskonto, "Girokonto", "GIRO", 1000, 0, 0);
    giroKonto.openingBalance = 123456;
    giroKonto.switchDates = {datum(1, 1, 2002)};
    const CTWKonto& giro = doc->addKonto(std::move(giroKonto));
    // The alternative assignments of the savings account count as well.
    CTWKonto sparKonto = konto(KontoArt::Bestandskonto, "Sparbuch Müller", "SPAR", 1100, 1, -1);
    sparKonto.currencyIndex = WaehrungsIndex::Zweite;
    sparKonto.openingBalance = -5000;
    sparKonto.switchDates = {datum(1, 7, 2001), datum(1, 1, 2002)};
    sparKonto.alt1UseStandard = 0;
    sparKonto.alt1Category = 0;
    sparKonto.alt2Category = 1;
    const CTWKonto& spar = doc->addKonto(std::move(sparKonto));
    const CTWKonto& lohn =
        doc->addKonto(konto(KontoArt::Einnahmenkonto, "Gehalt", "LOHN", 4000, 0, 1));
    const CTWKonto& miete =
        doc->addKonto(konto(KontoArt::Ausgabenkonto, "Miete", "MIET", 6000, 0, 0));
    const CTWKonto& essen =
        doc->addKonto(konto(KontoArt::Ausgabenkonto, "Lebensmittel", "ESSEN", 6100, 1, -1));

    doc->addBuchung(
        buchung(datum(31, 1, 2004), Vorgang::Einnahme, giro, lohn, 250000, "1", "Gehalt Januar"));
    doc->addBuchung(
        buchung(datum(1, 2, 2004), Vorgang::Ausgabe, giro, miete, 80000, "2", "Miete Februar"));
    CTWBuchung baecker =
        buchung(datum(3, 2, 2004), Vorgang::Ausgabe, giro, essen, 4599, "", "Bäckerei Müller");
    baecker.notes = "Brötchen\r\nKuchen";
    doc->addBuchung(std::move(baecker));
    CTWBuchung sparen =
        buchung(datum(3, 2, 2004), Vorgang::Umbuchung, giro, spar, 10000, "10", "Sparen");
    sparen.provisional = 1;
    sparen.currencyIndex = WaehrungsIndex::Zweite;
    doc->addBuchung(std::move(sparen));

    CTWBuchungRegel miet;
    miet.name = "Monatsmiete";
    miet.numberTemplate = "M<Z>";
    miet.counterStart = 7;
    miet.textTemplate = "Miete <MONAT>";
    miet.kind = Vorgang::Ausgabe;
    miet.konto1Id = giro.id;
    miet.konto2Id = miete.id;
    miet.amount = 80000;
    miet.notesTemplate = "Dauerauftrag";
    miet.firstDate = datum(1, 1, 2004);
    CTWBuchungRegel executed = doc->addBuchungRegel(miet);
    executed.occurrenceStates = {kAusgefuehrt, kGeloescht, kOffen, kAusgefuehrt};
    doc->changeBuchungRegel(0, std::move(executed));
    CTWBuchungRegel spar14;
    spar14.name = "Sparen";
    spar14.kind = Vorgang::Umbuchung;
    spar14.konto1Id = giro.id;
    spar14.konto2Id = spar.id;
    spar14.amount = 2500;
    spar14.currencyIndex = WaehrungsIndex::Zweite;
    spar14.intervalCount = 2;
    spar14.intervalUnit = kWochen;
    spar14.dateMode = 1;
    spar14.provisional = 1;
    spar14.firstDate = datum(5, 1, 2004);
    doc->addBuchungRegel(spar14);

    doc->setHiddenBookingTexts({"Alte Miete", "Tankstelle Süd"});
    CTWBuchungsFilterNeu f1 = *doc->filters()[0];
    f1.name = "Große Ausgaben";
    f1.amountConditionOn = 1;
    f1.amountFrom = 50000;
    f1.amountTo = 9999999;
    f1.kindConditionOn = 1;
    f1.kind = Vorgang::Ausgabe;
    f1.textConditionOn = 1;
    f1.textMode = kEnthaelt;
    f1.textPattern = "Miete ODER Müll";
    f1.provisionalMode = kOhneVorlaeufige;
    doc->changeFilter(0, std::move(f1));
    CTWBuchungsFilterNeu f4 = *doc->filters()[3];
    f4.name = "Girokonto 2004";
    f4.accountConditionOn = 1;
    f4.accountId = giro.id;
    f4.numberConditionOn = 1;
    f4.numberFrom = 5;
    f4.numberTo = 70;
    f4.notesConditionOn = 1;
    f4.notesMode = kBeginntMit;
    f4.notesPattern = "Brötchen";
    f4.currencyConditionOn = 1;
    f4.currency = WaehrungsIndex::Zweite;
    f4.amountCurrency = WaehrungsIndex::Zweite;
    doc->changeFilter(3, std::move(f4));

    CNVKKennwort password;
    password.password = "Geheim-ä1";
    password.protection = 1;
    doc->setPassword(std::move(password));
    doc->changeSettings([](CTWEinstellungen& s) {
        s.decimalSeparator = '.';
        s.thousandsSeparator = '\'';
        s.accountsTitle = "Meine Konten";
        s.bookingsData = 0x01110924;
        s.reserved75 = 9;
        s.reserved80 = 3;
        s.reserved83 = 8;
        s.filteredBookingsShowSums = 0;
        s.periodComparisonTitle = "Vergleich <STARTDATUM>";
        s.yearWindowEndMonth = 6;
        s.changeToPeriod = 3;
        s.disableNotesField = 1;
    });
    doc->setInitialPeriod({kFesterStart, kFestesEnde, datum(1, 1, 2003), datum(31, 12, 2004)});
    doc->setAccountBookingsSortDirection(1);
    doc->setScreenScale(1.25);
    doc->markSaved(41);
    return doc;
}

} // namespace testsupport
