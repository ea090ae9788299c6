// Replacing a file never destroys the previous one, refuses what it must not replace, keeps
// owner, group and mode, and leaves no temporary file behind; reading takes only regular files.
#include "ledger/file_store.h"
#include "tests/support/files.h"

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace ledger;
namespace fs = std::filesystem;
using testsupport::asOrdinaryUser;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

class FileStore : public ::testing::Test {
protected:
    void SetUp() override { writeFile(target, old); }

    testsupport::TempFolder dir{std::string("store-") +
                                ::testing::UnitTest::GetInstance()->current_test_info()->name()};
    fs::path target = dir / "Haushalt.tlw";
    const Bytes old = Bytes(1000, 0x41);
    const Bytes fresh = Bytes(5000, 0x42);
};

} // namespace

TEST_F(FileStore, ReplacesTheFileAndKeepsItsModeOwnerAndGroup) {
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    if (testsupport::isRoot()) {
        ASSERT_EQ(::chown(target.c_str(), testsupport::ordinaryUid(), testsupport::ordinaryGid()),
                  0);
    }
    struct stat before {};
    ASSERT_EQ(::stat(target.c_str(), &before), 0);

    EXPECT_EQ(replaceFile(target, fresh).failure, WriteFailure::None);
    EXPECT_EQ(readFile(target), fresh);
    EXPECT_EQ(dir.names(), std::vector<std::string>{"Haushalt.tlw"});
    struct stat after {};
    ASSERT_EQ(::stat(target.c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);

    // A new file gets the usual mode of new files.
    const mode_t mask = ::umask(022);
    EXPECT_EQ(replaceFile(dir / "Neu.tlw", fresh).failure, WriteFailure::None);
    ::umask(mask);
    EXPECT_EQ(fs::status(dir / "Neu.tlw").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
}

TEST_F(FileStore, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    // The write stops midway: the file size limit is below the new contents.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 2000;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const WriteFailure failure = replaceFile(target, fresh).failure;
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(failure, WriteFailure::Failed);
    EXPECT_EQ(readFile(target), old);
    EXPECT_EQ(dir.names(), std::vector<std::string>{"Haushalt.tlw"});

    EXPECT_EQ(replaceFile(dir / "fehlt" / "Haushalt.tlw", fresh).failure, WriteFailure::Failed);
}

TEST_F(FileStore, WhatIsNoRegularFileIsNeverReplaced) {
    const fs::path folder = dir / "Ordner.tlw";
    fs::create_directory(folder);
    writeFile(folder / "inhalt", old);
    const fs::path fifo = dir / "Pipe.tlw";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path link = dir / "Verweis.tlw";
    fs::create_symlink("Haushalt.tlw", link);

    for (const fs::path& path : {folder, fifo, fs::path("/dev/null"), link}) {
        SCOPED_TRACE(path.string());
        const auto type = fs::symlink_status(path).type();
        EXPECT_EQ(replaceFile(path, fresh).failure, WriteFailure::NotRegular);
        EXPECT_EQ(fs::symlink_status(path).type(), type);
    }
    EXPECT_EQ(readFile(folder / "inhalt"), old);
    EXPECT_EQ(readFile(target), old);
}

TEST_F(FileStore, AWriteProtectedFileOrFolderIsRefusedAndLeftAlone) {
    const fs::path file = target;
    const Bytes before = old, after = fresh;
    const fs::path folder = dir.path();
    const bool othersFile = testsupport::isRoot(); // then the target belongs to root
    EXPECT_EQ(asOrdinaryUser([&]() -> std::string {
                  const fs::path mine = folder / "Eigene.tlw";
                  writeFile(mine, before);
                  ::chmod(mine.c_str(), 0444);
                  if (replaceFile(mine, after).failure != WriteFailure::ReadOnly)
                      return "a file of mode 0444 in a writable folder was replaced";
                  if (readFile(mine) != before)
                      return "the write-protected file changed";
                  ::chmod(mine.c_str(), 0644);
                  ::chmod(folder.c_str(), 0555);
                  const WriteFailure failure = replaceFile(mine, after).failure;
                  ::chmod(folder.c_str(), 0755);
                  if (failure != WriteFailure::ReadOnly)
                      return "a file in a write-protected folder was not refused as such";
                  // Another user's file: the folder is writable, the file is not.
                  if (othersFile && replaceFile(file, after).failure != WriteFailure::ReadOnly)
                      return "another user's file was replaced";
                  return readFile(mine) == before ? "" : "the file changed";
              }),
              "");
}

TEST_F(FileStore, ReadingTakesOnlyRegularFilesUpToTheBound) {
    const fs::path fifo = dir / "Pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Neither a FIFO without a writer nor an endless device may hold the reader.
    const struct {
        fs::path path;
        std::uint64_t bound;
        ReadFailure failure;
    } cases[] = {
        {target, 1000, ReadFailure::None},           {target, 999, ReadFailure::TooLarge},
        {fifo, 1000, ReadFailure::NotRegular},       {"/dev/zero", 1000, ReadFailure::NotRegular},
        {dir.path(), 1000, ReadFailure::NotRegular}, {dir / "fehlt", 1000, ReadFailure::CannotOpen},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.string() + " " + std::to_string(c.bound));
        const ReadResult result = readRegularFile(c.path, c.bound);
        EXPECT_EQ(result.failure, c.failure);
        EXPECT_EQ(result.bytes.size(), c.failure == ReadFailure::None ? old.size() : 0u);
    }
    EXPECT_EQ(readRegularFile(target, 1000).identity, identityOf(target));
}

TEST_F(FileStore, LinksAreFollowedToTheFileTheyName) {
    fs::create_directory(dir / "echt");
    writeFile(dir / "echt" / "r.tlw", old);
    fs::create_symlink("echt/r.tlw", dir / "a.tlw");      // relative to its folder
    fs::create_symlink(dir / "a.tlw", dir / "b.tlw");     // a chain, absolute
    fs::create_symlink("echt/neu.tlw", dir / "c.tlw");    // dangling
    fs::create_symlink("kreis2.tlw", dir / "kreis1.tlw"); // a circle ends somewhere
    fs::create_symlink("kreis1.tlw", dir / "kreis2.tlw");
    EXPECT_EQ(fs::canonical(followLinks(dir / "b.tlw")), fs::canonical(dir / "echt" / "r.tlw"));
    EXPECT_EQ(followLinks(dir / "c.tlw"), dir / "echt/neu.tlw");
    EXPECT_EQ(followLinks(target), target);
    EXPECT_EQ(replaceFile(followLinks(dir / "kreis1.tlw"), fresh).failure,
              WriteFailure::NotRegular);

    EXPECT_EQ(replaceFile(followLinks(dir / "b.tlw"), fresh).failure, WriteFailure::None);
    EXPECT_EQ(readFile(dir / "echt" / "r.tlw"), fresh);
    EXPECT_TRUE(fs::is_symlink(dir / "a.tlw"));
    EXPECT_TRUE(fs::is_symlink(dir / "b.tlw"));
    EXPECT_EQ(replaceFile(followLinks(dir / "c.tlw"), old).failure, WriteFailure::None);
    EXPECT_EQ(readFile(dir / "c.tlw"), old);
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"Haushalt.tlw", "a.tlw", "b.tlw", "c.tlw",
                                                     "echt", "kreis1.tlw", "kreis2.tlw"}));
}

TEST_F(FileStore, AWriterKilledBeforeTheRenameLeavesNothingTheNextWriteKeeps) {
    // The child stops for good right before the rename, the moment its temporary has a name.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        replaceFile(target, fresh, [](const fs::path&) {
            for (;;)
                ::pause();
        });
        ::_exit(1);
    }
    std::vector<std::string> names;
    for (int i = 0; i < 500 && names.size() < 2; ++i) {
        ::usleep(10000);
        names = dir.names();
    }
    ASSERT_EQ(names.size(), 2u);
    const std::string temporary = names[0];
    EXPECT_TRUE(isTemporaryOf(target, temporary)) << temporary;

    // While its writer lives the temporary is kept.
    removeAbandonedTemporaries(target);
    EXPECT_EQ(dir.names().size(), 2u);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(readFile(target), old);

    // Files of the user that only look alike stay.
    writeFile(dir / ".Haushalt.tlw.tmp-notizen", old);
    writeFile(dir / ".Haushalt.tlw.backup", old);
    EXPECT_EQ(replaceFile(target, fresh).failure, WriteFailure::None);
    EXPECT_EQ(readFile(target), fresh);
    EXPECT_EQ(dir.names(), (std::vector<std::string>{".Haushalt.tlw.backup",
                                                     ".Haushalt.tlw.tmp-notizen", "Haushalt.tlw"}));
}

TEST_F(FileStore, TheHookSeesTheOldFileWhileTheNewOneIsComplete) {
    std::optional<Bytes> seen;
    int calls = 0;
    const BeforeReplace hook = [&](const fs::path& path) {
        ++calls;
        seen = readFile(path);
    };
    EXPECT_EQ(replaceFile(target, fresh, hook).failure, WriteFailure::None);
    EXPECT_EQ(seen, old);
    EXPECT_EQ(replaceFile(dir / "Neu.tlw", fresh, hook).failure, WriteFailure::None);
    EXPECT_EQ(calls, 1) << "a new file replaces nothing";
}
