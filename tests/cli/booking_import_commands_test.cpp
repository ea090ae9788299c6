// talerwerk-cli booking new, import and the booking views of show, end to end on the demo
// chart of accounts.
#include "cli_run.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using testsupport::contains;
using testsupport::Outcome;
using testsupport::run;

class BookingCommands : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("talerwerk-booking-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        ASSERT_EQ(run({"demo", dir.string(), "--now", "15.06.2026"}).code, 0);
        file = (dir / "DemoKontenplan.tlw").string();
    }
    void TearDown() override { fs::remove_all(dir); }

    Outcome booking(std::vector<std::string> extra) {
        std::vector<std::string> args{"booking", "new", file, "--now", "15.06.2026"};
        args.insert(args.end(), extra.begin(), extra.end());
        return run(args);
    }
    Outcome show(std::vector<std::string> extra) {
        std::vector<std::string> args{"show",   file,         "--now", "15.06.2026",
                                      "--from", "01.01.2026", "--to",  "31.12.2026"};
        args.insert(args.end(), extra.begin(), extra.end());
        return run(args);
    }

    fs::path dir;
    std::string file;
};

TEST_F(BookingCommands, BookingNewRunsTheFormChecksAndSaves) {
    const std::vector<std::string> rent{"--date",     "01.06.2026", "--kind",     "1",
                                        "--account1", "Girokonto",  "--account2", "Miete",
                                        "--amount",   "700+50",     "--number",   "M-6"};
    // Without a text the question is answered No: nothing is saved.
    Outcome refused = booking(rent);
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(contains(refused.err, "Sie haben keinen Buchungstext eingegeben!"));
    EXPECT_TRUE(show({"--view", "2"}).out.find("Miete") == std::string::npos);

    std::vector<std::string> withText = rent;
    withText.insert(withText.end(), {"--text", "Miete Juni", "--provisional"});
    const Outcome ok = booking(withText);
    ASSERT_EQ(ok.code, 0) << ok.err;
    EXPECT_TRUE(contains(ok.out, "M-6 750,00"));

    const Outcome wrong = booking({"--date", "01.06.2026", "--kind", "0", "--account1", "Girokonto",
                                   "--account2", "Miete", "--amount", "1", "--yes"});
    EXPECT_EQ(wrong.code, 1);
    EXPECT_TRUE(contains(wrong.err, "Bitte w\xc3\xa4hlen Sie ein Einnahmenkonto aus!"));

    const Outcome listed = show({"--view", "2"});
    ASSERT_EQ(listed.code, 0) << listed.err;
    EXPECT_TRUE(contains(listed.out, "M-6  Miete Juni"));
    EXPECT_TRUE(contains(listed.out, "Summe Ausgaben"));
    const Outcome account = show({"--view", "4", "--select", "account:0"});
    ASSERT_EQ(account.code, 0) << account.err;
    EXPECT_TRUE(account.out.starts_with("Buchungen f\xc3\xbcr Konto Girokonto"));
    EXPECT_TRUE(contains(account.out, "1.092,50")); // 1.842,50 opening less 750,00
    EXPECT_FALSE(contains(
        show({"--view", "4", "--select", "account:0", "--without-provisional"}).out, "Miete Juni"));
}

TEST_F(BookingCommands, ImportReportsFaultyLinesAndCountsWhatWasAdded) {
    const std::string text = (dir / "bank.txt").string();
    std::ofstream(text, std::ios::binary) << "01.06.2026\t1\tGehalt\tE\tGirokonto\tGehalt\t2.500\n"
                                             "02.06.2026\t2\tMiete\tA\tGirokonto\tMiete\t700\r\n"
                                             "31.02.2026\t3\tkaputt\tA\tGirokonto\tMiete\t1\n"
                                             "04.06.2026\t4\tStrom\tA\tGirokonto\tStrom\t80";
    const Outcome imported = run({"import", file, text, "--now", "15.06.2026"});
    EXPECT_EQ(imported.code, 1);
    EXPECT_EQ(imported.err, "Zeile 3: Formatfehler!\n");
    EXPECT_EQ(imported.out, std::string("3 Buchungen hinzugef\xc3\xbcgt, 1 Zeile fehlerhaft.\n"));
    EXPECT_TRUE(contains(show({"--view", "2"}).out, "04.06.2026  4    Strom"));

    const Outcome stopped =
        run({"import", file, text, "--stop-on-error", "--ident", "2", "--now", "15.06.2026"});
    EXPECT_EQ(stopped.err, "Zeile 1: Konto unbekannt! (\xe2\x80\x9eGirokonto\xe2\x80\x9c)\n");
    EXPECT_EQ(stopped.out, std::string("Import abgebrochen: 0 Buchungen hinzugef\xc3\xbcgt, 1 "
                                       "Zeile fehlerhaft.\n"));

    EXPECT_EQ(run({"import", file, text, "--amounts", "2"}).code, 2);
    EXPECT_EQ(run({"import", file, (dir / "fehlt.txt").string()}).code, 1);
}

TEST_F(BookingCommands, ShowSelectionAndFilterOptions) {
    EXPECT_EQ(show({"--view", "4", "--select", "category:2"}).code, 2);
    EXPECT_EQ(show({"--view", "4", "--select", "konto:1"}).code, 2);
    EXPECT_EQ(show({"--view", "7", "--filter", "10"}).code, 2);
    const Outcome category = show({"--view", "4", "--select", "category:2:0"});
    ASSERT_EQ(category.code, 0) << category.err;
    EXPECT_TRUE(category.out.starts_with("Buchungen f\xc3\xbcr Kategorie Wohnen"));
    EXPECT_TRUE(show({"--view", "4", "--select", "subcategory:2:0:1"})
                    .out.starts_with("Buchungen f\xc3\xbcr Unterkategorie Nebenkosten"));
    EXPECT_TRUE(show({"--view", "7", "--filter", "3"}).out.starts_with("Buchungen gefiltert"));
}

} // namespace
