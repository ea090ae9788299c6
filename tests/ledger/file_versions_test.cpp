// Files of older versions: every item a version does not carry takes its implied value.
#include "file_old_writer.h"
#include "file_sample.h"
#include "ledger/ledger_file.h"
#include "ledger/ledger_loading.h"
#include "setting_table.h"
#include "support/scripted_password_source.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

using namespace ledger;
using namespace testsupport;

namespace {

const platform::FixedClock kClock({2026, 12, 6, 10, 0, 0});
const CNVKDatum kToday = datum(6, 12, 2026);

struct OldFile {
    std::unique_ptr<CTalwerkDoc> doc;
    ScriptedPrompter prompter;
    ScriptedPasswordSource passwords;
};

// The sample, with usage counts no rebuild would give, written in the version and loaded.
std::unique_ptr<OldFile> load(std::uint32_t version) {
    auto sample = sampleLedger();
    LedgerLoading(*sample).categories().treeList(KontoArt::Bestandskonto)[0]->usageCount = 99;
    auto file = std::make_unique<OldFile>();
    file->passwords.answer("Geheim-ä1");
    auto loaded = loadLedgerBytes(writeFileOfVersion(*sample, version), "alt.tlw", file->prompter,
                                  file->passwords, kClock);
    EXPECT_TRUE(loaded.document) << version << ": " << loaded.message;
    EXPECT_EQ(loaded.version, version);
    file->doc = std::move(loaded.document);
    return file;
}

void expectOlderVersionNote(const ScriptedPrompter& prompter) {
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].kind, ScriptedPrompter::Kind::Information);
    EXPECT_EQ(prompter.shown[0].caption, "Datei öffnen");
    EXPECT_TRUE(prompter.shown[0].text.starts_with("Diese Datei wurde mit einer älteren Version"));
}

// The settings that files before 1.1.0.4 do not carry, with their implied values.
void expectLaterSettingsImplied(const CTWEinstellungen& s) {
    EXPECT_EQ(s.filteredBookingsShowSums, 1);
    EXPECT_EQ(s.periodComparisonTitle, "Periodenvergleich (<STARTDATUM> bis <ENDDATUM>)");
    EXPECT_EQ(s.yearWindowEndMonth, 12);
    EXPECT_EQ(s.changeToPeriod, 2);
    EXPECT_EQ(s.disableNotesField, 0);
}

// The first filter holds the old single filter; the other nine are new.
void expectFiltersFromOldFilter(const CTalwerkDoc& doc, std::int32_t word16) {
    ASSERT_EQ(doc.filters().size(), 10u);
    EXPECT_EQ(doc.filters()[0]->name, "Filter 1");
    EXPECT_EQ(doc.filters()[0]->textPattern, "Miete ODER Müll");
    EXPECT_EQ(doc.filters()[0]->amountFrom, 50000);
    EXPECT_EQ(doc.filters()[0]->provisionalMode, word16);
    EXPECT_EQ(doc.filters()[3]->name, "Filter 4");
    EXPECT_EQ(doc.filters()[3]->accountId, -1);
    EXPECT_EQ(doc.filters()[9]->name, "Filter 10");
}

} // namespace

TEST(FileVersions, Version101And111NameThemselvesInTheHeader) {
    for (std::uint32_t version : {kVersion101, kVersion111}) {
        auto file = load(version);
        const CTalwerkDoc& doc = *file->doc;
        expectOlderVersionNote(file->prompter);
        EXPECT_TRUE(file->passwords.asked.empty());
        EXPECT_FALSE(doc.password().isActive());

        const CTWEinstellungen& s = doc.settings();
        EXPECT_EQ(s.decimalSeparator, ',');
        EXPECT_EQ(s.thousandsSeparator, '.');
        EXPECT_EQ(s.accountsTitle, "Meine Konten");
        EXPECT_EQ(s.bookingsData, 0x21110924u);
        EXPECT_EQ(s.euroOnly, 0);
        EXPECT_EQ(s.saveCounter, 1);
        EXPECT_EQ(s.reserved75, 4);
        EXPECT_EQ(s.reserved80, 0);
        EXPECT_EQ(s.reserved83, 0);
        expectLaterSettingsImplied(s);

        EXPECT_TRUE(doc.rules().empty());
        EXPECT_EQ(doc.nextRuleSerial(), 0);
        EXPECT_TRUE(doc.hiddenBookingTexts().empty());
        EXPECT_EQ(doc.initialPeriod().startRule, kMonatsanfang);
        EXPECT_EQ(doc.initialPeriod().endRule, kHeute);
        EXPECT_EQ(doc.initialPeriod().startDate, kToday);
        EXPECT_EQ(doc.initialPeriod().endDate, kToday);
        EXPECT_EQ(doc.accountBookingsSortDirection(), 0);
        EXPECT_EQ(doc.screenScale(), 1.0);
        expectFiltersFromOldFilter(doc, 0);

        // Records of schema 1 and 2: no alternative assignments, nothing provisional.
        EXPECT_EQ(doc.accounts()[1]->name, "Sparbuch Müller");
        EXPECT_EQ(doc.accounts()[1]->alt1UseStandard, 1);
        EXPECT_EQ(doc.accounts()[1]->alt2Category, -1);
        EXPECT_EQ(doc.accounts()[1]->switchDates.size(), 2u);
        EXPECT_EQ(doc.bookings()[3]->provisional, 0);
        EXPECT_EQ(doc.bookings()[2]->text, "Bäckerei Müller");
        // Usage counts are rebuilt from the standard assignments.
        EXPECT_EQ(doc.categories().tree(KontoArt::Bestandskonto)[0]->usageCount, 1);
        EXPECT_EQ(doc.categories().tree(KontoArt::Bestandskonto)[0]->subcategories()[0]->usageCount,
                  1);
        EXPECT_FALSE(doc.isModified());
    }
}

TEST(FileVersions, Version161CarriesRecurringBookingsAndThePassword) {
    auto file = load(kVersion161);
    const CTalwerkDoc& doc = *file->doc;
    expectOlderVersionNote(file->prompter);
    EXPECT_EQ(file->passwords.asked.size(), 1u);
    EXPECT_EQ(doc.password().password, "Geheim-ä1");
    EXPECT_EQ(doc.settings().decimalSeparator, '.');
    EXPECT_EQ(doc.settings().saveCounter, 41);
    EXPECT_EQ(doc.settings().reserved75, 9);
    EXPECT_EQ(doc.settings().reserved83, 8);
    EXPECT_EQ(doc.settings().bookingsData, 0x21110924u);
    expectLaterSettingsImplied(doc.settings());

    ASSERT_EQ(doc.rules().size(), 2u);
    EXPECT_EQ(doc.nextRuleSerial(), 2);
    EXPECT_EQ(doc.rules()[0]->name, "Monatsmiete");
    EXPECT_EQ(doc.rules()[0]->occurrenceStates.size(), 4u);
    EXPECT_EQ(doc.rules()[1]->provisional, 0);
    EXPECT_EQ(doc.rules()[1]->intervalUnit, kWochen);
    EXPECT_EQ(doc.screenScale(), 1.0);
    expectFiltersFromOldFilter(doc, 0);
    // Stored usage counts are kept from 1.2.1 on.
    EXPECT_EQ(doc.categories().tree(KontoArt::Bestandskonto)[0]->usageCount, 99);
}

TEST(FileVersions, Version251TurnsTheOldFilterAndItem25IntoTenFilters) {
    auto file = load(kVersion251);
    const CTalwerkDoc& doc = *file->doc;
    expectOlderVersionNote(file->prompter);
    expectFiltersFromOldFilter(doc, kOhneVorlaeufige);
    EXPECT_EQ(doc.settings().bookingsData, 0x01110924u);
    EXPECT_EQ(doc.settings().changeToPeriod, 3);
    EXPECT_EQ(doc.settings().disableNotesField, 0); // from 2.5.1, build 2
    EXPECT_EQ(doc.hiddenBookingTexts().size(), 2u);
    EXPECT_EQ(doc.initialPeriod().startRule, kMonatsanfang);
    EXPECT_EQ(doc.initialPeriod().startDate, kToday);
    EXPECT_EQ(doc.accountBookingsSortDirection(), 0);
    EXPECT_EQ(doc.screenScale(), 1.25);
    EXPECT_EQ(doc.bookings()[3]->provisional, 1);
    EXPECT_EQ(doc.accounts()[1]->alt2Category, 1);
}

TEST(FileVersions, EveryGateBoundaryLoadsTheWholeFile) {
    const std::uint32_t gates[] = {10101002, 10201002, 10201003, 10201004, 10301001, 10301002,
                                   10401001, 10401002, 10503000, 11001001, 11001002, 11001003,
                                   11001004, 20101001, 20201001, 20201002, 20401001, 20401002,
                                   20501002, 20901001, 20901002, 21001002, 21101001};
    for (std::uint32_t gate : gates) {
        for (std::uint32_t version : {gate - 1, gate}) {
            auto file = load(version);
            ASSERT_TRUE(file->doc) << version;
            const CTalwerkDoc& doc = *file->doc;
            EXPECT_EQ(doc.bookings().size(), 4u) << version;
            EXPECT_EQ(doc.accounts().back()->name, "Lebensmittel") << version;
            EXPECT_EQ(doc.filters().size(), 10u) << version;
            EXPECT_EQ(doc.filters()[0]->textPattern, "Miete ODER Müll") << version;
            const bool newFilters = version >= 20901001;
            EXPECT_EQ(doc.filters()[0]->name, newFilters ? "Große Ausgaben" : "Filter 1")
                << version;
            EXPECT_EQ(doc.settings().euroOnly, 0) << version;
            EXPECT_EQ(doc.settings().markNewDueBookings, 1) << version;
            EXPECT_EQ(file->prompter.shown.size(), version < 21101001 ? 1u : 0u) << version;
        }
    }
}

// Every setting gets a value of its own; a file of each version must give back exactly the
// settings it carries, and the implied value for every other one.
TEST(FileVersions, EverySettingTakesItsPlaceInEveryVersion) {
    auto sample = sampleLedger();
    for (const SettingSpec& row : settingSpecs()) {
        const SettingValue own =
            row.type == 't'   ? SettingValue("Wert " + std::to_string(row.number))
            : row.type == 'c' ? SettingValue(std::int64_t{'!' + row.number % 60})
                              : SettingValue(std::int64_t{1000 + row.number});
        setSetting(LedgerLoading(*sample).settings(), row, own);
    }
    const CTWEinstellungen fresh;
    const std::uint32_t versions[] = {kVersion101, kVersion111, 10101002, 10201003, 10301001,
                                      10301002,    10401001,    10401002, 10503000, 11001002,
                                      11001003,    11001004,    20101001, 20201002, 20501002};
    for (const std::uint32_t version : versions) {
        ScriptedPrompter prompter;
        ScriptedPasswordSource passwords;
        passwords.answer(sample->password().password);
        auto loaded = loadLedgerBytes(writeFileOfVersion(*sample, version), "alt.tlw", prompter,
                                      passwords, kClock);
        ASSERT_TRUE(loaded.document) << version << ": " << loaded.message;
        for (const SettingSpec& row : settingSpecs()) {
            SettingValue expected = settingValue(sample->settings(), row);
            if (version < settingSince(row.number))
                expected = row.number == 72   ? SettingValue(std::int64_t{0})
                           : row.number == 73 ? SettingValue(std::int64_t{1})
                                              : settingValue(fresh, row);
            if ((row.number == 42 || row.number == 46) && version < 20101001)
                expected = std::get<std::int64_t>(expected) | 0x20000000;
            EXPECT_EQ(settingValue(loaded.document->settings(), row), expected)
                << "setting " << row.number << " in version " << version;
        }
    }
}
