// The two ledgers whose views are kept as golden texts: a Euro-only household and a ledger
// that kept Deutsche Mark beside the Euro across the switch of 2002.
#pragma once

#include "support/test_ledger.h"

namespace testsupport {

inline TestLedger householdLedger() {
    using namespace ledger;
    TestLedger l;
    const int32_t bank = l.category(KontoArt::Bestandskonto, "Bank");
    const int32_t giroKat = l.subcategory(KontoArt::Bestandskonto, bank, "Girokonten");
    const int32_t sparKat = l.subcategory(KontoArt::Bestandskonto, bank, "Sparen");
    const int32_t arbeit = l.category(KontoArt::Einnahmenkonto, "Arbeit");
    const int32_t wohnen = l.category(KontoArt::Ausgabenkonto, "Wohnen");
    const int32_t mieteKat = l.subcategory(KontoArt::Ausgabenkonto, wohnen, "Miete");
    const int32_t energie = l.subcategory(KontoArt::Ausgabenkonto, wohnen, "Energie");
    const int32_t essen = l.category(KontoArt::Ausgabenkonto, "Lebensmittel");

    const int32_t giro = l.account(KontoArt::Bestandskonto, "Girokonto", 1000, 250000,
                                   ledger::WaehrungsIndex::Erste, bank, giroKat);
    const int32_t spar = l.account(KontoArt::Bestandskonto, "Sparbuch", 1100, 1000000,
                                   ledger::WaehrungsIndex::Erste, bank, sparKat);
    const int32_t karte = l.asset("Kreditkarte", 1200, 5000);
    l.asset("Bargeld", 1300);
    const int32_t gehalt = l.account(KontoArt::Einnahmenkonto, "Gehalt", 4000, 0,
                                     ledger::WaehrungsIndex::Erste, arbeit);
    const int32_t zinsen = l.income("Zinsen", 4100);
    const int32_t miete = l.account(KontoArt::Ausgabenkonto, "Miete", 6000, 0,
                                    ledger::WaehrungsIndex::Erste, wohnen, mieteKat);
    const int32_t strom = l.account(KontoArt::Ausgabenkonto, "Strom", 6100, 0,
                                    ledger::WaehrungsIndex::Erste, wohnen, energie);
    const int32_t markt = l.account(KontoArt::Ausgabenkonto, "supermarkt", 6200, 0,
                                    ledger::WaehrungsIndex::Erste, essen);
    l.account(KontoArt::Ausgabenkonto, "Versicherung", 6300, 0, ledger::WaehrungsIndex::Erste,
              wohnen);
    // Alternative assignments: the supermarket counts as housing in the first, electricity
    // as food in the second; the rent follows the standard assignment in the second.
    l.changeKonto(markt, [&](ledger::CTWKonto& k) { k.alt1UseStandard = 0; });
    l.changeKonto(markt, [&](ledger::CTWKonto& k) { k.alt1Category = wohnen; });
    l.changeKonto(strom, [&](ledger::CTWKonto& k) { k.alt2Category = essen; });
    l.changeKonto(miete, [&](ledger::CTWKonto& k) { k.alt2UseStandard = 1; });

    l.book("28.12.2023", Vorgang::Ausgabe, giro, miete, 85000);
    for (const char* month : {"01", "02", "03"}) {
        const std::string m = month;
        l.book("01." + m + ".2024", Vorgang::Einnahme, giro, gehalt, 321456);
        l.book("03." + m + ".2024", Vorgang::Ausgabe, giro, miete, 85000);
        l.book("15." + m + ".2024", Vorgang::Ausgabe, karte, markt, 41234);
        l.book("20." + m + ".2024", Vorgang::Umbuchung, giro, spar, 50000);
    }
    l.book("31.01.2024", Vorgang::Ausgabe, giro, strom, 9000);
    l.book("30.03.2024", Vorgang::Einnahme, spar, zinsen, 1234);
    l.book("31.03.2024", Vorgang::Ausgabe, giro, strom, 12000, ledger::WaehrungsIndex::Erste, true);
    l.book("01.04.2024", Vorgang::Ausgabe, giro, strom, 9999);
    return l;
}

inline TestLedger dualCurrencyLedger() {
    using namespace ledger;
    TestLedger l(true);
    const int32_t bank = l.category(KontoArt::Bestandskonto, "Bank");
    const int32_t giro = l.account(KontoArt::Bestandskonto, "Girokonto", 1, 300000,
                                   ledger::WaehrungsIndex::Erste, bank);
    const int32_t spar = l.account(KontoArt::Bestandskonto, "Sparbuch", 2, 391166,
                                   ledger::WaehrungsIndex::Zweite, bank);
    l.changeKonto(spar, [&](ledger::CTWKonto& k) { k.switchDates.push_back(date("01.01.2002")); });
    const int32_t dispo = l.asset("Dispokredit", 3, -50000, ledger::WaehrungsIndex::Zweite);
    const int32_t gehalt = l.income("Gehalt", 10);
    const int32_t miete = l.expense("Miete", 20);
    l.book("01.12.2001", Vorgang::Einnahme, giro, gehalt, 500000, ledger::WaehrungsIndex::Zweite);
    l.book("03.12.2001", Vorgang::Ausgabe, giro, miete, 150000, ledger::WaehrungsIndex::Zweite);
    l.book("15.12.2001", Vorgang::Umbuchung, giro, spar, 10000, ledger::WaehrungsIndex::Erste);
    l.book("02.01.2002", Vorgang::Einnahme, giro, gehalt, 256000);
    l.book("03.01.2002", Vorgang::Ausgabe, dispo, miete, 76694);
    l.book("16.01.2002", Vorgang::Umbuchung, giro, spar, 5000);
    return l;
}

} // namespace testsupport
