// talerwerk-cli account, category and euro: changes go through the forms, refusals leave the
// file as it was.
#include "cli_run.h"
#include "ledger/dokument_pruefung.h"
#include "ledger/ledger_file.h"
#include "support/scripted_password_source.h"
#include "support/scripted_prompter.h"
#include "tests/support/files.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using testsupport::Outcome;
using testsupport::run;

class LedgerChangeCommands : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("talerwerk-change-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        path = (dir / "haushalt.tlw").string();

        // A file kept in Deutsche Mark alone, with a booking and a recurring booking.
        ledger::CTalwerkDoc doc;
        ledger::NeueDateiWaehrung waehrung;
        waehrung.euroOnly = 0;
        waehrung.firstSymbol = "DM";
        const auto today = *ledger::CNVKDatum::fromCalendar(15, 6, 2001);
        doc.newDocument(waehrung, today);
        doc.addKategorie(ledger::KontoArt::Ausgabenkonto, "Wohnen");
        ledger::CTWKonto giro;
        giro.name = "Giro";
        giro.abbreviation = "GI";
        giro.number = 1;
        const int32_t giroId = doc.addKonto(giro).id;
        ledger::CTWKonto miete;
        miete.kind = ledger::KontoArt::Ausgabenkonto;
        miete.currencyIndex = ledger::WaehrungsIndex::Keine;
        miete.name = "Miete";
        miete.abbreviation = "MI";
        miete.number = 2;
        const int32_t mieteId = doc.addKonto(miete).id;
        ledger::CTWBuchung b;
        b.date = today;
        b.kind = ledger::Vorgang::Ausgabe;
        b.konto1Id = giroId;
        b.konto2Id = mieteId;
        b.amount = 80000;
        doc.addBuchung(b);
        ledger::CTWBuchungRegel r;
        r.name = "Miete";
        r.kind = ledger::Vorgang::Ausgabe;
        r.konto1Id = giroId;
        r.konto2Id = mieteId;
        r.amount = 80000;
        doc.addBuchungRegel(r);
        ASSERT_EQ(ledger::saveLedgerFile(doc, path), "");
    }
    void TearDown() override { fs::remove_all(dir); }

    // Runs a command that must be refused and leave the file's bytes as they were.
    Outcome refused(std::vector<std::string> args) const {
        const auto before = testsupport::readFile(path);
        const Outcome outcome = run(std::move(args));
        EXPECT_EQ(outcome.code, 1) << outcome.out;
        EXPECT_EQ(testsupport::readFile(path), before);
        return outcome;
    }
    std::unique_ptr<ledger::CTalwerkDoc> load() const {
        return testsupport::loadChecked(path, platform::LocalTime{2001, 6, 15, 12, 0, 0});
    }

    fs::path dir;
    std::string path;
};

TEST_F(LedgerChangeCommands, AccountsAreCreatedEditedAndDeletedThroughTheForms) {
    Outcome o = run({"account", "new", path, "--kind", "2", "--name", "Nebenkosten",
                     "--abbreviation", "NK", "--category", "Wohnen", "--alt2", "Wohnen"});
    ASSERT_EQ(o.code, 0) << o.err;
    EXPECT_EQ(o.out, "Konto \"Nebenkosten\" (3/NK) angelegt.\n");
    EXPECT_EQ(load()->findKategorieByName(ledger::KontoArt::Ausgabenkonto, "Wohnen")->usageCount,
              2);

    o = refused({"account", "new", path, "--kind", "2", "--name", "nebenkosten", "--number", "9",
                 "--abbreviation", "X"});
    EXPECT_EQ(o.err, "Neues Konto: Ein Konto mit dieser Bezeichnung existiert bereits!\n");
    o = refused({"account", "new", path, "--name", "Kasse", "--abbreviation", "KA",
                 "--opening-balance", "zehn"});
    EXPECT_EQ(o.err, "Neues Konto: Bitte geben Sie einen g\xc3\xbcltigen Anfangsbestand ein!\n");
    refused({"account", "new", path, "--kind", "1", "--name", "Lohn", "--abbreviation", "LO",
             "--opening-balance", "5"});
    refused({"account", "edit", path, "3", "--category", "Freizeit"});
    EXPECT_EQ(run({"account", "edit", path, "3", "--kind", "1"}).code, 2);

    o = run({"account", "edit", path, "3", "--name", "Strom", "--category", "(keine)",
             "--alt2-standard"});
    ASSERT_EQ(o.code, 0) << o.err;
    EXPECT_EQ(load()->findKategorieByName(ledger::KontoArt::Ausgabenkonto, "Wohnen")->usageCount,
              0);

    o = refused({"account", "delete", path, "3"});
    EXPECT_EQ(o.err, "Konto l\xc3\xb6schen: M\xc3\xb6\x63hten Sie das Konto \"Strom\" (3/NK) "
                     "wirklich l\xc3\xb6schen?\n");
    refused({"account", "delete", path, "2", "--yes"}); // has bookings
    ASSERT_EQ(run({"account", "delete", path, "3", "--yes"}).code, 0);
    EXPECT_EQ(load()->findKontoByNumber(3), nullptr);
}

TEST_F(LedgerChangeCommands, CategoriesAreCreatedRenamedAndDeleted) {
    ASSERT_EQ(
        run({"category", "new", path, "--kind", "2", "--category", "Wohnen", "--name", "Energie"})
            .out,
        "Unterkategorie angelegt.\n");
    Outcome o = refused({"category", "new", path, "--kind", "2", "--name", "WOHNEN"});
    EXPECT_EQ(o.err, "Bezeichnung eingeben: Diese Kategorie ist bereits vorhanden!\n");
    ASSERT_EQ(run({"category", "new", path, "--kind", "1", "--name", "Wohnen"}).code, 0);
    ASSERT_EQ(run({"category", "rename", path, "--kind", "2", "--category", "Wohnen",
                   "--subcategory", "Energie", "--name", "Strom & Gas"})
                  .code,
              0);
    ASSERT_EQ(
        run({"account", "edit", path, "2", "--category", "Wohnen", "--subcategory", "Strom & Gas"})
            .code,
        0);
    o = refused({"category", "delete", path, "--kind", "2", "--category", "Wohnen", "--yes"});
    EXPECT_EQ(o.err, "Kategorie l\xc3\xb6schen: Diese Kategorie kann nicht gel\xc3\xb6scht "
                     "werden, da ihr Konten zugeordnet sind!\n");
    ASSERT_EQ(
        run({"category", "delete", path, "--kind", "1", "--category", "Wohnen", "--yes"}).code, 0);
    const auto doc = load();
    EXPECT_TRUE(doc->categories().tree(ledger::KontoArt::Einnahmenkonto).empty());
    EXPECT_EQ(doc->findKontoByNumber(2)->subcategory, 0);
}

TEST_F(LedgerChangeCommands, EuroConvertsTheFileOrLeavesItAsItWas) {
    Outcome o = refused({"euro", path, "--rate", "0,00"});
    EXPECT_EQ(o.err, "Euro-Tool: Bitte geben Sie einen g\xc3\xbcltigen Wechselkurs ein!\n");
    refused({"euro", path, "--currency", "XYZ"});
    refused({"euro", path, "--rule-amount", "Miete=viel"});

    o = run({"euro", path, "--currency", "DEM", "--rule-amount", "Miete=410", "--keep-view",
             "Buchungen"});
    ASSERT_EQ(o.code, 0) << o.err;
    auto doc = load();
    EXPECT_EQ(doc->settings().dualCurrency, 1);
    EXPECT_EQ(doc->settings().secondCurrencySymbol, "DM");
    EXPECT_EQ(doc->findKontoByNumber(1)->finalCurrencyIndex(), ledger::WaehrungsIndex::Erste);
    EXPECT_EQ(doc->rules()[0]->amount, 41000);
    EXPECT_EQ(doc->rules()[0]->currencyIndex, ledger::WaehrungsIndex::Erste);

    // Only the kept view is left to convert; after that nothing is.
    o = run({"euro", path});
    EXPECT_EQ(o.out, "Euro-Tool: Buchungs-Dialog und Ansichten: erledigt.\n");
    o = run({"euro", path});
    EXPECT_EQ(o.code, 0);
    EXPECT_EQ(o.err,
              "Euro-Tool: Diese Datei ist bereits vollst\xc3\xa4ndig auf den Euro umgestellt.\n");
}

} // namespace

// Every check of a command line, each reached by a line that only it refuses: exit code 2,
// the message on stderr, the file untouched.
TEST_F(LedgerChangeCommands, EveryWrongCommandLineIsRefusedWithItsMessage) {
    const std::string P = path;
    const std::string N = (dir / "neu.tlw").string();
    using Args = std::vector<std::string>;
    const Args booking = {"booking", "new", P, "--account1", "Giro", "--account2", "Miete"};
    const auto with = [](Args args, const Args& more) {
        args.insert(args.end(), more.begin(), more.end());
        return args;
    };
    const struct {
        Args args;
        const char* message;
    } cases[] = {
        {{"check", P, "--password"}, "Option --password ohne Wert"},
        {{"account", "delete", P, "1", "--yes=ja"}, "Option --yes erwartet keinen Wert"},
        {{"check", P, "--farbe", "rot"}, "Unbekannte Option --farbe"},
        {{"check", P, P}, "Falsche Anzahl von Argumenten"},
        {{"check", P, "--now", "31.02.2024"}, "Ung\xc3\xbcltiges Datum f\xc3\xbcr --now"},
        {{"account", "move", P}, "account erwartet new, edit oder delete"},
        {{"account", "new", P, "--kind", "3"}, "--kind erwartet 0, 1 oder 2: 3"},
        {{"account", "new", P, "--kind", "-1"}, "--kind erwartet 0, 1 oder 2: -1"},
        {{"account", "new", P, "--number", "12a"}, "--number erwartet eine Zahl: 12a"},
        {{"account", "new", P, "--currency", "x"}, "--currency erwartet eine Zahl: x"},
        {{"account", "new", P, "--alt1", "Wohnen", "--alt1-standard"},
         "--alt1-standard schlie\xc3\x9ft --alt1 aus"},
        {{"account", "edit", P, "1", "--kind", "1"},
         "Die Kontenart eines Kontos kann nicht ge\xc3\xa4ndert werden."},
        {with(booking, {"--kind", "1"}), "Die Option --date fehlt."},
        {with(booking, {"--kind", "1", "--date", "31.02.2001"}),
         "--date erwartet ein Datum TT.MM.JJJJ: 31.02.2001"},
        {with(booking, {"--date", "01.06.2001"}), "Die Option --kind fehlt."},
        {with(booking, {"--date", "01.06.2001", "--kind", "3"}), "--kind erwartet 0, 1, 2: 3"},
        {with(booking, {"--date", "01.06.2001", "--kind", "1"}), "Die Option --amount fehlt."},
        {with(booking, {"--date", "01.06.2001", "--kind", "1", "--amount", "1", "--currency", "2"}),
         "--currency erwartet 0, 1: 2"},
        {{"booking", "edit", P, "--date", "01.06.2001", "--kind", "1", "--account1", "Giro",
          "--account2", "Miete", "--amount", "1"},
         "Unbekannter Unterbefehl edit"},
        {{"category", "move", P, "--kind", "1"}, "category erwartet new, rename oder delete"},
        {{"category", "new", P, "--name", "X"}, "Die Option --kind fehlt."},
        {{"category", "new", P, "--kind", "2"}, "Die Option --name fehlt."},
        {{"category", "rename", P, "--kind", "2", "--name", "X"}, "Die Option --category fehlt."},
        {{"category", "new", P, "--kind", "2", "--name", "X", "--subcategory", "Y"},
         "Eine neue Unterkategorie wird mit --category und --name angelegt."},
        {{"due", P, "--rows", "0"}, "--rows erwartet Zeilennummern ab 1"},
        {{"due", P, "--rows", "1,,2"}, "--rows erwartet Zeilennummern ab 1"},
        {{"due", P, "--execute", "--delete"}, "--execute und --delete schlie\xc3\x9f"},
        {{"due", P, "--until", "morgen"}, "--until erwartet ein Datum TT.MM.JJJJ: morgen"},
        {{"due", P, "--booking-date", "1.13.2001"}, "--booking-date erwartet ein Datum"},
        {{"due", P, "--sort", "4"}, "--sort erwartet 0, 1, 2, 3: 4"},
        {{"due", P, "--format", "csv"}, "--format erwartet fixed, tabs: csv"},
        {{"import", P, N, "--kinds", "3"}, "--kinds erwartet 0, 1, 2: 3"},
        {{"import", P, N, "--ident", "3"}, "--ident erwartet 0, 1, 2: 3"},
        {{"import", P, N, "--amounts", "3"}, "--amounts erwartet 0, 1, 2: 3"},
        {{"new", N}, "Genau eine von --euro-only, --dual und --other angeben"},
        {{"new", N, "--euro-only", "EUR", "--dual", "DEM"}, "Genau eine von --euro-only"},
        {{"new", N, "--euro-only", "EUR", "--rate", "2"}, "--rate und --symbols gelten nur mit"},
        {{"new", N, "--dual", "XYZ"}, "Unbekannte Landesw\xc3\xa4hrung XYZ (bekannt: "},
        {{"new", N, "--dual", "DEM", "--symbols", "EUR"},
         "--symbols erwartet EUR-Symbol,Landessymbol"},
        {{"options", P, "--protect", "--unprotect"}, "--protect schlie\xc3\x9ft --unprotect aus"},
        {{"options", P, "--no-grouping", "2"}, "--no-grouping erwartet 0 oder 1"},
        {{"options", P, "--start-rule", "4"}, "--start-rule erwartet 0, 1, 2 oder 3"},
        {{"options", P, "--end-rule", "3"}, "--end-rule erwartet 0, 1 oder 2"},
        {{"options", P, "--decimal-separator", ";"}, "--decimal-separator erwartet ,, .: ;"},
        {{"options", P, "--thousands-separator", "x"}, "--thousands-separator erwartet .,"},
        {{"options", P, "--new-password", "x"}, "nur mit Kennwortschutz (--protect)"},
        {{"options", P, "--second-symbol", "X"},
         "--second-symbol gilt nur in Dateien mit zwei W\xc3\xa4hrungen"},
        {{"options", P, "--start-rule", "0", "--start-date", "01.01.2001"},
         "--start-date gilt nur mit --start-rule 3"},
        {{"options", P, "--end-rule", "0", "--end-date", "01.01.2001"},
         "--end-date gilt nur mit --end-rule 2"},
        {{"options", P, "--set", "fieldSpacing"}, "--set erwartet NAME=WERT: fieldSpacing"},
        {{"options", P, "--set", "farbe=rot"}, "Unbekannte Einstellung farbe"},
        {{"options", P, "--set", "repeatTitle=2"}, "--set repeatTitle erwartet 0 oder 1"},
        {{"rule", "move", P}, "rule erwartet new, edit, delete oder list"},
        {{"rule", "new", P, "--name", "X"}, "rule new braucht --name, --kind"},
        {{"rule", "edit", P, "Miete", "--every", "2147483648"},
         "--every liegt au\xc3\x9f"
         "erhalb des Zahlenbereichs"},
        {{"rule", "edit", P, "Miete", "--counter", "-2147483649"}, "--counter liegt au"},
        {{"rule", "edit", P, "Miete", "--unit", "3"}, "--unit erwartet 0, 1, 2: 3"},
        {{"rule", "edit", P, "Miete", "--date-mode", "2"}, "--date-mode erwartet 0, 1: 2"},
        {{"rule", "edit", P, "Miete", "--first", "00.01.2001"}, "--first erwartet ein Datum"},
        {{"show", P}, "Die Option --view fehlt."},
        {{"show", P, "--view", "1x"}, "--view erwartet die Nummer einer Ansicht: 1x"},
        {{"show", P, "--view", "1", "--select", "account:x"}, "--select erwartet account:ID"},
        {{"show", P, "--view", "1", "--grouping", "3"}, "--grouping erwartet 0, 1, 2: 3"},
        {{"show", P, "--view", "1", "--filter", "10"}, "--filter erwartet 0, 1, 2"},
        {{"show", P, "--view", "1", "--encoding", "latin1"}, "--encoding erwartet utf-8, cp1252"},
        {{"show", P, "--view", "1", "--periods", "4"}, "--periods erwartet 0, 1, 2, 3: 4"},
        {{"show", P, "--view", "1", "--value", "7"}, "--value erwartet 1, 2, 3, 4, 5, 6: 7"},
        {{"show", P, "--view", "1", "--compare", "3"}, "--compare erwartet 0, 1, 2: 3"},
        {{"show", P, "--view", "1", "--to", "31.04.2001"}, "--to erwartet ein Datum"},
    };
    const auto before = testsupport::readFile(path);
    for (const auto& c : cases) {
        const Outcome o = run(c.args);
        std::string line;
        for (const auto& a : c.args)
            line += a + " ";
        EXPECT_EQ(o.code, 2) << line << o.err;
        EXPECT_TRUE(testsupport::contains(o.err, c.message)) << line << "\n" << o.err;
    }
    EXPECT_EQ(testsupport::readFile(path), before);
    EXPECT_FALSE(fs::exists(N));
}
