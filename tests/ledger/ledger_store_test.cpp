// The ledger store: the writer's lock, the state on disk it remembers, and the messages of
// its refusals.
#include "ledger/ledger_file.h"
#include "ledger/ledger_store.h"
#include "tests/support/files.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace ledger;
namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

class Store : public ::testing::Test {
protected:
    void SetUp() override { writeFile(file, {1, 2, 3}); }

    testsupport::TempFolder dir{std::string("ledger-store-") +
                                ::testing::UnitTest::GetInstance()->current_test_info()->name()};
    fs::path file = dir / "Haushalt.tlw";
};

} // namespace

TEST_F(Store, OneWriterAtATimeAndTheLockFileGoesWithTheLastWriter) {
    LedgerStore first(file), second(file);
    EXPECT_EQ(first.lock(0ms), "");
    EXPECT_EQ(dir.names(), (std::vector<std::string>{".Haushalt.tlw.lock", "Haushalt.tlw"}));

    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(second.lock(150ms), kMeldungGesperrt);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 150ms) << "waits the time given";
    EXPECT_EQ(second.write({9}), kMeldungSpeichern) << "no write without the lock";
    EXPECT_EQ(readFile(file), (Bytes{1, 2, 3}));

    // A reader neither waits nor locks.
    LedgerStore reader(file);
    std::string message;
    const std::optional<FileBytes> read = reader.read(message);
    ASSERT_TRUE(read);
    EXPECT_EQ(Bytes(read->begin(), read->end()), (Bytes{1, 2, 3}));

    first.unlock();
    EXPECT_EQ(second.lock(0ms), "");
    EXPECT_EQ(second.write({4, 5}), "");
    second.unlock();
    EXPECT_EQ(readFile(file), (Bytes{4, 5}));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"Haushalt.tlw"});
}

TEST_F(Store, ALockOfAKilledWriterIsFreeAndItsLockFileIsTakenOver) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        LedgerStore holder(file);
        const char ok = holder.lock(0ms).empty() ? 'y' : 'n';
        (void)!::write(ready[1], &ok, 1);
        for (;;)
            ::pause();
    }
    char ok = 0;
    ASSERT_EQ(::read(ready[0], &ok, 1), 1);
    ASSERT_EQ(ok, 'y');
    LedgerStore waiting(file);
    EXPECT_EQ(waiting.lock(0ms), kMeldungGesperrt);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(fs::exists(dir / ".Haushalt.tlw.lock")) << "a crash leaves the file";
    EXPECT_EQ(waiting.lock(0ms), "");
    waiting.unlock();
    EXPECT_EQ(dir.names(), std::vector<std::string>{"Haushalt.tlw"});
}

TEST_F(Store, AChangeByAnotherProgramIsNoticed) {
    LedgerStore store(file);
    ASSERT_EQ(store.lock(0ms), "");
    std::string message;
    ASSERT_TRUE(store.read(message));
    EXPECT_FALSE(store.changedOnDisk());
    EXPECT_EQ(store.write({7}), "");
    EXPECT_FALSE(store.changedOnDisk()) << "its own save is no change";

    // Changed in place with the same size, replaced, removed.
    const auto rewrite = [&] { writeFile(file, {8}); };
    const auto replace = [&] { ASSERT_EQ(replaceFile(file, {7}).failure, WriteFailure::None); };
    const auto remove = [&] { fs::remove(file); };
    for (const auto& change :
         std::initializer_list<std::function<void()>>{rewrite, replace, remove}) {
        std::this_thread::sleep_for(10ms); // a newer modification time
        change();
        EXPECT_TRUE(store.changedOnDisk());
        EXPECT_EQ(store.write({7}), "");
        EXPECT_FALSE(store.changedOnDisk());
    }
}

TEST_F(Store, RefusalsGiveTheirMessages) {
    ASSERT_EQ(::mkfifo((dir / "Pipe.tlw").c_str(), 0600), 0);
    fs::create_symlink("Haushalt.tlw", dir / "Verweis.tlw");
    std::string message;
    for (const fs::path& path : {dir / "Pipe.tlw", fs::path("/dev/zero"), dir.path()}) {
        LedgerStore store(path);
        EXPECT_EQ(store.lock(0ms), kMeldungKeineDatei) << path;
        EXPECT_FALSE(store.read(message));
        EXPECT_EQ(message, kMeldungKeineDatei) << path;
    }
    LedgerStore missing(dir / "fehlt.tlw");
    EXPECT_FALSE(missing.read(message));
    EXPECT_EQ(message, kMeldungOeffnen);

    // Through a link: locks and writes the file it names, the link stays.
    LedgerStore linked(dir / "Verweis.tlw");
    ASSERT_EQ(linked.lock(0ms), "");
    EXPECT_TRUE(fs::exists(dir / ".Haushalt.tlw.lock"));
    EXPECT_EQ(linked.write({6}), "");
    EXPECT_TRUE(fs::is_symlink(dir / "Verweis.tlw"));
    EXPECT_EQ(readFile(file), Bytes{6});

    const fs::path folder = dir.path();
    EXPECT_EQ(testsupport::asOrdinaryUser([&]() -> std::string {
                  const fs::path mine = folder / "Eigene.tlw";
                  writeFile(mine, {1});
                  ::chmod(mine.c_str(), 0444);
                  LedgerStore store(mine);
                  if (store.lock(0ms) != "")
                      return "no lock beside a write-protected file in a writable folder";
                  if (store.write({2}) != kMeldungSchreibgeschuetzt)
                      return "a write-protected file was not refused";
                  store.unlock();
                  ::chmod(folder.c_str(), 0555);
                  const std::string locked = store.lock(0ms);
                  ::chmod(folder.c_str(), 0755);
                  if (locked != kMeldungSchreibgeschuetzt)
                      return "a write-protected folder gave: " + locked;
                  return "";
              }),
              "");
}

TEST_F(Store, AFileLargerThanTheFormatCanHoldIsRefusedUnread) {
    const fs::path huge = dir / "Riesig.tlw";
    writeFile(huge, {});
    fs::resize_file(huge, kMaxLedgerBytes + 1); // sparse: no disk space used
    LedgerStore store(huge);
    std::string message;
    EXPECT_FALSE(store.read(message));
    EXPECT_EQ(message, kMeldungZuGross);
}
