// talerwerk-cli editor: the booking editor's list and its bulk operations on a file; refusals
// leave the file as it was, and the saved file is sound after every operation.
#include "cli_run.h"
#include "ledger/dokument_pruefung.h"
#include "ledger/ledger_file.h"
#include "reports/golden.h"
#include "support/scripted_password_source.h"
#include "support/scripted_prompter.h"
#include "tests/support/files.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using testsupport::contains;
using testsupport::Outcome;

class EditorCommand : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("talerwerk-editor-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        path = (dir / "haushalt.tlw").string();
        ledger::CTalwerkDoc doc;
        doc.newDocument({}, *ledger::CNVKDatum::fromCalendar(1, 1, 2024));
        int32_t ids[4] = {};
        int n = 0;
        for (const auto& [kind, name, abbreviation] :
             {std::tuple{ledger::KontoArt::Bestandskonto, "Giro", "GI"},
              {ledger::KontoArt::Bestandskonto, "Kasse", "KA"},
              {ledger::KontoArt::Ausgabenkonto, "Miete", "MI"},
              {ledger::KontoArt::Ausgabenkonto, "Essen", "ES"}}) {
            ledger::CTWKonto k;
            k.kind = kind;
            k.currencyIndex = kind == ledger::KontoArt::Bestandskonto
                                  ? ledger::WaehrungsIndex::Erste
                                  : ledger::WaehrungsIndex::Keine;
            k.name = name;
            k.abbreviation = abbreviation;
            k.number = 10 + n;
            ids[n++] = doc.addKonto(k).id;
        }
        const struct {
            int day, month;
            const char* number;
            const char* text;
            int k1, k2;
            int64_t amount;
            const char* notes;
        } bookings[] = {
            {1, 3, "10", "Miete März", 0, 2, 75000, "Vermieter"},
            {1, 3, "9", "Brot", 1, 3, 350, ""},
            {15, 3, "A-9", "miete Garage", 0, 2, 5000, "Garage\nHof"},
            {31, 3, "A-10", "Markt", 0, 3, -1250, ""},
            {1, 4, "11", "Miete April", 0, 2, 75000, ""},
        };
        for (const auto& b : bookings) {
            ledger::CTWBuchung booking;
            booking.date = *ledger::CNVKDatum::fromCalendar(b.day, b.month, 2024);
            booking.kind = ledger::Vorgang::Ausgabe;
            booking.number = b.number;
            booking.text = b.text;
            booking.konto1Id = ids[b.k1];
            booking.konto2Id = ids[b.k2];
            booking.amount = b.amount;
            booking.notes = b.notes;
            doc.addBuchung(booking);
        }
        // Filter 1 lets only the bookings to Essen through.
        ledger::CTWBuchungsFilterNeu filter = *doc.filters()[0];
        filter.name = "Essen";
        filter.accountConditionOn = 1;
        filter.accountId = ids[3];
        doc.changeFilter(0, filter);
        ASSERT_EQ(ledger::saveLedgerFile(doc, path), "");
    }
    void TearDown() override { fs::remove_all(dir); }

    Outcome run(std::vector<std::string> args, const std::string& input = {}) const {
        args.insert(args.begin(), {"editor", path, "--from", "01.03.2024", "--to", "31.03.2024"});
        args.push_back("--now");
        args.push_back("15.03.2024");
        std::ostringstream out, err;
        std::istringstream in(input);
        cli::Io io{out, err, &in};
        const int code = cli::dispatch(args, io);
        return {code, out.str(), err.str()};
    }
    Outcome ok(std::vector<std::string> args, const std::string& input = {}) const {
        Outcome o = run(std::move(args), input);
        EXPECT_EQ(o.code, 0) << o.err;
        return o;
    }
    Outcome refused(std::vector<std::string> args, int code = 1) const {
        const auto before = testsupport::readFile(path);
        const Outcome outcome = run(std::move(args));
        EXPECT_EQ(outcome.code, code) << outcome.out << outcome.err;
        EXPECT_EQ(testsupport::readFile(path), before);
        return outcome;
    }
    // The saved file, checked to be sound.
    std::unique_ptr<ledger::CTalwerkDoc> load() const {
        return testsupport::loadChecked(path, platform::LocalTime{2024, 3, 15, 12, 0, 0});
    }
    // Every booking as "number text" in booking order.
    std::vector<std::string> bookings() const {
        std::vector<std::string> out;
        const auto doc = load();
        for (const ledger::CTWBuchung* b : doc->bookings())
            out.push_back(b->number + " " + b->text);
        return out;
    }

    fs::path dir;
    std::string path;
};

TEST_F(EditorCommand, PrintsTheListAsTheDialogShowsIt) {
    testgolden::expectGolden("cli/editor_list.txt", ok({}).out);
    testgolden::expectGolden("cli/editor_list_numbers_descending.txt",
                             ok({"--sort", "1", "--descending"}).out);
    const Outcome filtered = ok({"--filter", "1"});
    EXPECT_TRUE(contains(filtered.out, "Brot"));
    EXPECT_FALSE(contains(filtered.out, "Miete"));
    EXPECT_TRUE(contains(filtered.out, "Angezeigte Buchungen: 2\n"));
}

TEST_F(EditorCommand, RenumbersTheListedBookingsInDisplayOrder) {
    const Outcome o = ok({"--sort", "2", "--renumber", "2012/001"});
    EXPECT_TRUE(contains(o.out, "Alle neu nummerieren: 4 Buchungen ge\xc3\xa4ndert.\n")) << o.out;
    // By text: Brot, Markt, miete Garage, Miete März; April is not listed.
    EXPECT_EQ(bookings(), (std::vector<std::string>{"2012/001 Brot", "2012/004 Miete M\xe4rz",
                                                    "2012/003 miete Garage", "2012/002 Markt",
                                                    "11 Miete April"}));
}

TEST_F(EditorCommand, AsksEveryQuestionOnTheTerminal) {
    // Yes for the first changed field, No for the second.
    const Outcome o = ok({"--replace-text", "miete", "Kaltmiete", "--scope", "1"}, "j\nn\n");
    EXPECT_EQ(o.err, "Text ersetzen: Buchung Nr. 10 vom 01.03.2024:\n\nBuchungstext \"Miete "
                     "M\xc3\xa4rz\" \xc3\xa4ndern in \"Kaltmiete M\xc3\xa4rz\"? (j/n) "
                     "Text ersetzen: Buchung Nr. A-9 vom 15.03.2024:\n\nBuchungstext \"miete "
                     "Garage\" \xc3\xa4ndern in \"Kaltmiete Garage\"? (j/n) ");
    EXPECT_TRUE(contains(o.out, "Text ersetzen: 1 Buchungen ge\xc3\xa4ndert.\n"));
    EXPECT_EQ(bookings()[1], "10 Kaltmiete M\xe4rz");
    EXPECT_EQ(bookings()[2], "A-9 miete Garage");

    // --yes answers every question; with --case only the exact spelling matches.
    ok({"--replace-text", "Garage", "Stellplatz", "--case", "--yes"});
    const auto doc = load();
    EXPECT_EQ(doc->bookings()[2]->text, "miete Stellplatz");
    EXPECT_EQ(doc->bookings()[2]->notes, "Stellplatz\nHof");
}

TEST_F(EditorCommand, ReplacesAnAccountAndPrintsTheConflicts) {
    // Kasse -> Essen is untouched; Giro becomes Kasse in three bookings.
    Outcome o = ok({"--replace-account", "Giro", "Kasse", "--yes"});
    EXPECT_TRUE(contains(o.out, "Konto ersetzen: 3 Buchungen ge\xc3\xa4ndert.\n"));
    auto doc = load();
    EXPECT_EQ(doc->findKontoByText("Kasse", true)->bookingCount, 4);
    EXPECT_EQ(doc->findKontoByText("Giro", true)->bookingCount, 1);

    // Miete by Essen in a booking Essen -> ... is no conflict; a transfer would be. Replace
    // Essen by Miete: both expense accounts, no booking joins them, so no conflict either.
    o = ok({"--replace-account", "Essen", "Miete", "--yes"});
    EXPECT_TRUE(contains(o.out, "Konto ersetzen: 2 Buchungen ge\xc3\xa4ndert.\n"));
    doc = load();
    EXPECT_EQ(doc->findKontoByText("Essen", true)->bookingCount, 0);
}

TEST_F(EditorCommand, DeletesAllListedBookingsOnlyWhenConfirmed) {
    Outcome o = ok({"--filter", "1", "--delete-all"});
    EXPECT_TRUE(contains(o.err, "Buchungs-Editor: M\xc3\xb6\x63hten Sie wirklich alle im "
                                "Buchungs-Editor angezeigten Buchungen l\xc3\xb6schen? (j/n) n\n"));
    EXPECT_EQ(bookings().size(), 5u);
    o = ok({"--filter", "1", "--delete-all", "--yes"});
    EXPECT_TRUE(contains(o.out, "Alle l\xc3\xb6schen: 2 Buchungen gel\xc3\xb6scht.\n"));
    EXPECT_EQ(bookings(),
              (std::vector<std::string>{"10 Miete M\xe4rz", "A-9 miete Garage", "11 Miete April"}));
}

TEST_F(EditorCommand, RefusalsLeaveTheFile) {
    const struct {
        std::vector<std::string> args;
        std::string err;
        int code;
    } cases[] = {
        {{"--renumber", ""}, "Neu nummerieren: Bitte geben Sie eine Buchungsnummer ein!\n", 1},
        {{"--renumber", "ABC"},
         "Neu nummerieren: Mit der eingegebenen Buchungsnummer ist keine fortlaufende "
         "Nummerierung m\xc3\xb6glich!\n",
         1},
        {{"--replace-text", "", "x"},
         "Text ersetzen: Bitte geben Sie den Text ein, nach dem gesucht werden soll!\n",
         1},
        {{"--replace-account", "Giro", "Giro"},
         "Konto ersetzen: Bitte w\xc3\xa4hlen Sie zwei verschiedene Konten aus!\n",
         1},
        {{"--replace-account", "Giro", "Miete"},
         "Konto ersetzen: Bitte w\xc3\xa4hlen Sie in beiden Feldern ein Konto aus!\n",
         1},
        {{"--replace-account", "Sparbuch", "Giro"},
         "Konto ersetzen: Bitte w\xc3\xa4hlen Sie in beiden Feldern ein Konto aus!\n",
         1},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        args.push_back("--yes");
        EXPECT_EQ(refused(args, c.code).err, c.err);
    }
    const std::vector<std::vector<std::string>> usage = {
        {"--renumber", "1", "--delete-all"},
        {"--scope", "1"},
        {"--case", "--renumber", "1"},
        {"--filter", "11"},
        {"--filter", "0"},
        {"--sort", "10"},
        {"--replace-text", "nur-eins"},
        {"--replace-account", "Giro"},
    };
    for (const auto& args : usage)
        refused(args, 2);
}

TEST_F(EditorCommand, HelpNamesBothValuesOfAnOption) {
    const Outcome o = testsupport::run({"editor", "--help"});
    EXPECT_EQ(o.code, 0);
    EXPECT_TRUE(contains(o.out, "--replace-text SUCHE ERSATZ")) << o.out;
    EXPECT_TRUE(contains(o.out, "--replace-account KONTO_S KONTO_R")) << o.out;
}

} // namespace
