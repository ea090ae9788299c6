// A ledger open for editing: the lock held while it is open, read-only opening when another
// program edits it, the question before overwriting a change on disk, and "Speichern unter"
// offered for a file that cannot be written.
#include "ledger/file_write.h"
#include "ledger/ledger_session.h"
#include "support/scripted_password_source.h"
#include "support/scripted_prompter.h"
#include "tests/support/files.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

using namespace ledger;
namespace fs = std::filesystem;
using Saved = LedgerSession::Saved;
using testsupport::readFile;
using testsupport::ScriptedPrompter;

namespace {

class Session : public ::testing::Test {
protected:
    void SetUp() override {
        CTalwerkDoc doc;
        doc.newDocument(NeueDateiWaehrung{}, *CNVKDatum::fromCalendar(1, 6, 2026));
        testsupport::writeFile(file, writeLedgerFile(doc));
        if (testsupport::isRoot())
            (void)!::chown(file.c_str(), testsupport::ordinaryUid(), testsupport::ordinaryGid());
    }
    LedgerSession::Opened open(const fs::path& path) {
        return LedgerSession::open(path, prompter, passwords, clock);
    }
    static bool lockedByOthers(const fs::path& path) {
        LedgerStore other(path);
        return other.lock(std::chrono::milliseconds(0)) == kMeldungGesperrt;
    }

    testsupport::TempFolder dir{std::string("session-") +
                                ::testing::UnitTest::GetInstance()->current_test_info()->name()};
    fs::path file = dir / "Haushalt.tlw";
    ScriptedPrompter prompter;
    testsupport::ScriptedPasswordSource passwords;
    platform::FixedClock clock{{2026, 6, 15, 12, 0, 0}};
};

} // namespace

TEST_F(Session, AnOpenLedgerIsLockedUntilItsSessionEnds) {
    LedgerSession::Opened opened = open(file);
    ASSERT_TRUE(opened.document);
    EXPECT_FALSE(opened.session->isReadOnly());
    EXPECT_TRUE(lockedByOthers(file));
    opened.document->setModified();
    EXPECT_EQ(opened.session->save(*opened.document, prompter), Saved::Yes);
    EXPECT_TRUE(prompter.shown.empty());
    opened.session.reset();
    EXPECT_FALSE(lockedByOthers(file));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"Haushalt.tlw"});
}

TEST_F(Session, ALedgerAnotherProgramEditsOpensReadOnlyOnlyWhenTheUserAgrees) {
    LedgerStore other(file);
    ASSERT_EQ(other.lock(std::chrono::milliseconds(0)), "");
    prompter.answer({false});
    LedgerSession::Opened refused = open(file);
    EXPECT_FALSE(refused.document);
    EXPECT_EQ(refused.message, "");
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, kFrageNurLesen);

    // A program that only shows the file neither asks nor locks.
    LedgerSession::Opened looking =
        LedgerSession::open(file, prompter, passwords, clock, LedgerSession::Access::LookOnly);
    ASSERT_TRUE(looking.document);
    EXPECT_EQ(prompter.shown.size(), 1u);

    prompter.answer({true});
    LedgerSession::Opened opened = open(file);
    ASSERT_TRUE(opened.document);
    EXPECT_TRUE(opened.session->isReadOnly());
    const auto before = readFile(file);

    // Saving offers another name; saved there, the copy is the session's and is locked.
    prompter.clear();
    prompter.answer({true});
    EXPECT_EQ(opened.session->save(*opened.document, prompter), Saved::ChooseOtherName);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, kFrageAndererName);
    // The file itself stays the other program's, even when chosen again.
    EXPECT_EQ(opened.session->saveAs(*opened.document, file, prompter), Saved::No);
    EXPECT_EQ(prompter.shown.back().text, kMeldungGesperrt);
    EXPECT_EQ(readFile(file), before);

    const fs::path copy = dir / "Kopie.tlw";
    EXPECT_EQ(opened.session->saveAs(*opened.document, copy, prompter), Saved::Yes);
    EXPECT_FALSE(opened.session->isReadOnly());
    EXPECT_TRUE(opened.session->isFile(copy));
    EXPECT_TRUE(lockedByOthers(copy));
    EXPECT_EQ(readFile(file), before);
}

TEST_F(Session, AChangeOnDiskIsOverwrittenOnlyWhenTheUserAgrees) {
    LedgerSession::Opened opened = open(file);
    ASSERT_TRUE(opened.document);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    testsupport::writeFile(file, {1, 2, 3}); // a program that does not lock
    prompter.answer({false, true});
    EXPECT_EQ(opened.session->save(*opened.document, prompter), Saved::No);
    EXPECT_EQ(readFile(file), (testsupport::Bytes{1, 2, 3}));
    EXPECT_EQ(opened.session->save(*opened.document, prompter), Saved::Yes);
    EXPECT_NE(readFile(file), (testsupport::Bytes{1, 2, 3}));
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown[0].text, kFrageUeberschreiben);

    // Saving under its own name through a link is an ordinary save.
    fs::create_symlink("Haushalt.tlw", dir / "Verweis.tlw");
    EXPECT_EQ(opened.session->saveAs(*opened.document, dir / "Verweis.tlw", prompter), Saved::Yes);
    EXPECT_TRUE(fs::is_symlink(dir / "Verweis.tlw"));
}

TEST_F(Session, AWriteProtectedLedgerOffersAnotherName) {
    const fs::path path = file;
    EXPECT_EQ(testsupport::asOrdinaryUser([&]() -> std::string {
                  ::chmod(path.c_str(), 0444);
                  ScriptedPrompter answers;
                  testsupport::ScriptedPasswordSource none;
                  const platform::FixedClock today({2026, 6, 15, 12, 0, 0});
                  LedgerSession::Opened opened = LedgerSession::open(path, answers, none, today);
                  if (!opened.document)
                      return "not opened: " + opened.message;
                  answers.answer({false});
                  if (opened.session->save(*opened.document, answers) != Saved::No ||
                      answers.shown.size() != 1 || answers.shown[0].text != kFrageAndererName)
                      return "a write-protected file did not offer another name";
                  return "";
              }),
              "");

    // A folder given as the ledger is no ledger.
    LedgerSession::Opened folder = open(dir.path());
    EXPECT_FALSE(folder.document);
    EXPECT_EQ(folder.message, kMeldungKeineDatei);
}

TEST_F(Session, SavesKeepBackupsOnlyUnderARuleAndABackupOpensWithoutLock) {
    LedgerSession::Opened opened = open(file);
    ASSERT_TRUE(opened.document);
    const auto first = readFile(file);
    opened.document->setModified();
    ASSERT_EQ(opened.session->save(*opened.document, prompter), Saved::Yes);
    EXPECT_TRUE(listSicherungen(file).empty()) << "no rule, no backup";

    opened.session->setSicherung({true, 5}, clock);
    const auto second = readFile(file);
    opened.document->setModified();
    ASSERT_EQ(opened.session->save(*opened.document, prompter), Saved::Yes);
    EXPECT_EQ(opened.session->backupMessage(), "");
    const std::vector<Sicherung> backups = listSicherungen(file);
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(backups[0].path.filename(), "Haushalt_2026-06-15_12-00-00.tlw");
    EXPECT_EQ(readFile(backups[0].path), second);
    EXPECT_NE(first, second) << "each save raises the counter";

    // The backup opens read-only beside the locked ledger, and is never locked itself.
    LedgerSession::Opened backup = LedgerSession::open(backups[0].path, prompter, passwords, clock,
                                                       LedgerSession::Access::ReadOnly);
    ASSERT_TRUE(backup.document);
    EXPECT_TRUE(backup.session->isReadOnly());
    EXPECT_FALSE(lockedByOthers(backups[0].path));
    prompter.answer({false});
    EXPECT_EQ(backup.session->save(*backup.document, prompter), Saved::No);
    EXPECT_EQ(readFile(backups[0].path), second);
    EXPECT_TRUE(prompter.shown.size() == 1 && prompter.shown[0].text == kFrageAndererName);
}

// Saving again and again without a change must not push the older backups out of the folder
// with copies of what the file still holds; a change made on disk by another program is kept.
TEST_F(Session, AnUnchangedLedgerSavedAgainKeepsNoBackup) {
    LedgerSession::Opened opened = open(file);
    ASSERT_TRUE(opened.document);
    opened.session->setSicherung({true, 2}, clock);
    opened.document->setModified();
    ASSERT_EQ(opened.session->save(*opened.document, prompter), Saved::Yes);
    ASSERT_EQ(listSicherungen(file).size(), 1u);
    const auto kept = readFile(listSicherungen(file)[0].path);
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(opened.session->save(*opened.document, prompter), Saved::Yes);
    ASSERT_EQ(listSicherungen(file).size(), 1u);
    EXPECT_EQ(readFile(listSicherungen(file)[0].path), kept);

    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    testsupport::writeFile(file, {1, 2, 3}); // a program that does not lock
    prompter.answer({true});
    ASSERT_EQ(opened.session->save(*opened.document, prompter), Saved::Yes);
    const std::vector<Sicherung> backups = listSicherungen(file);
    ASSERT_EQ(backups.size(), 2u);
    EXPECT_EQ(readFile(backups[0].path), (testsupport::Bytes{1, 2, 3}));
}

TEST_F(Session, ARestoredLedgerIsBoundToItsPathReadOnlyWhileAnotherProgramEditsIt) {
    const auto before = readFile(file);
    {
        LedgerStore other(file);
        ASSERT_EQ(other.lock(std::chrono::milliseconds(0)), "");
        EXPECT_TRUE(LedgerSession::bind(file)->isReadOnly());
    }
    std::unique_ptr<LedgerSession> session = LedgerSession::bind(file);
    EXPECT_FALSE(session->isReadOnly());
    EXPECT_TRUE(session->isFile(file));
    EXPECT_TRUE(lockedByOthers(file));
    EXPECT_EQ(readFile(file), before) << "binding reads and writes nothing";
    CTalwerkDoc doc;
    doc.newDocument(NeueDateiWaehrung{}, *CNVKDatum::fromCalendar(2, 6, 2026));
    EXPECT_EQ(session->save(doc, prompter), Saved::Yes);
    EXPECT_NE(readFile(file), before);
}
