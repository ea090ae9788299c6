#include "options/allgemein_form.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

namespace {

using options::COptAllgemeinForm;
using options::Dokumentoptionen;
using Field = COptAllgemeinForm::Field;
using testsupport::ScriptedPrompter;

Dokumentoptionen werte(const char* password, bool protectedFile) {
    Dokumentoptionen w;
    w.password.password = password;
    w.password.protection = protectedFile ? 1 : 0;
    return w;
}

TEST(OptAllgemeinForm, StartsWithTheDocumentsValues) {
    Dokumentoptionen w = werte("geheim", true);
    w.settings.decimalSeparator = '.';
    w.settings.thousandsSeparator = '\'';
    w.settings.noGrouping = 1;
    w.settings.dualCurrency = 1;
    w.settings.firstCurrencySymbol = "€";
    w.settings.secondCurrencySymbol = "DM";
    w.initialPeriod = {ledger::kFesterStart, ledger::kMonatsende, ledger::CNVKDatum(100),
                       ledger::CNVKDatum(200)};
    const COptAllgemeinForm f(w);
    EXPECT_TRUE(f.schutz);
    EXPECT_TRUE(f.kennwortFelderAktiv());
    EXPECT_EQ(f.kennwort, "geheim");
    EXPECT_EQ(f.wiederholung, "geheim");
    EXPECT_EQ(f.dezimaltrennzeichen, '.');
    EXPECT_EQ(f.tausendertrennzeichen, '\'');
    EXPECT_TRUE(f.keinTausendertrennzeichen);
    EXPECT_TRUE(f.dualCurrency());
    EXPECT_EQ(f.symbolBisher(), "€");
    EXPECT_EQ(f.symbol2Bisher(), "DM");
    EXPECT_EQ(f.symbolNeu, "");
    EXPECT_TRUE(f.startDatumAktiv());
    EXPECT_FALSE(f.endDatumAktiv());
    EXPECT_EQ(f.startDatum, ledger::CNVKDatum(100));
    EXPECT_EQ(f.endRegel, ledger::kMonatsende);
}

// The checks of OK in their order, each with its message and the field that gets the focus.
TEST(OptAllgemeinForm, ChecksInOrder) {
    struct Case {
        const char* name;
        bool schutz;
        const char* kennwort;
        const char* wiederholung;
        char dezimal;
        char tausender;
        std::optional<Field> field;
        const char* message;
    };
    const Case cases[] = {
        {"empty password under protection wins over all", true, "", "x", '.', '.', Field::Kennwort,
         "Bitte geben Sie ein Kennwort ein!"},
        {"differing fields under protection before separators", true, "abc", "abC", '.', '.',
         Field::Wiederholung, "Die Kennwörter sind nicht identisch!"},
        {"equal separators", true, "abc", "abc", '.', '.', Field::Dezimaltrennzeichen,
         "Dezimaltrennzeichen und Tausendertrennzeichen dürfen nicht identisch sein!"},
        {"equal commas", false, "", "", ',', ',', Field::Dezimaltrennzeichen,
         "Dezimaltrennzeichen und Tausendertrennzeichen dürfen nicht identisch sein!"},
        {"without protection an empty password is fine", false, "", "", ',', '.', std::nullopt,
         nullptr},
        {"without protection differing fields are no error", false, "a", "b", ',', '\'',
         std::nullopt, nullptr},
        {"protected and sound", true, "Kennwort", "Kennwort", '.', ',', std::nullopt, nullptr},
    };
    for (const Case& c : cases) {
        COptAllgemeinForm f(werte("", false));
        f.schutz = c.schutz;
        f.kennwort = c.kennwort;
        f.wiederholung = c.wiederholung;
        f.dezimaltrennzeichen = c.dezimal;
        f.tausendertrennzeichen = c.tausender;
        ScriptedPrompter prompter;
        EXPECT_EQ(f.check(prompter), c.field) << c.name;
        if (c.message) {
            ASSERT_EQ(prompter.shown.size(), 1u) << c.name;
            EXPECT_EQ(prompter.shown[0].kind, ScriptedPrompter::Kind::Information);
            EXPECT_EQ(prompter.shown[0].text, c.message);
            EXPECT_EQ(prompter.shown[0].caption, "Optionen");
        } else {
            EXPECT_TRUE(prompter.shown.empty()) << c.name;
        }
    }
}

TEST(OptAllgemeinForm, SwitchingProtectionOffWithDifferingFieldsEmptiesBoth) {
    COptAllgemeinForm f(werte("alt", true));
    f.kennwort = "neu";
    f.schutz = false;
    ScriptedPrompter prompter;
    ASSERT_FALSE(f.check(prompter));
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(f.kennwort, "");
    EXPECT_EQ(f.wiederholung, "");
    Dokumentoptionen w = werte("alt", true);
    f.store(w);
    EXPECT_EQ(w.password.protection, 0);
    EXPECT_EQ(w.password.password, "");
}

TEST(OptAllgemeinForm, StoresSeparatorsSymbolsAndPeriod) {
    Dokumentoptionen w = werte("", false);
    w.settings.firstCurrencySymbol = "EUR";
    w.settings.secondCurrencySymbol = "";
    COptAllgemeinForm f(w);
    f.schutz = true;
    f.kennwort = f.wiederholung = "Zugang";
    f.dezimaltrennzeichen = '.';
    f.tausendertrennzeichen = ',';
    f.keinTausendertrennzeichen = true;
    f.symbol2Neu = "DM"; // not offered without a second currency
    f.startRegel = ledger::kJahresanfang;
    f.endRegel = ledger::kFestesEnde;
    f.endDatum = ledger::CNVKDatum(9000);
    ScriptedPrompter prompter;
    ASSERT_FALSE(f.check(prompter));
    f.store(w);
    EXPECT_EQ(w.password.protection, 1);
    EXPECT_EQ(w.password.password, "Zugang");
    EXPECT_EQ(w.settings.decimalSeparator, '.');
    EXPECT_EQ(w.settings.thousandsSeparator, ',');
    EXPECT_EQ(w.settings.noGrouping, 1);
    EXPECT_EQ(w.settings.firstCurrencySymbol, "EUR"); // an empty "neu:" keeps the symbol
    EXPECT_EQ(w.settings.secondCurrencySymbol, "");
    EXPECT_EQ(w.initialPeriod.startRule, ledger::kJahresanfang);
    EXPECT_EQ(w.initialPeriod.endRule, ledger::kFestesEnde);
    EXPECT_EQ(w.initialPeriod.endDate, ledger::CNVKDatum(9000));

    f.symbolNeu = "€";
    f.store(w);
    EXPECT_EQ(w.settings.firstCurrencySymbol, "€");
}

TEST(OptAllgemeinForm, RefusesCharactersOutsideTheFileCharacterSet) {
    const COptAllgemeinForm f(werte("", false));
    ScriptedPrompter prompter;
    EXPECT_EQ(f.refuseZeichen(Field::Wiederholung, prompter), Field::Wiederholung);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, COptAllgemeinForm::kZeichenMeldung);
    EXPECT_EQ(prompter.shown[0].caption, "Optionen");
}

} // namespace
