// Dated backups: their names, the counter for a second backup of the same second, that an
// existing backup is never overwritten, the newest kept, failures reported, and saving through
// the store with backups.
#include "file_sample.h"
#include "ledger/file_store.h"
#include "ledger/ledger_file.h"
#include "ledger/ledger_store.h"
#include "ledger/sicherungen.h"
#include "tests/support/files.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace ledger;
namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testsupport::readFile;

namespace {

Bytes text(const std::string& s) {
    return Bytes(s.begin(), s.end());
}

class Sicherungen : public ::testing::Test {
protected:
    void SetUp() override { replace("Fassung 1"); }

    // Replaces the ledger as a save does: a new file renamed over the old one.
    void replace(const std::string& contents) const {
        const fs::path next = dir / "neu.tmp";
        testsupport::writeFile(next, text(contents));
        fs::rename(next, ledger);
    }
    std::vector<std::string> names(const fs::path& of) const {
        std::vector<std::string> out;
        for (const Sicherung& s : listSicherungen(of))
            out.push_back(s.path.filename().string());
        return out;
    }
    std::vector<std::string> names() const { return names(ledger); }
    fs::path folder() const { return dir / kSicherungsOrdner; }

    testsupport::TempFolder dir{std::string("sicherungen-") +
                                ::testing::UnitTest::GetInstance()->current_test_info()->name()};
    fs::path ledger = dir / "Haushalt 2024.tlw";
};

constexpr platform::LocalTime kMorning{2024, 4, 15, 9, 5, 7};
constexpr platform::LocalTime kEvening{2024, 4, 15, 21, 0, 0};

} // namespace

TEST_F(Sicherungen, NamesCarryTheTimeAndACounterWhenTheNameIsTaken) {
    const struct {
        platform::LocalTime time;
        const char* contents;
        const char* name;
    } cases[] = {
        {kMorning, "Fassung 1", "Haushalt 2024_2024-04-15_09-05-07.tlw"},
        {kMorning, "Fassung 2", "Haushalt 2024_2024-04-15_09-05-07_2.tlw"},
        {kMorning, "Fassung 3", "Haushalt 2024_2024-04-15_09-05-07_3.tlw"},
        {kEvening, "Fassung 4", "Haushalt 2024_2024-04-15_21-00-00.tlw"},
        {{2025, 1, 2, 0, 0, 0}, "Fassung 5", "Haushalt 2024_2025-01-02_00-00-00.tlw"},
    };
    for (const auto& c : cases) {
        replace(c.contents);
        const SicherungsErgebnis result = makeSicherung(ledger, c.time);
        EXPECT_EQ(result.message, "");
        EXPECT_EQ(result.backup, folder() / c.name);
    }
    replace("Fassung 6");
    // Each backup holds the file of its moment, whatever replaced the ledger afterwards.
    for (const auto& c : cases)
        EXPECT_EQ(readFile(folder() / c.name), text(c.contents)) << c.name;
    // Newest first: by the time in the name, then by the counter.
    EXPECT_EQ(names(), (std::vector<std::string>{"Haushalt 2024_2025-01-02_00-00-00.tlw",
                                                 "Haushalt 2024_2024-04-15_21-00-00.tlw",
                                                 "Haushalt 2024_2024-04-15_09-05-07_3.tlw",
                                                 "Haushalt 2024_2024-04-15_09-05-07_2.tlw",
                                                 "Haushalt 2024_2024-04-15_09-05-07.tlw"}));
    const std::vector<Sicherung> list = listSicherungen(ledger);
    EXPECT_EQ(list[2].counter, 3);
    EXPECT_EQ(list[2].size, 9u);
    EXPECT_EQ(list[1].time.hour, 21);
}

TEST_F(Sicherungen, AnExistingFileIsNeverOverwritten) {
    fs::create_directory(folder());
    // Someone else's file, and a dangling link, under the names the backup would take.
    testsupport::writeFile(folder() / "Haushalt 2024_2024-04-15_09-05-07.tlw", text("fremd"));
    fs::create_symlink(dir / "nirgends", folder() / "Haushalt 2024_2024-04-15_09-05-07_2.tlw");
    const SicherungsErgebnis result = makeSicherung(ledger, kMorning);
    EXPECT_EQ(result.backup.filename(), "Haushalt 2024_2024-04-15_09-05-07_3.tlw");
    EXPECT_EQ(readFile(folder() / "Haushalt 2024_2024-04-15_09-05-07.tlw"), text("fremd"));
    EXPECT_FALSE(fs::exists(dir / "nirgends"));
    EXPECT_EQ(readFile(result.backup), text("Fassung 1"));
}

TEST_F(Sicherungen, OnlyTheNewestAreKeptAndOtherFilesStay) {
    fs::create_directory(folder());
    const std::vector<std::string> others = {
        "Haushalt 2024.tlw",                        // no time
        "Haushalt 2024_2024-04-15_09-05-07_1.tlw",  // counter 1 is never written
        "Haushalt 2024_2024-04-15_09-05-07_02.tlw", // leading zero
        "Haushalt 2024_2024-04-15_09-05.tlw",       // short time
        "Haushalt 2024_2024-04-15_09-05-7.tlw",     // one digit short
        "Haushalt 2024_2024-04-15_09-05-0x.tlw",    // not a digit
        "Haushalt 2024_2024-04-15_09-05-07-2.tlw",  // counter without its underscore
        "Haushalt 2024_2024-04-15_09-05-07.txt",    // other extension
        "Haushalt_2024-04-15_09-05-07.tlw",         // another ledger's backup
        "Haushalt 2024 alt_2024-04-15_09-05-07.tlw",
    };
    for (const std::string& name : others)
        testsupport::writeFile(folder() / name, text("x"));
    // Written out of order: the names, not the file times, say which are the newest.
    for (int hour : {12, 3, 18, 7, 22})
        makeSicherung(ledger, {2024, 4, 15, hour, 0, 0});
    EXPECT_EQ(names().size(), 5u);

    EXPECT_TRUE(pruneSicherungen(ledger, 3));
    EXPECT_EQ(names(), (std::vector<std::string>{"Haushalt 2024_2024-04-15_22-00-00.tlw",
                                                 "Haushalt 2024_2024-04-15_18-00-00.tlw",
                                                 "Haushalt 2024_2024-04-15_12-00-00.tlw"}));
    for (const std::string& name : others)
        EXPECT_TRUE(fs::exists(folder() / name)) << name;
    // At least one is always kept.
    EXPECT_TRUE(pruneSicherungen(ledger, 0));
    EXPECT_EQ(names().size(), 1u);
}

TEST_F(Sicherungen, AFolderThatCannotBeWrittenIsReported) {
    // A file where the folder should be stops every user, also root.
    testsupport::writeFile(folder(), text("kein Ordner"));
    SicherungsErgebnis result = makeSicherung(ledger, kMorning);
    EXPECT_EQ(result.message, kMeldungKeineSicherung);
    EXPECT_TRUE(result.backup.empty());
    fs::remove(folder());

    // A missing ledger has nothing to keep.
    result = makeSicherung(dir / "fehlt.tlw", kMorning);
    EXPECT_EQ(result.message, kMeldungKeineSicherung);

    fs::create_directory(folder());
    fs::permissions(folder(), fs::perms::owner_read | fs::perms::owner_exec |
                                  fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
    const fs::path file = ledger;
    EXPECT_EQ(testsupport::asOrdinaryUser([&]() -> std::string {
                  const SicherungsErgebnis refused = makeSicherung(file, kMorning);
                  if (refused.message != kMeldungKeineSicherung || !refused.backup.empty())
                      return "a backup in a write-protected folder";
                  return "";
              }),
              "");
    EXPECT_TRUE(names().empty());
}

TEST_F(Sicherungen, AFolderOnAnotherFileSystemGetsACopy) {
    // Where no second name can be given to the file, it is copied.
    testsupport::TempFolder elsewhere("sicherungen-shm");
    const fs::path shm = fs::path("/dev/shm") / elsewhere.path().filename();
    std::error_code error;
    fs::create_directory(shm, error);
    struct stat here {
    }, there{};
    if (error || ::stat(dir.path().c_str(), &here) != 0 || ::stat(shm.c_str(), &there) != 0 ||
        here.st_dev == there.st_dev) {
        fs::remove_all(shm, error);
        GTEST_SKIP() << "no second file system";
    }
    fs::create_directory_symlink(shm, folder());
    // What a copy killed halfway left is written over, never listed.
    const fs::path killed = folder() / ".Haushalt 2024.tlw.sicherung.tmp";
    testsupport::writeFile(killed, text("halb"));
    const SicherungsErgebnis result = makeSicherung(ledger, kMorning);
    replace("Fassung 2");
    EXPECT_EQ(result.message, "");
    EXPECT_EQ(readFile(result.backup), text("Fassung 1"));
    EXPECT_EQ(names(), std::vector<std::string>{"Haushalt 2024_2024-04-15_09-05-07.tlw"});
    EXPECT_FALSE(fs::exists(killed));
    // The name of the next is taken: the counter goes on.
    EXPECT_EQ(makeSicherung(ledger, kMorning).backup.filename(),
              "Haushalt 2024_2024-04-15_09-05-07_2.tlw");
    EXPECT_EQ(readFile(folder() / "Haushalt 2024_2024-04-15_09-05-07.tlw"), text("Fassung 1"));
    fs::remove_all(shm, error);
}

TEST_F(Sicherungen, SavingKeepsThePreviousFileAndPrunesAfterwards) {
    const std::unique_ptr<CTalwerkDoc> doc = testsupport::sampleLedger();
    LedgerStore store(ledger);
    ASSERT_EQ(store.lock(0ms), "");
    const SicherungsRegel keepTwo{true, 2};
    std::vector<std::optional<Bytes>> before;
    for (int second = 0; second < 4; ++second) {
        before.push_back(readFile(ledger));
        std::string backupMessage = "alt";
        EXPECT_EQ(saveLedgerFileWithBackup(*doc, store, keepTwo, {2024, 5, 1, 8, 0, second},
                                           backupMessage),
                  "");
        EXPECT_EQ(backupMessage, "");
    }
    EXPECT_EQ(names(), (std::vector<std::string>{"Haushalt 2024_2024-05-01_08-00-03.tlw",
                                                 "Haushalt 2024_2024-05-01_08-00-02.tlw"}));
    EXPECT_EQ(readFile(folder() / "Haushalt 2024_2024-05-01_08-00-03.tlw"), before[3]);
    EXPECT_EQ(readFile(folder() / "Haushalt 2024_2024-05-01_08-00-02.tlw"), before[2]);

    // Switched off: no backup, and the old ones stay as they are.
    std::string backupMessage;
    EXPECT_EQ(saveLedgerFileWithBackup(*doc, store, {false, 1}, kEvening, backupMessage), "");
    EXPECT_EQ(names().size(), 2u);

    // A backup that cannot be made leaves the save done and the older backups in place.
    fs::permissions(folder(), fs::perms::owner_read | fs::perms::owner_exec |
                                  fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
    store.unlock();
    if (testsupport::isRoot()) {
        ASSERT_EQ(::chown(ledger.c_str(), testsupport::ordinaryUid(), testsupport::ordinaryGid()),
                  0);
    }
    const fs::path file = ledger;
    EXPECT_EQ(testsupport::asOrdinaryUser([&]() -> std::string {
                  LedgerStore mine(file);
                  if (mine.lock(0ms) != "")
                      return "no lock";
                  const auto old = readFile(file);
                  std::string message;
                  if (saveLedgerFileWithBackup(*doc, mine, {true, 1}, kEvening, message) != "")
                      return "the save failed";
                  if (message != kMeldungKeineSicherung)
                      return "not reported: " + message;
                  if (readFile(file) == old)
                      return "not saved";
                  return "";
              }),
              "");
    EXPECT_EQ(names().size(), 2u);
}

TEST_F(Sicherungen, ALinkedLedgerKeepsItsBackupsBesideItsFile) {
    fs::create_directory(dir / "echt");
    const fs::path real = dir / "echt" / "Haushalt.tlw";
    testsupport::writeFile(real, text("echt"));
    const fs::path link = dir / "Verweis.tlw";
    fs::create_symlink(real, link);
    const std::unique_ptr<CTalwerkDoc> doc = testsupport::sampleLedger();
    LedgerStore store(link);
    ASSERT_EQ(store.lock(0ms), "");
    std::string backupMessage;
    ASSERT_EQ(saveLedgerFileWithBackup(*doc, store, {}, kMorning, backupMessage), "");
    const std::vector<std::string> expected{"Haushalt_2024-04-15_09-05-07.tlw"};
    EXPECT_EQ(names(link), expected);
    EXPECT_EQ(names(real), expected);
    EXPECT_EQ(readFile(dir / "echt" / kSicherungsOrdner / expected.front()), text("echt"));
    EXPECT_FALSE(fs::exists(folder()));
}
