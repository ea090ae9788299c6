// talerwerk-cli new: the currency choices of the new-file dialog from the command line.
#include "cli_run.h"
#include "ledger/ledger_file.h"
#include "ledger/win1252.h"
#include "platform/clock.h"
#include "support/scripted_password_source.h"
#include "support/scripted_prompter.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;
using testsupport::contains;
using testsupport::Outcome;
using testsupport::run;

namespace {

class NewCommand : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("talerwerk-new-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::unique_ptr<ledger::CTalwerkDoc> load() {
        testsupport::ScriptedPrompter prompter;
        testsupport::ScriptedPasswordSource passwords;
        platform::FixedClock clock({2026, 12, 6, 12, 0, 0});
        auto loaded = ledger::loadLedgerFile(path(), prompter, passwords, clock);
        return std::move(loaded.document);
    }
    std::string path() const { return (dir / "neu.tlw").string(); }

    fs::path dir;
};

} // namespace

TEST_F(NewCommand, CreatesTheThreeKindsOfLedger) {
    ASSERT_EQ(run({"new", path(), "--euro-only", ledger::toUtf8("€")}).code, 0);
    auto doc = load();
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->settings().euroOnly, 1);
    EXPECT_EQ(doc->settings().dualCurrency, 0);
    EXPECT_EQ(doc->settings().firstCurrencySymbol, "\x80");
    EXPECT_EQ(doc->filters().size(), 10u);

    ASSERT_EQ(run({"new", path(), "--dual", "dem", "--symbols", "EUR,DM", "--overwrite"}).code, 0);
    doc = load();
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->settings().dualCurrency, 1);
    EXPECT_EQ(doc->settings().nationalCurrencyIndex, 0);
    EXPECT_EQ(doc->settings().secondCurrencySymbol, "DM");
    EXPECT_EQ(doc->rate().numerator * 100000, doc->rate().denominator * 195583)
        << "the table's rate for DEM, 1,95583 per Euro";

    ASSERT_EQ(run({"new", path(), "--other", "Sfr", "--overwrite"}).code, 0);
    doc = load();
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->settings().euroOnly, 0);
    EXPECT_EQ(doc->settings().dualCurrency, 0);
    EXPECT_EQ(doc->settings().firstCurrencySymbol, "Sfr");
}

TEST_F(NewCommand, RefusedInputCreatesNoFile) {
    const Outcome zeroRate = run({"new", path(), "--dual", "DEM", "--rate", "0"});
    EXPECT_EQ(zeroRate.code, 1);
    EXPECT_TRUE(
        contains(zeroRate.err, ledger::toUtf8("Bitte geben Sie einen gültigen Wechselkurs ein!")));
    const Outcome noSymbol = run({"new", path(), "--other", ""});
    EXPECT_EQ(noSymbol.code, 1);
    EXPECT_TRUE(contains(noSymbol.err, ledger::toUtf8("Bitte geben Sie ein Währungskürzel ein!")));
    EXPECT_FALSE(fs::exists(path()));
}

TEST_F(NewCommand, WrongCommandLinesExitWithTwo) {
    EXPECT_EQ(run({"new", path()}).code, 2);
    EXPECT_EQ(run({"new", path(), "--euro-only", "EUR", "--other", "Sfr"}).code, 2);
    EXPECT_EQ(run({"new", path(), "--other", "Sfr", "--rate", "2"}).code, 2);
    const Outcome unknown = run({"new", path(), "--dual", "XYZ"});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_TRUE(contains(unknown.err, ledger::toUtf8("Unbekannte Landeswährung XYZ")));
    EXPECT_FALSE(fs::exists(path()));
}
