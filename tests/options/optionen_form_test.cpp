#include "ledger/file_write.h"
#include "ledger/ledger_file.h"
#include "options/optionen_form.h"
#include "support/scripted_password_source.h"
#include "support/scripted_prompter.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using options::COptionenForm;
using options::FeldArt;
using options::OptionFeld;
using options::Seite;
using testsupport::ScriptedPrompter;

const platform::FixedClock kClock({2024, 3, 15, 12, 0, 0});

std::unique_ptr<ledger::CTalwerkDoc> newDoc(bool dual) {
    auto doc = std::make_unique<ledger::CTalwerkDoc>();
    ledger::NeueDateiWaehrung currency;
    if (dual) {
        currency.dualCurrency = 1;
        currency.euroOnly = 0;
        currency.nationalIndex = 0;
        currency.firstSymbol = "EUR";
        currency.secondSymbol = "DM";
    }
    doc->newDocument(currency, ledger::CNVKDatum::today(kClock));
    return doc;
}

std::vector<std::string> labels(const OptionFeld& f) {
    std::vector<std::string> out;
    for (const auto& e : f.entries())
        out.push_back(e.label);
    return out;
}

TEST(OptionenForm, OpensAtThePageOfTheViewKind) {
    using K = reports::ViewKind;
    const std::pair<K, Seite> cases[] = {
        {K::Konten, Seite::Konten},
        {K::Buchungen, Seite::Buchungen},
        {K::KontenNachKategorien, Seite::KontenKat},
        {K::BuchungenKonto, Seite::BuchungenKonKat},
        {K::WertetabelleGesamt, Seite::WerteGesamt},
        {K::WertetabelleKonto, Seite::WerteKonKat},
        {K::BuchungenGefiltert, Seite::BuchungenFilter},
        {K::Kategorien, Seite::Tabellen},
        {K::Periodenvergleich, Seite::Pervergl},
        {K::DiagrammGesamt, Seite::Diagramme},
        {K::DiagrammKonto, Seite::Diagramme},
    };
    for (const auto& [viewKind, seite] : cases)
        EXPECT_EQ(COptionenForm::seiteFuer(viewKind), seite) << reports::viewKindNumber(viewKind);
    EXPECT_EQ(COptionenForm::seiteFuer(std::nullopt), Seite::Tabellen);
}

TEST(OptionenForm, HasElevenPagesInTabOrder) {
    const auto doc = newDoc(false);
    const COptionenForm form(*doc);
    const std::vector<std::string> expected = {"Tabellen",          "Konten",
                                               "Konten n. Kat.",    "Buchungen",
                                               "Buch. gefiltert",   "Buchungen f. Kto./Kat.",
                                               "Periodenvergleich", "Werte - Gesamt",
                                               "Werte - Kto./Kat.", "Diagramme"};
    ASSERT_EQ(form.seiten.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(form.seiten[i].titel(), expected[i]);
    EXPECT_STREQ(options::seitenTitel(Seite::Allgemein), "Allgemein");
}

TEST(OptionenForm, SecondCurrencyRowsOnlyInDualCurrencyFiles) {
    const auto single = newDoc(false);
    COptionenForm s(*single);
    EXPECT_EQ(labels(*s.feld("accountsData")),
              (std::vector<std::string>{
                  "Bezeichnung", "Kontonummer", "Abkürzung", "Anzahl Buchungen",
                  "Betrag am Anfangsdatum in EUR", "Betrag am Enddatum in EUR", "Anteil in %",
                  "Veränderung in EUR", "Veränderung in %", "Kategorie", "Unterkategorie"}));
    EXPECT_EQ(labels(*s.feld("accountValuesData")),
              (std::vector<std::string>{"Datum/Zeitraum", "Wert in EUR"}));
    EXPECT_EQ(s.feld("bookingsSortKey")->entries().size(), 12u); // without "Währung"
    EXPECT_EQ(s.feld("accountsSortKey")->entries().size(), 9u);
    EXPECT_EQ(s.feld("accountsByCategorySortKey")->entries().size(), 7u);

    const auto dual = newDoc(true);
    COptionenForm d(*dual);
    EXPECT_EQ(labels(*d.feld("accountValuesData")),
              (std::vector<std::string>{"Datum/Zeitraum", "Wert in EUR", "Wert in DM"}));
    const auto rows = labels(*d.feld("accountBookingsData"));
    EXPECT_EQ(rows.size(), 20u);
    EXPECT_EQ(rows[16], "Stand in DM");
    EXPECT_EQ(rows[17], "Aktuelle Währung");
    EXPECT_EQ(d.feld("bookingsSortKey")->entries()[11].label, "Währung");
    EXPECT_EQ(d.feld("accountsByCategorySortKey")->entries().size(), 8u);
    EXPECT_EQ(labels(*d.feld("periodComparisonGroups")),
              (std::vector<std::string>{"Bestandskonten", "Einnahmenkonten", "Ausgabenkonten",
                                        "Sparbetrag"}));
}

TEST(OptionenForm, SingleCurrencyFilesLoseTheBitsOfRowsNotOffered) {
    const auto doc = newDoc(false);
    COptionenForm form(*doc);
    ScriptedPrompter prompter;
    ASSERT_FALSE(form.check(prompter));
    form.apply(*doc);
    const ledger::CTWEinstellungen& s = doc->settings();
    EXPECT_EQ(s.accountsData, 0x3071f57u & ~(0x10u | 0x200u | 0x800u | 0x20000u));
    EXPECT_EQ(s.bookingsData, 0x63110924u & ~0x2000000u);
    EXPECT_EQ(s.accountBookingsData, 0x4b3110aau & ~(0x200000u | 0x2000000u | 0x8000000u));
    EXPECT_EQ(s.totalValuesData, 0x15555551u & ~0x4444440u);
    EXPECT_EQ(s.accountValuesData, 0x11u);
    EXPECT_EQ(s.periodComparisonData, 0xd0101u);
    EXPECT_TRUE(doc->isModified());
}

// The behaviour of the fields when left with a typed value.
TEST(OptionenForm, LengthsAndNumbersAreClampedWhenLeft) {
    const auto doc = newDoc(false);
    COptionenForm form(*doc);
    struct Case {
        const char* field;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"fieldSpacing", "1,5", "1,00 cm"},   {"fieldSpacing", "3 mm", "0,30 cm"},
        {"fieldSpacing", "2,5mm", "0,25 cm"}, {"titleRowHeight", "abc", "0,20 cm"},
        {"chartWidth", "12 cm", "12,00 cm"},  {"chartWidth", "200 cm", "100,00 cm"},
        {"chartLineWidth", "1", "0,50 cm"},   {"printMarginBottom", "4,2", "4,20 cm"},
    };
    for (const Case& c : cases) {
        OptionFeld& f = *form.feld(c.field);
        ASSERT_EQ(f.art(), FeldArt::Laenge) << c.field;
        f.leaveLaenge(c.typed);
        EXPECT_EQ(f.display(), c.shown) << c.field << " " << c.typed;
    }
    OptionFeld& decimals = *form.feld("percentDecimals");
    decimals.leaveZahl(7);
    EXPECT_EQ(decimals.zahl, 3);
    decimals.leaveZahl(-2);
    EXPECT_EQ(decimals.zahl, 0);
}

// What the command line gives a field: a choice the control offers, a number, a length.
TEST(OptionenForm, FieldsTakeTypedValuesTheirControlCanHold) {
    const auto doc = newDoc(false);
    COptionenForm form(*doc);
    struct Case {
        const char* field;
        const char* value;
        bool taken;
        const char* shown;
    };
    const Case cases[] = {
        {"tableDisplayMode", "2", true, "Graustufen"},
        {"tableDisplayMode", "4", false, "Graustufen"},
        {"tableDisplayMode", "zwei", false, "Graustufen"},
        {"accountsSortKey", "3", false, "Bezeichnung"}, // only in dual-currency files
        {"accountsSortKey", "9", true, "Unterkategorie"},
        {"accountsSortDirection", "1", true, "absteigend"},
        {"bookingsShowSums", "0", true, "nein"},
        {"bookingsShowSums", "2", false, "nein"},
        {"accountsGroups", "0x15", true,
         "0x15 (Bestandskonten (Guthaben), Zusammenfassung, "
         "Einnahmenkonten)"},
        {"accountsGroups", "0xffffffff", true,
         "0x1f (Bestandskonten (Guthaben), "
         "Bestandskonten (Schulden), Zusammenfassung, "
         "Einnahmenkonten, Ausgabenkonten)"},
        {"accountsGroups", "0", true, "0x0 (keine)"},
        {"chartColour", "0x00ff00", true, "RGB(0, 255, 0)"},
        {"chartColour", "0x1000000", false, "RGB(0, 255, 0)"},
        {"percentDecimals", "7", true, "3"},
        {"rowHeight", "5 mm", true, "0,50 cm"},
        {"bookingsTitle", "Alle <STARTDATUM>", true, "Alle <STARTDATUM>"},
    };
    for (const Case& c : cases) {
        OptionFeld& f = *form.feld(c.field);
        EXPECT_EQ(!f.set(c.value).has_value(), c.taken) << c.field << "=" << c.value;
        EXPECT_EQ(f.display(), c.shown) << c.field << "=" << c.value;
    }
    EXPECT_EQ(form.feld("accountsSortKey")->set("3"),
              "erwartet einen der Werte 0 (Bezeichnung), 1 (Kontonummer), 2 (Abkürzung), 4 "
              "(Anzahl Buchungen), 5 (Betrag am Anfangsdatum), 6 (Betrag am Enddatum), 7 "
              "(Veränderung), 8 (Kategorie), 9 (Unterkategorie)");
    EXPECT_EQ(form.feld("noSuchSetting"), nullptr);
}

TEST(OptionenForm, OkWritesEveryPageAndCancelNothing) {
    auto doc = newDoc(true);
    const std::vector<std::uint8_t> before = ledger::writeLedgerFile(*doc);

    COptionenForm form(*doc);
    form.allgemein.schutz = true;
    form.allgemein.kennwort = form.allgemein.wiederholung = "Zugang";
    form.allgemein.dezimaltrennzeichen = '.';
    form.allgemein.tausendertrennzeichen = ',';
    form.allgemein.symbol2Neu = "DEM";
    form.allgemein.startRegel = ledger::kErsteBuchung;
    // One field of every other page.
    const std::pair<const char*, const char*> changes[] = {
        {"fieldSpacing", "0,5"},
        {"accountsTitle", "Alle Konten"},
        {"accountsByCategoryWithoutAccounts", "1"},
        {"bookingsSortKey", "11"},
        {"filteredBookingsShowSums", "0"},
        {"accountBookingsSortDirection", "1"},
        {"periodComparisonGroups", "0x101"},
        {"totalValuesExtraColumn", "1"},
        {"accountValuesData", "0x41"},
        {"chartHeight", "20"},
    };
    for (const auto& [name, value] : changes)
        ASSERT_FALSE(form.feld(name)->set(value)) << name;

    {
        COptionenForm cancelled(*doc);
        cancelled.allgemein.schutz = true;
        ASSERT_FALSE(cancelled.feld("accountsTitle")->set("verworfen"));
    }
    EXPECT_EQ(ledger::writeLedgerFile(*doc), before);
    EXPECT_FALSE(doc->isModified());

    ScriptedPrompter prompter;
    ASSERT_FALSE(form.check(prompter));
    form.apply(*doc);
    EXPECT_TRUE(doc->isModified());
    const ledger::CTWEinstellungen& s = doc->settings();
    EXPECT_EQ(doc->password().protection, 1);
    EXPECT_EQ(doc->password().password, "Zugang");
    EXPECT_EQ(s.decimalSeparator, '.');
    EXPECT_EQ(s.thousandsSeparator, ',');
    EXPECT_EQ(s.firstCurrencySymbol, "EUR");
    EXPECT_EQ(s.secondCurrencySymbol, "DEM");
    EXPECT_EQ(doc->initialPeriod().startRule, ledger::kErsteBuchung);
    EXPECT_EQ(s.fieldSpacing, 50);
    EXPECT_EQ(s.accountsTitle, "Alle Konten");
    EXPECT_EQ(s.accountsByCategoryWithoutAccounts, 1);
    EXPECT_EQ(s.bookingsSortKey, 11);
    EXPECT_EQ(s.filteredBookingsShowSums, 0);
    EXPECT_EQ(doc->accountBookingsSortDirection(), 1);
    EXPECT_EQ(s.periodComparisonGroups, 0x101u);
    EXPECT_EQ(s.totalValuesExtraColumn, 1);
    EXPECT_EQ(s.accountValuesData, 0x41u);
    EXPECT_EQ(s.chartHeight, 2000);
    // Untouched settings keep their values, dual-currency bits included.
    EXPECT_EQ(s.accountsData, 0x3071f57u);
    EXPECT_EQ(s.columnSpacing, 30);
    EXPECT_EQ(s.chartTitleHeight, 60);
}

TEST(OptionenForm, ValuesThePageCannotShowAreKeptAndDamagedLengthsClamped) {
    auto doc = newDoc(false);
    doc->changeSettings([](ledger::CTWEinstellungen& s) {
        s.accountsSortKey = 3; // "Aktuelle Kontowährung" is offered only with two currencies
        s.fieldSpacing = -40;
        s.chartWidth = 90000;
    });
    COptionenForm form(*doc);
    EXPECT_EQ(form.feld("accountsSortKey")->chosenIndex(), -1);
    ScriptedPrompter prompter;
    ASSERT_FALSE(form.check(prompter));
    form.apply(*doc);
    EXPECT_EQ(doc->settings().accountsSortKey, 3);
    EXPECT_EQ(doc->settings().fieldSpacing, 0);
    EXPECT_EQ(doc->settings().chartWidth, 10000);
}

TEST(OptionenForm, ARefusalNamesThePageAndChangesNothing) {
    auto doc = newDoc(false);
    COptionenForm form(*doc);
    form.allgemein.tausendertrennzeichen = ',';
    ScriptedPrompter prompter;
    const auto refusal = form.check(prompter);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->seite, Seite::Allgemein);
    EXPECT_EQ(refusal->field, options::COptAllgemeinForm::Field::Dezimaltrennzeichen);
    EXPECT_FALSE(doc->isModified());
}

// The password set on the page protects the saved file: it is asked for, a wrong one is
// refused, and once the protection is switched off again the file opens without a question.
TEST(OptionenForm, PasswordRoundTripThroughTheFile) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("optionen_" + std::to_string(::getpid()) + ".tlw");
    auto doc = newDoc(false);
    COptionenForm form(*doc);
    form.allgemein.schutz = true;
    form.allgemein.kennwort = form.allgemein.wiederholung = "Sesam öffne";
    ScriptedPrompter prompter;
    ASSERT_FALSE(form.check(prompter));
    form.apply(*doc);
    ASSERT_EQ(ledger::saveLedgerFile(*doc, path), "");

    testsupport::ScriptedPasswordSource wrong;
    wrong.answer("sesam öffne");
    EXPECT_EQ(ledger::loadLedgerFile(path, prompter, wrong, kClock).message,
              ledger::kMeldungOeffnen);
    EXPECT_EQ(wrong.asked.size(), 1u);

    testsupport::ScriptedPasswordSource right;
    right.answer("Sesam öffne");
    auto loaded = ledger::loadLedgerFile(path, prompter, right, kClock);
    ASSERT_TRUE(loaded.document);
    COptionenForm again(*loaded.document);
    EXPECT_TRUE(again.allgemein.schutz);
    EXPECT_EQ(again.allgemein.kennwort, "Sesam öffne");
    again.allgemein.schutz = false;
    again.allgemein.kennwort.clear();
    ASSERT_FALSE(again.check(prompter));
    again.apply(*loaded.document);
    ASSERT_EQ(ledger::saveLedgerFile(*loaded.document, path), "");

    testsupport::ScriptedPasswordSource none;
    auto open = ledger::loadLedgerFile(path, prompter, none, kClock);
    EXPECT_TRUE(open.document);
    EXPECT_TRUE(none.asked.empty());
    EXPECT_FALSE(open.document->password().isActive());
    EXPECT_EQ(open.document->password().password, "");
    std::filesystem::remove(path);
}

} // namespace
