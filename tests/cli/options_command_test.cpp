// talerwerk-cli options: the settings of every page printed, the page "Allgemein" and the
// other settings changed through the page rules; a refusal leaves the file as it was.
#include "cli_run.h"
#include "ledger/ledger_file.h"
#include "support/scripted_password_source.h"
#include "support/scripted_prompter.h"
#include "tests/support/files.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using testsupport::contains;
using testsupport::Outcome;
using testsupport::run;

const platform::FixedClock kClock({2001, 6, 15, 12, 0, 0});

class OptionsCommand : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("talerwerk-options-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        path = (dir / "haushalt.tlw").string();
        ledger::CTalwerkDoc doc;
        doc.newDocument({}, ledger::CNVKDatum::today(kClock));
        ASSERT_EQ(ledger::saveLedgerFile(doc, path), "");
    }
    void TearDown() override { fs::remove_all(dir); }

    // Runs a command that must fail with the exit code and leave the file's bytes as they were.
    Outcome refused(std::vector<std::string> args, int code = 1) const {
        const auto before = testsupport::readFile(path);
        const Outcome outcome = run(std::move(args));
        EXPECT_EQ(outcome.code, code) << outcome.err;
        EXPECT_EQ(testsupport::readFile(path), before);
        return outcome;
    }
    std::unique_ptr<ledger::CTalwerkDoc> load(std::optional<std::string> password = {}) const {
        testsupport::ScriptedPrompter prompter;
        testsupport::ScriptedPasswordSource passwords;
        passwords.answer(std::move(password));
        return ledger::loadLedgerFile(path, prompter, passwords, kClock).document;
    }

    fs::path dir;
    std::string path;
};

TEST_F(OptionsCommand, PrintsEverySettingOfEveryPage) {
    const Outcome o = run({"options", path});
    ASSERT_EQ(o.code, 0) << o.err;
    for (const char* line : {
             "Allgemein\n",
             "  Datei mit Kennwort sch\xc3\xbctzen: nein\n",
             "  Kennwort: (leer)\n",
             "  Dezimaltrennzeichen: ,\n",
             "  W\xc3\xa4hrungsk\xc3\xbcrzel: EUR\n",
             "  Darstellungszeitraum zu Beginn, Von: erster Tag des akt. Monats\n",
             "Tabellen\n",
             "  Bildschirm Darstellung: Farbe  [tableDisplayMode]\n",
             "  Bildschirm Feldabstand: 0,10 cm  [fieldSpacing]\n",
             "  Drucker Darstellung: Gitternetzlinien  [printDisplayMode]\n",
             "  Dezimalstellen f\xc3\xbcr Prozentwerte: 1  [percentDecimals]\n",
             "Konten n. Kat.\n",
             "  Anzuzeigende Konten: 0x1f (Bestandskonten (Guthaben), Bestandskonten (Schulden), "
             "Zusammenfassung, Einnahmenkonten, Ausgabenkonten)  [accountsByCategoryGroups]\n",
             "  Sortierreihenfolge: aufsteigend  [accountsByCategorySortDirection]\n",
             "Buchungen f. Kto./Kat.\n",
             "  Titel: Buchungen f\xc3\xbcr <TYP> <BEZEICHNUNG> (<STARTDATUM> bis <ENDDATUM>)  "
             "[accountBookingsTitle]\n",
             "Diagramme\n",
             "  Breite: 15,00 cm  [chartWidth]\n",
             "  Farbe w\xc3\xa4hlen...: RGB(255, 0, 0)  [chartColour]\n",
             "  Druckseitenr\xc3\xa4nder Oben: 1,50 cm  [chartPrintMarginTop]\n",
         })
        EXPECT_TRUE(contains(o.out, line)) << line;
}

TEST_F(OptionsCommand, RefusalsPrintThePagesMessageAndLeaveTheFile) {
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {{"--protect"}, "Optionen: Bitte geben Sie ein Kennwort ein!\n"},
        {{"--protect", "--new-password", "a", "--decimal-separator", "."},
         "Optionen: Die Kennw\xc3\xb6rter sind nicht identisch!\n"},
        {{"--decimal-separator", ".", "--set", "fieldSpacing=5"},
         "Optionen: Dezimaltrennzeichen und Tausendertrennzeichen d\xc3\xbc"
         "rfen nicht identisch sein!\n"},
        {{"--thousands-separator", ",", "--protect", "--new-password", "x\xc5\x82", "--repeat",
          "x\xc5\x82"},
         "Optionen: Das Kennwort darf nur Zeichen enthalten, die in der Datei gespeichert "
         "werden k\xc3\xb6nnen (Zeichensatz Windows-1252).\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"options", path};
        args.insert(args.end(), c.args.begin(), c.args.end());
        EXPECT_EQ(refused(args).err, c.message);
    }
}

TEST_F(OptionsCommand, ValuesNoControlOffersAreUsageErrors) {
    const std::vector<std::vector<std::string>> cases = {
        {"--set", "noSuchSetting=1"},
        {"--set", "fieldSpacing"},
        {"--set", "tableDisplayMode=4"},
        {"--set", "bookingsSortKey=11"}, // "Währung" exists only with two currencies
        {"--second-symbol", "DM"},
        {"--start-date", "01.01.2001"},
        {"--start-rule", "4"},
        {"--decimal-separator", ";"},
        {"--protect", "--unprotect"},
        {"--new-password", "x", "--repeat", "x"}, // the fields are disabled without protection
    };
    for (const auto& extra : cases) {
        std::vector<std::string> args{"options", path};
        args.insert(args.end(), extra.begin(), extra.end());
        refused(args, 2);
    }
}

TEST_F(OptionsCommand, ChangesGoThroughThePagesAndTheFileKeepsThem) {
    Outcome o = run({"options",
                     path,
                     "--protect",
                     "--new-password",
                     "Gr\xc3\xbcn",
                     "--repeat",
                     "Gr\xc3\xbcn",
                     "--decimal-separator",
                     ".",
                     "--thousands-separator",
                     "'",
                     "--no-grouping",
                     "1",
                     "--symbol",
                     "\xe2\x82\xac",
                     "--start-rule",
                     "3",
                     "--start-date",
                     "01.02.2001",
                     "--end-rule",
                     "1",
                     "--set",
                     "fieldSpacing=1,5 cm",
                     "--set",
                     "chartWidth=200 cm",
                     "--set",
                     "accountsTitle=Konten am <ENDDATUM>",
                     "--set",
                     "percentDecimals=7"});
    ASSERT_EQ(o.code, 0) << o.err;

    EXPECT_FALSE(load("gr\xfcn"));
    auto doc = load("Gr\xfcn");
    ASSERT_TRUE(doc);
    const ledger::CTWEinstellungen& s = doc->settings();
    EXPECT_EQ(doc->password().password, "Gr\xfcn");
    EXPECT_EQ(s.decimalSeparator, '.');
    EXPECT_EQ(s.thousandsSeparator, '\'');
    EXPECT_EQ(s.noGrouping, 1);
    EXPECT_EQ(s.firstCurrencySymbol, "\x80");
    EXPECT_EQ(doc->initialPeriod().startRule, ledger::kFesterStart);
    EXPECT_EQ(doc->initialPeriod().startDate, *ledger::CNVKDatum::fromCalendar(1, 2, 2001));
    EXPECT_EQ(doc->initialPeriod().endRule, ledger::kMonatsende);
    EXPECT_EQ(s.fieldSpacing, 100);
    EXPECT_EQ(s.chartWidth, 10000);
    EXPECT_EQ(s.accountsTitle, "Konten am <ENDDATUM>");
    EXPECT_EQ(s.percentDecimals, 3);

    o = run({"options", path, "--password", "Gr\xc3\xbcn", "--unprotect"});
    ASSERT_EQ(o.code, 0) << o.err;
    doc = load();
    ASSERT_TRUE(doc);
    EXPECT_FALSE(doc->password().isActive());
}

} // namespace
