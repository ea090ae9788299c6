// The booking editor's rules: the listed range and filter, the sort by every column, the
// states of the buttons, the commands on one booking and the four bulk operations, each a
// change of the ledger that leaves every count and the booking order right and undoes exactly.
#include "bookings/buchungs_editor_form.h"
#include "bookings/konto_ident.h"
#include "buchungs_ledger.h"
#include "ledger/dokument_pruefung.h"
#include "ledger/file_write.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

using namespace bookings;
using ledger::CTWBuchung;
using testsupport::date;
using testsupport::ScriptedPrompter;

namespace {

// The dialogs of the bulk operations, filled from the test and closed with OK or Cancel.
struct ScriptedDialoge final : EditorDialoge {
    std::optional<CBuchungRenumberForm> renumber;
    std::optional<CTextersetzungForm> text;
    std::optional<std::pair<int32_t, int32_t>> konten;
    bool ohneRueckfrage = false;
    int opened = 0;

    bool neuNummerieren(CBuchungRenumberForm& form) override {
        ++opened;
        if (renumber)
            form = *renumber;
        return renumber.has_value();
    }
    bool textErsetzen(CTextersetzungForm& form) override {
        ++opened;
        if (text)
            form = *text;
        return text.has_value();
    }
    bool kontoErsetzen(accounts::CKontoErsetzenForm& form) override {
        ++opened;
        if (!konten)
            return false;
        form.selectedIds = {konten->first, konten->second};
        form.ohneRueckfrage = ohneRueckfrage;
        return true;
    }
};

class BuchungsEditorTest : public ::testing::Test {
protected:
    BuchungsEditorTest() : clock({2024, 3, 15, 10, 0, 0}), form(l.doc, clock) {}

    int32_t add(ledger::CNVKDatum d, std::string number, std::string text, int64_t amount = 100,
                int32_t k2 = -1, std::string notes = {}, int provisional = 0) {
        CTWBuchung b;
        b.date = d;
        b.kind = ledger::Vorgang::Ausgabe;
        b.konto1Id = l.giro;
        b.konto2Id = k2 < 0 ? l.miete : k2;
        b.amount = amount;
        b.number = std::move(number);
        b.text = std::move(text);
        b.notes = std::move(notes);
        b.provisional = provisional;
        const int index = l.doc.addBuchung(b);
        return l.doc.bookings()[index]->serial;
    }
    std::vector<std::string> column(int c) const {
        std::vector<std::string> out;
        for (int row = 0; row < form.rowCount(); ++row)
            out.push_back(form.cellText(row, c));
        return out;
    }
    const CTWBuchung* bySerial(int32_t serial) const {
        const int index = l.doc.indexOfBuchung(serial);
        return index < 0 ? nullptr : l.doc.bookings()[index];
    }
    // The ledger is sound after a change.
    void expectChangedAndSound() {
        EXPECT_EQ(ledger::pruefeDokument(l.doc), std::vector<std::string>{});
        EXPECT_TRUE(form.changed());
    }
    // Runs a user action inside a change set, as the desktop program's history does.
    ledger::Aenderung recorded(const std::function<void()>& action) {
        l.doc.beginAenderung();
        action();
        return l.doc.commitAenderung();
    }

    testsupport::Buchungsledger l;
    platform::FixedClock clock;
    CBuchungsEditorForm form;
    ScriptedPrompter prompter;
    ScriptedDialoge dialoge;
};

TEST_F(BuchungsEditorTest, OpensOnTheCurrentMonthWithBothEndsIncluded) {
    add(date(29, 2, 2024), "1", "Februar");
    add(date(1, 3, 2024), "2", "erster März");
    add(date(31, 3, 2024), "3", "letzter März");
    add(date(1, 4, 2024), "4", "April");
    form.open();
    EXPECT_EQ(form.from(), date(1, 3, 2024));
    EXPECT_EQ(form.to(), date(31, 3, 2024));
    EXPECT_EQ(column(kEdText), (std::vector<std::string>{"erster März", "letzter März"}));
    EXPECT_EQ(form.countText(), "2");
    EXPECT_EQ(form.filterNames().front(), "kein Filter");
    EXPECT_EQ(form.filterNames().size(), 11u);
    EXPECT_FALSE(form.filterEnabled());

    // Neither date may pass the other.
    form.setFrom(date(10, 4, 2024));
    EXPECT_EQ(form.from(), date(31, 3, 2024));
    form.setTo(date(1, 1, 2024));
    EXPECT_EQ(form.to(), date(31, 3, 2024));
    EXPECT_EQ(column(kEdText), std::vector<std::string>{"letzter März"});
    form.setFrom(date(1, 1, 2024));
    form.setTo(date(1, 4, 2024));
    EXPECT_EQ(form.rowCount(), 4);
}

TEST_F(BuchungsEditorTest, ShowsEveryColumnAsTheDialog) {
    l.doc.changeSettings([](ledger::CTWEinstellungen& s) { s.accountInputMode = kAbkuerzung; });
    add(date(5, 3, 2024), "7", "Miete März", -123456, l.essen, "bar", 1);
    form.open();
    ASSERT_EQ(form.rowCount(), 1);
    const std::vector<std::string> expected = {
        "05.03.2024", "7", "Miete März", "Ausgabe", "GK", "LM", "-1.234,56", "EUR", "V", "bar"};
    for (int c = 0; c < static_cast<int>(expected.size()); ++c)
        EXPECT_EQ(form.cellText(0, c), expected[static_cast<size_t>(c)]) << kEditorSpalten[c];
}

TEST_F(BuchungsEditorTest, SortsStablyByEveryColumnAndBackwardsIncludingTies) {
    // OpenLedger order a, b, c, d; b and c tie on most keys.
    add(date(1, 3, 2024), "10", "beta", 300, l.essen, "z");
    add(date(2, 3, 2024), "9", "Alpha", -5, l.miete, "", 1);
    add(date(3, 3, 2024), "", "alpha", 300, l.miete, "", 1);
    add(date(4, 3, 2024), "100", "Gamma", 0, l.essen, "a");
    form.open();
    const struct {
        int column;
        std::vector<std::string> ascending; // by date, which names each booking
    } cases[] = {
        {kEdDatum, {"01.03.2024", "02.03.2024", "03.03.2024", "04.03.2024"}},
        // Plain numbers as numbers, the empty number as 0.
        {kEdNummer, {"03.03.2024", "02.03.2024", "01.03.2024", "04.03.2024"}},
        // Case ignored; the tie keeps document order.
        {kEdText, {"02.03.2024", "03.03.2024", "01.03.2024", "04.03.2024"}},
        {kEdVorgang, {"01.03.2024", "02.03.2024", "03.03.2024", "04.03.2024"}},
        // Lebensmittel before Miete.
        {kEdKonto2, {"01.03.2024", "04.03.2024", "02.03.2024", "03.03.2024"}},
        {kEdBetrag, {"02.03.2024", "04.03.2024", "01.03.2024", "03.03.2024"}},
        // Provisional bookings first.
        {kEdVorlaeufig, {"02.03.2024", "03.03.2024", "01.03.2024", "04.03.2024"}},
        {kEdNotizen, {"02.03.2024", "03.03.2024", "04.03.2024", "01.03.2024"}},
    };
    for (const auto& c : cases) {
        form.setSort(c.column, false);
        EXPECT_EQ(column(kEdDatum), c.ascending) << kEditorSpalten[c.column];
        form.setSort(c.column, true);
        const std::vector<std::string> backwards(c.ascending.rbegin(), c.ascending.rend());
        EXPECT_EQ(column(kEdDatum), backwards) << kEditorSpalten[c.column];
    }
}

TEST_F(BuchungsEditorTest, NumbersCompareAsNumbersOnlyWhenBothArePlain) {
    add(date(1, 3, 2024), "10", "");
    add(date(2, 3, 2024), "A-9", "");
    add(date(3, 3, 2024), "9", "");
    add(date(4, 3, 2024), "A-10", "");
    form.open();
    form.setSort(kEdNummer, false);
    const auto numbers = column(kEdNummer);
    const auto at = [&](const char* n) { return std::find(numbers.begin(), numbers.end(), n); };
    EXPECT_LT(at("9"), at("10"));
    EXPECT_LT(at("A-10"), at("A-9"));
}

TEST_F(BuchungsEditorTest, AccountColumnsFollowTheIdentificationMode) {
    // Miete has number 200, Lebensmittel 201; by abbreviation LM before MI.
    add(date(1, 3, 2024), "1", "m", 1, l.miete);
    add(date(2, 3, 2024), "2", "l", 1, l.essen);
    const struct {
        int mode;
        std::vector<std::string> texts;
        std::vector<std::string> shown;
    } cases[] = {{kBezeichnung, {"l", "m"}, {"Lebensmittel", "Miete"}},
                 {kKontonummer, {"m", "l"}, {"200", "201"}},
                 {kAbkuerzung, {"l", "m"}, {"LM", "MI"}}};
    for (const auto& c : cases) {
        l.doc.changeSettings([&](ledger::CTWEinstellungen& s) { s.accountInputMode = c.mode; });
        form.open();
        form.setSort(kEdKonto2, false);
        EXPECT_EQ(column(kEdText), c.texts) << c.mode;
        EXPECT_EQ(column(kEdKonto2), c.shown) << c.mode;
    }
}

TEST_F(BuchungsEditorTest, HeaderClicksSortAscendingThenFlip) {
    form.open();
    const struct {
        int click;
        int column;
        bool descending;
    } steps[] = {{kEdText, kEdText, false},    {kEdText, kEdText, true},
                 {kEdText, kEdText, false},    {kEdBetrag, kEdBetrag, false},
                 {kEdBetrag, kEdBetrag, true}, {kEdDatum, kEdDatum, false}};
    for (const auto& s : steps) {
        form.headerClicked(s.click);
        EXPECT_EQ(form.sortColumn(), s.column);
        EXPECT_EQ(form.descending(), s.descending);
    }
}

TEST_F(BuchungsEditorTest, ButtonsFollowTheSelection) {
    const int32_t fixed = add(date(1, 3, 2024), "1", "fest");
    const int32_t provisional = add(date(2, 3, 2024), "2", "vorläufig", 1, -1, "", 1);
    form.open();
    const struct {
        int32_t serial;
        bool edit, confirm;
    } cases[] = {{-1, false, false}, {fixed, true, false}, {provisional, true, true}};
    for (const auto& c : cases) {
        form.selectSerial(c.serial);
        EXPECT_EQ(form.editEnabled(), c.edit) << c.serial;
        EXPECT_EQ(form.confirmEnabled(), c.confirm) << c.serial;
        EXPECT_EQ(form.selectedIndex() >= 0, c.edit);
    }
    // The selection stays on its booking when the list is sorted again.
    form.selectSerial(fixed);
    form.setSort(kEdText, true);
    EXPECT_EQ(form.buchung(form.selectedRow()).serial, fixed);
    // A booking outside the range cannot be selected.
    const int32_t april = add(date(1, 4, 2024), "3", "April");
    form.selectSerial(april);
    EXPECT_EQ(form.selectedRow(), -1);
    EXPECT_FALSE(form.editEnabled());
}

TEST_F(BuchungsEditorTest, AutoConfirmClearsTheMarkAndUndoes) {
    const int32_t serial = add(date(2, 3, 2024), "2", "vorläufig", 1, -1, "", 1);
    add(date(2, 3, 2024), "2", "gleich", 1);
    l.doc.setModified(false);
    const auto before = ledger::writeLedgerFile(l.doc);
    form.open();
    // Without a selection nothing happens.
    form.autoBestaetigen();
    EXPECT_FALSE(form.changed());

    form.selectSerial(serial);
    ledger::Aenderung step = recorded([&] { form.autoBestaetigen(); });
    EXPECT_EQ(bySerial(serial)->provisional, 0);
    EXPECT_EQ(form.cellText(form.selectedRow(), kEdVorlaeufig), "");
    EXPECT_FALSE(form.confirmEnabled());
    EXPECT_TRUE(l.doc.isModified());
    // The booking keeps its place before the equal booking.
    EXPECT_EQ(l.doc.bookings()[0]->serial, serial);
    expectChangedAndSound();
    l.doc.undo(step);
    EXPECT_EQ(ledger::writeLedgerFile(l.doc), before);
}

TEST_F(BuchungsEditorTest, DeleteAsksAndRemovesTheSelectedBooking) {
    const int32_t serial = add(date(2, 3, 2024), "2", "weg");
    add(date(3, 3, 2024), "3", "bleibt");
    form.open();
    form.loeschen(prompter); // nothing selected: no question
    EXPECT_TRUE(prompter.shown.empty());

    form.selectSerial(serial);
    prompter.answer({false});
    form.loeschen(prompter);
    EXPECT_NE(bySerial(serial), nullptr);
    EXPECT_FALSE(form.changed());
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Möchten Sie diese Buchung wirklich löschen?");
    EXPECT_EQ(prompter.shown[0].caption, "Buchungs-Editor");

    prompter.answer({true});
    form.loeschen(prompter);
    EXPECT_EQ(bySerial(serial), nullptr);
    EXPECT_EQ(column(kEdText), std::vector<std::string>{"bleibt"});
    EXPECT_FALSE(form.editEnabled());
    expectChangedAndSound();
}

TEST_F(BuchungsEditorTest, DialogsOpenedFromTheEditorShowAndSelectTheirBooking) {
    form.open();
    // A dialog closed without a change changes nothing.
    form.aendern([] {});
    EXPECT_FALSE(form.changed());

    int32_t added = -1;
    form.aendern([&] {
        added = add(date(9, 3, 2024), "5", "neu");
        add(date(10, 3, 2024), "6", "weitere");
    });
    form.selectSerial(added);
    EXPECT_EQ(form.rowCount(), 2);
    EXPECT_EQ(form.cellText(form.selectedRow(), kEdText), "neu");
    expectChangedAndSound();
}

TEST_F(BuchungsEditorTest, AChangeInsideAnEnclosingChangeSetStillCounts) {
    const int32_t serial = add(date(2, 3, 2024), "2", "weg");
    form.open();
    form.selectSerial(serial);
    l.doc.beginAenderung();
    ledger::Aenderung inner = recorded([&] {
        prompter.answer({true});
        form.loeschen(prompter);
    });
    ledger::Aenderung outer = l.doc.commitAenderung();
    EXPECT_TRUE(form.changed());
    EXPECT_TRUE(inner.empty());
    EXPECT_FALSE(outer.empty());
    l.doc.undo(outer);
    EXPECT_NE(bySerial(serial), nullptr);
}

TEST_F(BuchungsEditorTest, DeleteAllRemovesExactlyTheListedBookings) {
    // The filter lets only bookings to Lebensmittel through.
    ledger::CTWBuchungsFilterNeu filter = *l.doc.filters()[2];
    filter.accountConditionOn = 1;
    filter.accountId = l.essen;
    l.doc.changeFilter(2, filter);
    add(date(1, 3, 2024), "1", "Essen im Bereich", 1, l.essen);
    add(date(2, 3, 2024), "2", "Miete im Bereich", 1, l.miete);
    add(date(31, 3, 2024), "3", "Essen im Bereich", 1, l.essen);
    add(date(1, 4, 2024), "4", "Essen danach", 1, l.essen);
    form.open();
    form.setFilterChoice(3);
    EXPECT_TRUE(form.filterEnabled());
    EXPECT_EQ(form.filterIndex(), 2);
    EXPECT_EQ(form.rowCount(), 2);

    prompter.answer({false});
    form.ausfuehren(Massenaenderung::AlleLoeschen, prompter, dialoge);
    EXPECT_EQ(l.doc.bookings().size(), 4u);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text,
              "Möchten Sie wirklich alle im Buchungs-Editor angezeigten Buchungen löschen?");

    prompter.answer({true});
    form.ausfuehren(Massenaenderung::AlleLoeschen, prompter, dialoge);
    std::vector<std::string> left;
    for (const CTWBuchung* b : l.doc.bookings())
        left.push_back(b->text);
    EXPECT_EQ(left, (std::vector<std::string>{"Miete im Bereich", "Essen danach"}));
    EXPECT_EQ(form.rowCount(), 0);
    EXPECT_EQ(l.doc.findKonto(l.essen)->bookingCount, 1);
    expectChangedAndSound();
}

TEST_F(BuchungsEditorTest, RenumbersInDisplayOrderAndRestoresBookingOrder) {
    add(date(1, 3, 2024), "7", "c");
    add(date(2, 3, 2024), "8", "a");
    add(date(3, 3, 2024), "9", "b");
    const int32_t outside = add(date(3, 4, 2024), "9", "nicht gezeigt");
    form.open();
    form.setSort(kEdText, false);
    dialoge.renumber = CBuchungRenumberForm{"2012/001"};
    form.ausfuehren(Massenaenderung::AlleNeuNummerieren, prompter, dialoge);
    EXPECT_EQ(column(kEdText), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(column(kEdNummer), (std::vector<std::string>{"2012/001", "2012/002", "2012/003"}));
    EXPECT_EQ(bySerial(outside)->number, "9");
    expectChangedAndSound();

    // Numbers that reverse the order within a date: the document sorts them again.
    add(date(20, 3, 2024), "1", "x");
    add(date(20, 3, 2024), "2", "y");
    form.rebuild();
    form.setSort(kEdNummer, true);
    dialoge.renumber = CBuchungRenumberForm{"1"};
    form.ausfuehren(Massenaenderung::AlleNeuNummerieren, prompter, dialoge);
    EXPECT_TRUE(l.doc.isBuchungOrderValid());
    expectChangedAndSound();

    // Cancelled: nothing happens.
    dialoge.renumber.reset();
    EXPECT_TRUE(
        recorded([&] {
            EXPECT_EQ(form.ausfuehren(Massenaenderung::AlleNeuNummerieren, prompter, dialoge), 0u);
        }).empty());
}

TEST_F(BuchungsEditorTest, ReplacesTextAskingOncePerChangedField) {
    const int32_t may = add(date(17, 3, 2024), "17", "Miete Mai", 1, -1, "miete bar");
    const int32_t june = add(date(18, 3, 2024), "18", "Miete Juni", 1, -1, "Miete");
    const int32_t other = add(date(19, 3, 2024), "19", "Essen", 1, -1, "");
    form.open();
    CTextersetzungForm text;
    text.suchen = "miete";
    text.ersetzen = "Kaltmiete";
    dialoge.text = text;
    // Yes for the text of the first booking, No for its notes, Yes for both of the second.
    prompter.answer({true, false, true, true});
    form.ausfuehren(Massenaenderung::TextErsetzen, prompter, dialoge);
    ASSERT_EQ(prompter.shown.size(), 4u);
    EXPECT_EQ(prompter.shown[0].text, "Buchung Nr. 17 vom 17.03.2024:\n\nBuchungstext \"Miete "
                                      "Mai\" ändern in \"Kaltmiete Mai\"?");
    EXPECT_EQ(prompter.shown[0].caption, "Text ersetzen");
    EXPECT_EQ(prompter.shown[1].text, "Buchung Nr. 17 vom 17.03.2024:\n\nNotizen \"miete bar\" "
                                      "ändern in \"Kaltmiete bar\"?");
    EXPECT_EQ(bySerial(may)->text, "Kaltmiete Mai");
    EXPECT_EQ(bySerial(may)->notes, "miete bar");
    EXPECT_EQ(bySerial(june)->text, "Kaltmiete Juni");
    EXPECT_EQ(bySerial(june)->notes, "Kaltmiete");
    EXPECT_EQ(bySerial(other)->text, "Essen");
    expectChangedAndSound();

    // Without questions, with case, only in the notes.
    text.suchen = "Kaltmiete";
    text.ersetzen = "Warmmiete";
    text.grossKlein = true;
    text.ohneRueckfrage = true;
    text.bereich = TextBereich::Notizen;
    dialoge.text = text;
    prompter.clear();
    form.ausfuehren(Massenaenderung::TextErsetzen, prompter, dialoge);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(bySerial(june)->notes, "Warmmiete");
    EXPECT_EQ(bySerial(june)->text, "Kaltmiete Juni");
    expectChangedAndSound();
}

TEST_F(BuchungsEditorTest, ReplacesAnAccountOnBothSidesAndReportsConflictsOnce) {
    // Transfers between the asset accounts, and an expense booking from Kasse.
    const auto transfer = [&](ledger::CNVKDatum d, std::string number, int32_t k1, int32_t k2) {
        CTWBuchung b;
        b.date = d;
        b.kind = ledger::Vorgang::Umbuchung;
        b.konto1Id = k1;
        b.konto2Id = k2;
        b.amount = 1;
        b.number = std::move(number);
        b.text = "Umbuchung";
        return l.doc.bookings()[l.doc.addBuchung(b)]->serial;
    };
    const int32_t sparen = ledger::LedgerBuilder(l.doc).asset("Sparbuch", "SB", 1002);
    const int32_t conflict = transfer(date(1, 3, 2024), "1", l.kasse, l.giro);
    const int32_t second = transfer(date(2, 3, 2024), "2", sparen, l.kasse);
    const int32_t expense = add(date(3, 3, 2024), "3", "Essen", 1, l.essen);
    const int32_t kept = add(date(4, 3, 2024), "4", "Miete", 1, l.miete);
    form.open();
    dialoge.konten = std::pair{l.giro, l.kasse}; // replace Girokonto by Kasse
    prompter.answer({true, false});
    form.ausfuehren(Massenaenderung::KontoErsetzen, prompter, dialoge);
    // The transfer Kasse -> Girokonto would join Kasse twice: one message, nothing asked.
    ASSERT_EQ(prompter.shown.size(), 3u);
    EXPECT_EQ(prompter.shown[0].kind, ScriptedPrompter::Kind::Information);
    EXPECT_EQ(prompter.shown[0].text, "Buchung Nr. 1 vom 01.03.2024: Umbuchung\n\n"
                                      "Kontoersetzung nicht möglich, weil ansonsten beide "
                                      "Buchungskonten identisch wären.");
    EXPECT_EQ(prompter.shown[0].caption, "Konto ersetzen");
    EXPECT_EQ(prompter.shown[1].text, "Buchung Nr. 3 vom 03.03.2024: Essen\n\n"
                                      "Buchungskonto 1 ändern?");
    EXPECT_EQ(bySerial(conflict)->konto2Id, l.giro);
    EXPECT_EQ(bySerial(second)->konto2Id, l.kasse);
    EXPECT_EQ(bySerial(expense)->konto1Id, l.kasse);
    EXPECT_EQ(bySerial(kept)->konto1Id, l.giro); // answered No
    expectChangedAndSound();

    // Kasse by Sparbuch without questions: the booking Sparbuch -> Kasse conflicts on side 2,
    // the others change; the counts follow.
    dialoge.konten = std::pair{l.kasse, sparen};
    dialoge.ohneRueckfrage = true;
    prompter.clear();
    form.ausfuehren(Massenaenderung::KontoErsetzen, prompter, dialoge);
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(bySerial(conflict)->konto1Id, sparen);
    EXPECT_EQ(bySerial(second)->konto2Id, l.kasse);
    EXPECT_EQ(bySerial(expense)->konto1Id, sparen);
    EXPECT_EQ(l.doc.findKonto(l.kasse)->bookingCount, 1);
    EXPECT_EQ(l.doc.findKonto(sparen)->bookingCount, 3);
    EXPECT_EQ(l.doc.findKonto(l.giro)->bookingCount, 2);
    expectChangedAndSound();
}

TEST_F(BuchungsEditorTest, EveryBulkOperationUndoesToTheSameBytes) {
    for (int i = 0; i < 30; ++i)
        add(date(1 + i % 28, 3, 2024), std::to_string(30 - i), i % 3 ? "Miete" : "Essen", i,
            i % 2 ? l.essen : l.miete, "miete", i % 4 == 0);
    form.open();
    form.setSort(kEdText, true);
    dialoge.renumber = CBuchungRenumberForm{"A-1"};
    CTextersetzungForm text;
    text.suchen = "e";
    text.ersetzen = "ee";
    text.ohneRueckfrage = true;
    dialoge.text = text;
    dialoge.konten = std::pair{l.miete, l.essen};
    dialoge.ohneRueckfrage = true;
    for (const auto operation : {Massenaenderung::AlleNeuNummerieren, Massenaenderung::TextErsetzen,
                                 Massenaenderung::KontoErsetzen, Massenaenderung::AlleLoeschen}) {
        const auto before = ledger::writeLedgerFile(l.doc);
        const char* name = kMassenaenderungNamen[static_cast<size_t>(operation)];
        prompter.answer({true});
        ledger::Aenderung step =
            recorded([&] { EXPECT_GT(form.ausfuehren(operation, prompter, dialoge), 0u) << name; });
        EXPECT_EQ(ledger::pruefeDokument(l.doc), std::vector<std::string>{}) << name;
        const auto after = ledger::writeLedgerFile(l.doc);
        l.doc.undo(step);
        EXPECT_EQ(ledger::writeLedgerFile(l.doc), before) << name;
        l.doc.redo(step);
        EXPECT_EQ(ledger::writeLedgerFile(l.doc), after) << name;
        form.rebuild();
    }
}

} // namespace
