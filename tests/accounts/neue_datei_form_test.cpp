#include "accounts/neue_datei_form.h"
#include "ledger/dokument_pruefung.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

namespace {

using accounts::CNeueDateiForm;
using Field = CNeueDateiForm::Field;
using testsupport::ScriptedPrompter;

const std::vector<ledger::CTWWaehrungsinfo> kTable = ledger::buildNationalCurrencyTable();

TEST(NeueDateiForm, StartsWithEuroOnlyAndTheFirstNationalCurrency) {
    const CNeueDateiForm form(kTable);
    EXPECT_EQ(form.landesCode(), "DEM");
    EXPECT_EQ(form.landesSymbolLabel(), "DEM:");
    EXPECT_EQ(form.wechselkurs, "1,95583");
    EXPECT_EQ(form.landesSymbol, "DM");

    ScriptedPrompter prompter;
    EXPECT_FALSE(form.check(prompter));
    EXPECT_TRUE(prompter.shown.empty());
    const ledger::NeueDateiWaehrung r = form.result();
    EXPECT_EQ(r.euroOnly, 1);
    EXPECT_EQ(r.dualCurrency, 0);
    EXPECT_EQ(r.firstSymbol, "EUR");
    EXPECT_EQ(r.secondSymbol, "");
    EXPECT_EQ(r.nationalIndex, -1);
    EXPECT_EQ(r.rate.numerator, 1);
    EXPECT_EQ(r.rate.denominator, 1);
}

TEST(NeueDateiForm, ChoosingANationalCurrencyFillsRateCodeAndSymbol) {
    CNeueDateiForm form(kTable);
    form.selectLandeswaehrung(5);
    EXPECT_EQ(form.wechselkurs, "1.936,27");
    EXPECT_EQ(form.landesSymbolLabel(), "ITL:");
    EXPECT_EQ(form.landesSymbol, "Lit");
    form.selectLandeswaehrung(11); // outside the table: nothing changes
    EXPECT_EQ(form.landesCode(), "ITL");

    form.wechselkurs = "2,50";
    form.leaveWechselkurs();
    EXPECT_EQ(form.wechselkurs, "2,5");
    form.wechselkurs = "2,5x";
    form.leaveWechselkurs();
    EXPECT_EQ(form.wechselkurs, "2,5x");

    form.buchfuehrung = CNeueDateiForm::Buchfuehrung::EuroUndLandeswaehrung;
    form.wechselkurs = "13,7603";
    form.eurSymbol = "€";
    ScriptedPrompter prompter;
    ASSERT_FALSE(form.check(prompter));
    const ledger::NeueDateiWaehrung r = form.result();
    EXPECT_EQ(r.dualCurrency, 1);
    EXPECT_EQ(r.euroOnly, 0);
    EXPECT_EQ(r.nationalIndex, 5);
    EXPECT_EQ(r.rate.numerator, 137603);
    EXPECT_EQ(r.rate.denominator, 10000);
    EXPECT_EQ(r.firstSymbol, "\x80");
    EXPECT_EQ(r.secondSymbol, "Lit");
}

TEST(NeueDateiForm, DualCurrencyChecksSymbolsBeforeTheRate) {
    CNeueDateiForm form(kTable);
    form.buchfuehrung = CNeueDateiForm::Buchfuehrung::EuroUndLandeswaehrung;
    form.eurSymbol.clear();
    form.landesSymbol.clear();
    form.wechselkurs = "kein Kurs";

    ScriptedPrompter prompter;
    EXPECT_EQ(form.check(prompter), Field::EurSymbol);
    form.eurSymbol = "EUR";
    EXPECT_EQ(form.check(prompter), Field::Landessymbol);
    form.landesSymbol = "DM";
    EXPECT_EQ(form.check(prompter), Field::Wechselkurs);
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{"Bitte geben Sie ein Währungskürzel ein!",
                                        "Bitte geben Sie ein Währungskürzel ein!",
                                        "Bitte geben Sie einen gültigen Wechselkurs ein!"}));
    for (const auto& shown : prompter.shown) {
        EXPECT_EQ(shown.kind, ScriptedPrompter::Kind::Information);
        EXPECT_EQ(shown.caption, "Neue Datei");
    }
}

TEST(NeueDateiForm, ARateOfZeroIsRefused) {
    CNeueDateiForm form(kTable);
    form.buchfuehrung = CNeueDateiForm::Buchfuehrung::EuroUndLandeswaehrung;
    for (const char* zero : {"0", "0,000", "0.000,0"}) {
        form.wechselkurs = zero;
        ScriptedPrompter prompter;
        EXPECT_EQ(form.check(prompter), Field::Wechselkurs) << zero;
    }
}

TEST(NeueDateiForm, EmptySymbolsOfTheOtherChoicesAreRefused) {
    CNeueDateiForm form(kTable);
    form.euroSymbol = CNeueDateiForm::EuroSymbol::Anderes;
    ScriptedPrompter prompter;
    EXPECT_EQ(form.check(prompter), Field::AnderesKuerzel);
    form.anderesKuerzel = "Euro";
    EXPECT_FALSE(form.check(prompter));
    EXPECT_EQ(form.result().firstSymbol, "Euro");

    form.buchfuehrung = CNeueDateiForm::Buchfuehrung::AndereWaehrung;
    EXPECT_FALSE(form.check(prompter));
    ledger::NeueDateiWaehrung r = form.result();
    EXPECT_EQ(r.firstSymbol, "Sfr");
    EXPECT_EQ(r.euroOnly, 0);
    EXPECT_EQ(r.dualCurrency, 0);
    form.waehrungskuerzel.clear();
    EXPECT_EQ(form.check(prompter), Field::Waehrungskuerzel);
    EXPECT_EQ(prompter.shown.size(), 2u);
}

} // namespace

namespace {

// A new file is empty unless the user asks for the starter chart of accounts; the chart is
// a sound ledger of its own.
TEST(NeueDateiForm, TheStarterChartOnlyWhenAskedFor) {
    const ledger::CNVKDatum today = *ledger::CNVKDatum::fromCalendar(15, 4, 2025);
    CNeueDateiForm form(kTable);
    ledger::CTalwerkDoc empty;
    form.legeDateiAn(empty, today);
    EXPECT_TRUE(empty.accounts().empty());
    EXPECT_EQ(empty.settings().firstCurrencySymbol, "EUR");

    form.startKontenplan = true;
    ledger::CTalwerkDoc started;
    form.legeDateiAn(started, today);
    EXPECT_FALSE(started.isModified());
    EXPECT_EQ(ledger::pruefeDokument(started), std::vector<std::string>{});
    ASSERT_EQ(started.accounts().size(), 29u);
    for (const char* name : {"Girokonto", "Bargeld", "Sparbuch", "Gehalt", "Miete", "Lebensmittel"})
        EXPECT_NE(started.findKontoByText(name, true), nullptr) << name;
    const ledger::CTWKonto& giro = *started.findKontoByText("Girokonto", true);
    EXPECT_EQ(started.kategorieName(ledger::KontoArt::Bestandskonto, giro.category), "Geldkonten");
    EXPECT_EQ(giro.openingBalance, 0);
    EXPECT_EQ(started.bookings().size(), 0u);
}

} // namespace
