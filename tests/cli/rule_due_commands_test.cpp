// talerwerk-cli rule and due: recurring bookings through the forms; refusals leave the file as
// it was.
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

class RuleDueCommands : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("talerwerk-rules-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        path = (dir / "haushalt.tlw").string();
        ledger::CTalwerkDoc doc;
        doc.newDocument({}, *ledger::CNVKDatum::fromCalendar(1, 1, 2024));
        for (const auto& [kind, name, number] :
             {std::tuple{ledger::KontoArt::Bestandskonto, "Giro", 1},
              {ledger::KontoArt::Einnahmenkonto, "Lohn", 2},
              {ledger::KontoArt::Ausgabenkonto, "Miete", 3}}) {
            ledger::CTWKonto k;
            k.kind = kind;
            k.currencyIndex = kind == ledger::KontoArt::Bestandskonto
                                  ? ledger::WaehrungsIndex::Erste
                                  : ledger::WaehrungsIndex::Keine;
            k.name = name;
            k.abbreviation = std::string(name).substr(0, 2);
            k.number = number;
            doc.addKonto(k);
        }
        ASSERT_EQ(ledger::saveLedgerFile(doc, path), "");
    }
    void TearDown() override { fs::remove_all(dir); }

    Outcome ok(std::vector<std::string> args) const {
        args.push_back("--now");
        args.push_back("15.03.2024");
        Outcome o = run(std::move(args));
        EXPECT_EQ(o.code, 0) << o.err;
        return o;
    }
    // A command that must be refused with the code and leave the file's bytes as they were.
    Outcome refused(std::vector<std::string> args, int code = 1) const {
        const auto before = testsupport::readFile(path);
        args.push_back("--now");
        args.push_back("15.03.2024");
        const Outcome outcome = run(std::move(args));
        EXPECT_EQ(outcome.code, code) << outcome.out << outcome.err;
        EXPECT_EQ(testsupport::readFile(path), before);
        return outcome;
    }
    std::unique_ptr<ledger::CTalwerkDoc> load() const {
        return testsupport::loadChecked(path, platform::LocalTime{2024, 3, 15, 12, 0, 0});
    }
    void newRent() const {
        ok({"rule",       "new",         path,
            "--name",     "Miete",       "--kind",
            "1",          "--account1",  "Giro",
            "--account2", "Miete",       "--amount",
            "700",        "--first",     "31.01.2024",
            "--number",   "R-<ZAEHLER>", "--counter",
            "5",          "--text",      "Miete <MMMM> <JJJJ>"});
    }

    fs::path dir;
    std::string path;
};

TEST_F(RuleDueCommands, RulesAreCreatedEditedListedAndDeleted) {
    Outcome o =
        ok({"rule", "new",          path,           "--name",     "Miete",       "--kind",
            "1",    "--account1",   "Giro",         "--account2", "Miete",       "--amount",
            "700",  "--first",      "31.01.2024",   "--number",   "R-<ZAEHLER>", "--counter",
            "5",    "--text",       "Miete <MMMM>", "--every",    "0",           "--date-mode",
            "1",    "--provisional"});
    EXPECT_EQ(o.out, "Regelm\xc3\xa4\xc3\x9fige Buchung \"Miete\" angelegt.\n");
    auto doc = load();
    ASSERT_EQ(doc->rules().size(), 1u);
    const ledger::CTWBuchungRegel& r = *doc->rules()[0];
    EXPECT_EQ(r.intervalCount, 1); // 0 becomes 1 as when the field is left
    EXPECT_EQ(r.intervalUnit, ledger::kMonate);
    EXPECT_EQ(r.counterStart, 5);
    EXPECT_EQ(r.dateMode, 1);
    EXPECT_EQ(r.amount, 70000);
    EXPECT_EQ(r.provisional, 1);

    ok({"rule", "new", path, "--name", "Abo", "--kind", "0", "--account1", "Giro", "--account2",
        "Lohn", "--amount", "5", "--first", "01.02.2024", "--text", "x", "--number", "1"});
    EXPECT_EQ(ok({"rule", "list", path}).out, "Abo\nMiete\n");

    o = ok({"rule", "edit", path, "Abo", "--name", "Zeitschrift", "--every", "2", "--unit", "1"});
    EXPECT_EQ(o.out, "Regelm\xc3\xa4\xc3\x9fige Buchung \"Zeitschrift\" ge\xc3\xa4ndert.\n");
    EXPECT_EQ(load()->rules()[1]->intervalUnit, ledger::kWochen);

    o = refused({"rule", "delete", path, "Miete"});
    EXPECT_EQ(o.err, "Regelm\xc3\xa4\xc3\x9fige Buchungen: M\xc3\xb6\x63hten Sie diese "
                     "regelm\xc3\xa4\xc3\x9fige Buchung wirklich l\xc3\xb6schen\n");
    refused({"rule", "delete", path, "Gibt es nicht", "--yes"});
    ok({"rule", "delete", path, "Miete", "--yes"});
    EXPECT_EQ(ok({"rule", "list", path}).out, "Zeitschrift\n");
}

TEST_F(RuleDueCommands, RefusedRulesLeaveTheFile) {
    const std::vector<std::string> base = {
        "rule", "new",        path,         "--name",     "Miete", "--kind",
        "1",    "--account1", "Giro",       "--account2", "Miete", "--amount",
        "700",  "--first",    "01.02.2024", "--text",     "Miete"};
    const struct {
        std::vector<std::string> extra;
        std::string err;
    } cases[] = {
        {{"--number", ""},
         "Regelm\xc3\xa4\xc3\x9fige Buchung: Sie haben keine Buchungsnummer vorgegeben!\nSoll die "
         "Buchung immer ohne Buchungsnummer vorgenommen werden?\n"},
        {{"--every", "-1"},
         "Regelm\xc3\xa4\xc3\x9fige Buchung: Bitte geben Sie bei der "
         "F\xc3\xa4lligkeit eine Anzahl von mindestens 1 ein!\n"},
        {{"--account2", "Lohn"},
         "Regelm\xc3\xa4\xc3\x9fige Buchung: Bitte w\xc3\xa4hlen Sie ein Konto aus!\n"},
        {{"--amount", "0"},
         "Regelm\xc3\xa4\xc3\x9fige Buchung: Bitte geben Sie einen Betrag "
         "ungleich Null ein!\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = base;
        // A repeated option: the later one is the one meant, so drop the earlier value.
        for (size_t i = 0; i + 1 < c.extra.size(); i += 2) {
            const auto it = std::find(args.begin(), args.end(), c.extra[i]);
            if (it != args.end())
                args.erase(it, it + 2);
            args.push_back(c.extra[i]);
            args.push_back(c.extra[i + 1]);
        }
        EXPECT_EQ(refused(args).err, c.err);
    }
    refused({"rule", "new", path, "--name", "X"}, 2);
    refused({"rule", "new", path, "--name", "X", "--kind", "1", "--account1", "Giro", "--account2",
             "Miete", "--amount", "1", "--first", "31.02.2024"},
            2);
    refused({"rule", "frob", path}, 2);
}

TEST_F(RuleDueCommands, DueListExecuteAndDelete) {
    newRent();
    const std::string titles = "Bezeichnung\tf\xc3\xa4llig am\tDatum\tNr.\tBuchungstext\tVorgang\t"
                               "Konto 1\tKonto 2\tBetrag\tW.\tNotizen\t\n";
    Outcome o = ok({"due", path, "--format", "tabs"});
    EXPECT_EQ(o.out, titles +
                         "Miete\t31.01.2024\t31.01.2024\tR-5\tMiete Januar 2024\tAusgabe\tGiro\t"
                         "Miete\t700,00\tEUR\t\t\n"
                         "Miete\t29.02.2024\t29.02.2024\tR-6\tMiete Februar 2024\tAusgabe\tGiro\t"
                         "Miete\t700,00\tEUR\t\t\n");

    // The question of the confirmation option is answered with No without --yes.
    o = refused({"due", path, "--execute", "--rows", "2"});
    EXPECT_TRUE(testsupport::contains(o.err, "M\xc3\xb6\x63hten Sie die markierten Buchungen "
                                             "ausf\xc3\xbchren?"));
    refused({"due", path, "--execute", "--rows", "3", "--yes"}, 2);
    refused({"due", path, "--execute", "--delete"}, 2);
    refused({"due", path, "--rows", "1,x"}, 2);

    o = ok({"due", path, "--execute", "--rows", "2", "--yes", "--until", "31.03.2024"});
    EXPECT_TRUE(testsupport::contains(o.out, "Ausgef\xc3\xbchrte Buchungen: 1."));
    auto doc = load();
    ASSERT_EQ(doc->bookings().size(), 1u);
    EXPECT_EQ(doc->bookings()[0]->number, "R-6");
    EXPECT_EQ(doc->bookings()[0]->date.text(), "29.02.2024");
    EXPECT_EQ(doc->rules()[0]->occurrenceStates, (std::vector<uint8_t>{0, 1}));

    // A locked schedule cannot be changed from the command line either.
    refused({"rule", "edit", path, "Miete", "--first", "01.01.2024"});

    ok({"due", path, "--delete", "--yes", "--until", "31.03.2024", "--rows", "1"});
    EXPECT_EQ(load()->rules()[0]->occurrenceStates, (std::vector<uint8_t>{2, 1}));
    o = ok({"due", path, "--until", "31.03.2024", "--sort", "2", "--format", "tabs"});
    EXPECT_EQ(o.out, titles + "Miete\t31.03.2024\t31.03.2024\tR-7\tMiete M\xc3\xa4rz 2024\t"
                              "Ausgabe\tGiro\tMiete\t700,00\tEUR\t\t\n");
    // Listing alone never writes the file.
    EXPECT_NE(load()->settings().reserved75, 2);
}

} // namespace
