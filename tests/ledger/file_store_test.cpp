// Whole-file writing never destroys the previous file and leaves no temporary file behind.
#include "ledger/file_store.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace ledger;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

class FileStore : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("talerwerk-store-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        target = dir / "Haushalt.tlw";
        ASSERT_TRUE(writeFileAtomically(target, old));
    }
    void TearDown() override {
        fs::permissions(dir, fs::perms::owner_all);
        fs::remove_all(dir);
    }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(dir))
            out.push_back(e.path().filename().string());
        return out;
    }

    fs::path dir;
    fs::path target;
    const Bytes old = Bytes(1000, 0x41);
    const Bytes fresh = Bytes(5000, 0x42);
};

} // namespace

TEST_F(FileStore, ReplacesTheFileAndKeepsItsPermissions) {
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(writeFileAtomically(target, fresh));
    EXPECT_EQ(readWholeFile(target), fresh);
    EXPECT_EQ(names(), std::vector<std::string>{"Haushalt.tlw"});
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(readWholeFile(dir / "fehlt.tlw"));
}

TEST_F(FileStore, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    // The write stops midway: the file size limit is below the new contents.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 2000;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool written = writeFileAtomically(target, fresh);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(written);
    EXPECT_EQ(readWholeFile(target), old);
    EXPECT_EQ(names(), std::vector<std::string>{"Haushalt.tlw"});

    // The rename fails: the target is a directory that holds something.
    const fs::path folder = dir / "Ordner.tlw";
    fs::create_directory(folder);
    fs::copy_file(target, folder / "inhalt");
    EXPECT_FALSE(writeFileAtomically(folder, fresh));
    EXPECT_EQ(readWholeFile(folder / "inhalt"), old);
    EXPECT_EQ(names().size(), 2u);
}

TEST_F(FileStore, AnUnwritableDirectoryLeavesTheOldFile) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser may write into any directory";
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(writeFileAtomically(target, fresh));
    EXPECT_EQ(readWholeFile(target), old);
    EXPECT_EQ(names(), std::vector<std::string>{"Haushalt.tlw"});
}
