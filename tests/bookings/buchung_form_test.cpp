#include "bookings/buchung_form.h"
#include "bookings/buchungsnummer.h"
#include "buchungs_ledger.h"
#include "ledger/ledger_loading.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

using namespace bookings;
using testsupport::date;
using testsupport::ScriptedPrompter;
using Field = CBuchungForm::Field;

namespace {

class BuchungFormTest : public ::testing::Test {
protected:
    BuchungFormTest() : clock({2024, 6, 15, 10, 0, 0}), form(ledger.doc, clock) {}

    // A new booking that passes every check: an expense from Girokonto to Miete.
    void fillValid() {
        form.number = "1";
        form.text = "Miete Juni";
        form.changeKind(ledger::Vorgang::Ausgabe);
        form.accountText = {"Girokonto", "Miete"};
        form.amountText = "700,00";
    }
    std::vector<std::string> listTexts(int side) const {
        std::vector<std::string> out;
        for (const auto& e : form.kontoListe(side))
            out.push_back(e.text);
        return out;
    }

    testsupport::Buchungsledger ledger;
    platform::FixedClock clock;
    CBuchungForm form;
    ScriptedPrompter prompter;
};

TEST(Buchungsnummer, IncrementRule) {
    EXPECT_EQ(incrementBuchungsnummer("2012-0099"), "2012-0100");
    EXPECT_EQ(incrementBuchungsnummer("A9"), "A10");
    EXPECT_EQ(incrementBuchungsnummer("R-009"), "R-010");
    EXPECT_EQ(incrementBuchungsnummer("7/2024b"), "7/2025b");
    EXPECT_EQ(incrementBuchungsnummer("ohne"), "ohne");
    EXPECT_EQ(incrementBuchungsnummer(""), "");
    // Runs longer than any integer type stay exact.
    EXPECT_EQ(incrementBuchungsnummer("99999999999999999999999"), "100000000000000000000000");
}

TEST_F(BuchungFormTest, FirstOpeningOfANewBooking) {
    form.openNew();
    EXPECT_EQ(form.title(), "Neue Buchung");
    EXPECT_EQ(form.date, date(15, 6, 2024));
    EXPECT_EQ(form.kind(), ledger::Vorgang::Einnahme);
    EXPECT_EQ(form.number, "");
    EXPECT_EQ(form.amountText, "0,00");
    EXPECT_EQ(form.kontoLabel(0), "Bestands&konto");
    EXPECT_EQ(form.kontoLabel(1), "Einnahmenk&onto");
    EXPECT_EQ(listTexts(0), (std::vector<std::string>{"Girokonto", "Kasse"}));
    EXPECT_EQ(listTexts(1), (std::vector<std::string>{"Lohn", "Zinsen"}));
    // Without bookings the first entries are taken.
    EXPECT_EQ(form.accountText, (std::array<std::string, 2>{"Girokonto", "Lohn"}));
    EXPECT_TRUE(form.newBookingButtons());
    EXPECT_EQ(form.currencyNames(), (std::vector<std::string>{"EUR"}));
}

TEST_F(BuchungFormTest, NumberSuggestionBySource) {
    ledger.book(date(1, 5, 2024), ledger::Vorgang::Ausgabe, ledger.giro, ledger.miete, 100, "B-7");
    ledger.book(date(1, 3, 2024), ledger::Vorgang::Ausgabe, ledger.giro, ledger.miete, 100, "A-19");
    ledger.doc.changeSettings(
        [&](ledger::CTWEinstellungen& s) { s.bookingNumberSource = kZuletztEingegeben; });
    form.openNew();
    EXPECT_EQ(form.number, "A-20");
    ledger.doc.changeSettings(
        [&](ledger::CTWEinstellungen& s) { s.bookingNumberSource = kNeuestesDatum; });
    form.openNew();
    EXPECT_EQ(form.number, "B-8");
}

TEST_F(BuchungFormTest, ListsAndLabelsFollowTheKindAndRememberChoicesPerKind) {
    form.openNew();
    form.accountText = {"Kasse", "Zinsen"};
    form.changeKind(ledger::Vorgang::Ausgabe);
    EXPECT_EQ(form.kontoLabel(1), "Ausgabenk&onto");
    EXPECT_EQ(listTexts(1), (std::vector<std::string>{"Lebensmittel", "Miete"}));
    form.changeKind(ledger::Vorgang::Umbuchung);
    EXPECT_EQ(form.kontoLabel(0), "von &Konto");
    EXPECT_EQ(form.kontoLabel(1), "auf K&onto");
    EXPECT_EQ(listTexts(0).size(), 6u);
    form.changeKind(ledger::Vorgang::Einnahme);
    EXPECT_EQ(form.accountText, (std::array<std::string, 2>{"Kasse", "Zinsen"}));
}

TEST_F(BuchungFormTest, IdentificationModesStepPerSideAndKeepTheAccount) {
    form.openNew();
    form.accountText[1] = "zinsen"; // matched ignoring case
    form.stepIdentifikation(1, +1);
    EXPECT_EQ(form.identifikation(1), kKontonummer);
    EXPECT_EQ(form.accountText[1], "124");
    EXPECT_EQ(listTexts(1), (std::vector<std::string>{"123", "124"}));
    EXPECT_EQ(form.kontoInfo(1), (std::array<std::string, 3>{"Zinsen", "ZI", ""}));
    form.stepIdentifikation(1, -1);
    form.stepIdentifikation(1, -1);
    EXPECT_EQ(form.identifikation(1), kAbkuerzung);
    EXPECT_EQ(form.accountText[1], "ZI");
    EXPECT_EQ(form.identifikation(0), kBezeichnung);
    EXPECT_EQ(form.kontoInfo(0), (std::array<std::string, 3>{"GK", "1000", "EUR"}));
    form.accountText[0] = "Giro";
    EXPECT_EQ(form.kontoInfo(0), (std::array<std::string, 3>{}));
}

TEST_F(BuchungFormTest, PreselectsTheMostUsedAccountsOfTheLast200Bookings) {
    // The newest 200 bookings: 100 expenses from Kasse, 99 from Girokonto and an income
    // from Girokonto. Kasse wins only when exactly those 200 count: one more Girokonto
    // expense lies just before them, and income bookings do not count for expenses.
    ledger.book(date(1, 1, 2019), ledger::Vorgang::Ausgabe, ledger.giro, ledger.essen, 100);
    for (int i = 0; i < 100; ++i)
        ledger.book(date(1, 1, 2020), ledger::Vorgang::Ausgabe, ledger.kasse, ledger.miete, 100);
    for (int i = 0; i < 99; ++i)
        ledger.book(date(1, 1, 2021), ledger::Vorgang::Ausgabe, ledger.giro, ledger.essen, 100);
    ledger.book(date(1, 1, 2022), ledger::Vorgang::Einnahme, ledger.giro, ledger.zinsen, 100);
    form.openNew();
    form.changeKind(ledger::Vorgang::Ausgabe);
    EXPECT_EQ(form.accountText, (std::array<std::string, 2>{"Kasse", "Miete"}));

    ledger.doc.changeSettings(
        [&](ledger::CTWEinstellungen& s) { s.preselectMostUsedAccounts = 0; });
    form.openNew();
    form.changeKind(ledger::Vorgang::Ausgabe);
    EXPECT_EQ(form.accountText, (std::array<std::string, 2>{"Girokonto", "Lebensmittel"}));
    form.changeKind(ledger::Vorgang::Einnahme);
    EXPECT_EQ(form.accountText, (std::array<std::string, 2>{"Girokonto", "Lohn"}));
}

TEST_F(BuchungFormTest, ChecksInTheirOrderWithMessagesAndFocus) {
    form.openNew();
    fillValid();
    form.number.clear();
    form.text.clear();
    // No to the number question focuses the number; nothing else is asked.
    EXPECT_EQ(form.ok(prompter), Field::Number);
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].kind, ScriptedPrompter::Kind::YesNo);
    EXPECT_EQ(prompter.shown[0].caption, "Neue Buchung");
    prompter.clear();
    prompter.answer({true, false});
    EXPECT_EQ(form.ok(prompter), Field::Text);
    EXPECT_EQ(prompter.texts()[1], "Sie haben keinen Buchungstext eingegeben!\nMöchten Sie die "
                                   "Buchung ohne Buchungstext übernehmen?");

    const struct {
        std::array<std::string, 2> accounts;
        ledger::Vorgang kind;
        std::string amount;
        Field field;
        const char* message;
    } cases[] = {
        {{"Nirgends", "Miete"},
         ledger::Vorgang::Ausgabe,
         "1",
         Field::Account1,
         "Bitte wählen Sie ein Konto aus!"},
        {{"Girokonto", ""},
         ledger::Vorgang::Ausgabe,
         "1",
         Field::Account2,
         "Bitte wählen Sie ein Konto aus!"},
        // The same account on both sides, which the kind checks would refuse as well.
        {{"Girokonto", "Girokonto"},
         ledger::Vorgang::Ausgabe,
         "1",
         Field::Account1,
         "Bitte wählen Sie zwei unterschiedliche Konten aus!"},
        {{"Lohn", "Miete"},
         ledger::Vorgang::Ausgabe,
         "1",
         Field::Account1,
         "Bitte wählen Sie ein Bestandskonto aus!"},
        {{"Girokonto", "Miete"},
         ledger::Vorgang::Einnahme,
         "1",
         Field::Account2,
         "Bitte wählen Sie ein Einnahmenkonto aus!"},
        {{"Girokonto", "Lohn"},
         ledger::Vorgang::Ausgabe,
         "1",
         Field::Account2,
         "Bitte wählen Sie ein Ausgabenkonto aus!"},
        {{"Girokonto", "Miete"},
         ledger::Vorgang::Ausgabe,
         "1x",
         Field::Amount,
         "Bitte geben Sie einen gültigen Betrag ein!"},
        {{"Girokonto", "Miete"},
         ledger::Vorgang::Ausgabe,
         "5-5",
         Field::Amount,
         "Bitte geben Sie einen Betrag ungleich Null ein!"},
    };
    ledger.doc.changeSettings([&](ledger::CTWEinstellungen& s) {
        s.noAskMissingNumber = 1;
        s.noAskMissingText = 1;
    });
    for (const auto& c : cases) {
        prompter.clear();
        form.changeKind(c.kind);
        form.accountText = c.accounts;
        form.amountText = c.amount;
        EXPECT_EQ(form.ok(prompter), c.field) << c.message;
        EXPECT_EQ(prompter.texts(), std::vector<std::string>{c.message});
    }
    EXPECT_TRUE(ledger.doc.bookings().empty());
    EXPECT_FALSE(form.changed());

    // A transfer from an income to an expense account is accepted; both questions off.
    prompter.clear();
    form.changeKind(ledger::Vorgang::Umbuchung);
    form.accountText = {"Lohn", "Miete"};
    form.amountText = "2 * 3";
    EXPECT_EQ(form.ok(prompter), std::nullopt);
    EXPECT_TRUE(prompter.shown.empty());
    ASSERT_EQ(ledger.doc.bookings().size(), 1u);
    EXPECT_EQ(ledger.doc.bookings()[0]->amount, 600);
}

TEST_F(BuchungFormTest, DisabledNumberFieldGetsTheNextSerialOnNo) {
    ledger.doc.changeSettings([&](ledger::CTWEinstellungen& s) { s.disableNumberField = 1; });
    ledger::LedgerLoading(ledger.doc).settings().nextBookingSerial = 41;
    form.openNew();
    fillValid();
    form.number.clear();
    EXPECT_EQ(form.ok(prompter), Field::Number);
    EXPECT_EQ(form.number, "42");
    EXPECT_TRUE(ledger.doc.bookings().empty());
}

TEST_F(BuchungFormTest, NumberModeReadsTheDigitsAndHugeAmountsAreCut) {
    form.openNew();
    fillValid();
    form.stepIdentifikation(1, +1);
    form.accountText[1] = "2a00";
    form.amountText = "999999999 * 1000";
    EXPECT_EQ(form.ok(prompter), std::nullopt);
    const ledger::CTWBuchung& b = *ledger.doc.bookings()[0];
    EXPECT_EQ(b.konto2Id, ledger.miete);
    EXPECT_EQ(b.amount, 99'999'999'999);
    EXPECT_EQ(b.serial, form.addedSerial());
    EXPECT_TRUE(form.changed());
}

TEST_F(BuchungFormTest, FurtherBookingKeepsValuesWithNextNumberAndZeroAmount) {
    form.openNew();
    fillValid();
    form.number = "R-009";
    form.date = date(3, 6, 2024);
    EXPECT_EQ(form.further(prompter), std::nullopt);
    EXPECT_TRUE(form.furtherRequested());
    form.openFurther();
    EXPECT_FALSE(form.furtherRequested());
    EXPECT_EQ(form.number, "R-010");
    EXPECT_EQ(form.date, date(3, 6, 2024));
    EXPECT_EQ(form.kind(), ledger::Vorgang::Ausgabe);
    EXPECT_EQ(form.accountText, (std::array<std::string, 2>{"Girokonto", "Miete"}));
    EXPECT_EQ(form.amountText, "0,00");
    EXPECT_EQ(form.text, "Miete Juni");
}

TEST_F(BuchungFormTest, EditingKeepsTheSerialAndAsksOnce) {
    ledger.book(date(1, 1, 2024), ledger::Vorgang::Ausgabe, ledger.giro, ledger.miete, 100, "",
                "a");
    ledger.book(date(1, 2, 2024), ledger::Vorgang::Ausgabe, ledger.giro, ledger.miete, 200, "",
                "b");
    ledger::CTWBuchung provisional = *ledger.doc.bookings()[0];
    provisional.provisional = 1;
    ledger.doc.replaceBuchung(0, provisional);
    const int32_t serial = ledger.doc.bookings()[0]->serial;
    const int32_t next = ledger.doc.settings().nextBookingSerial;

    form.openEdit(0, false);
    EXPECT_EQ(form.title(), "Buchung bearbeiten");
    EXPECT_FALSE(form.newBookingButtons());
    EXPECT_TRUE(form.provisional);
    EXPECT_EQ(form.accountText, (std::array<std::string, 2>{"Girokonto", "Miete"}));
    form.date = date(1, 3, 2024);
    prompter.answer({true});
    EXPECT_EQ(form.ok(prompter), std::nullopt);
    EXPECT_EQ(prompter.shown.size(), 1u); // the number question, once
    ASSERT_EQ(ledger.doc.bookings().size(), 2u);
    EXPECT_EQ(ledger.doc.bookings()[1]->serial, serial); // moved behind "b"
    EXPECT_EQ(ledger.doc.bookings()[1]->text, "a");
    EXPECT_EQ(ledger.doc.settings().nextBookingSerial, next);
    EXPECT_EQ(ledger.doc.findKonto(ledger.giro)->bookingCount, 2);
}

TEST_F(BuchungFormTest, ConfirmingClearsTheProvisionalFlag) {
    ledger.book(date(1, 1, 2024), ledger::Vorgang::Ausgabe, ledger.giro, ledger.miete, 100, "1",
                "a");
    ledger::CTWBuchung provisional = *ledger.doc.bookings()[0];
    provisional.provisional = 1;
    ledger.doc.replaceBuchung(0, provisional);
    form.openEdit(0, true);
    EXPECT_EQ(form.title(), "Buchung bearbeiten (bestätigen)");
    EXPECT_FALSE(form.provisional);
    form.accountText[0] = "Nichts";
    EXPECT_EQ(form.ok(prompter), Field::Account1);
    EXPECT_EQ(prompter.shown[0].caption, "Buchung bearbeiten");
    EXPECT_EQ(ledger.doc.bookings()[0]->provisional, 1); // untouched after a failed check
    form.accountText[0] = "Girokonto";
    EXPECT_EQ(form.ok(prompter), std::nullopt);
    EXPECT_EQ(ledger.doc.bookings()[0]->provisional, 0);
}

TEST_F(BuchungFormTest, StatusAndAmountTexts) {
    testsupport::Buchungsledger dual(true);
    CBuchungForm f(dual.doc, clock);
    f.openNew();
    EXPECT_EQ(f.statusText(), "");
    f.repeat = true;
    EXPECT_EQ(f.statusText(), "Buchung regelmäßig ausführen");
    f.provisional = true;
    EXPECT_EQ(f.statusText(), "Vorläufige Buchung (regelmäßig)");
    f.repeat = false;
    EXPECT_EQ(f.statusText(), "Vorläufige Buchung");

    f.amountText = "10+2,5";
    f.leaveAmount();
    EXPECT_EQ(f.amountText, "12,50");
    EXPECT_EQ(f.amountInfo(), "= 12,50 EUR / 24,45 DM");
    f.currency = ledger::WaehrungsIndex::Zweite;
    EXPECT_EQ(f.amountInfo(), "= 12,50 DM / 6,39 EUR");
    dual.doc.changeSettings([&](ledger::CTWEinstellungen& s) { s.noNationalAmountOfEuro = 1; });
    EXPECT_EQ(f.amountInfo(), "= 12,50 DM");
    f.amountText = "x";
    f.leaveAmount();
    EXPECT_EQ(f.amountText, "x");
    EXPECT_EQ(f.amountInfo(), "");
}

TEST_F(BuchungFormTest, NewAccountAndBookingTextTakeOver) {
    form.openNew();
    EXPECT_EQ(form.newAccountPreset(1).kind, ledger::KontoArt::Einnahmenkonto);
    form.changeKind(ledger::Vorgang::Umbuchung);
    EXPECT_TRUE(form.newAccountPreset(1).freeChoice);
    const int32_t sparbuch = ledger::LedgerBuilder(ledger.doc).asset("Sparbuch", "SB", 1002);
    form.accountCreated(1, sparbuch);
    EXPECT_EQ(form.accountText[1], "Sparbuch");
    EXPECT_TRUE(form.changed());

    ledger::CTWBuchung chosen;
    chosen.text = "Lohn Mai";
    chosen.kind = ledger::Vorgang::Einnahme;
    chosen.konto1Id = ledger.kasse;
    chosen.konto2Id = ledger.zinsen;
    chosen.amount = 1234;
    chosen.notes = "n";
    form.takeFromBooking(chosen, true, true, false);
    EXPECT_EQ(form.text, "Lohn Mai");
    EXPECT_EQ(form.kind(), ledger::Vorgang::Einnahme);
    EXPECT_EQ(form.accountText, (std::array<std::string, 2>{"Kasse", "Zinsen"}));
    EXPECT_EQ(form.amountText, "12,34");
    EXPECT_EQ(form.notes, "");
}

} // namespace
