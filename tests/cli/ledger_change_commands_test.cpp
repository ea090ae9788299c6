// talerwerk-cli account, category and euro: changes go through the forms, refusals leave the
// file as it was.
#include "cli_run.h"
#include "ledger/dokument_pruefung.h"
#include "tests/support/files.h"
#include "ledger/ledger_file.h"
#include "support/scripted_password_source.h"
#include "support/scripted_prompter.h"

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
        doc.addKategorie(ledger::kAusgabenkonto, "Wohnen");
        ledger::CTWKonto giro;
        giro.name = "Giro";
        giro.abbreviation = "GI";
        giro.number = 1;
        const int32_t giroId = doc.addKonto(giro).id;
        ledger::CTWKonto miete;
        miete.kind = ledger::kAusgabenkonto;
        miete.currencyIndex = -1;
        miete.name = "Miete";
        miete.abbreviation = "MI";
        miete.number = 2;
        const int32_t mieteId = doc.addKonto(miete).id;
        ledger::CTWBuchung b;
        b.date = today;
        b.kind = ledger::kAusgabe;
        b.konto1Id = giroId;
        b.konto2Id = mieteId;
        b.amount = 80000;
        doc.addBuchung(b);
        ledger::CTWBuchungRegel r;
        r.name = "Miete";
        r.kind = ledger::kAusgabe;
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
        testsupport::ScriptedPrompter prompter;
        testsupport::ScriptedPasswordSource passwords;
        platform::FixedClock clock({2001, 6, 15, 12, 0, 0});
        auto doc = ledger::loadLedgerFile(path, prompter, passwords, clock).document;
        EXPECT_TRUE(doc);
        if (doc) {
            EXPECT_EQ(ledger::pruefeDokument(*doc), std::vector<std::string>{});
        }
        return doc;
    }

    fs::path dir;
    std::string path;
};

TEST_F(LedgerChangeCommands, AccountsAreCreatedEditedAndDeletedThroughTheForms) {
    Outcome o = run({"account", "new", path, "--kind", "2", "--name", "Nebenkosten",
                     "--abbreviation", "NK", "--category", "Wohnen", "--alt2", "Wohnen"});
    ASSERT_EQ(o.code, 0) << o.err;
    EXPECT_EQ(o.out, "Konto \"Nebenkosten\" (3/NK) angelegt.\n");
    EXPECT_EQ(load()->findKategorieByName(2, "Wohnen")->usageCount, 2);

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
    EXPECT_EQ(load()->findKategorieByName(2, "Wohnen")->usageCount, 0);

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
    EXPECT_TRUE(doc->categories().tree(1).empty());
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
    EXPECT_EQ(doc->findKontoByNumber(1)->finalCurrencyIndex(), 0);
    EXPECT_EQ(doc->rules()[0]->amount, 41000);
    EXPECT_EQ(doc->rules()[0]->currencyIndex, 0);

    // Only the kept view is left to convert; after that nothing is.
    o = run({"euro", path});
    EXPECT_EQ(o.out, "Euro-Tool: Buchungs-Dialog und Ansichten: erledigt.\n");
    o = run({"euro", path});
    EXPECT_EQ(o.code, 0);
    EXPECT_EQ(o.err,
              "Euro-Tool: Diese Datei ist bereits vollst\xc3\xa4ndig auf den Euro umgestellt.\n");
}

} // namespace
