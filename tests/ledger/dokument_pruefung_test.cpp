// The invariant check finds each kind of damage a ledger can carry.
#include "file_sample.h"
#include "ledger/dokument_pruefung.h"
#include "ledger/ledger_loading.h"

#include <functional>
#include <gtest/gtest.h>

using namespace ledger;
using namespace testsupport;

TEST(DokumentPruefung, ASoundLedgerHasNoViolation) {
    EXPECT_EQ(pruefeDokument(*sampleLedger()), std::vector<std::string>{});
}

// A transfer may join any two different accounts, whatever their kinds.
TEST(DokumentPruefung, TransfersBetweenAnyKindsOfAccountsAreSound) {
    struct Case {
        int from; // account ids of the sample: 0 Girokonto, 1 Sparbuch, 2 Gehalt, 3 Miete,
        int to;   // 4 Lebensmittel
    };
    for (const Case c : {Case{0, 2}, Case{2, 0}, Case{3, 0}, Case{0, 4}, Case{2, 3}, Case{4, 3}}) {
        auto doc = sampleLedger();
        CTWBuchung b;
        b.date = datum(4, 2, 2004);
        b.kind = Vorgang::Umbuchung;
        b.konto1Id = c.from;
        b.konto1Kind = doc->findKonto(c.from)->kind;
        b.konto2Id = c.to;
        b.konto2Kind = doc->findKonto(c.to)->kind;
        b.amount = 1000;
        doc->addBuchung(std::move(b));
        EXPECT_EQ(pruefeDokument(*doc), std::vector<std::string>{}) << c.from << " -> " << c.to;
    }
}

// The last values inside each range are sound.
TEST(DokumentPruefung, ValuesAtTheLimitsAreSound) {
    auto doc = sampleLedger();
    LedgerLoading d(*doc);
    d.accounts()[3]->number = 1;
    d.accounts()[4]->number = 999999;
    d.accounts()[0]->switchDates[0] = CNVKDatum(CNVKDatum::kLastDay);
    d.accounts()[1]->switchDates[0] = CNVKDatum(CNVKDatum::kFirstDay);
    d.rules()[0]->firstDate = CNVKDatum(CNVKDatum::kFirstDay);
    d.rules()[1]->firstDate = CNVKDatum(CNVKDatum::kLastDay);
    EXPECT_EQ(pruefeDokument(*doc), std::vector<std::string>{});
}

TEST(DokumentPruefung, EachDamageIsReported) {
    struct Case {
        const char* expected;
        std::function<void(LedgerLoading)> damage;
    };
    const Case cases[] = {
        {"Konto 1 (Sparbuch Müller): Die Kontonummer ist nicht eindeutig.",
         [](LedgerLoading d) { d.accounts()[1]->number = 1000; }},
        {"Konto 4 (Lebensmittel): Die Abkürzung ist nicht eindeutig.",
         [](LedgerLoading d) { d.accounts()[4]->abbreviation = "MIET"; }},
        {"Konto 3 (Miete): Nur Bestandskonten haben Währung, Anfangsbestand und "
         "Umstellungsdaten.",
         [](LedgerLoading d) { d.accounts()[3]->openingBalance = 5; }},
        {"Konto 1 (Sparbuch Müller): Umstellungsdaten nicht aufsteigend.",
         [](LedgerLoading d) {
             std::swap(d.accounts()[1]->switchDates[0], d.accounts()[1]->switchDates[1]);
         }},
        {"Konto 2 (Gehalt): Standardzuordnung verweist auf die fehlende Unterkategorie 5.",
         [](LedgerLoading d) { d.accounts()[2]->subcategory = 5; }},
        {"Kategorie 1 (Anlagen): Verwendungszähler 2 statt 1.",
         [](LedgerLoading d) { d.accounts()[1]->alt2UseStandard = 1; }},
        {"Unterkategorie 1 (Prämien) von Arbeit: Verwendungszähler 3 statt 1.",
         [](LedgerLoading d) {
             d.categories()
                 .treeList(KontoArt::Einnahmenkonto)[0]
                 ->subcategoryList()[1]
                 ->usageCount = 3;
         }},
        {"Konto 0 (Girokonto): Buchungszähler 3 statt 4.",
         [](LedgerLoading d) { d.accounts()[0]->bookingCount = 3; }},
        {"Buchung 0: Steht nicht in Buchungsreihenfolge.",
         [](LedgerLoading d) { std::swap(d.bookings()[0], d.bookings()[1]); }},
        {"Buchung 1: Die laufende Nummer ist nicht eindeutig.",
         [](LedgerLoading d) { d.bookings()[0]->serial = 1; }},
        {"Buchung 1: Die Kontenarten passen nicht zum Vorgang 0.",
         [](LedgerLoading d) { d.bookings()[1]->kind = Vorgang::Einnahme; }},
        {"Buchung 0: Konto 77 fehlt.", [](LedgerLoading d) { d.bookings()[0]->konto2Id = 77; }},
        {"Buchung 1: Die gespeicherten Kontenarten weichen von den Konten ab.",
         [](LedgerLoading d) { d.bookings()[1]->konto2Kind = KontoArt::Einnahmenkonto; }},
        {"Regelmäßige Buchung 1: Beide Seiten sind dasselbe Konto 0.",
         [](LedgerLoading d) { d.rules()[1]->konto2Id = 0; }},
        {"Regelmäßige Buchung 5: Die laufende Nummer liegt nicht unter dem Zähler 2.",
         [](LedgerLoading d) { d.rules()[1]->serial = 5; }},
        {"Die Datei hat 9 statt 10 Buchungsfilter.",
         [](LedgerLoading d) { d.filters().pop_back(); }},
        // Every range at both of its limits, every message reached by a case only it refuses.
        {"Konto 5 (Lebensmittel): Die Id liegt nicht unter dem Zähler 5.",
         [](LedgerLoading d) { d.accounts()[4]->id = 5; }},
        {"Konto -1 (Lebensmittel): Die Id liegt nicht unter dem Zähler 5.",
         [](LedgerLoading d) { d.accounts()[4]->id = -1; }},
        {"Konto 4 (Lebensmittel): Kontonummer 0 außerhalb von 1 bis 999999.",
         [](LedgerLoading d) { d.accounts()[4]->number = 0; }},
        {"Konto 4 (Lebensmittel): Kontonummer 1000000 außerhalb von 1 bis 999999.",
         [](LedgerLoading d) { d.accounts()[4]->number = 1000000; }},
        {"Konto 0 (Girokonto): Bestandskonto mit Währungsindex -1.",
         [](LedgerLoading d) { d.accounts()[0]->currencyIndex = WaehrungsIndex::Keine; }},
        {"Konto 0 (Girokonto): Ungültiges Umstellungsdatum.",
         [](LedgerLoading d) { d.accounts()[0]->switchDates[0] = CNVKDatum(0); }},
        {"Konto 1 (Sparbuch Müller): Ungültiges Umstellungsdatum.",
         [](LedgerLoading d) {
             d.accounts()[1]->switchDates[1] = CNVKDatum(CNVKDatum::kLastDay + 1);
         }},
        {"Konto 3 (Miete): Standardzuordnung verweist auf die fehlende Kategorie 9.",
         [](LedgerLoading d) { d.accounts()[3]->category = 9; }},
        {"Konto 1 (Sparbuch Müller): Alternative 1 verweist auf die fehlende Kategorie 9.",
         [](LedgerLoading d) { d.accounts()[1]->alt1Category = 9; }},
        {"Kategorie 0 (Lebensmittel): Die Id ist im Baum 2 nicht eindeutig.",
         [](LedgerLoading d) { d.categories().treeList(KontoArt::Ausgabenkonto)[1]->id = 0; }},
        {"Kategorie 2 (Lebensmittel): Die Id liegt nicht unter dem Zähler 2.",
         [](LedgerLoading d) { d.categories().treeList(KontoArt::Ausgabenkonto)[1]->id = 2; }},
        {"Unterkategorie 0 (Prämien) von Arbeit: Die Id ist nicht eindeutig.",
         [](LedgerLoading d) {
             d.categories().treeList(KontoArt::Einnahmenkonto)[0]->subcategoryList()[1]->id = 0;
         }},
        {"Unterkategorie 2 (Prämien) von Arbeit: Die Id liegt nicht unter dem Zähler 2.",
         [](LedgerLoading d) {
             d.categories().treeList(KontoArt::Einnahmenkonto)[0]->subcategoryList()[1]->id = 2;
         }},
        {"Buchung 4: Die laufende Nummer liegt nicht unter dem Zähler 4.",
         [](LedgerLoading d) { d.bookings()[3]->serial = 4; }},
        {"Buchung 0: Ungültiges Datum.",
         [](LedgerLoading d) { d.bookings()[0]->date = CNVKDatum(0); }},
        {"Buchung 3: Ungültiges Datum.",
         [](LedgerLoading d) { d.bookings()[3]->date = CNVKDatum(CNVKDatum::kLastDay + 1); }},
        {"Regelmäßige Buchung 0: Die laufende Nummer ist nicht eindeutig.",
         [](LedgerLoading d) { d.rules()[1]->serial = 0; }},
        {"Regelmäßige Buchung 0: Ungültiges erstes Datum.",
         [](LedgerLoading d) { d.rules()[0]->firstDate = CNVKDatum(0); }},
        {"Regelmäßige Buchung 0: Unbekannter Zustand 3 eines Termins.",
         [](LedgerLoading d) { d.rules()[0]->occurrenceStates[2] = 3; }},
    };
    for (const auto& c : cases) {
        auto doc = sampleLedger();
        c.damage(LedgerLoading(*doc));
        const auto found = pruefeDokument(*doc);
        EXPECT_NE(std::find(found.begin(), found.end(), c.expected), found.end())
            << c.expected << "\nfound:\n"
            << ::testing::PrintToString(found);
    }
}
