#include "bookings/buchung_regel_form.h"
#include "bookings/buchung_regeln_form.h"
#include "bookings/regel_termine.h"
#include "buchungs_ledger.h"
#include "ledger/ledger_loading.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

using namespace bookings;
using testsupport::date;
using testsupport::ScriptedPrompter;
using Field = CBuchungRegelForm::Field;

namespace {

std::vector<std::string> dueDates(const Termine& termine, int count) {
    std::vector<std::string> out;
    for (int k = 0; k < count; ++k) {
        const auto d = termine.datum(k);
        out.push_back(d ? d->text() : "-");
    }
    return out;
}

TEST(RegelTermine, DueDatesOfEveryUnit) {
    const struct {
        ledger::CNVKDatum first;
        int32_t count;
        int32_t unit;
        std::vector<std::string> expected;
    } cases[] = {
        // Each month from the first date, cut to the month's length.
        {date(31, 1, 2012),
         1,
         ledger::kMonate,
         {"31.01.2012", "29.02.2012", "31.03.2012", "30.04.2012", "31.05.2012"}},
        {date(31, 1, 2013), 1, ledger::kMonate, {"31.01.2013", "28.02.2013", "31.03.2013"}},
        {date(29, 2, 2012), 12, ledger::kMonate, {"29.02.2012", "28.02.2013", "28.02.2014"}},
        {date(30, 11, 2019), 3, ledger::kMonate, {"30.11.2019", "29.02.2020", "30.05.2020"}},
        {date(1, 1, 2024),
         2,
         ledger::kWochen,
         {"01.01.2024", "15.01.2024", "29.01.2024", "12.02.2024"}},
        {date(30, 12, 2023), 3, ledger::kTage, {"30.12.2023", "02.01.2024", "05.01.2024"}},
        // Nothing beyond the last date a ledger holds.
        {date(1, 12, 2037), 1, ledger::kMonate, {"01.12.2037", "01.01.2038", "-"}},
        {date(17, 1, 2038), 1, ledger::kTage, {"17.01.2038", "18.01.2038", "-"}},
        // A count below 1 or an unknown unit never advances.
        {date(1, 1, 2024), 0, ledger::kTage, {"01.01.2024", "-", "-"}},
        {date(1, 1, 2024), -2, ledger::kMonate, {"01.01.2024", "-", "-"}},
        {date(1, 1, 2024), 1, 7, {"01.01.2024", "-"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first.text() + " " + std::to_string(c.count) + "/" + std::to_string(c.unit));
        EXPECT_EQ(dueDates({c.first, c.count, c.unit}, static_cast<int>(c.expected.size())),
                  c.expected);
    }
    // Huge counts reach far beyond 2038 without overflowing.
    const Termine huge{date(1, 1, 2024), 2147483647, ledger::kMonate};
    EXPECT_FALSE(huge.datum(2147483647).has_value());
    EXPECT_FALSE((Termine{date(1, 1, 2024), 2147483647, ledger::kWochen}.datum(99999)));
}

TEST(RegelTermine, DatePlaceholders) {
    const struct {
        const char* text;
        ledger::CNVKDatum date;
        const char* expected;
    } cases[] = {
        {"Miete <MMMM> <JJJJ>", date(3, 3, 2012), "Miete März 2012"},
        {"<T>|<TT>|<M>|<MM>|<MMM>|<MMMM>|<JJ>|<JJJJ>", date(5, 1, 2009),
         "5|05|1|01|Jan|Januar|09|2009"},
        {"<T>.<M>.<JJ> <TT>.<MM>.<JJJJ>", date(24, 12, 2000), "24.12.00 24.12.2000"},
        {"<MM>/<JJJJ> <MMM>. <JJJJ>", date(1, 10, 2030), "10/2030 Okt. 2030"},
        // Every occurrence, case-sensitively; other texts in brackets stay.
        {"<T><T> <t> <X> <MMMMM> <", date(7, 5, 1999), "77 <t> <X> <MMMMM> <"},
        {"", date(7, 5, 1999), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(expandDatum(c.text, c.date), c.expected) << c.text;
    EXPECT_EQ(replaceAll("R-<ZAEHLER>/<ZAEHLER>", kZaehler, "12"), "R-12/12");
}

TEST(RegelTermine, ScheduleLockedOnlyByAnOpenOccurrenceBeforeADoneOne) {
    const struct {
        std::vector<uint8_t> states;
        bool locked;
    } cases[] = {
        {{}, false},       {{1, 1}, false},   {{1, 2, 1}, false}, {{1, 0, 0}, false},
        {{0, 0, 1}, true}, {{2, 0, 2}, true}, {{0, 2}, true},
    };
    for (const auto& c : cases) {
        ledger::CTWBuchungRegel regel;
        regel.occurrenceStates = c.states;
        EXPECT_EQ(isScheduleLocked(regel), c.locked) << ::testing::PrintToString(c.states);
    }
}

class BuchungRegelFormTest : public ::testing::Test {
protected:
    BuchungRegelFormTest() : clock({2024, 6, 15, 10, 0, 0}), form(ledger.doc, clock) {}

    // A rule that passes every check: monthly rent from Girokonto to Miete.
    void fillValid() {
        form.name = "Miete";
        form.textTemplate = "Miete <MMMM>";
        form.changeKind(ledger::Vorgang::Ausgabe);
        form.accountText = {"Girokonto", "Miete"};
        form.amountText = "700,00";
    }
    // A stored rule, monthly from 31.01.2012 with counter start 5 and the given states.
    int addRule(std::vector<uint8_t> states) {
        ledger::CTWBuchungRegel r;
        r.name = "Miete";
        r.numberTemplate = "R-<ZAEHLER>";
        r.counterStart = 5;
        r.textTemplate = "Miete";
        r.kind = ledger::Vorgang::Ausgabe;
        r.konto1Id = ledger.giro;
        r.konto2Id = ledger.miete;
        r.amount = 70000;
        r.intervalCount = 1;
        r.intervalUnit = ledger::kMonate;
        r.firstDate = date(31, 1, 2012);
        ledger.doc.addBuchungRegel(r);
        ledger::LedgerLoading(ledger.doc).rules().back()->occurrenceStates = std::move(states);
        return static_cast<int>(ledger.doc.rules().size()) - 1;
    }
    const ledger::CTWBuchungRegel& rule(int index) const { return *ledger.doc.rules().at(index); }

    testsupport::Buchungsledger ledger;
    platform::FixedClock clock;
    CBuchungRegelForm form;
    ScriptedPrompter prompter;
};

TEST_F(BuchungRegelFormTest, NewRuleDefaults) {
    ledger.doc.changeSettings([&](ledger::CTWEinstellungen& s) { s.presetCurrency = 0; });
    form.openNew();
    EXPECT_EQ(form.numberTemplate, "<NAECHSTE>");
    EXPECT_EQ(form.counter, 1);
    EXPECT_EQ(form.dateMode, kFaelligkeitsdatum);
    EXPECT_EQ(form.kind(), ledger::Vorgang::Einnahme);
    EXPECT_EQ(form.amountText, "0,00");
    EXPECT_EQ(form.intervalCount, 1);
    EXPECT_EQ(form.intervalUnit, ledger::kMonate);
    EXPECT_EQ(form.date, date(15, 6, 2024));
    EXPECT_TRUE(form.scheduleEnabled());
    EXPECT_EQ(form.counterLabel(), "Zä&hler starten mit");
    EXPECT_EQ(form.dateLabel(), "Erste &Buchung am");
    EXPECT_EQ(form.accountText, (std::array<std::string, 2>{"Girokonto", "Lohn"}));
    EXPECT_EQ(form.kontoLabel(1), "Einnahmenk&onto");
}

TEST_F(BuchungRegelFormTest, RuleFromABookingFollowsItsInterval) {
    ledger::CTWBuchung b;
    b.date = date(31, 1, 2024);
    b.kind = ledger::Vorgang::Ausgabe;
    b.konto1Id = ledger.kasse;
    b.konto2Id = ledger.essen;
    b.amount = 12345;
    b.text = "Wocheneinkauf";
    b.notes = "Markt";
    b.provisional = 1;
    form.openFromBooking(b);
    EXPECT_EQ(form.name, "Wocheneinkauf");
    EXPECT_EQ(form.textTemplate, "Wocheneinkauf");
    EXPECT_EQ(form.notesTemplate, "Markt");
    EXPECT_EQ(form.numberTemplate, "<NAECHSTE>");
    EXPECT_EQ(form.counter, 2);
    EXPECT_EQ(form.amountText, "123,45");
    EXPECT_TRUE(form.provisional);
    EXPECT_EQ(form.accountText, (std::array<std::string, 2>{"Kasse", "Lebensmittel"}));
    EXPECT_EQ(form.date, date(29, 2, 2024));
    form.intervalUnit = ledger::kWochen;
    form.intervalCount = 2;
    form.intervalChanged();
    EXPECT_EQ(form.date, date(14, 2, 2024));
    form.intervalCount = 0;
    form.leaveInterval();
    EXPECT_EQ(form.intervalCount, 1);
    EXPECT_EQ(form.date, date(7, 2, 2024));

    // A rule not made from a booking keeps its date when the interval changes.
    form.openNew();
    form.intervalCount = 3;
    form.intervalChanged();
    EXPECT_EQ(form.date, date(15, 6, 2024));
}

TEST_F(BuchungRegelFormTest, ChecksInTheirOrder) {
    const auto kQuestion = ScriptedPrompter::Kind::YesNo;
    const auto kInfo = ScriptedPrompter::Kind::Information;
    struct Case {
        const char* what;
        std::function<void(CBuchungRegelForm&)> change;
        std::initializer_list<bool> answers;
        std::optional<Field> field;
        std::vector<std::pair<ScriptedPrompter::Kind, std::string>> shown;
    };
    const std::string noNumber = "Sie haben keine Buchungsnummer vorgegeben!\nSoll die Buchung "
                                 "immer ohne Buchungsnummer vorgenommen werden?";
    const std::string noText = "Sie haben keinen Buchungstext eingegeben!\nSoll die Buchung "
                               "immer ohne Buchungstext vorgenommen werden?";
    const Case cases[] = {
        {"name",
         [](auto& f) {
             f.name.clear();
             f.numberTemplate.clear();
         },
         {},
         Field::Name,
         {{kInfo, "Bitte geben Sie eine Bezeichnung ein!"}}},
        {"number no",
         [](auto& f) { f.numberTemplate.clear(); },
         {false},
         Field::Number,
         {{kQuestion, noNumber}}},
        {"text no",
         [](auto& f) {
             f.numberTemplate.clear();
             f.textTemplate.clear();
         },
         {true, false},
         Field::Text,
         {{kQuestion, noNumber}, {kQuestion, noText}}},
        {"account 1",
         [](auto& f) { f.accountText[0] = "Miete"; },
         {},
         Field::Account1,
         {{kInfo, "Bitte wählen Sie ein Konto aus!"}}},
        {"account 2 not of the kind",
         [](auto& f) { f.accountText[1] = "Lohn"; },
         {},
         Field::Account2,
         {{kInfo, "Bitte wählen Sie ein Konto aus!"}}},
        {"same account",
         [](auto& f) {
             f.changeKind(ledger::Vorgang::Umbuchung);
             f.accountText = {"Kasse", "Kasse"};
         },
         {},
         Field::Account1,
         {{kInfo, "Bitte wählen Sie zwei unterschiedliche Konten aus!"}}},
        {"amount",
         [](auto& f) { f.amountText = "7x"; },
         {},
         Field::Amount,
         {{kInfo, "Bitte geben Sie einen gültigen Betrag ein!"}}},
        {"zero",
         [](auto& f) { f.amountText = "5-5"; },
         {},
         Field::Amount,
         {{kInfo, "Bitte geben Sie einen Betrag ungleich Null ein!"}}},
        {"negative interval",
         [](auto& f) { f.intervalCount = -1; },
         {},
         Field::Interval,
         {{kInfo, "Bitte geben Sie bei der Fälligkeit eine Anzahl von mindestens 1 ein!"}}},
        {"both empty, both yes",
         [](auto& f) {
             f.numberTemplate.clear();
             f.textTemplate.clear();
         },
         {true, true},
         std::nullopt,
         {{kQuestion, noNumber}, {kQuestion, noText}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::Buchungsledger fresh;
        CBuchungRegelForm f(fresh.doc, clock);
        ScriptedPrompter p;
        f.openNew();
        f.name = "Miete";
        f.textTemplate = "Miete <MMMM>";
        f.changeKind(ledger::Vorgang::Ausgabe);
        f.accountText = {"Girokonto", "Miete"};
        f.amountText = "700,00";
        c.change(f);
        p.answer(c.answers);
        EXPECT_EQ(f.ok(p), c.field);
        ASSERT_EQ(p.shown.size(), c.shown.size());
        for (size_t i = 0; i < c.shown.size(); ++i) {
            EXPECT_EQ(p.shown[i].kind, c.shown[i].first);
            EXPECT_EQ(p.shown[i].text, c.shown[i].second);
            EXPECT_EQ(p.shown[i].caption, "Regelmäßige Buchung");
        }
        EXPECT_EQ(fresh.doc.rules().size(), c.field ? 0u : 1u);
        EXPECT_EQ(fresh.doc.isModified(), !c.field);
    }
}

TEST_F(BuchungRegelFormTest, NewRuleIsAddedWithEveryField) {
    ledger::LedgerLoading(ledger.doc).nextRuleSerial() = 7;
    form.openNew();
    fillValid();
    form.numberTemplate = "M-<ZAEHLER>";
    form.counter = 3;
    form.dateMode = kBuchungsdatum;
    form.notesTemplate = "<MM>/<JJJJ>";
    form.intervalCount = 2;
    form.intervalUnit = ledger::kWochen;
    form.date = date(1, 7, 2024);
    form.provisional = true;
    ASSERT_EQ(form.ok(prompter), std::nullopt);
    ASSERT_EQ(ledger.doc.rules().size(), 1u);
    EXPECT_EQ(form.ruleIndex(), 0);
    const ledger::CTWBuchungRegel& r = rule(0);
    EXPECT_EQ(r.serial, 7);
    EXPECT_EQ(r.name, "Miete");
    EXPECT_EQ(r.numberTemplate, "M-<ZAEHLER>");
    EXPECT_EQ(r.counterStart, 3);
    EXPECT_EQ(r.dateMode, 1);
    EXPECT_EQ(r.kind, ledger::Vorgang::Ausgabe);
    EXPECT_EQ(r.konto1Id, ledger.giro);
    EXPECT_EQ(r.konto2Id, ledger.miete);
    EXPECT_EQ(r.amount, 70000);
    EXPECT_EQ(r.notesTemplate, "<MM>/<JJJJ>");
    EXPECT_EQ(r.intervalCount, 2);
    EXPECT_EQ(r.intervalUnit, ledger::kWochen);
    EXPECT_EQ(r.firstDate, date(1, 7, 2024));
    EXPECT_EQ(r.provisional, 1);
    EXPECT_TRUE(r.occurrenceStates.empty());
}

TEST_F(BuchungRegelFormTest, ScheduleOfAnExistingRule) {
    // Everything done so far: shown from the next occurrence on.
    const int done = addRule({1, 2});
    form.openEdit(done);
    EXPECT_TRUE(form.scheduleEnabled());
    EXPECT_EQ(form.counterLabel(), "Nächster Zä&hler");
    EXPECT_EQ(form.dateLabel(), "Nächste &Buchung am");
    EXPECT_EQ(form.counter, 7);
    EXPECT_EQ(form.date, date(31, 3, 2012));
    EXPECT_EQ(form.accountText, (std::array<std::string, 2>{"Girokonto", "Miete"}));
    EXPECT_EQ(form.amountText, "700,00");

    // An open occurrence before a done one locks the schedule, which shows as stored.
    const int locked = addRule({0, 0, 1});
    form.openEdit(locked);
    EXPECT_FALSE(form.scheduleEnabled());
    EXPECT_EQ(form.counterLabel(), "Zä&hler starten mit");
    EXPECT_EQ(form.counter, 5);
    EXPECT_EQ(form.date, date(31, 1, 2012));
}

TEST_F(BuchungRegelFormTest, SavingKeepsOrRestartsTheSchedule) {
    const struct {
        const char* what;
        std::vector<uint8_t> states;
        std::function<void(CBuchungRegelForm&)> change;
        int32_t counterStart;
        ledger::CNVKDatum firstDate;
        int32_t count;
        std::vector<uint8_t> statesAfter;
    } cases[] = {
        {"next values unchanged", {1, 1}, [](auto&) {}, 5, date(31, 1, 2012), 1, {1, 1}},
        {"locked", {0, 2, 1}, [](auto&) {}, 5, date(31, 1, 2012), 1, {0, 2, 1}},
        {"next counter changed",
         {1, 1},
         [](auto& f) { f.counter = 20; },
         20,
         date(31, 3, 2012),
         1,
         {}},
        {"next date changed",
         {1, 1},
         [](auto& f) { f.date = date(1, 4, 2012); },
         7,
         date(1, 4, 2012),
         1,
         {}},
        {"interval changed",
         {1, 1},
         [](auto& f) { f.intervalCount = 2; },
         7,
         date(31, 3, 2012),
         2,
         {}},
        {"nothing done yet",
         {},
         [](auto& f) { f.date = date(1, 2, 2012); },
         5,
         date(1, 2, 2012),
         1,
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::Buchungsledger fresh;
        ledger::CTWBuchungRegel r;
        r.name = "Miete";
        r.numberTemplate = "R-<ZAEHLER>";
        r.counterStart = 5;
        r.textTemplate = "Miete";
        r.kind = ledger::Vorgang::Ausgabe;
        r.konto1Id = fresh.giro;
        r.konto2Id = fresh.miete;
        r.amount = 70000;
        r.firstDate = date(31, 1, 2012);
        fresh.doc.addBuchungRegel(r);
        ledger::LedgerLoading(fresh.doc).rules().back()->occurrenceStates = c.states;
        const int32_t serial = fresh.doc.rules()[0]->serial;
        fresh.doc.setModified(false);

        CBuchungRegelForm f(fresh.doc, clock);
        f.openEdit(0);
        f.name = "Wohnung";
        c.change(f);
        ScriptedPrompter p;
        ASSERT_EQ(f.ok(p), std::nullopt);
        const ledger::CTWBuchungRegel& after = *fresh.doc.rules()[0];
        EXPECT_EQ(after.name, "Wohnung");
        EXPECT_EQ(after.serial, serial);
        EXPECT_EQ(after.counterStart, c.counterStart);
        EXPECT_EQ(after.firstDate, c.firstDate);
        EXPECT_EQ(after.intervalCount, c.count);
        EXPECT_EQ(after.occurrenceStates, c.statesAfter);
        EXPECT_TRUE(fresh.doc.isModified());
        EXPECT_EQ(f.ruleIndex(), 0);
    }
}

TEST_F(BuchungRegelFormTest, PickListsRememberTheAccountsOfEachKind) {
    form.openNew();
    form.accountText = {"Kasse", "Zinsen"};
    form.changeKind(ledger::Vorgang::Ausgabe);
    EXPECT_EQ(form.accountText, (std::array<std::string, 2>{"Girokonto", "Lebensmittel"}));
    form.stepIdentifikation(0, +1);
    EXPECT_EQ(form.accountText[0], "1000");
    form.changeKind(ledger::Vorgang::Einnahme);
    EXPECT_EQ(form.accountText, (std::array<std::string, 2>{"1001", "Zinsen"}));

    // A rule whose account is not of its list shows the list's first entry.
    ledger::CTWBuchungRegel r;
    r.name = "Alt";
    r.kind = ledger::Vorgang::Einnahme;
    r.konto1Id = ledger.miete;
    r.konto2Id = ledger.zinsen;
    ledger.doc.addBuchungRegel(r);
    form.openEdit(0);
    EXPECT_EQ(form.accountText, (std::array<std::string, 2>{"Girokonto", "Zinsen"}));
}

TEST_F(BuchungRegelFormTest, RuleListSortsByNameAndDeletesAfterTheQuestion) {
    for (const char* name : {"miete", "Auto", "Zeitung", "Abo"}) {
        ledger::CTWBuchungRegel r;
        r.name = name;
        ledger.doc.addBuchungRegel(r);
    }
    ledger.doc.setModified(false);
    CBuchungRegelnForm list(ledger.doc);
    std::vector<std::string> names;
    for (const auto& e : list.entries())
        names.push_back(e.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Abo", "Auto", "miete", "Zeitung"}));
    EXPECT_EQ(list.rowOfRule(0), 2);

    EXPECT_FALSE(list.remove(2, prompter));
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"Möchten Sie diese regelmäßige Buchung wirklich löschen"});
    EXPECT_EQ(prompter.shown[0].caption, "Regelmäßige Buchungen");
    EXPECT_EQ(ledger.doc.rules().size(), 4u);
    EXPECT_FALSE(ledger.doc.isModified());

    prompter.answer({true});
    EXPECT_TRUE(list.remove(2, prompter));
    ASSERT_EQ(ledger.doc.rules().size(), 3u);
    EXPECT_EQ(ledger.doc.rules()[0]->name, "Auto");
    EXPECT_EQ(list.entries().size(), 3u);
    EXPECT_EQ(list.rowOfRule(0), 1);
    EXPECT_TRUE(list.changed());
    EXPECT_TRUE(ledger.doc.isModified());
}

} // namespace
