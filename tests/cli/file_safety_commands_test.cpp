// talerwerk-cli against careless and hostile use of files: existing files are replaced only on
// request, concurrent writers lose nothing, links, devices, FIFOs, folders and write-protected
// files are handled, and stored control characters never reach the terminal raw.
#include "cli/arguments.h"
#include "cli/ledger_change.h"
#include "cli_run.h"
#include "ledger/ledger_file.h"
#include "ledger/win1252.h"
#include "support/scripted_password_source.h"
#include "support/scripted_prompter.h"
#include "tests/support/files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using testsupport::contains;
using testsupport::Outcome;
using testsupport::readFile;
using testsupport::run;

namespace {

class FileSafety : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(run({"demo", dir.path().string(), "--now", "15.06.2026"}).code, 0);
        if (testsupport::isRoot()) {
            for (const auto& name : dir.names())
                ASSERT_EQ(::chown((dir / name).c_str(), testsupport::ordinaryUid(),
                                  testsupport::ordinaryGid()),
                          0);
        }
    }

    static Outcome booking(const std::string& file, const std::string& amount) {
        return run({"booking", "new",      file,         "--date",    "01.06.2026",
                    "--kind",  "1",        "--account1", "Girokonto", "--account2",
                    "Miete",   "--amount", amount,       "--number",  amount,
                    "--text",  "Miete",    "--yes",      "--now",     "15.06.2026"});
    }
    static std::size_t bookingCount(const fs::path& file) {
        testsupport::ScriptedPrompter prompter;
        testsupport::ScriptedPasswordSource passwords;
        const platform::FixedClock clock({2026, 6, 15, 12, 0, 0});
        const auto doc = ledger::loadLedgerFile(file, prompter, passwords, clock).document;
        return doc ? doc->bookings().size() : 0;
    }

    testsupport::TempFolder dir{std::string("cli-safety-") +
                                ::testing::UnitTest::GetInstance()->current_test_info()->name()};
    fs::path plan = dir / "DemoKontenplan.tlw";
};

} // namespace

TEST_F(FileSafety, NewAndDemoReplaceAnExistingFileOnlyWhenAskedTo) {
    ASSERT_EQ(booking(plan.string(), "5").code, 0);
    const auto before = readFile(plan);
    const Outcome refused = run({"new", plan.string(), "--euro-only", "EUR"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(contains(refused.err, "Die Datei ist bereits vorhanden.")) << refused.err;
    EXPECT_EQ(readFile(plan), before);

    // demo writes neither file when one of them is there.
    fs::remove(dir / "DemoDatei1.tlw");
    EXPECT_EQ(run({"demo", dir.path().string()}).code, 1);
    EXPECT_EQ(readFile(plan), before);
    EXPECT_FALSE(fs::exists(dir / "DemoDatei1.tlw"));

    EXPECT_EQ(run({"demo", dir.path().string(), "--overwrite"}).code, 0);
    EXPECT_EQ(bookingCount(plan), 0u);
    EXPECT_EQ(run({"new", plan.string(), "--euro-only", "EUR", "--overwrite"}).code, 0);
    EXPECT_EQ(run({"new", (dir / "Neu.tlw").string(), "--euro-only", "EUR"}).code, 0);

    // A device stays a device, also with --overwrite.
    const Outcome device = run({"new", "/dev/null", "--euro-only", "EUR", "--overwrite"});
    EXPECT_EQ(device.code, 1);
    EXPECT_TRUE(contains(device.err, ledger::toUtf8("keine gewöhnliche Datei"))) << device.err;
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(FileSafety, ConcurrentWritersKeepEveryBookingTheyReport) {
    constexpr int kWriters = 8;
    std::vector<pid_t> children;
    for (int i = 1; i <= kWriters; ++i) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            ::_exit(booking(plan.string(), std::to_string(i)).code);
        children.push_back(child);
    }
    int succeeded = 0;
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        succeeded += WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    EXPECT_EQ(succeeded, kWriters);
    EXPECT_EQ(bookingCount(plan), static_cast<std::size_t>(kWriters));
    EXPECT_EQ(dir.names(),
              (std::vector<std::string>{"DemoDatei1.tlw", "DemoKontenplan.tlw", "Sicherungen"}));
    // Each writer kept the file it replaced as a backup of its own: together they hold every
    // state from none to seven bookings, and nothing else lies in their folder.
    std::vector<std::size_t> counts;
    for (const auto& entry : fs::directory_iterator(dir / "Sicherungen"))
        counts.push_back(bookingCount(entry.path()));
    std::sort(counts.begin(), counts.end());
    EXPECT_EQ(counts, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(FileSafety, AWriterWaitsForTheLockAndReadersDoNot) {
    ledger::LedgerStore holder(plan);
    ASSERT_EQ(holder.lock(std::chrono::milliseconds(0)), "");
    EXPECT_EQ(run({"check", plan.string()}).code, 0) << "a reader does not wait";
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        holder.unlock();
    });
    const auto start = std::chrono::steady_clock::now();
    const Outcome waited = booking(plan.string(), "7");
    release.join();
    EXPECT_EQ(waited.code, 0) << waited.err;
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(300));
    EXPECT_EQ(bookingCount(plan), 1u);
}

TEST_F(FileSafety, AChangeOnDiskSinceLoadingIsNotOverwritten) {
    std::ostringstream out, err;
    cli::Io io{out, err};
    cli::Arguments none({});
    cli::LedgerChange change(none, io);
    ASSERT_TRUE(change.open(plan.string()));
    change.doc().setModified();
    // Another program that takes no lock replaces the file meanwhile.
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_EQ(ledger::replaceFile(plan, {1, 2, 3}).failure, ledger::WriteFailure::None);
    EXPECT_EQ(change.save(), cli::kExitFailure);
    EXPECT_TRUE(
        contains(err.str(), ledger::toUtf8("seit dem Öffnen von einem anderen Programm geändert")))
        << err.str();
    EXPECT_EQ(readFile(plan), (testsupport::Bytes{1, 2, 3}));
}

TEST_F(FileSafety, ALinkIsWrittenThroughAndNoRegularFileIsRead) {
    fs::create_symlink("DemoKontenplan.tlw", dir / "Verweis.tlw");
    ASSERT_EQ(booking((dir / "Verweis.tlw").string(), "9").code, 0);
    EXPECT_TRUE(fs::is_symlink(dir / "Verweis.tlw"));
    EXPECT_EQ(bookingCount(plan), 1u);

    const fs::path fifo = dir / "Pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {fifo.string(), std::string("/dev/zero"), dir.path().string()}) {
        const Outcome check = run({"check", path});
        EXPECT_EQ(check.code, 1) << path;
        EXPECT_TRUE(contains(check.err, ledger::toUtf8("keine gewöhnliche Datei"))) << check.err;
        // As the text of an import: neither a FIFO, a device nor a folder is read.
        const Outcome import = run({"import", plan.string(), path});
        EXPECT_EQ(import.code, 1) << path;
        EXPECT_TRUE(contains(import.err, ledger::toUtf8("Datei kann nicht geöffnet werden!")))
            << import.err;
        EXPECT_FALSE(contains(import.out, ledger::toUtf8("hinzugefügt"))) << path;
    }
    const fs::path huge = dir / "riesig.txt";
    testsupport::writeFile(huge, {});
    fs::resize_file(huge, (64u << 20) + 1);
    const Outcome tooLarge = run({"import", plan.string(), huge.string()});
    EXPECT_EQ(tooLarge.code, 1);
    EXPECT_TRUE(contains(tooLarge.err, ledger::toUtf8("größer als 64 MB"))) << tooLarge.err;
}

TEST_F(FileSafety, AWriteProtectedLedgerIsRefusedWithItsMessage) {
    const std::string file = plan.string();
    EXPECT_EQ(testsupport::asOrdinaryUser([&]() -> std::string {
                  ::chmod(file.c_str(), 0444);
                  const auto before = readFile(file);
                  const Outcome refused = booking(file, "3");
                  if (refused.code != 1 ||
                      !contains(refused.err, ledger::toUtf8("Die Datei ist schreibgeschützt.")))
                      return "not refused: " + refused.err;
                  if (readFile(file) != before)
                      return "the file changed";
                  struct stat info {};
                  ::stat(file.c_str(), &info);
                  return (info.st_mode & 0777) == 0444 ? "" : "the mode changed";
              }),
              "");
}

TEST_F(FileSafety, ImportedControlCharactersAreRefused) {
    const fs::path text = dir / "esc.txt";
    testsupport::writeFile(text, {});
    std::ofstream(text, std::ios::binary)
        << "01.02.2020\t1\t\x1B[31mROT\x1B[0m\tA\tGirokonto\tMiete\t1,00\r\n"
        << "01.02.2020\t2\tGelb\tA\tGirokonto\tMiete\t2,00\r\n";
    const Outcome import = run({"import", plan.string(), text.string()});
    EXPECT_EQ(import.code, 1);
    EXPECT_TRUE(contains(import.err, "Zeile 1: Steuerzeichen ESC (27) im Text!")) << import.err;
    EXPECT_TRUE(contains(import.out, ledger::toUtf8("1 Buchung hinzugefügt, 1 Zeile fehlerhaft.")))
        << import.out;
}
