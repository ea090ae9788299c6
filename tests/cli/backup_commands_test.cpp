// talerwerk-cli keeps the file a save replaces as a dated backup: --backups N keeps the newest
// N, --no-backup none, and a backup that cannot be made is reported while the save is done.
#include "cli_run.h"
#include "ledger/ledger_file.h"
#include "ledger/sicherungen.h"
#include "ledger/win1252.h"
#include "tests/support/files.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;
using testsupport::contains;
using testsupport::Outcome;
using testsupport::readFile;
using testsupport::run;

namespace {

class BackupCommands : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(run({"demo", dir.path().string(), "--now", "15.06.2026"}).code, 0);
    }

    Outcome booking(const std::string& number, std::vector<std::string> extra = {}) const {
        std::vector<std::string> args = {"booking",    "new",        file.string(), "--date",
                                         "01.06.2026", "--kind",     "1",           "--account1",
                                         "Girokonto",  "--account2", "Miete",       "--amount",
                                         "12",         "--number",   number,        "--text",
                                         "Miete",      "--yes",      "--now",       "15.06.2026"};
        args.insert(args.end(), extra.begin(), extra.end());
        return run(args);
    }
    std::vector<std::string> backups() const {
        std::vector<std::string> names;
        for (const ledger::Sicherung& s : ledger::listSicherungen(file))
            names.push_back(s.path.filename().string());
        return names;
    }

    testsupport::TempFolder dir{"cli-backups"};
    fs::path file = dir / "DemoDatei1.tlw";
};

} // namespace

TEST_F(BackupCommands, EachSaveKeepsThePreviousFileAndTheNewestStay) {
    const auto first = readFile(file);
    Outcome o = booking("1");
    ASSERT_EQ(o.code, 0) << o.err;
    EXPECT_EQ(o.err, "");
    // --now fixes the clock at noon of that day.
    EXPECT_EQ(backups(), std::vector<std::string>{"DemoDatei1_2026-06-15_12-00-00.tlw"});
    EXPECT_EQ(readFile(dir / "Sicherungen" / "DemoDatei1_2026-06-15_12-00-00.tlw"), first);

    const auto second = readFile(file);
    ASSERT_EQ(booking("2").code, 0);
    ASSERT_EQ(booking("3").code, 0);
    EXPECT_EQ(backups(), (std::vector<std::string>{"DemoDatei1_2026-06-15_12-00-00_3.tlw",
                                                   "DemoDatei1_2026-06-15_12-00-00_2.tlw",
                                                   "DemoDatei1_2026-06-15_12-00-00.tlw"}));
    EXPECT_EQ(readFile(dir / "Sicherungen" / "DemoDatei1_2026-06-15_12-00-00_2.tlw"), second);

    ASSERT_EQ(booking("4", {"--backups", "2"}).code, 0);
    EXPECT_EQ(backups(), (std::vector<std::string>{"DemoDatei1_2026-06-15_12-00-00_4.tlw",
                                                   "DemoDatei1_2026-06-15_12-00-00_3.tlw"}));
    ASSERT_EQ(booking("5", {"--no-backup"}).code, 0);
    EXPECT_EQ(backups().size(), 2u);
    // The other demo file was never replaced.
    EXPECT_TRUE(ledger::listSicherungen(dir / "DemoKontenplan.tlw").empty());
}

TEST_F(BackupCommands, ABackupThatCannotBeMadeIsReportedAndTheSaveDone) {
    // A file where the folder should be.
    testsupport::writeFile(dir / "Sicherungen", {1});
    const auto before = readFile(file);
    const Outcome o = booking("1");
    EXPECT_EQ(o.code, 0);
    EXPECT_EQ(o.err, ledger::toUtf8(file.string() + ": " + ledger::kMeldungKeineSicherung) + "\n");
    EXPECT_NE(readFile(file), before);
    fs::remove(dir / "Sicherungen");

    // A folder that may not be written, as an ordinary user (the suite may run as root).
    ASSERT_EQ(booking("2").code, 0);
    fs::permissions(dir / "Sicherungen", fs::perms::owner_read | fs::perms::owner_exec |
                                             fs::perms::group_read | fs::perms::group_exec |
                                             fs::perms::others_read | fs::perms::others_exec);
    if (testsupport::isRoot()) {
        ASSERT_EQ(::chown(file.c_str(), testsupport::ordinaryUid(), testsupport::ordinaryGid()), 0);
    }
    EXPECT_EQ(testsupport::asOrdinaryUser([&]() -> std::string {
                  const auto old = readFile(file);
                  const Outcome refused = booking("3");
                  if (refused.code != 0)
                      return "the save failed: " + refused.err;
                  if (!contains(refused.err, ledger::toUtf8(ledger::kMeldungKeineSicherung)))
                      return "not reported: " + refused.err;
                  return readFile(file) == old ? "not saved" : "";
              }),
              "");
    EXPECT_EQ(backups().size(), 1u);
}

TEST_F(BackupCommands, NewAndDemoKeepTheFileTheyOverwrite) {
    ASSERT_EQ(booking("1", {"--no-backup"}).code, 0);
    const auto booked = readFile(file);
    ASSERT_EQ(run({"demo", dir.path().string(), "--overwrite", "--now", "16.06.2026"}).code, 0);
    EXPECT_EQ(backups(), std::vector<std::string>{"DemoDatei1_2026-06-16_12-00-00.tlw"});
    EXPECT_EQ(readFile(dir / "Sicherungen" / "DemoDatei1_2026-06-16_12-00-00.tlw"), booked);

    const auto demo = readFile(file);
    ASSERT_EQ(run({"new", file.string(), "--euro-only", "EUR", "--overwrite", "--now", "17.06.2026",
                   "--backups", "1"})
                  .code,
              0);
    EXPECT_EQ(backups(), std::vector<std::string>{"DemoDatei1_2026-06-17_12-00-00.tlw"});
    EXPECT_EQ(readFile(dir / "Sicherungen" / "DemoDatei1_2026-06-17_12-00-00.tlw"), demo);
    // A file made where there was none has nothing to keep.
    ASSERT_EQ(run({"new", (dir / "Neu.tlw").string(), "--euro-only", "EUR"}).code, 0);
    EXPECT_TRUE(ledger::listSicherungen(dir / "Neu.tlw").empty());
}

TEST_F(BackupCommands, WrongBackupOptionsAreUsageErrors) {
    const auto before = readFile(file);
    for (const auto& extra :
         std::vector<std::vector<std::string>>{{"--backups", "0"},
                                               {"--backups", "1000"},
                                               {"--backups", "drei"},
                                               {"--backups", "3", "--no-backup"}}) {
        EXPECT_EQ(booking("1", extra).code, cli::kExitUsage) << extra.front() << extra[1];
    }
    EXPECT_EQ(readFile(file), before);
}

TEST_F(BackupCommands, EveryCommandThatWritesTakesTheBackupOptions) {
    testsupport::writeFile(dir / "leer.txt", {});
    const std::string f = file.string();
    const std::vector<std::vector<std::string>> commands = {
        {"account", "new", f, "--kind", "2", "--name", "Hobby", "--yes"},
        {"booking", "new", f, "--date", "01.06.2026", "--kind", "1", "--account1", "Girokonto",
         "--account2", "Miete", "--amount", "5", "--text", "Miete"},
        {"category", "new", f, "--kind", "2", "--name", "Freizeit2"},
        {"due", f, "--until", "01.01.2020"},
        {"editor", f, "--from", "01.06.2026", "--to", "01.06.2026"},
        {"euro", f},
        {"import", f, (dir / "leer.txt").string()},
        {"options", f, "--symbol", "EUR"},
        {"rule", "list", f},
        {"new", f, "--euro-only", "EUR", "--overwrite"},
        {"demo", dir.path().string(), "--overwrite"},
    };
    for (const auto& options :
         std::vector<std::vector<std::string>>{{"--no-backup"}, {"--backups", "3"}}) {
        for (std::vector<std::string> args : commands) {
            args.insert(args.end(), {"--now", "15.06.2026"});
            args.insert(args.end(), options.begin(), options.end());
            const Outcome o = run(args);
            EXPECT_NE(o.code, cli::kExitUsage)
                << args.front() << ' ' << options.front() << ": " << o.err;
        }
        if (options.front() == "--no-backup") {
            EXPECT_FALSE(fs::exists(dir / "Sicherungen")) << "--no-backup made a backup";
        }
    }
    // Only the newest 3 stay.
    EXPECT_EQ(backups().size(), 3u);
}
