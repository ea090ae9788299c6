// The file commands of talerwerk-cli: the dispatcher, check and demo.
#include "cli/demo_ledger.h"
#include "cli_run.h"
#include "ledger/ledger_file.h"
#include "ledger/ledger_loading.h"
#include "tests/support/files.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;
using testsupport::Outcome;
using testsupport::run;

namespace {

class FileCommands : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("talerwerk-cli-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string file(const char* name) const { return (dir / name).string(); }

    fs::path dir;
};

} // namespace

TEST_F(FileCommands, UsageErrorsExitWithTwo) {
    EXPECT_EQ(run({}).code, 2);
    const Outcome unknown = run({"zaubern"});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_NE(unknown.err.find("Unbekannter Befehl zaubern"), std::string::npos);
    EXPECT_NE(unknown.err.find("talerwerk-cli check DATEI"), std::string::npos);
    EXPECT_EQ(run({"check"}).code, 2);
    EXPECT_EQ(run({"check", "a.tlw", "b.tlw"}).code, 2);
    EXPECT_EQ(run({"check", "a.tlw", "--farbe", "rot"}).code, 2);
    EXPECT_EQ(run({"check", "a.tlw", "--password"}).code, 2);
    EXPECT_EQ(run({"demo", file(""), "--now", "31.02.2024"}).code, 2);
}

TEST_F(FileCommands, DemoWritesTwoSoundLedgersThatCheckAccepts) {
    ASSERT_EQ(run({"demo", dir.string(), "--now", "15.06.2026"}).code, 0);
    const auto first = testsupport::readFile(dir / "DemoDatei1.tlw");
    ASSERT_EQ(run({"demo", dir.string(), "--now", "15.06.2026", "--overwrite"}).code, 0);
    EXPECT_EQ(testsupport::readFile(dir / "DemoDatei1.tlw"), first) << "same day, same file";

    const Outcome plan = run({"check", file("DemoKontenplan.tlw")});
    EXPECT_EQ(plan.code, 0) << plan.out;
    EXPECT_NE(plan.out.find("Version: 2.11.1 (Build 1)"), std::string::npos);
    EXPECT_NE(plan.out.find("Buchungen: 0"), std::string::npos);
    const Outcome demo = run({"check", file("DemoDatei1.tlw")});
    EXPECT_EQ(demo.code, 0) << demo.out;
    EXPECT_NE(demo.out.find("Keine Verletzung gefunden."), std::string::npos);

    // Two years of bookings up to the day, some provisional, rules with a due occurrence.
    auto doc = cli::demoDatei(*ledger::CNVKDatum::fromCalendar(15, 6, 2026));
    ASSERT_GT(doc->bookings().size(), 500u);
    EXPECT_EQ(doc->bookings().front()->date.year(), 2024);
    const ledger::CNVKDatum today = *ledger::CNVKDatum::fromCalendar(15, 6, 2026);
    EXPECT_LE(doc->bookings().back()->date, today);
    EXPECT_GT(doc->bookings().back()->date.dayNumber() + 7, today.dayNumber());
    EXPECT_GT(std::count_if(doc->bookings().begin(), doc->bookings().end(),
                            [](const auto& b) { return b->provisional != 0; }),
              2);
    ASSERT_GE(doc->rules().size(), 5u);
    EXPECT_EQ(doc->rules()[0]->occurrenceStates.size(), 24u); // salary on the 27th: May is last
    EXPECT_EQ(doc->filters()[2]->name, "Vorläufige Buchungen");
}

TEST_F(FileCommands, DemoMakesItsFolderOrSaysWhyItCannot) {
    const fs::path nested = dir / "neu" / "Demo";
    ASSERT_EQ(run({"demo", nested.string(), "--now", "15.06.2026"}).code, 0);
    EXPECT_TRUE(fs::is_regular_file(nested / "DemoKontenplan.tlw"));
    EXPECT_TRUE(fs::is_regular_file(nested / "DemoDatei1.tlw"));

    // Below a file no folder can be made.
    const fs::path blocked = nested / "DemoDatei1.tlw" / "unten";
    const Outcome refused = run({"demo", blocked.string()});
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.err, blocked.string() + ": Der Ordner kann nicht angelegt werden.\n");
}

TEST_F(FileCommands, CheckReportsLoadFailuresAndViolations) {
    const Outcome missing = run({"check", file("fehlt.tlw")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("Fehler beim \xc3\x96"
                               "ffnen des Dokuments."),
              std::string::npos);

    testsupport::writeFile(dir / "text.tlw", {'H', 'a', 'l', 'l', 'o'});
    const Outcome text = run({"check", file("text.tlw")});
    EXPECT_EQ(text.code, 1);
    EXPECT_NE(text.err.find("Unerwartetes Dateiformat.\nEinzelheiten: Dateikopf, Byte "),
              std::string::npos)
        << text.err;

    // Cut inside the bookings: the detail names the booking and the offset it stopped at.
    ASSERT_EQ(ledger::saveLedgerFile(*cli::demoDatei(*ledger::CNVKDatum::fromCalendar(15, 6, 2026)),
                                     dir / "demo.tlw"),
              "");
    fs::resize_file(dir / "demo.tlw", fs::file_size(dir / "demo.tlw") * 3 / 5);
    const Outcome cut = run({"check", file("demo.tlw")});
    EXPECT_EQ(cut.code, 1);
    const std::size_t at = cut.err.find("Einzelheiten: Buchung ");
    ASSERT_NE(at, std::string::npos) << cut.err;
    const std::string detail = cut.err.substr(at);
    std::size_t booking = 0, offset = 0;
    ASSERT_EQ(std::sscanf(detail.c_str(), "Einzelheiten: Buchung %zu, Byte %zu", &booking, &offset),
              2)
        << detail;
    EXPECT_GT(booking, 100u);
    // The read that failed began within the last record before the cut.
    EXPECT_LE(offset, fs::file_size(dir / "demo.tlw"));
    EXPECT_GT(offset + 512, fs::file_size(dir / "demo.tlw"));
    EXPECT_NE(detail.find("unerwartetes Dateiende"), std::string::npos) << detail;

    auto doc = cli::demoKontenplan(*ledger::CNVKDatum::fromCalendar(1, 1, 2025));
    ledger::LedgerLoading(*doc).accounts()[3]->bookingCount = 2; // damage
    doc->setPassword({"Kasse-ü", 1});
    ASSERT_EQ(ledger::saveLedgerFile(*doc, dir / "kaputt.tlw"), "");
    const Outcome wrong = run({"check", file("kaputt.tlw"), "--password", "kasse-\xc3\xbc"});
    EXPECT_EQ(wrong.code, 1);
    EXPECT_NE(wrong.err.find("Fehler beim \xc3\x96"
                             "ffnen des Dokuments."),
              std::string::npos);
    const Outcome damaged = run({"check", "--password", "Kasse-\xc3\xbc", file("kaputt.tlw")});
    EXPECT_EQ(damaged.code, 1) << damaged.err;
    EXPECT_NE(damaged.out.find("Kennwortschutz: ja"), std::string::npos);
    EXPECT_NE(damaged.out.find(
                  "1 Verletzung(en):\n  Konto 3 (Bargeld): Buchungsz\xc3\xa4hler 2 statt 0."),
              std::string::npos)
        << damaged.out;
}

TEST_F(FileCommands, CheckCountsAccountsByKindAndProvisionalBookings) {
    ledger::CTalwerkDoc doc;
    const ledger::CNVKDatum day = *ledger::CNVKDatum::fromCalendar(1, 3, 2025);
    doc.newDocument({}, day);
    int32_t ids[4];
    const char* names[4] = {"Giro", "Kasse", "Lohn", "Miete"};
    const ledger::KontoArt kinds[4] = {
        ledger::KontoArt::Bestandskonto, ledger::KontoArt::Bestandskonto,
        ledger::KontoArt::Einnahmenkonto, ledger::KontoArt::Ausgabenkonto};
    for (int k = 0; k < 4; ++k) {
        ledger::CTWKonto konto;
        konto.kind = kinds[k];
        konto.currencyIndex = k < 2 ? ledger::WaehrungsIndex::Erste : ledger::WaehrungsIndex::Keine;
        konto.name = names[k];
        konto.abbreviation = std::string(names[k], 2);
        konto.number = k + 1;
        ids[k] = doc.addKonto(konto).id;
    }
    for (const int provisional : {0, 1, 0}) {
        ledger::CTWBuchung b;
        b.date = day;
        b.kind = ledger::Vorgang::Einnahme;
        b.konto1Id = ids[0];
        b.konto2Id = ids[2];
        b.amount = 100;
        b.provisional = provisional;
        doc.addBuchung(b);
    }
    ASSERT_EQ(ledger::saveLedgerFile(doc, dir / "zaehlen.tlw"), "");
    const Outcome o = run({"check", file("zaehlen.tlw")});
    EXPECT_EQ(o.code, 0) << o.out;
    EXPECT_NE(o.out.find("Konten: 4 (Bestandskonten 2, Einnahmenkonten 1, Ausgabenkonten 1)\n"),
              std::string::npos)
        << o.out;
    EXPECT_NE(o.out.find("Buchungen: 3 (vorl\xc3\xa4ufig: 1)\n"), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("Kennwortschutz: nein\n"), std::string::npos) << o.out;
}
