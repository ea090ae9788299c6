#include "accounts/konto_bearbeiten_form.h"
#include "accounts/konto_loeschen.h"
#include "accounts/konto_neu_form.h"
#include "chart_fixture.h"

using namespace accounts;
using testsupport::ScriptedPrompter;

namespace {

class KontoFormTest : public testsupport::ChartTest {
protected:
    void SetUp() override {
        ChartTest::SetUp();
        giro = konto(ledger::KontoArt::Bestandskonto, "Girokonto", 10);
    }

    // Fills a valid asset account into the form.
    static void fill(KontoForm& form, std::string name, int number, std::string abbreviation) {
        form.name = std::move(name);
        form.number = number;
        form.abbreviation = std::move(abbreviation);
    }

    std::optional<KontoForm::Field> refused(const KontoForm& form, const std::string& message) {
        prompter.clear();
        const auto field = form.check(prompter);
        EXPECT_EQ(prompter.texts(), std::vector<std::string>{message});
        if (!prompter.shown.empty()) {
            EXPECT_EQ(prompter.shown[0].caption, form.caption());
        }
        return field;
    }

    int32_t giro = -1;
};

TEST_F(KontoFormTest, ChecksRunInOrderAndStopAtTheFirstFailure) {
    using F = KontoForm::Field;
    CKontoNeuForm form(doc, std::nullopt);
    form.number = 0;
    EXPECT_EQ(refused(form, "Bitte geben Sie eine Bezeichnung für das Konto ein!"), F::Bezeichnung);
    form.name = "Sparbuch";
    EXPECT_EQ(refused(form, "Bitte geben Sie eine Kontonummer zwischen 1 und 999999 ein!"),
              F::Kontonummer);
    form.number = 1000000;
    EXPECT_EQ(refused(form, "Bitte geben Sie eine Kontonummer zwischen 1 und 999999 ein!"),
              F::Kontonummer);
    for (const int limit : {1, 999999}) { // both limits pass on to the next check
        form.number = limit;
        EXPECT_EQ(refused(form, "Bitte geben Sie eine Abkürzung für das Konto ein!"), F::Abkuerzung)
            << limit;
    }

    // Clashes are reported name first, then number, then abbreviation, case ignored.
    fill(form, "GIROKONTO", 10, "gir10");
    EXPECT_EQ(refused(form, "Ein Konto mit dieser Bezeichnung existiert bereits!"), F::Bezeichnung);
    fill(form, "Sparbuch", 10, "GIR10");
    EXPECT_EQ(refused(form, "Ein Konto mit dieser Kontonummer existiert bereits!"), F::Kontonummer);
    fill(form, "Sparbuch", 20, "GIR10");
    EXPECT_EQ(refused(form, "Ein Konto mit dieser Abkürzung existiert bereits!"), F::Abkuerzung);

    fill(form, "Sparbuch", 20, "SB");
    form.openingBalance = "12,3x";
    EXPECT_EQ(refused(form, "Bitte geben Sie einen gültigen Anfangsbestand ein!"),
              F::Anfangsbestand);
    form.openingBalance = "100+23,45";
    prompter.clear();
    EXPECT_FALSE(form.check(prompter));
    const ledger::CTWKonto& sparbuch = *doc.accounts()[form.apply()];
    EXPECT_EQ(sparbuch.openingBalance, 12345);
    EXPECT_EQ(sparbuch.currencyIndex, ledger::WaehrungsIndex::Erste);
}

TEST_F(KontoFormTest, EditingKeepsItsOwnValuesButNotAnotherAccounts) {
    const int32_t bar = konto(ledger::KontoArt::Bestandskonto, "Bargeld", 11);
    CKontoBearbeitenForm form(doc, doc.indexOfKonto(giro));
    EXPECT_EQ(form.caption(), "Konto bearbeiten");
    EXPECT_EQ(form.kindName(), "Bestandskonto");
    EXPECT_FALSE(form.check(prompter));
    form.name = "girokonto"; // only the case changed
    EXPECT_FALSE(form.check(prompter));
    form.number = doc.findKonto(bar)->number;
    EXPECT_EQ(refused(form, "Ein Konto mit dieser Kontonummer existiert bereits!"),
              KontoForm::Field::Kontonummer);
    form.number = 12;
    form.apply();
    EXPECT_EQ(doc.findKonto(giro)->name, "girokonto");
    EXPECT_EQ(doc.findKonto(giro)->number, 12);
    EXPECT_TRUE(form.changed());
}

TEST_F(KontoFormTest, LeavingFieldsClampsTheNumberAndFormatsTheAmount) {
    CKontoNeuForm form(doc, std::nullopt);
    form.number = 0;
    form.leaveNumber();
    EXPECT_EQ(form.number, 1);
    form.number = 1000000;
    form.leaveNumber();
    EXPECT_EQ(form.number, 999999);
    form.openingBalance = "1234,5";
    form.leaveOpeningBalance();
    EXPECT_EQ(form.openingBalance, "1.234,50");
    form.openingBalance = "abc";
    form.leaveOpeningBalance();
    EXPECT_EQ(form.openingBalance, "abc");
}

TEST_F(KontoFormTest, DefaultsAndControlsFollowTheKind) {
    CKontoNeuForm form(doc, std::nullopt);
    EXPECT_TRUE(form.kindSelectable());
    EXPECT_EQ(form.kind(), ledger::KontoArt::Bestandskonto);
    EXPECT_EQ(form.number, doc.settings().nextAccountId + 1);
    EXPECT_EQ(form.currencyIndex, ledger::WaehrungsIndex::Erste);
    EXPECT_EQ(form.openingBalance, "0,00");
    EXPECT_EQ(form.currencies(), std::vector<std::string>{"EUR"});
    EXPECT_TRUE(form.currencyEnabled());

    // An income account gets neither currency nor opening balance, whatever was shown.
    form.openingBalance = "500,00";
    form.setKind(ledger::KontoArt::Einnahmenkonto);
    EXPECT_FALSE(form.currencyEnabled());
    EXPECT_FALSE(form.openingBalanceEnabled());
    fill(form, "Gehalt", 30, "GEH");
    EXPECT_FALSE(form.check(prompter));
    const ledger::CTWKonto& gehalt = *doc.accounts()[form.apply()];
    EXPECT_EQ(gehalt.currencyIndex, ledger::WaehrungsIndex::Keine);
    EXPECT_EQ(gehalt.openingBalance, 0);

    makeDual();
    CKontoNeuForm fixed(doc, ledger::KontoArt::Ausgabenkonto);
    EXPECT_FALSE(fixed.kindSelectable());
    EXPECT_EQ(fixed.kind(), ledger::KontoArt::Ausgabenkonto);
    EXPECT_EQ(fixed.currencies(), (std::vector<std::string>{"EUR", "DM"}));
}

TEST_F(KontoFormTest, ChangingTheKindResetsAssignmentsAndRefillsCategories) {
    kategorie(ledger::KontoArt::Bestandskonto, "Banken");
    kategorie(ledger::KontoArt::Ausgabenkonto, "Wohnen");
    CKontoNeuForm form(doc, std::nullopt);
    EXPECT_EQ(form.standard.kategorien(), (std::vector<std::string>{"(keine)", "Banken"}));
    form.standard.selectKategorie("Banken");
    form.alt1 = {false, 0, -1};
    form.alt2 = {true, -1, -1};
    form.setKind(ledger::KontoArt::Ausgabenkonto);
    EXPECT_EQ(form.standard.kategorie(), "(keine)");
    EXPECT_EQ(form.standard.kategorien(), (std::vector<std::string>{"(keine)", "Wohnen"}));
    EXPECT_EQ(form.alt1, kAlt1Default);
    EXPECT_EQ(form.alt2, kAlt2Default);
}

TEST_F(KontoFormTest, CategoryListsAndCreationOnTheSpot) {
    const int32_t banken = kategorie(ledger::KontoArt::Bestandskonto, "banken");
    unterkategorie(ledger::KontoArt::Bestandskonto, banken, "Online");
    unterkategorie(ledger::KontoArt::Bestandskonto, banken, "Filiale");
    kategorie(ledger::KontoArt::Bestandskonto, "Anlagen");
    CKontoNeuForm form(doc, std::nullopt);
    EXPECT_EQ(form.standard.kategorien(),
              (std::vector<std::string>{"(keine)", "Anlagen", "banken"}));
    EXPECT_FALSE(form.standard.unterkategorieEnabled());
    EXPECT_FALSE(form.standard.neueUnterkategorie());
    form.standard.selectKategorie("banken");
    EXPECT_TRUE(form.standard.unterkategorieEnabled());
    EXPECT_EQ(form.standard.unterkategorien(),
              (std::vector<std::string>{"(keine)", "Filiale", "Online"}));

    // A category created from within stays, even though the account is never created.
    auto neu = form.standard.neueKategorie();
    EXPECT_EQ(neu.form.title(), "Neue Kategorie");
    neu.form.name = "Bargeld";
    ASSERT_FALSE(neu.form.check(prompter));
    EXPECT_TRUE(form.createKategorie(neu));
    EXPECT_EQ(form.standard.kategorie(), "Bargeld");
    EXPECT_TRUE(form.changed());
    EXPECT_TRUE(doc.isModified());
    auto sub = form.standard.neueUnterkategorie();
    ASSERT_TRUE(sub);
    sub->form.name = "Portemonnaie";
    EXPECT_TRUE(form.createKategorie(*sub));
    EXPECT_EQ(form.standard.unterkategorie(), "Portemonnaie");
    EXPECT_EQ(
        doc.findKategorieByName(ledger::KontoArt::Bestandskonto, "Bargeld")->subcategories().size(),
        1u);
}

TEST_F(KontoFormTest, IdsAreNeverReusedAndTheDefaultNumberFollowsThem) {
    const int32_t second = konto(ledger::KontoArt::Ausgabenkonto, "Miete", 20);
    prompter.answer({true});
    ASSERT_TRUE(deleteKonto(doc, prompter, second, LoeschMeldungen::Editor));
    CKontoNeuForm form(doc, std::nullopt);
    EXPECT_EQ(form.number, 3);
    const int32_t third = konto(ledger::KontoArt::Ausgabenkonto, "Strom", 21);
    EXPECT_EQ(third, second + 1);
}

TEST_F(KontoFormTest, CurrencySwitchFromTheEditDialog) {
    CKontoBearbeitenForm single(doc, doc.indexOfKonto(giro));
    EXPECT_FALSE(single.waehrungsumstellungEnabled());
    makeDual();
    const int32_t gehalt = konto(ledger::KontoArt::Einnahmenkonto, "Gehalt", 30);
    EXPECT_FALSE(CKontoBearbeitenForm(doc, doc.indexOfKonto(gehalt)).waehrungsumstellungEnabled());

    CKontoBearbeitenForm form(doc, doc.indexOfKonto(giro));
    ASSERT_TRUE(form.waehrungsumstellungEnabled());
    EXPECT_TRUE(form.currencyEnabled());
    form.currencyIndex = ledger::WaehrungsIndex::Zweite; // chosen in the list before the switch
    auto waehrung = form.waehrungForm(testsupport::date(1, 1, 2002));
    EXPECT_EQ(waehrung.originalSymbol(), "DM");
    prompter.answer({true});
    ASSERT_TRUE(waehrung.umstellen(prompter));
    form.takeWaehrung(waehrung);
    EXPECT_FALSE(form.currencyEnabled());
    EXPECT_TRUE(form.changed());
    EXPECT_EQ(doc.findKonto(giro)->currencyIndex, ledger::WaehrungsIndex::Zweite);
    EXPECT_EQ(doc.findKonto(giro)->finalCurrencyIndex(), ledger::WaehrungsIndex::Erste);
}

} // namespace
