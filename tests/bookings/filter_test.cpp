#include "bookings/filter_form.h"
#include "buchungs_ledger.h"
#include "ledger/filter_match.h"
#include "support/scripted_prompter.h"

#include <functional>
#include <gtest/gtest.h>

using namespace bookings;
using ledger::textMatches;
using testsupport::date;

namespace {

TEST(TextPattern, ConnectivesAndModes) {
    using ledger::kBeginntMit;
    using ledger::kEnthaelt;
    using ledger::kIstGleich;
    EXPECT_TRUE(textMatches("Strom und Miete März", "Miete UND Strom", kEnthaelt));
    EXPECT_FALSE(textMatches("Miete März", "Miete UND Strom", kEnthaelt));
    EXPECT_TRUE(textMatches("Stromrechnung", "Miete ODER Strom", kEnthaelt));
    EXPECT_TRUE(textMatches("kasse", "Kasse ODER Bank", kIstGleich));
    EXPECT_TRUE(textMatches("BANK", "Kasse ODER Bank", kIstGleich));
    EXPECT_FALSE(textMatches("Bankgebühr", "Kasse ODER Bank", kIstGleich));
    EXPECT_TRUE(textMatches("Bankgebühr", "Kasse ODER Bank", kBeginntMit));
    EXPECT_TRUE(textMatches("ÄRZTE", "ärzte", kIstGleich));
    // Empty pattern and a pattern of only connectives have no terms.
    EXPECT_TRUE(textMatches("x", "", kIstGleich));
    EXPECT_TRUE(textMatches("x", " ODER ", kIstGleich));
    // Without connective the pattern is not trimmed.
    EXPECT_FALSE(textMatches("ab", "  ", kEnthaelt));
    EXPECT_TRUE(textMatches("a  b", "  ", kEnthaelt));
    EXPECT_FALSE(textMatches("Miete", " Miete", kIstGleich));
    // "UND" splits only in "enthält", and also inside a word in capitals.
    EXPECT_TRUE(textMatches("GR", "GRUNDSTEUER", kEnthaelt) == false);
    EXPECT_TRUE(textMatches("grsteuer", "GRUNDSTEUER", kEnthaelt));
    EXPECT_TRUE(textMatches("Miete UND Strom", "Miete UND Strom", kIstGleich));
}

class FilterTest : public ::testing::Test {
protected:
    FilterTest() : ledger(true) {}
    bool accepts(const ledger::CTWBuchung& b) {
        return ledger::filterAccepts(ledger.doc, b, filter_);
    }
    ledger::CTWBuchung booking(ledger::Vorgang kind, int32_t k1, int32_t k2, int64_t amount,
                               std::string number = "1") {
        ledger::CTWBuchung b;
        b.kind = kind;
        b.konto1Id = k1;
        b.konto2Id = k2;
        b.amount = amount;
        b.number = std::move(number);
        return b;
    }
    ledger::CTWBuchungsFilterNeu& filter() { return filter_; }

    testsupport::Buchungsledger ledger;
    ledger::CTWBuchungsFilterNeu filter_;
};

TEST_F(FilterTest, EachConditionAcceptsItsLimitsAndRefusesJustBeyond) {
    using Filter = ledger::CTWBuchungsFilterNeu;
    using Booking = ledger::CTWBuchung;
    // Every row turns one condition on and changes one field of a booking that passes all the
    // others, so a row refuses only through its own condition.
    const auto number = [](std::string n) { return [n](Booking& b) { b.number = n; }; };
    const auto amount = [](int64_t a) { return [a](Booking& b) { b.amount = a; }; };
    const auto numberOn = [](Filter& f) { f.numberConditionOn = 1; }; // 1 to 100000
    const auto amountOn = [](Filter& f) { f.amountConditionOn = 1; }; // 1,00 to 1.000,00
    const auto textOn = [](Filter& f) {
        f.textConditionOn = 1;
        f.textPattern = "Gehalt";
    };
    const auto notesOn = [](Filter& f) {
        f.notesConditionOn = 1;
        f.notesPattern = "Mai";
    };
    struct Case {
        const char* what;
        std::function<void(Filter&)> on;
        std::function<void(Booking&)> change;
        bool accepted;
    };
    const int32_t giro = ledger.giro, kasse = ledger.kasse, zinsen = ledger.zinsen;
    const Case cases[] = {
        {"no condition", [](Filter&) {}, [](Booking&) {}, true},
        {"number 1", numberOn, number("1"), true},
        {"number 100000", numberOn, number("100000"), true},
        {"number 0", numberOn, number("0"), false},
        {"number 100001", numberOn, number("100001"), false},
        {"number without digits", numberOn, number("ohne"), false},
        {"text equal in other case", textOn, [](Booking& b) { b.text = "GEHALT"; }, true},
        {"text only in the notes", textOn, [](Booking& b) { b.text = "Lohn", b.notes = "Gehalt"; },
         false},
        {"notes equal in other case", notesOn, [](Booking& b) { b.notes = "MAI"; }, true},
        {"notes only in the text", notesOn, [](Booking& b) { b.notes = "Juni", b.text = "Mai"; },
         false},
        {"kind", [](Filter& f) { f.kindConditionOn = 1, f.kind = ledger::Vorgang::Ausgabe; },
         [](Booking&) {}, false},
        {"account as second account",
         [giro](Filter& f) { f.accountConditionOn = 1, f.accountId = giro; },
         [kasse, giro](Booking& b) { b.konto1Id = kasse, b.konto2Id = giro; }, true},
        {"account in neither place",
         [giro](Filter& f) { f.accountConditionOn = 1, f.accountId = giro; },
         [kasse, zinsen](Booking& b) { b.konto1Id = kasse, b.konto2Id = zinsen; }, false},
        {"amount 1,00", amountOn, amount(100), true},
        {"amount 1.000,00", amountOn, amount(100000), true},
        {"amount 0,99", amountOn, amount(99), false},
        {"amount 1.000,01", amountOn, amount(100001), false},
        {"currency",
         [](Filter& f) { f.currencyConditionOn = 1, f.currency = ledger::WaehrungsIndex::Zweite; },
         [](Booking&) {}, false},
        {"currency met",
         [](Filter& f) { f.currencyConditionOn = 1, f.currency = ledger::WaehrungsIndex::Zweite; },
         [](Booking& b) { b.currencyIndex = ledger::WaehrungsIndex::Zweite, b.amount = 1000; },
         true},
        {"only provisional", [](Filter& f) { f.provisionalMode = ledger::kNurVorlaeufige; },
         [](Booking&) {}, false},
        {"only provisional met", [](Filter& f) { f.provisionalMode = ledger::kNurVorlaeufige; },
         [](Booking& b) { b.provisional = 1; }, true},
        {"without provisional", [](Filter& f) { f.provisionalMode = ledger::kOhneVorlaeufige; },
         [](Booking& b) { b.provisional = 1; }, false},
    };
    for (const Case& c : cases) {
        filter_ = Filter{};
        c.on(filter_);
        Booking b = booking(ledger::Vorgang::Einnahme, ledger.giro, ledger.lohn, 5000, "17");
        b.text = "Gehalt";
        b.notes = "Mai";
        c.change(b);
        EXPECT_EQ(accepts(b), c.accepted) << c.what;
    }
}

TEST_F(FilterTest, AmountBoundsInTheFilterCurrency) {
    filter().amountConditionOn = 1;
    filter().amountCurrency = ledger::WaehrungsIndex::Zweite; // 1,00 to 1.000,00 DM
    ledger::CTWBuchung euro =
        booking(ledger::Vorgang::Ausgabe, ledger.giro, ledger.miete, 50000); // 977,92 DM
    EXPECT_TRUE(accepts(euro));
    euro.amount = 60000; // 1.173,50 DM
    EXPECT_FALSE(accepts(euro));
    euro.amount = -100; // signed comparison
    EXPECT_FALSE(accepts(euro));
}

TEST_F(FilterTest, FormLoadsChecksAndWritesBack) {
    testsupport::ScriptedPrompter prompter;
    CFilterForm form(ledger.doc, 2);
    EXPECT_EQ(form.name, "Filter 3");
    EXPECT_EQ(form.amountFrom, "1,00");
    EXPECT_EQ(form.amountTo, "1.000,00");
    EXPECT_EQ(form.currencyConditionNames(), (std::vector<std::string>{"nur EUR", "nur DM"}));

    form.textOn = true;
    form.textPattern = "Miete UND Strom";
    EXPECT_EQ(form.ok(ledger.doc, prompter), CFilterForm::Field::TextPattern);
    form.textMode = ledger::kEnthaelt;
    form.notesOn = true;
    form.notesMode = ledger::kEnthaelt;
    form.notesPattern = "a UND b ODER c";
    EXPECT_EQ(form.ok(ledger.doc, prompter), CFilterForm::Field::NotesPattern);
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{"Die Verwendung von \"UND\" zur Verknüpfung mehrerer "
                                        "Begriffe ist nur in Verbindung mit \"enthält\" zulässig!",
                                        "Verwenden Sie entweder \"UND\" oder \"ODER\" zur "
                                        "Verknüpfung mehrerer Begriffe!"}));
    EXPECT_EQ(ledger.doc.filters()[2]->textConditionOn, 0); // nothing written yet
    form.notesOn = false;

    // The account stays chosen across mode steps; the provisional boxes exclude each other.
    form.accountId = ledger.kasse;
    form.stepIdentifikation(+1);
    EXPECT_EQ(form.identifikation(), kKontonummer);
    EXPECT_EQ(form.kontoListe().front().text, "1000");
    form.setOnlyProvisional(true);
    form.setWithoutProvisional(true);
    EXPECT_FALSE(form.onlyProvisional);
    form.amountFrom = "kaputt";
    form.amountTo = "5*2";
    form.leaveAmount(form.amountTo);
    EXPECT_EQ(form.amountTo, "10,00");
    EXPECT_EQ(form.ok(ledger.doc, prompter), std::nullopt);
    const ledger::CTWBuchungsFilterNeu& f = *ledger.doc.filters()[2];
    EXPECT_EQ(f.textConditionOn, 1);
    EXPECT_EQ(f.textMode, ledger::kEnthaelt);
    EXPECT_EQ(f.accountId, ledger.kasse);
    EXPECT_EQ(f.amountFrom, 0);
    EXPECT_EQ(f.amountTo, 1000);
    EXPECT_EQ(f.provisionalMode, ledger::kOhneVorlaeufige);
    EXPECT_TRUE(ledger.doc.isModified());
}

} // namespace
