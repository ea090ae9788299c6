// The replacement within one field of "Text ersetzen" and the checks of the dialogs
// "Text ersetzen" and "Neu nummerieren".
#include "bookings/buchung_renumber_form.h"
#include "bookings/textersetzung_form.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

using namespace bookings;
using testsupport::ScriptedPrompter;

namespace {

TEST(ErsetzeAlle, ReplacesEveryMatchOnceKeepingTheFieldsSpelling) {
    struct Case {
        const char* field;
        const char* search;
        const char* replacement;
        bool matchCase;
        const char* expected;
    };
    const Case cases[] = {
        {"Miete Mai", "miete", "Kaltmiete", false, "Kaltmiete Mai"},
        {"Miete Mai", "miete", "Kaltmiete", true, "Miete Mai"},
        {"MIETE und miete", "Miete", "X", false, "X und X"},
        {"MIETE und miete", "miete", "X", true, "MIETE und X"},
        // The inserted text is not searched again, also when it holds the search text.
        {"aaa", "a", "aa", true, "aaaaaa"},
        {"Miete", "Miete", "Kaltmiete", false, "Kaltmiete"},
        // Only the matches change; the rest keeps its own case.
        {"Abc abC", "B", "x", false, "Axc axC"},
        {"abcabc", "b", "", true, "acac"},
        // Accented letters match their other case.
        {"Müller MÜLLER", "ü", "ue", false, "Mueller MueLLER"},
        // "ß" has no upper case of its own and matches only itself.
        {"Straße", "SS", "x", false, "Straße"},
        {"", "x", "y", false, ""},
        {"ohne Treffer", "z", "y", false, "ohne Treffer"},
        // An empty search text matches nothing (the dialog refuses it anyway).
        {"Miete", "", "x", false, "Miete"},
        // Overlapping candidates: matching goes on behind each match.
        {"aaaa", "aa", "b", true, "bb"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ersetzeAlle(c.field, c.search, c.replacement, c.matchCase), c.expected)
            << c.field << " / " << c.search;
}

TEST(TextersetzungForm, RefusesAnEmptySearchTextAndNamesTheScope) {
    ScriptedPrompter prompter;
    CTextersetzungForm form;
    EXPECT_EQ(form.ok(prompter), CTextersetzungForm::Field::Suchen);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].caption, "Text ersetzen");
    EXPECT_EQ(prompter.shown[0].text,
              "Bitte geben Sie den Text ein, nach dem gesucht werden soll!");

    prompter.clear();
    form.suchen = "x";
    EXPECT_EQ(form.ok(prompter), std::nullopt);
    EXPECT_TRUE(prompter.shown.empty());

    const struct {
        TextBereich bereich;
        bool text, notes;
    } scopes[] = {{TextBereich::TextUndNotizen, true, true},
                  {TextBereich::Buchungstext, true, false},
                  {TextBereich::Notizen, false, true}};
    for (const auto& s : scopes) {
        form.bereich = s.bereich;
        EXPECT_EQ(form.searchesText(), s.text);
        EXPECT_EQ(form.searchesNotes(), s.notes);
    }
}

TEST(BuchungRenumberForm, ChecksTheStartNumber) {
    const struct {
        const char* nummer;
        const char* message; // nullptr: accepted
    } cases[] = {
        {"", "Bitte geben Sie eine Buchungsnummer ein!"},
        {"ABC", "Mit der eingegebenen Buchungsnummer ist keine fortlaufende Nummerierung "
                "möglich!"},
        {"-", "Mit der eingegebenen Buchungsnummer ist keine fortlaufende Nummerierung "
              "möglich!"},
        {"1", nullptr},
        {"2012/001", nullptr},
        {"A9", nullptr},
        {"99", nullptr},
    };
    for (const auto& c : cases) {
        ScriptedPrompter prompter;
        CBuchungRenumberForm form;
        form.nummer = c.nummer;
        const auto field = form.ok(prompter);
        if (c.message) {
            EXPECT_EQ(field, CBuchungRenumberForm::Field::Nummer) << c.nummer;
            ASSERT_EQ(prompter.shown.size(), 1u) << c.nummer;
            EXPECT_EQ(prompter.shown[0].text, c.message);
            EXPECT_EQ(prompter.shown[0].caption, "Neu nummerieren");
        } else {
            EXPECT_EQ(field, std::nullopt) << c.nummer;
            EXPECT_TRUE(prompter.shown.empty()) << c.nummer;
        }
    }
}

} // namespace
