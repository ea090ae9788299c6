// Saving and loading whole ledger files of the current version.
#include "file_old_writer.h"
#include "file_sample.h"
#include "ledger/file_store.h"
#include "ledger/file_write.h"
#include "ledger/ledger_file.h"
#include "ledger/ledger_loading.h"
#include "support/scripted_password_source.h"
#include "support/scripted_prompter.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace ledger;
using namespace testsupport;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

const platform::FixedClock kClock({2026, 12, 6, 10, 0, 0});

struct Loader {
    ScriptedPrompter prompter;
    ScriptedPasswordSource passwords;
    LoadedLedger load(const Bytes& bytes) {
        return loadLedgerBytes(bytes, "/daten/Haushalt.tlw", prompter, passwords, kClock);
    }
};

// The offset of the save counter (setting 73) in a current file with the sample's password
// and settings: found by writing twice and comparing.
std::size_t saveCounterOffset(const CTalwerkDoc& doc) {
    const Bytes a = writeLedgerFile(doc);
    Loader loader;
    loader.passwords.answer(doc.password().password);
    auto loaded = loader.load(a);
    loaded.document->markSaved(loaded.document->settings().saveCounter + 1);
    const Bytes b = writeLedgerFile(*loaded.document);
    const auto diff = std::mismatch(a.begin(), a.end(), b.begin());
    return static_cast<std::size_t>(diff.first - a.begin());
}

std::size_t occurrences(const Bytes& bytes, const std::string& text) {
    std::size_t n = 0;
    for (auto it = bytes.begin();
         (it = std::search(it, bytes.end(), text.begin(), text.end())) != bytes.end(); ++it)
        ++n;
    return n;
}

} // namespace

TEST(FileLedger, TheWriterAgreesWithTheVersionGatesOfTheCurrentVersion) {
    auto doc = sampleLedger();
    Bytes expected = writeFileOfVersion(*doc, kVersionCurrent);
    doc->markSaved(doc->settings().saveCounter - 1); // the writer raises it by one
    EXPECT_EQ(writeLedgerFile(*doc), expected);
    // Two accounts with switch dates: the class record of the dates is written once.
    EXPECT_EQ(occurrences(expected, "CNVKDatum"), 1u);
    EXPECT_EQ(occurrences(expected, "CTWBuchungRegel"), 1u);
}

TEST(FileLedger, RoundTripKeepsEveryRecordAndRewritesTheSameBytes) {
    auto doc = sampleLedger();
    const Bytes bytes = writeLedgerFile(*doc);
    Loader loader;
    loader.passwords.answer("Geheim-ä1");
    auto loaded = loader.load(bytes);
    ASSERT_TRUE(loaded.document) << loaded.message;
    EXPECT_TRUE(loader.prompter.shown.empty());
    EXPECT_EQ(loader.passwords.asked, std::vector<std::string>{"/daten/Haushalt.tlw"});
    EXPECT_EQ(loaded.version, kVersionCurrent);

    const CTalwerkDoc& back = *loaded.document;
    EXPECT_FALSE(back.isModified());
    EXPECT_EQ(back.settings().saveCounter, 42);
    EXPECT_EQ(back.password().password, "Geheim-ä1");
    EXPECT_EQ(back.rate().numerator, 195583);
    ASSERT_EQ(back.accounts().size(), 5u);
    EXPECT_EQ(back.accounts()[1]->name, "Sparbuch Müller");
    EXPECT_EQ(back.accounts()[1]->switchDates, doc->accounts()[1]->switchDates);
    EXPECT_EQ(back.accounts()[1]->alt1UseStandard, 0);
    EXPECT_EQ(back.accounts()[1]->alt2Category, 1);
    ASSERT_EQ(back.bookings().size(), 4u);
    EXPECT_EQ(back.bookings()[2]->notes, "Brötchen\r\nKuchen");
    EXPECT_EQ(back.bookings()[3]->provisional, 1);
    EXPECT_EQ(back.rules()[0]->occurrenceStates, doc->rules()[0]->occurrenceStates);
    EXPECT_EQ(back.rules()[1]->intervalUnit, kWochen);
    EXPECT_EQ(back.hiddenBookingTexts(), doc->hiddenBookingTexts());
    EXPECT_EQ(back.filters()[0]->textPattern, "Miete ODER Müll");
    EXPECT_EQ(back.filters()[3]->notesPattern, "Brötchen");
    EXPECT_EQ(back.categories().tree(KontoArt::Einnahmenkonto)[0]->subcategories()[1]->name,
              "Prämien");
    EXPECT_EQ(back.initialPeriod().endDate, datum(31, 12, 2004));
    EXPECT_EQ(back.screenScale(), 1.25);

    // Saving the loaded file again gives the same bytes apart from the save counter.
    Bytes again = writeLedgerFile(back);
    const std::size_t at = saveCounterOffset(*doc);
    EXPECT_EQ(again[at], bytes[at] + 1);
    again[at] = bytes[at];
    EXPECT_EQ(again, bytes);
}

TEST(FileLedger, PasswordIsAskedAndMustMatchExactly) {
    auto doc = sampleLedger();
    Bytes bytes = writeLedgerFile(*doc);
    for (std::optional<std::string> answer :
         {std::optional<std::string>{}, std::optional<std::string>{"geheim-ä1"},
          std::optional<std::string>{"Geheim-Ä1"}}) {
        Loader loader;
        loader.passwords.answer(answer);
        auto loaded = loader.load(bytes);
        EXPECT_FALSE(loaded.document);
        EXPECT_EQ(loaded.message, "Fehler beim Öffnen des Dokuments.");
    }
    // Clearing the protection flag by editing the file does not open it.
    const std::size_t flagAt = 1 + 14 + 4;
    ASSERT_EQ(bytes[flagAt], 1);
    bytes[flagAt] = 0;
    Loader edited;
    EXPECT_FALSE(edited.load(bytes).document);
    EXPECT_EQ(edited.passwords.asked.size(), 1u);

    // An unprotected file asks nothing, also with an empty password.
    doc->setPassword(CNVKKennwort{});
    Loader open;
    EXPECT_TRUE(open.load(writeLedgerFile(*doc)).document);
    EXPECT_TRUE(open.passwords.asked.empty());
}

TEST(FileLedger, BookingsOutOfOrderAreSortedAfterLoading) {
    auto doc = sampleLedger();
    doc->setPassword(CNVKKennwort{});
    LedgerLoading raw(*doc);
    std::reverse(raw.bookings().begin(), raw.bookings().end());
    Loader loader;
    auto loaded = loader.load(writeLedgerFile(*doc));
    ASSERT_TRUE(loaded.document);
    EXPECT_TRUE(loaded.document->isBuchungOrderValid());
    EXPECT_EQ(loaded.document->bookings().front()->text, "Gehalt Januar");
    EXPECT_FALSE(loaded.document->isModified());
}

TEST(FileLedger, MalformedFilesGiveTheirMessageAndNoDocument) {
    auto doc = sampleLedger();
    doc->setPassword(CNVKKennwort{});
    const Bytes good = writeLedgerFile(*doc);
    struct Case {
        const char* what;
        Bytes bytes;
        const char* message;
    };
    Bytes wrongHeader = good;
    wrongHeader[1] = 't'; // "talerwerkDatei": comparisons are case-sensitive
    Bytes badKind = good;
    const std::string konto = "CTWKonto";
    auto at = std::search(badKind.begin(), badKind.end(), konto.begin(), konto.end());
    at[konto.size() + 8] = 7; // the first account's kind
    Bytes trailing = good;
    trailing.push_back(0x55);
    const Case cases[] = {
        {"empty file", {}, "Unerwartetes Dateiformat."},
        {"other header", wrongHeader, "Unerwartetes Dateiformat."},
        {"account kind 7", badKind, "Fehler beim Öffnen des Dokuments."},
    };
    for (const auto& c : cases) {
        Loader loader;
        auto loaded = loader.load(c.bytes);
        EXPECT_FALSE(loaded.document) << c.what;
        EXPECT_EQ(loaded.message, c.message) << c.what;
    }
    Loader loader;
    EXPECT_TRUE(loader.load(trailing).document) << "bytes after the last item are not read";
}

TEST(FileLedger, ValuesUsedAsIndexesOrStepsAreCheckedAtBothLimits) {
    // Each row stores one value at or just beyond the limits the reader accepts. The casts
    // keep the rows valid whatever type a field has.
    using Doc = LedgerLoading;
    const auto rule = [](Doc& d) -> CTWBuchungRegel& { return *d.rules().front(); };
    const auto booking = [](Doc& d) -> CTWBuchung& { return *d.bookings().front(); };
    const auto konto = [](Doc& d) -> CTWKonto& { return *d.accounts().front(); };
    struct Case {
        const char* what;
        std::function<void(Doc&)> change;
        bool loads;
    };
    const Case cases[] = {
        {"interval count 1", [&](Doc& d) { rule(d).intervalCount = 1; }, true},
        {"interval count 0", [&](Doc& d) { rule(d).intervalCount = 0; }, false},
        {"interval unit days", [&](Doc& d) { rule(d).intervalUnit = 0; }, true},
        {"interval unit months", [&](Doc& d) { rule(d).intervalUnit = 2; }, true},
        {"interval unit -1", [&](Doc& d) { rule(d).intervalUnit = -1; }, false},
        {"interval unit 3", [&](Doc& d) { rule(d).intervalUnit = 3; }, false},
        {"rule kind 2", [&](Doc& d) { rule(d).kind = decltype(rule(d).kind)(2); }, true},
        {"rule kind 3", [&](Doc& d) { rule(d).kind = decltype(rule(d).kind)(3); }, false},
        {"rule kind -1", [&](Doc& d) { rule(d).kind = decltype(rule(d).kind)(-1); }, false},
        {"rule currency 2",
         [&](Doc& d) { rule(d).currencyIndex = decltype(rule(d).currencyIndex)(2); }, false},
        {"booking kind 3", [&](Doc& d) { booking(d).kind = decltype(booking(d).kind)(3); }, false},
        {"booking kind -1", [&](Doc& d) { booking(d).kind = decltype(booking(d).kind)(-1); },
         false},
        {"booking currency 1",
         [&](Doc& d) { booking(d).currencyIndex = decltype(booking(d).currencyIndex)(1); }, true},
        {"booking currency -1",
         [&](Doc& d) { booking(d).currencyIndex = decltype(booking(d).currencyIndex)(-1); }, false},
        {"account kind 3", [&](Doc& d) { konto(d).kind = decltype(konto(d).kind)(3); }, false},
        {"account kind -1", [&](Doc& d) { konto(d).kind = decltype(konto(d).kind)(-1); }, false},
        {"account currency none",
         [&](Doc& d) { konto(d).currencyIndex = decltype(konto(d).currencyIndex)(-1); }, true},
        {"account currency -2",
         [&](Doc& d) { konto(d).currencyIndex = decltype(konto(d).currencyIndex)(-2); }, false},
        {"account currency 2",
         [&](Doc& d) { konto(d).currencyIndex = decltype(konto(d).currencyIndex)(2); }, false},
    };
    for (const Case& c : cases) {
        auto doc = sampleLedger();
        doc->setPassword(CNVKKennwort{});
        LedgerLoading loading(*doc);
        c.change(loading);
        Loader loader;
        const auto loaded = loader.load(writeLedgerFile(*doc));
        EXPECT_EQ(loaded.document != nullptr, c.loads) << c.what;
        EXPECT_EQ(loaded.message, c.loads ? "" : "Fehler beim Öffnen des Dokuments.") << c.what;
    }
}

TEST(FileLedger, EveryTruncationIsRefusedCleanly) {
    auto doc = sampleLedger();
    const Bytes good = writeLedgerFile(*doc);
    for (std::size_t n = 0; n < good.size(); ++n) {
        Loader loader;
        loader.passwords.answer("Geheim-ä1");
        auto loaded = loader.load(Bytes(good.begin(), good.begin() + n));
        ASSERT_FALSE(loaded.document) << n;
        ASSERT_EQ(loaded.message, "Unerwartetes Dateiformat.") << n;
    }
}

TEST(FileLedger, SavingRaisesTheCounterAndAFailedSaveChangesNothing) {
    const fs::path dir = fs::temp_directory_path() / ("talerwerk-save-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    auto doc = sampleLedger();
    const fs::path path = dir / "Haushalt.tlw";
    doc->setModified();
    EXPECT_EQ(saveLedgerFile(*doc, path), "");
    EXPECT_EQ(saveLedgerFile(*doc, path), "");
    EXPECT_EQ(doc->settings().saveCounter, 43);
    EXPECT_FALSE(doc->isModified());

    // The 32-bit counter wraps around.
    EXPECT_EQ(nextSaveCounter(2147483647), -2147483647 - 1);

    ScriptedPrompter prompter;
    ScriptedPasswordSource passwords;
    passwords.answer("Geheim-ä1");
    auto loaded = loadLedgerFile(path, prompter, passwords, kClock);
    ASSERT_TRUE(loaded.document);
    EXPECT_EQ(loaded.document->settings().saveCounter, 43);

    // A directory that does not exist: the document keeps its counter and its flag.
    doc->setModified();
    EXPECT_EQ(saveLedgerFile(*doc, dir / "fehlt" / "Haushalt.tlw"),
              "Fehler beim Speichern des Dokuments.");
    EXPECT_EQ(doc->settings().saveCounter, 43);
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(loadLedgerFile(dir / "fehlt.tlw", prompter, passwords, kClock).message,
              "Fehler beim Öffnen des Dokuments.");
    fs::remove_all(dir);
}
