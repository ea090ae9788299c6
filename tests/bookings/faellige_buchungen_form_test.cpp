#include "bookings/buchung_regel_form.h"
#include "bookings/faellige_buchungen_form.h"
#include "buchungs_ledger.h"
#include "ledger/file_write.h"
#include "ledger/ledger_file.h"
#include "ledger/ledger_loading.h"
#include "ledger/win1252.h"
#include "support/scripted_password_source.h"
#include "support/scripted_prompter.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

using namespace bookings;
using testsupport::date;
using testsupport::ScriptedPrompter;

namespace {

class FaelligeBuchungenTest : public ::testing::Test {
protected:
    FaelligeBuchungenTest() : clock({2024, 6, 15, 10, 0, 0}), form(ledger.doc, clock) {
        ledger.doc.changeSettings([&](ledger::CTWEinstellungen& s) { s.confirmDueBookings = 0; });
    }

    ledger::CTWBuchungRegel& addRule(std::string name, ledger::CNVKDatum first, int32_t count,
                                     int32_t unit) {
        ledger::CTWBuchungRegel r;
        r.name = std::move(name);
        r.numberTemplate = "<NAECHSTE>";
        r.counterStart = 1;
        r.textTemplate = r.name;
        r.kind = ledger::Vorgang::Ausgabe;
        r.konto1Id = ledger.giro;
        r.konto2Id = ledger.miete;
        r.amount = 70000;
        r.intervalCount = count;
        r.intervalUnit = unit;
        r.firstDate = first;
        ledger.doc.addBuchungRegel(r);
        // Edited in place afterwards, as a file would carry the rule.
        return *ledger::LedgerLoading(ledger.doc).rules().back();
    }
    // The column of every row.
    std::vector<std::string> column(int c) const {
        std::vector<std::string> out;
        for (int row = 0; row < static_cast<int>(form.rows().size()); ++row)
            out.push_back(form.cellText(row, c));
        return out;
    }
    void openUntil(ledger::CNVKDatum until) {
        form.open();
        form.dueUntil = until;
        form.rebuild();
    }

    testsupport::Buchungsledger ledger;
    platform::FixedClock clock;
    CFaelligeBuchungenForm form;
    ScriptedPrompter prompter;
};

using Strings = std::vector<std::string>;

TEST_F(FaelligeBuchungenTest, UnrollsEveryRuleUpToTheDueDate) {
    addRule("Miete", date(31, 1, 2012), 1, ledger::kMonate);
    openUntil(date(31, 5, 2012));
    EXPECT_EQ(column(kSpalteFaellig),
              (Strings{"31.01.2012", "29.02.2012", "31.03.2012", "30.04.2012", "31.05.2012"}));

    ledger::LedgerLoading(ledger.doc).rules().clear();
    addRule("Zeitung", date(1, 1, 2024), 2, ledger::kWochen);
    openUntil(date(12, 2, 2024));
    EXPECT_EQ(column(kSpalteFaellig),
              (Strings{"01.01.2024", "15.01.2024", "29.01.2024", "12.02.2024"}));
    form.dueUntil = date(11, 2, 2024);
    form.rebuild();
    EXPECT_EQ(form.rows().size(), 3u);
}

TEST_F(FaelligeBuchungenTest, RowsShowEveryColumn) {
    ledger::CTWBuchungRegel& r = addRule("Miete", date(3, 3, 2012), 1, ledger::kMonate);
    r.textTemplate = "Miete <MMMM> <JJJJ>";
    r.notesTemplate = "für <MM>/<JJ>";
    r.numberTemplate = "R-<ZAEHLER>";
    r.counterStart = 5;
    openUntil(date(3, 4, 2012));
    const Strings expected[] = {
        {"Miete", "03.03.2012", "03.03.2012", "R-5", "Miete März 2012", "Ausgabe", "Girokonto",
         "Miete", "700,00", "EUR", "für 03/12"},
        {"Miete", "03.04.2012", "03.04.2012", "R-6", "Miete April 2012", "Ausgabe", "Girokonto",
         "Miete", "700,00", "EUR", "für 04/12"},
    };
    ASSERT_EQ(form.rows().size(), 2u);
    for (int row = 0; row < 2; ++row)
        for (int c = 0; c < static_cast<int>(kFaelligSpalten.size()); ++c)
            EXPECT_EQ(form.cellText(row, c), expected[row][static_cast<size_t>(c)]) << c;
}

TEST_F(FaelligeBuchungenTest, ExecutingLaterOccurrenceFirstLocksTheSchedule) {
    addRule("Miete", date(1, 1, 2024), 1, ledger::kMonate);
    openUntil(date(1, 3, 2024));
    ASSERT_EQ(form.rows().size(), 3u);
    form.setMarked(0, false);
    form.setMarked(1, false);
    EXPECT_TRUE(form.execute(prompter));
    EXPECT_EQ(ledger.doc.rules()[0]->occurrenceStates, (std::vector<uint8_t>{0, 0, 1}));
    EXPECT_EQ(column(kSpalteFaellig), (Strings{"01.01.2024", "01.02.2024"}));
    ASSERT_EQ(ledger.doc.bookings().size(), 1u);
    EXPECT_EQ(ledger.doc.bookings()[0]->date, date(1, 3, 2024));

    CBuchungRegelForm rule(ledger.doc, clock);
    rule.openEdit(0);
    EXPECT_FALSE(rule.scheduleEnabled());
}

TEST_F(FaelligeBuchungenTest, CounterOfAnExecutedOccurrenceIsNotReused) {
    ledger::CTWBuchungRegel& r = addRule("Miete", date(1, 1, 2024), 1, ledger::kMonate);
    r.numberTemplate = "R-<ZAEHLER>";
    r.counterStart = 5;
    openUntil(date(1, 3, 2024));
    EXPECT_EQ(column(kSpalteNummer), (Strings{"R-5", "R-6", "R-7"}));
    form.setMarked(1, false);
    form.setMarked(2, false);
    ASSERT_TRUE(form.execute(prompter));
    EXPECT_EQ(ledger.doc.bookings()[0]->number, "R-5");
    EXPECT_EQ(column(kSpalteNummer), (Strings{"R-6", "R-7"}));
}

TEST_F(FaelligeBuchungenTest, NextNumbersSkipUnmarkedRows) {
    addRule("A", date(1, 1, 2024), 1, ledger::kMonate).numberTemplate = "<NAECHSTE>";
    addRule("B", date(2, 1, 2024), 1, ledger::kMonate).numberTemplate = "X<NAECHSTE> <NAECHSTE>";
    addRule("C", date(3, 1, 2024), 1, ledger::kMonate).numberTemplate = "fest";
    addRule("D", date(4, 1, 2024), 1, ledger::kMonate).numberTemplate = "<NAECHSTE>";
    openUntil(date(4, 1, 2024));
    form.firstNumber = "0099";
    form.rebuild();
    EXPECT_EQ(column(kSpalteNummer), (Strings{"0099", "X0100 0100", "fest", "0101"}));
    form.setMarked(1, false);
    EXPECT_EQ(column(kSpalteNummer), (Strings{"0099", "X??? ???", "fest", "0100"}));
    form.setMarked(0, false);
    form.setMarked(2, false);
    form.setMarked(3, false);
    EXPECT_FALSE(form.anyMarked());
    EXPECT_FALSE(form.execute(prompter));

    // Executing books the shown numbers and suggests the next first number.
    form.setMarked(0, true);
    form.setMarked(3, true);
    ASSERT_TRUE(form.execute(prompter));
    ASSERT_EQ(ledger.doc.bookings().size(), 2u);
    EXPECT_EQ(ledger.doc.bookings()[0]->number, "0099");
    EXPECT_EQ(ledger.doc.bookings()[1]->number, "0100");
    EXPECT_EQ(form.firstNumber, "0101");
    EXPECT_EQ(column(kSpalteBezeichnung), (Strings{"B", "C"}));
}

TEST_F(FaelligeBuchungenTest, DateModeOneBooksOnTheChosenDate) {
    addRule("Lohn", date(28, 1, 2024), 1, ledger::kMonate).dateMode = kBuchungsdatum;
    addRule("Miete", date(1, 2, 2024), 1, ledger::kMonate);
    openUntil(date(28, 2, 2024));
    form.bookingDate = date(10, 3, 2024);
    form.rebuild();
    EXPECT_EQ(column(kSpalteBezeichnung), (Strings{"Lohn", "Miete", "Lohn"}));
    EXPECT_EQ(column(kSpalteDatum), (Strings{"10.03.2024", "01.02.2024", "10.03.2024"}));
    ASSERT_TRUE(form.execute(prompter));
    std::vector<std::string> booked;
    for (const auto& b : ledger.doc.bookings())
        booked.push_back(b->date.text() + " " + b->text);
    EXPECT_EQ(booked, (Strings{"01.02.2024 Miete", "10.03.2024 Lohn", "10.03.2024 Lohn"}));
    EXPECT_TRUE(form.rows().empty());
}

TEST_F(FaelligeBuchungenTest, ExecutedBookingsCarryTheRulesFields) {
    ledger::CTWBuchungRegel& r = addRule("Zins", date(1, 6, 2024), 1, ledger::kMonate);
    r.kind = ledger::Vorgang::Einnahme;
    r.konto1Id = ledger.kasse;
    r.konto2Id = ledger.zinsen;
    r.amount = 1234;
    r.textTemplate = "Zins <M>";
    r.notesTemplate = "<JJJJ>";
    r.numberTemplate = "";
    r.provisional = 1;
    ledger::LedgerLoading(ledger.doc).settings().nextBookingSerial = 40;
    ledger.doc.setModified(false);
    openUntil(date(1, 6, 2024));
    ASSERT_TRUE(form.execute(prompter));
    ASSERT_EQ(ledger.doc.bookings().size(), 1u);
    const ledger::CTWBuchung& b = *ledger.doc.bookings()[0];
    EXPECT_EQ(b.serial, 40);
    EXPECT_EQ(b.date, date(1, 6, 2024));
    EXPECT_EQ(b.kind, ledger::Vorgang::Einnahme);
    EXPECT_EQ(b.konto1Id, ledger.kasse);
    EXPECT_EQ(b.konto2Id, ledger.zinsen);
    EXPECT_EQ(b.konto2Kind, ledger::KontoArt::Einnahmenkonto);
    EXPECT_EQ(b.amount, 1234);
    EXPECT_EQ(b.number, "");
    EXPECT_EQ(b.text, "Zins 6");
    EXPECT_EQ(b.notes, "2024");
    EXPECT_EQ(b.provisional, 1);
    EXPECT_EQ(ledger.doc.findKonto(ledger.kasse)->bookingCount, 1);
    EXPECT_TRUE(ledger.doc.isModified());
    EXPECT_TRUE(form.changed());
}

TEST_F(FaelligeBuchungenTest, ConfirmationAndDeleting) {
    ledger.doc.changeSettings([&](ledger::CTWEinstellungen& s) { s.confirmDueBookings = 1; });
    addRule("Miete", date(1, 1, 2024), 1, ledger::kMonate);
    openUntil(date(1, 3, 2024));
    EXPECT_FALSE(form.execute(prompter));
    EXPECT_FALSE(form.deleteMarked(prompter));
    EXPECT_EQ(prompter.texts(),
              (Strings{"Möchten Sie die markierten Buchungen ausführen?",
                       "Möchten Sie die markierten fälligen Buchungen löschen?"}));
    EXPECT_EQ(prompter.shown[0].caption, "Fällige Buchungen");
    EXPECT_TRUE(ledger.doc.rules()[0]->occurrenceStates.empty());
    EXPECT_EQ(form.rows().size(), 3u);

    form.setMarked(1, false);
    prompter.answer({true});
    EXPECT_TRUE(form.deleteMarked(prompter));
    EXPECT_EQ(ledger.doc.rules()[0]->occurrenceStates, (std::vector<uint8_t>{2, 0, 2}));
    EXPECT_TRUE(ledger.doc.bookings().empty());
    EXPECT_EQ(column(kSpalteFaellig), (Strings{"01.02.2024"}));
}

TEST_F(FaelligeBuchungenTest, MarkingAllIsTheInitialStateOfNewRows) {
    addRule("Miete", date(1, 1, 2024), 1, ledger::kMonate);
    ledger.doc.setModified(false);
    openUntil(date(1, 2, 2024));
    form.markAll(false);
    EXPECT_EQ(ledger.doc.settings().markNewDueBookings, 0);
    EXPECT_TRUE(ledger.doc.isModified());
    EXPECT_EQ(column(kSpalteNummer), (Strings{"???", "???"}));
    form.dueUntil = date(1, 3, 2024);
    form.rebuild();
    EXPECT_FALSE(form.anyMarked());
    form.markAll(true);
    EXPECT_EQ(ledger.doc.settings().markNewDueBookings, 1);
    EXPECT_EQ(std::count_if(form.rows().begin(), form.rows().end(),
                            [](const auto& row) { return row.marked != 0; }),
              3);
}

TEST_F(FaelligeBuchungenTest, FourSortOrdersWithTheirKeys) {
    // Lohn is dated on the chosen booking date, so due date and date give different orders.
    addRule("Lohn", date(30, 1, 2024), 1, ledger::kMonate).dateMode = kBuchungsdatum;
    addRule("auto", date(1, 2, 2024), 1, ledger::kMonate);
    addRule("Zeitung", date(20, 1, 2024), 1, ledger::kMonate);
    openUntil(date(2, 2, 2024));
    form.bookingDate = date(25, 1, 2024);
    const struct {
        int order;
        Strings rows; // name and due date
    } cases[] = {
        {kNachFaelligkeit, {"Zeitung 20.01.", "Lohn 30.01.", "auto 01.02."}},
        {kNachDatum, {"Zeitung 20.01.", "Lohn 30.01.", "auto 01.02."}},
        {kNachBezeichnungFaelligkeit, {"auto 01.02.", "Lohn 30.01.", "Zeitung 20.01."}},
        {kNachBezeichnungDatum, {"auto 01.02.", "Lohn 30.01.", "Zeitung 20.01."}},
    };
    for (const auto& c : cases) {
        form.setSortOrder(c.order);
        EXPECT_EQ(ledger.doc.settings().reserved75, c.order);
        Strings rows;
        for (const auto& row : form.rows())
            rows.push_back(row.name + " " + row.dueDate.text().substr(0, 6));
        EXPECT_EQ(rows, c.rows) << c.order;
    }
    // The booking date decides before the name in order 1.
    form.bookingDate = date(19, 1, 2024);
    form.setSortOrder(kNachDatum);
    EXPECT_EQ(form.rows().front().name, "Lohn");
    form.setSortOrder(kNachFaelligkeit);
    EXPECT_EQ(form.rows().front().name, "Zeitung");
    // A stored order outside the four shows the first; a new document carries 4.
    ledger.doc.changeSettings([&](ledger::CTWEinstellungen& s) { s.reserved75 = 4; });
    EXPECT_EQ(form.sortOrder(), kNachFaelligkeit);
}

TEST_F(FaelligeBuchungenTest, RowsWithEqualKeysFollowTheSelectionSort) {
    // Equal keys (names differ only in case): the selection sort exchanges the first
    // smallest row into place 0, which moves "Miete" behind "MIETE".
    addRule("Miete", date(1, 1, 2024), 1, ledger::kMonate);
    addRule("MIETE", date(1, 1, 2024), 1, ledger::kMonate);
    addRule("Abo", date(1, 1, 2024), 1, ledger::kMonate);
    openUntil(date(1, 1, 2024));
    EXPECT_EQ(column(kSpalteBezeichnung), (Strings{"Abo", "MIETE", "Miete"}));
}

// The selection sort as written, over the same keys, on random rows with many equal keys.
TEST_F(FaelligeBuchungenTest, SortMatchesAPlainSelectionSort) {
    std::mt19937 random(7);
    const char* names[] = {"a", "A", "b", "B"};
    for (int i = 0; i < 60; ++i) {
        auto& r = addRule(names[random() % 4], date(1 + random() % 3, 1, 2024), 1 + random() % 2,
                          ledger::kTage);
        r.dateMode = static_cast<int32_t>(random() % 2);
        r.textTemplate = std::to_string(i);
    }
    clock.set({2024, 1, 5, 10, 0, 0});
    form.open();
    for (int order = 0; order < 4; ++order) {
        form.bookingDate = date(2, 1, 2024);
        form.setSortOrder(order);
        std::vector<ledger::CTWBuchungPrep> rows;
        // Unsorted: in rule order, occurrence order.
        for (const auto& rp : ledger.doc.rules())
            for (const auto& row : form.rows())
                if (row.regel == rp)
                    rows.push_back(row);
        std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
            return a.ruleIndex != b.ruleIndex ? a.ruleIndex < b.ruleIndex
                                              : a.occurrenceIndex < b.occurrenceIndex;
        });
        const auto key = [order](const ledger::CTWBuchungPrep& p) {
            const std::string name = ledger::toUpper(p.name);
            const uint32_t due = p.dueDate.dayNumber(), date = p.bookingDate.dayNumber();
            switch (order) {
            case 1:
                return std::make_tuple(date, name, due);
            case 2:
                return std::make_tuple(uint32_t{0}, name, due * 100000 + date);
            case 3:
                return std::make_tuple(uint32_t{0}, name, date * 100000 + due);
            default:
                return std::make_tuple(due, name, date);
            }
        };
        std::vector<std::pair<decltype(key(rows[0])), std::string>> keyed;
        for (const auto& row : rows)
            keyed.emplace_back(key(row), row.text);
        for (size_t i = 0; i < keyed.size(); ++i) {
            size_t smallest = i;
            for (size_t j = i + 1; j < keyed.size(); ++j)
                if (keyed[j].first < keyed[smallest].first)
                    smallest = j;
            std::swap(keyed[i], keyed[smallest]);
        }
        ASSERT_EQ(rows.size(), form.rows().size());
        for (size_t i = 0; i < rows.size(); ++i)
            ASSERT_EQ(keyed[i].second, form.rows()[i].text) << "order " << order << " row " << i;
    }
}

TEST_F(FaelligeBuchungenTest, LongHistoriesAndBadIntervalsEnd) {
    // Daily since 1970 with everything up to 2037 executed: only the rest is due.
    ledger::CTWBuchungRegel& daily = addRule("Täglich", date(2, 1, 1970), 1, ledger::kTage);
    daily.occurrenceStates.assign(date(31, 12, 2037).dayNumber(), ledger::kAusgefuehrt);
    // Rules the reader would refuse end after their first occurrence.
    addRule("Null", date(1, 1, 2038), 0, ledger::kTage);
    addRule("Negativ", date(1, 1, 2038), -1, ledger::kMonate);
    openUntil(date(18, 1, 2038));
    EXPECT_EQ(form.rows().size(), 18u + 1 + 1);
    const auto first = std::find_if(form.rows().begin(), form.rows().end(),
                                    [&](const auto& row) { return row.regel == &daily; });
    ASSERT_NE(first, form.rows().end());
    EXPECT_EQ(first->occurrenceIndex, static_cast<int32_t>(daily.occurrenceStates.size()));
    EXPECT_EQ(first->dueDate, date(1, 1, 2038));
}

TEST_F(FaelligeBuchungenTest, RowsOfAMissingAccountAreNotBooked) {
    addRule("Alt", date(1, 1, 2024), 1, ledger::kMonate).konto2Id = 999;
    addRule("Miete", date(2, 1, 2024), 1, ledger::kMonate);
    openUntil(date(2, 1, 2024));
    EXPECT_EQ(column(kSpalteKonto2), (Strings{"", "Miete"}));
    EXPECT_TRUE(form.execute(prompter));
    EXPECT_EQ(ledger.doc.bookings().size(), 1u);
    EXPECT_EQ(prompter.texts(),
              (Strings{"Fällige Buchungen, deren Konto nicht mehr besteht, wurden nicht "
                       "ausgeführt."}));
    EXPECT_EQ(column(kSpalteBezeichnung), (Strings{"Alt"}));
}

TEST_F(FaelligeBuchungenTest, RulesWithTheirStatesSurviveTheFile) {
    ledger::CTWBuchungRegel& a = addRule("Miete <ä>", date(31, 1, 2012), 3, ledger::kMonate);
    a.numberTemplate = "R-<ZAEHLER>";
    a.counterStart = -4;
    a.notesTemplate = "Zeile 1\r\nZeile 2";
    a.dateMode = kBuchungsdatum;
    a.provisional = 1;
    a.occurrenceStates = {0, 1, 2, 1};
    ledger::CTWBuchungRegel& b = addRule("Täglich", date(2, 1, 1996), 1, ledger::kTage);
    b.kind = ledger::Vorgang::Umbuchung;
    b.konto2Id = ledger.kasse;
    b.occurrenceStates.assign(20000, ledger::kAusgefuehrt);

    const std::vector<uint8_t> bytes = ledger::writeLedgerFile(ledger.doc);
    ScriptedPrompter quiet;
    testsupport::ScriptedPasswordSource passwords;
    const ledger::LoadedLedger loaded =
        ledger::loadLedgerBytes(bytes, "regeln.tlw", quiet, passwords, clock);
    ASSERT_TRUE(loaded.document) << loaded.message;
    const auto& rules = loaded.document->rules();
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_EQ(loaded.document->nextRuleSerial(), 2);
    for (size_t i = 0; i < 2; ++i) {
        const ledger::CTWBuchungRegel& want = *ledger.doc.rules()[i];
        const ledger::CTWBuchungRegel& got = *rules[i];
        EXPECT_EQ(got.serial, want.serial);
        EXPECT_EQ(got.name, want.name);
        EXPECT_EQ(got.dateMode, want.dateMode);
        EXPECT_EQ(got.numberTemplate, want.numberTemplate);
        EXPECT_EQ(got.counterStart, want.counterStart);
        EXPECT_EQ(got.textTemplate, want.textTemplate);
        EXPECT_EQ(got.kind, want.kind);
        EXPECT_EQ(got.konto1Id, want.konto1Id);
        EXPECT_EQ(got.konto2Id, want.konto2Id);
        EXPECT_EQ(got.amount, want.amount);
        EXPECT_EQ(got.currencyIndex, want.currencyIndex);
        EXPECT_EQ(got.notesTemplate, want.notesTemplate);
        EXPECT_EQ(got.intervalCount, want.intervalCount);
        EXPECT_EQ(got.intervalUnit, want.intervalUnit);
        EXPECT_EQ(got.firstDate, want.firstDate);
        EXPECT_EQ(got.occurrenceStates, want.occurrenceStates);
        EXPECT_EQ(got.provisional, want.provisional);
    }
}

} // namespace
