// The dialog "Sicherungen": the list of a ledger's backups with time and size, and the checks
// of the backup and recovery settings in their order.
#include "options/sicherungen_form.h"
#include "support/scripted_prompter.h"
#include "tests/support/files.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using options::CSicherungenForm;
using Feld = CSicherungenForm::Feld;
using testsupport::ScriptedPrompter;
namespace fs = std::filesystem;

TEST(SicherungenForm, ListsTheBackupsNewestFirstWithTimeAndSize) {
    const testsupport::TempFolder dir("sicherungen-form");
    const fs::path ledger = dir / "Haushalt.tlw";
    const struct {
        platform::LocalTime time;
        std::size_t size;
    } backups[] = {{{2024, 4, 15, 9, 5, 7}, 1},
                   {{2024, 4, 15, 9, 5, 7}, 1024},
                   {{2023, 12, 31, 23, 59, 59}, 6'500'000}};
    for (const auto& b : backups) {
        // Replaced as a save does, by a new file.
        std::ofstream(dir / "neu", std::ios::binary) << std::string(b.size, 'x');
        fs::rename(dir / "neu", ledger);
        ASSERT_EQ(ledger::makeSicherung(ledger, b.time).message, "");
    }

    CSicherungenForm form(ledger, {}, 2);
    ASSERT_EQ(form.zeilen().size(), 3u);
    const std::pair<const char*, const char*> expected[] = {{"15.04.2024 09:05:07 (2)", "1 KB"},
                                                            {"15.04.2024 09:05:07", "1 KB"},
                                                            {"31.12.2023 23:59:59", "6.348 KB"}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(form.zeilen()[i].datum, expected[i].first);
        EXPECT_EQ(form.zeilen()[i].groesse, expected[i].second);
    }
    EXPECT_EQ(form.selected, 0);
    EXPECT_EQ(form.selectedPath(), form.zeilen()[0].path);
    form.selected = 3;
    EXPECT_FALSE(form.oeffnenEnabled());
    EXPECT_TRUE(form.selectedPath().empty());

    const CSicherungenForm never({}, {}, 2);
    EXPECT_TRUE(never.zeilen().empty());
    EXPECT_FALSE(never.oeffnenEnabled());
    EXPECT_EQ(never.hinweis(),
              "Die Datei wurde noch nicht gespeichert und hat daher keine Sicherungen.");
}

TEST(SicherungenForm, ChecksTheCountThenTheMinutes) {
    const struct {
        const char* name;
        bool enabled;
        const char* anzahl;
        const char* minuten;
        std::optional<Feld> refused;
        int keep;
        int minutes;
    } cases[] = {
        {"as shown", true, "10", "2", std::nullopt, 10, 2},
        {"limits", true, " 999 ", "0", std::nullopt, 999, 0},
        {"count 0", true, "0", "2", Feld::Anzahl, 0, 0},
        {"count too large", true, "1000", "2", Feld::Anzahl, 0, 0},
        {"count not a number", true, "10a", "x", Feld::Anzahl, 0, 0},
        {"count off and unusable", false, "", "5", std::nullopt, 7, 5},
        {"minutes too many", true, "3", "61", Feld::Minuten, 0, 0},
        {"minutes negative", false, "3", "-1", Feld::Minuten, 0, 0},
    };
    for (const auto& c : cases) {
        CSicherungenForm form({}, {true, 7}, 2);
        form.enabled = c.enabled;
        form.anzahl = c.anzahl;
        form.minuten = c.minuten;
        ScriptedPrompter prompter;
        EXPECT_EQ(form.ok(prompter), c.refused) << c.name;
        if (c.refused) {
            ASSERT_EQ(prompter.shown.size(), 1u) << c.name;
            EXPECT_EQ(prompter.shown[0].caption, "Sicherungen");
            EXPECT_EQ(
                prompter.shown[0].text,
                *c.refused == Feld::Anzahl
                    ? "Bitte geben Sie als Anzahl der Sicherungen eine Zahl von 1 bis 999 ein!"
                    : "Bitte geben Sie für die Wiederherstellungsdaten eine Zahl von 0 bis "
                      "60 Minuten ein!")
                << c.name;
            continue;
        }
        EXPECT_TRUE(prompter.shown.empty()) << c.name;
        EXPECT_EQ(form.rule().enabled, c.enabled) << c.name;
        EXPECT_EQ(form.rule().keep, c.keep) << c.name;
        EXPECT_EQ(form.recoveryMinutes(), c.minutes) << c.name;
    }
}

} // namespace
