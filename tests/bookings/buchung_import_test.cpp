#include "bookings/buchung_import.h"
#include "buchungs_ledger.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

using namespace bookings;
using testsupport::date;
using testsupport::ScriptedPrompter;

namespace {

class ImportTest : public ::testing::Test {
protected:
    ImportErgebnis run(std::string_view data, ImportOptionen options = {}) {
        return importBuchungen(ledger.doc, data, options, prompter);
    }
    const ledger::CTWBuchung& booking(int i) const { return *ledger.doc.bookings().at(i); }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& b : ledger.doc.bookings())
            out.push_back(b->text);
        return out;
    }

    testsupport::Buchungsledger ledger;
    ScriptedPrompter prompter;
};

// One line per booking: date, number, text, kind, account 1, account 2, amount.
std::string line(const std::string& day, const std::string& text, const std::string& kind = "A",
                 const std::string& account2 = "Miete", const std::string& amount = "10,00") {
    return day + "\t1\t" + text + "\t" + kind + "\tGirokonto\t" + account2 + "\t" + amount;
}

TEST_F(ImportTest, IncomeLineWithTypeNamesAndGroupedAmount) {
    const auto r = run("01.02.2012\t17\tGehalt\tE\tGirokonto\tLohn\t2.500,00\r\n");
    EXPECT_EQ(r.added, 1);
    EXPECT_FALSE(r.cancelled);
    EXPECT_TRUE(prompter.shown.empty());
    const ledger::CTWBuchung& b = booking(0);
    EXPECT_EQ(b.date, date(1, 2, 2012));
    EXPECT_EQ(b.number, "17");
    EXPECT_EQ(b.text, "Gehalt");
    EXPECT_EQ(b.kind, ledger::Vorgang::Einnahme);
    EXPECT_EQ(b.konto1Id, ledger.giro);
    EXPECT_EQ(b.konto2Id, ledger.lohn);
    EXPECT_EQ(b.amount, 250000);
    EXPECT_EQ(b.currencyIndex, ledger::WaehrungsIndex::Erste);
    EXPECT_EQ(b.provisional, 0);
    EXPECT_TRUE(ledger.doc.isModified());
}

TEST_F(ImportTest, LineFeedOnlyFileImportsEveryLine) {
    const std::string data = line("01.03.2012", "eins") + "\n" + line("02.03.2012", "zwei") + "\n" +
                             line("03.03.2012", "drei") + "\n";
    EXPECT_EQ(run(data).added, 3);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(texts(), (std::vector<std::string>{"eins", "zwei", "drei"}));
    EXPECT_EQ(booking(0).amount, 1000);
}

TEST_F(ImportTest, LastFieldOfLineFeedFileStaysOnItsLine) {
    // The currency and the notes are the last fields: each must end at its own line.
    testsupport::Buchungsledger dual(true);
    ImportOptionen options;
    options.betraege = kMitWaehrungsangabe;
    options.notizen = true;
    const std::string data =
        line("01.03.2001", "a") + "\tDM\tnote a\n" + line("02.03.2001", "b") + "\tEUR\tnote b\n";
    EXPECT_EQ(importBuchungen(dual.doc, data, options, prompter).added, 2);
    EXPECT_EQ(dual.doc.bookings()[0]->currencyIndex, ledger::WaehrungsIndex::Zweite);
    EXPECT_EQ(dual.doc.bookings()[0]->notes, "note a");
    EXPECT_EQ(dual.doc.bookings()[1]->currencyIndex, ledger::WaehrungsIndex::Erste);
    EXPECT_EQ(dual.doc.bookings()[1]->notes, "note b");
}

TEST_F(ImportTest, MixedLineEndsAllImport) {
    const std::string data = line("01.03.2012", "crlf") + "\r\n" + line("02.03.2012", "lf") + "\n" +
                             line("03.03.2012", "cr") + "\r" +
                             line("04.03.2012", "ohne Zeilenende");
    EXPECT_EQ(run(data).added, 4);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(texts(), (std::vector<std::string>{"crlf", "lf", "cr", "ohne Zeilenende"}));
}

TEST_F(ImportTest, BadDateOnLineThreeIsReportedOnceAndTheRestImportsUnchanged) {
    prompter.answer({true});
    const std::string data = line("01.03.2012", "eins") + "\n" + line("02.03.2012", "zwei") + "\n" +
                             line("29.2.13", "drei") + "\n" +
                             line("04.03.2012", "vier", "E", "Lohn", "4,00") + "\n" +
                             line("05.03.2012", "fünf", "A", "Lebensmittel", "5,00") + "\n";
    const auto r = run(data);
    EXPECT_EQ(r.added, 4);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].kind, ScriptedPrompter::Kind::OkCancel);
    EXPECT_EQ(prompter.shown[0].text, "Zeile 3: Formatfehler!");
    EXPECT_EQ(prompter.shown[0].caption, "Buchungen importieren");
    EXPECT_EQ(texts(), (std::vector<std::string>{"eins", "zwei", "vier", "fünf"}));
    EXPECT_EQ(booking(2).kind, ledger::Vorgang::Einnahme);
    EXPECT_EQ(booking(2).konto2Id, ledger.lohn);
    EXPECT_EQ(booking(2).amount, 400);
    EXPECT_EQ(booking(3).konto2Id, ledger.essen);
    EXPECT_EQ(booking(3).amount, 500);
}

TEST_F(ImportTest, LineNumbersCountEveryLineOfTheFile) {
    prompter.answer({true, true, true});
    const std::string data = line("01.03.2012", "a") + "\r\n\r\n" + line("1.3.12", "b", "E") +
                             "\r" + line("02.03.2012", "c", "A", "Unbekannt") + "\n" +
                             "01.03.2012\tnur drei\tFelder\n";
    const auto r = run(data);
    EXPECT_EQ(r.added, 1);
    EXPECT_EQ(r.faulty, 3);
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"Zeile 3: falscher Vorgang!",
                                                          "Zeile 4: Konto unbekannt! („Unbekannt“)",
                                                          "Zeile 5: Formatfehler!"}));
}

TEST_F(ImportTest, CancelKeepsWhatWasAddedBefore) {
    prompter.answer({false});
    const std::string data = line("01.03.2012", "eins") + "\r\n" + line("02.03.2012", "zwei") +
                             "\r\n" + line("03.03.2012", "drei", "A", "Miete", "1-2") + "\r\n" +
                             line("04.03.2012", "vier") + "\r\n";
    const auto r = run(data);
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(r.added, 2);
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"Zeile 3: Formatfehler!"}));
    EXPECT_EQ(texts(), (std::vector<std::string>{"eins", "zwei"}));
}

TEST_F(ImportTest, FieldValues) {
    // Dates with two-digit years, plain amounts, kinds ignoring case.
    const std::string data = line("1.2.12", "a", "e", "Lohn", "-12,5") + "\n" +
                             line("31.12.99", "b", "ausgabe", "Miete", "12,345") + "\n" +
                             line(" 3 . 4 . 2010", "c", "Umbuchung", "Kasse", "1.000") + "\n";
    EXPECT_EQ(run(data).added, 3);
    const auto& docBookings = ledger.doc.bookings();
    EXPECT_EQ(docBookings[0]->date, date(31, 12, 1999));
    EXPECT_EQ(docBookings[0]->kind, ledger::Vorgang::Ausgabe);
    EXPECT_EQ(docBookings[0]->amount, 1234);
    EXPECT_EQ(docBookings[1]->date, date(3, 4, 2010));
    EXPECT_EQ(docBookings[1]->kind, ledger::Vorgang::Umbuchung);
    EXPECT_EQ(docBookings[1]->konto2Id, ledger.kasse);
    EXPECT_EQ(docBookings[1]->amount, 100000);
    EXPECT_EQ(docBookings[2]->date, date(1, 2, 2012));
    EXPECT_EQ(docBookings[2]->kind, ledger::Vorgang::Einnahme);
    EXPECT_EQ(docBookings[2]->amount, -1250);

    for (const std::string bad : {"01.13.2012", "1.2", "1.2.3.4", "1,2,2012", "..2012", ""})
        EXPECT_FALSE(parseImportDatum(bad)) << bad;
}

TEST_F(ImportTest, ControlCharactersInTextFieldsMakeTheLineFaulty) {
    ImportOptionen withNotes;
    withNotes.notizen = true;
    const auto notesLine = [](const std::string& number, const std::string& text,
                              const std::string& notes) {
        return "01.03.2012\t" + number + "\t" + text + "\tA\tGirokonto\tMiete\t1,00\t" + notes;
    };
    const struct {
        std::string line;
        const char* message; // nullptr: imported
    } cases[] = {
        {notesLine("1", "\x1B[31mRot", ""), "Zeile 1: Steuerzeichen ESC (27) im Text!"},
        {notesLine("1\a", "Glocke", ""), "Zeile 1: Steuerzeichen BEL (7) im Text!"},
        {notesLine("1", "Null", std::string("a\0b", 3)), "Zeile 1: Steuerzeichen NUL (0) im Text!"},
        {notesLine("1", "Entf\x7F", ""), "Zeile 1: Steuerzeichen DEL (127) im Text!"},
        {notesLine("1", "Tab in den Notizen", "a\tb"), nullptr},
        {notesLine("1", "\xFC\x80\xA0", ""),
         nullptr}, // \xFC, \x80 and \xA0 are letters in Windows-1252 (and no UTF-8)
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const std::size_t before = texts().size();
        prompter.shown.clear();
        prompter.answer({true});
        EXPECT_EQ(run(c.line + "\r\n", withNotes).added, c.message ? 0 : 1);
        EXPECT_EQ(texts().size(), before + (c.message ? 0 : 1));
        if (c.message) {
            ASSERT_EQ(prompter.shown.size(), 1u);
            EXPECT_EQ(prompter.shown[0].text, c.message);
        } else {
            EXPECT_TRUE(prompter.shown.empty());
        }
    }
}

TEST_F(ImportTest, FormatErrorsWinOverAccountErrors) {
    prompter.answer({true, true});
    run(line("01.03.2012", "a", "A", "Unbekannt", "x") + "\n" +
        line("01.03.2012", "b", "A", "Unbekannt", "1") + "\n");
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{"Zeile 1: Formatfehler!",
                                        "Zeile 2: Konto unbekannt! („Unbekannt“)"}));
    EXPECT_TRUE(ledger.doc.bookings().empty());
}

// The same line written by an editor in UTF-8 (with or without a byte-order mark) and by an
// older program in Windows-1252 gives the same booking.
TEST(ImportCharacterSets, Utf8AndWindows1252FilesGiveTheSameTexts) {
    const std::string utf8 = "01.03.2012\t1\tB\xc3\xa4"
                             "ckerei \xe2\x82\xac\tA\tGirokonto\t"
                             "Lebensmittel\t5\tK\xc3\xbc"
                             "chen \xe2\x80\x9e"
                             "frisch\xe2\x80\x9c\n";
    const std::string cp1252 = "01.03.2012\t1\tB\xe4"
                               "ckerei \x80\tA\tGirokonto\tLebensmittel\t5\tK\xfc"
                               "chen "
                               "\x84"
                               "frisch\x93\n";
    ImportOptionen withNotes;
    withNotes.notizen = true;
    for (const std::string& data : {utf8, "\xef\xbb\xbf" + utf8, cp1252}) {
        testsupport::Buchungsledger ledger;
        ScriptedPrompter prompter;
        const ImportErgebnis r = importBuchungen(ledger.doc, data, withNotes, prompter);
        EXPECT_EQ(r.added, 1) << data;
        EXPECT_EQ(prompter.texts(), std::vector<std::string>{}) << data;
        ASSERT_EQ(ledger.doc.bookings().size(), 1u);
        EXPECT_EQ(ledger.doc.bookings()[0]->text, "Bäckerei €");
        EXPECT_EQ(ledger.doc.bookings()[0]->notes, "Küchen „frisch“");
    }
}

TEST_F(ImportTest, Utf8LineWithoutAWindows1252FormIsFaultyOnItsOwn) {
    prompter.answer({true, true});
    // U+0141 (L with stroke) has no Windows-1252 form; a byte-order mark makes a file UTF-8
    // even when a line of it is not.
    const std::string data = "\xef\xbb\xbf" +
                             line("01.03.2012", "Gr\xc3\xbc\xc3\x9f"
                                                "e") +
                             "\n" +
                             line("02.03.2012", "\xc5\x81\xc3\xb3"
                                                "d\xc5\xba") +
                             "\n" + line("03.03.2012", "kaputt \xff") + "\n" +
                             line("04.03.2012", "Ende");
    const auto r = run(data);
    EXPECT_EQ(r.added, 2);
    EXPECT_EQ(r.faulty, 2);
    EXPECT_EQ(texts(), (std::vector<std::string>{"Grüße", "Ende"}));
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{
                  "Zeile 2: Das Zeichen U+0141 gibt es im Zeichensatz Windows-1252 nicht!",
                  "Zeile 3: Die Zeile ist kein gültiger UTF-8-Text!"}));
}

TEST(ImportBericht, CountsBookingsAndFaultyLines) {
    struct Case {
        ImportErgebnis result;
        const char* expected;
    };
    const Case cases[] = {
        {{1, 0, false}, "1 Buchung hinzugefügt, keine Zeile fehlerhaft."},
        {{3, 2, false}, "3 Buchungen hinzugefügt, 2 Zeilen fehlerhaft."},
        {{0, 1, true}, "Import abgebrochen: 0 Buchungen hinzugefügt, 1 Zeile fehlerhaft."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(importBericht(c.result), c.expected);
}

TEST_F(ImportTest, TransferOnlyModesDecideKindAndOrder) {
    ImportOptionen vonAuf;
    vonAuf.buchungen = kUmbuchungenVonAuf;
    auto pair = [](const std::string& a, const std::string& b) {
        return "01.03.2012\t1\tt\t" + a + "\t" + b + "\t1\n";
    };
    run(pair("Lohn", "Girokonto") + pair("Girokonto", "Miete") + pair("Girokonto", "Kasse"),
        vonAuf);
    ASSERT_EQ(ledger.doc.bookings().size(), 3u);
    EXPECT_EQ(booking(0).kind, ledger::Vorgang::Einnahme);
    EXPECT_EQ(booking(0).konto1Id, ledger.giro);
    EXPECT_EQ(booking(0).konto2Id, ledger.lohn);
    EXPECT_EQ(booking(1).kind, ledger::Vorgang::Ausgabe);
    EXPECT_EQ(booking(1).konto2Id, ledger.miete);
    EXPECT_EQ(booking(2).kind, ledger::Vorgang::Umbuchung);
    EXPECT_EQ(booking(2).konto1Id, ledger.giro);
    EXPECT_EQ(booking(2).konto2Id, ledger.kasse);

    testsupport::Buchungsledger other;
    ImportOptionen aufVon;
    aufVon.buchungen = kUmbuchungenAufVon;
    importBuchungen(other.doc,
                    pair("Miete", "Girokonto") + pair("Girokonto", "Lohn") +
                        pair("Kasse", "Girokonto"),
                    aufVon, prompter);
    const auto& b = other.doc.bookings();
    EXPECT_EQ(b[0]->kind, ledger::Vorgang::Ausgabe);
    EXPECT_EQ(b[0]->konto1Id, other.giro);
    EXPECT_EQ(b[0]->konto2Id, other.miete);
    EXPECT_EQ(b[1]->kind, ledger::Vorgang::Einnahme);
    EXPECT_EQ(b[1]->konto1Id, other.giro);
    EXPECT_EQ(b[2]->kind, ledger::Vorgang::Umbuchung);
    EXPECT_EQ(b[2]->konto1Id, other.giro);
    EXPECT_EQ(b[2]->konto2Id, other.kasse);
}

TEST_F(ImportTest, KindMustFitTheAccountsAndTheAccountsMustDiffer) {
    // Accounts by number: Girokonto 1000, Lohn 123, Miete 200, Lebensmittel 201. Each faulty
    // line is wrong in one way only.
    prompter.answer({true, true, true, true, true});
    ImportOptionen byNumber;
    byNumber.identifikation = 1;
    const std::string data = "01.03.2012\t1\tx\tE\t1000\t200\t1\n"      // income to expense
                             "01.03.2012\t1\tx\tA\t1000\t123\t1\n"      // expense to income
                             "01.03.2012\t1\tx\tE\t123\t124\t1\n"       // income from income
                             "01.03.2012\t1\tx\tA\t200\t201\t1\n"       // expense from expense
                             "01.03.2012\t1\tx\tU\tNr. 1000\t1000\t1\n" // same account
                             "01.03.2012\t1\tE\tE\t1000\t123\t1\n"
                             "01.03.2012\t1\tA\tA\t1000\t200\t1\n"
                             "01.03.2012\t1\tU\tU\t12a3\t201\t1\n"; // transfer, any pair
    EXPECT_EQ(run(data, byNumber).added, 3);
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{"Zeile 1: falscher Vorgang!", "Zeile 2: falscher Vorgang!",
                                        "Zeile 3: falscher Vorgang!", "Zeile 4: falscher Vorgang!",
                                        "Zeile 5: falscher Vorgang!"}));
    EXPECT_EQ(texts(), (std::vector<std::string>{"E", "A", "U"}));
    EXPECT_EQ(booking(2).konto1Id, ledger.lohn);
    EXPECT_EQ(booking(2).konto2Id, ledger.essen);
}

TEST_F(ImportTest, CurrencyChoices) {
    testsupport::Buchungsledger dual(true);
    ImportOptionen second;
    second.betraege = kAlleInZweiter;
    importBuchungen(dual.doc, line("01.03.2001", "a") + "\n", second, prompter);
    EXPECT_EQ(dual.doc.bookings()[0]->currencyIndex, ledger::WaehrungsIndex::Zweite);

    // A ledger with one currency has no second currency to put a booking in.
    ImportOptionen named;
    named.betraege = kMitWaehrungsangabe;
    run(line("01.03.2001", "b") + "\tDM\n", named);
    EXPECT_EQ(booking(0).currencyIndex, ledger::WaehrungsIndex::Erste);
}

} // namespace

#include "bookings/buchung_import_form.h"

#include <cstdio>
#include <fstream>

namespace {

TEST(BuchungImportForm, ChoicesAndOkReadsTheFile) {
    testsupport::Buchungsledger single;
    EXPECT_EQ(CBuchungImportForm(single.doc).options.betraege, kAlleInErster);
    EXPECT_EQ(CBuchungImportForm(single.doc).betraegeNames().size(), 2u);
    testsupport::Buchungsledger dual(true);
    CBuchungImportForm form(dual.doc);
    EXPECT_EQ(form.options.betraege, kMitWaehrungsangabe);
    EXPECT_EQ(form.betraegeNames().back(), "alle in DM");

    ScriptedPrompter prompter;
    EXPECT_FALSE(form.ok(dual.doc, prompter));
    form.fileName = testing::TempDir() + "/fehlt/keine.txt";
    EXPECT_FALSE(form.ok(dual.doc, prompter));
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown[1].kind, ScriptedPrompter::Kind::Warning);
    EXPECT_EQ(prompter.texts()[1], "Datei kann nicht geöffnet werden!");

    form.fileName = testing::TempDir() + "/import_form.txt";
    std::ofstream(form.fileName, std::ios::binary)
        << "01.03.2012\t1\tGehalt\tE\tGirokonto\tLohn\t10\tEUR\n";
    EXPECT_TRUE(form.ok(dual.doc, prompter));
    EXPECT_EQ(form.result().added, 1);
    ASSERT_EQ(prompter.shown.size(), 3u);
    EXPECT_EQ(prompter.shown[2].kind, ScriptedPrompter::Kind::Information);
    EXPECT_EQ(prompter.texts()[2], "1 Buchung hinzugefügt, keine Zeile fehlerhaft.");
    std::remove(form.fileName.c_str());
}

} // namespace
