#include "golden.h"
#include "ledger/ledger_loading.h"
#include "ledger/win1252.h"
#include "reports/booking_sort.h"
#include "reports/table_text.h"
#include "reports/view_kinds.h"
#include "sample_ledgers.h"

#include <functional>
#include <gtest/gtest.h>
#include <numeric>
#include <set>

namespace {

using K = reports::ViewKind;
using testsupport::date;

reports::ReportParams params(reports::ViewKind viewKind, const char* from, const char* to) {
    reports::ReportParams p;
    p.viewKind = viewKind;
    p.start = date(from);
    p.end = date(to);
    return p;
}

reports::ReportTable build(const ledger::CTalwerkDoc& doc, const reports::ReportParams& p) {
    std::optional<reports::ReportTable> table = reports::buildReportTable(doc, p);
    table->layout(platform::FixedWidthMeasurer{}, reports::LayoutTarget::Printer);
    return std::move(*table);
}

std::string render(const ledger::CTalwerkDoc& doc, const reports::ReportParams& p) {
    return ledger::toUtf8(reports::renderText(build(doc, p), reports::TextFormat::FixedWidths,
                                              reports::kClipboardLineEnd));
}

// The household ledger with numbers, texts and notes on its bookings.
testsupport::TestLedger textLedger() {
    testsupport::TestLedger l = testsupport::householdLedger();
    const char* texts[] = {"Miete Dez", "Gehalt", "Miete", "Einkauf", "Sparen"};
    int n = 0;
    // Changed in place, as a file would carry them: the numbers ascend in booking order.
    for (auto& b : ledger::LedgerLoading(l.doc).bookings()) {
        b->number = "R-" + std::to_string(100 + n);
        b->text = texts[n % 5];
        if (n % 4 == 1)
            b->notes = "Notiz\r\nzweite Zeile";
        ++n;
    }
    return l;
}

// The booking indexes of the data rows, top to bottom.
std::vector<int> taggedRows(const reports::ReportTable& t) {
    std::vector<int> out;
    for (const auto& row : t.rows())
        if (row.tag.kind == reports::RowTag::kBuchung)
            out.push_back(row.tag.id1);
    return out;
}

TEST(BookingViewsGolden, BookingsAndFilteredBookings) {
    testsupport::TestLedger l = textLedger();
    testgolden::expectGolden("reports/household_view2.txt",
                             render(l.doc, params(K::Buchungen, "01.01.2024", "31.03.2024")));
    // Sorted by "Buchungstext" descending, with every column.
    l.doc.changeSettings([&](ledger::CTWEinstellungen& s) {
        s.bookingsSortKey = 2;
        s.bookingsSortDirection = 1;
        s.bookingsData = 0xffffffff;
    });
    testgolden::expectGolden("reports/household_view2_text_desc.txt",
                             render(l.doc, params(K::Buchungen, "01.01.2024", "31.03.2024")));
    // Filter 2: texts containing "Miete" or "Gehalt", without provisional bookings.
    ledger::CTWBuchungsFilterNeu f = *l.doc.filters()[1];
    f.textConditionOn = 1;
    f.textMode = ledger::kEnthaelt;
    f.textPattern = "miete ODER GEHALT";
    f.provisionalMode = ledger::kOhneVorlaeufige;
    l.doc.changeFilter(1, std::move(f));
    reports::ReportParams p = params(K::BuchungenGefiltert, "01.01.2024", "31.03.2024");
    p.filterIndex = 1;
    testgolden::expectGolden("reports/household_view7.txt", render(l.doc, p));
}

TEST(BookingViewsGolden, AccountBookings) {
    testsupport::TestLedger l = textLedger();
    reports::ReportParams p = params(K::BuchungenKonto, "01.01.2024", "31.03.2024");
    p.selection.kind = reports::Selection::kKonto;
    p.selection.accountId = l.doc.accounts()[0]->id; // Girokonto
    testgolden::expectGolden("reports/household_view4_giro.txt", render(l.doc, p));
    l.doc.setAccountBookingsSortDirection(1);
    testgolden::expectGolden("reports/household_view4_giro_desc.txt", render(l.doc, p));
    // The category "Wohnen" of the expense accounts: rent and electricity together.
    l.doc.setAccountBookingsSortDirection(0);
    p.selection = {reports::Selection::kKategorie, -1, ledger::KontoArt::Ausgabenkonto, 0, -1};
    testgolden::expectGolden("reports/household_view4_wohnen.txt", render(l.doc, p));

    testsupport::TestLedger dual = testsupport::dualCurrencyLedger();
    dual.doc.changeSettings([](ledger::CTWEinstellungen& s) {
        s.accountBookingsData |= 0x2000000 | 0x8000000 | 0x200000;
    });
    reports::ReportParams d = params(K::BuchungenKonto, "01.12.2001", "31.01.2002");
    d.selection = {reports::Selection::kKategorie, -1, ledger::KontoArt::Bestandskonto, 0, -1};
    testgolden::expectGolden("reports/dual_view4_bank.txt", render(dual.doc, d));
    dual.doc.changeSettings([&](ledger::CTWEinstellungen& s) { s.bookingsData = 0xffffffff; });
    testgolden::expectGolden("reports/dual_view2.txt",
                             render(dual.doc, params(K::Buchungen, "01.12.2001", "31.01.2002")));
}

TEST(BookingsView, SortingKeepsDocumentOrderForTiesAndReversesItDescending) {
    testsupport::TestLedger l;
    const int32_t giro = l.asset("Giro", 1);
    const int32_t miete = l.expense("Miete", 2);
    for (const int64_t amount : {500, 700, 500, 300, 700})
        l.book("01.02.2024", ledger::Vorgang::Ausgabe, giro, miete, amount);
    std::vector<int> indexes = {0, 1, 2, 3, 4};
    reports::sortBookings(l.doc, indexes, 10, true);
    EXPECT_EQ(indexes, (std::vector<int>{4, 1, 2, 0, 3}));
    reports::sortBookings(l.doc, indexes, 10, false);
    EXPECT_EQ(indexes, (std::vector<int>{3, 0, 2, 1, 4}));
    // Date descending reverses the document order completely.
    reports::sortBookings(l.doc, indexes, 0, true);
    EXPECT_EQ(indexes, (std::vector<int>{4, 3, 2, 1, 0}));
}

// The selection sort the order is defined by: repeatedly take the first smallest remaining
// booking, comparing by key and then by document position, reversed when descending.
std::vector<int>
selectionSort(const ledger::CTalwerkDoc& doc, std::vector<int> rest,
              const std::function<int(const ledger::CTWBuchung&, const ledger::CTWBuchung&)>& key,
              bool descending) {
    const auto before = [&](int a, int b) {
        int c = key(*doc.bookings()[a], *doc.bookings()[b]);
        if (c == 0)
            c = a < b ? -1 : 1;
        return descending ? c > 0 : c < 0;
    };
    std::vector<int> out;
    while (!rest.empty()) {
        size_t best = 0;
        for (size_t i = 1; i < rest.size(); ++i)
            if (before(rest[i], rest[best]))
                best = i;
        out.push_back(rest[best]);
        rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(best));
    }
    return out;
}

TEST(BookingsView, StableSortGivesTheOrderOfTheSelectionSort) {
    testsupport::TestLedger l(true);
    const int32_t konten[] = {l.asset("Giro", 7), l.asset("bank", 3), l.asset("Äpfel", 5),
                              l.expense("Miete", 9)};
    const char* texts[] = {"Miete", "miete", "Äpfel", "Apfel", "", "Zins", "apfel"};
    unsigned seed = 7;
    const auto next = [&] { return seed = seed * 1103515245u + 12345u, (seed >> 16) % 1000; };
    for (int i = 0; i < 120; ++i) {
        l.book("0" + std::to_string(1 + next() % 9) + ".01.2024", ledger::Vorgang::Umbuchung,
               konten[next() % 2], konten[2 + next() % 2], 100 * (1 + next() % 5),
               next() % 2 == 0 ? ledger::WaehrungsIndex::Erste : ledger::WaehrungsIndex::Zweite);
        ledger::CTWBuchung last = *l.doc.bookings().back();
        last.text = texts[next() % 7];
        l.doc.replaceBuchung(static_cast<int>(l.doc.bookings().size()) - 1, std::move(last));
    }
    const auto collated = [](auto field) {
        return [field](const ledger::CTWBuchung& a, const ledger::CTWBuchung& b) {
            return ledger::collate(field(a), field(b));
        };
    };
    const auto name = [&](int32_t id) { return l.doc.findKonto(id)->name; };
    const auto converted = [&](const ledger::CTWBuchung& b, ledger::WaehrungsIndex c) {
        return b.currencyIndex == c ? b.amount
                                    : l.doc.convertBetrag(b.amount, b.currencyIndex).amount;
    };
    const std::vector<
        std::pair<int, std::function<int(const ledger::CTWBuchung&, const ledger::CTWBuchung&)>>>
        keys = {
            {2, collated([](const ledger::CTWBuchung& b) { return b.text; })},
            {4, collated([&](const ledger::CTWBuchung& b) { return name(b.konto1Id); })},
            {8,
             [&](const ledger::CTWBuchung& a, const ledger::CTWBuchung& b) {
                 const int na = l.doc.findKonto(a.konto2Id)->number;
                 const int nb = l.doc.findKonto(b.konto2Id)->number;
                 return na < nb ? -1 : (na > nb ? 1 : 0);
             }},
            {10,
             [&](const ledger::CTWBuchung& a, const ledger::CTWBuchung& b) {
                 for (const auto c :
                      {ledger::WaehrungsIndex::Erste, ledger::WaehrungsIndex::Zweite})
                     if (converted(a, c) != converted(b, c))
                         return converted(a, c) < converted(b, c) ? -1 : 1;
                 return 0;
             }},
        };
    std::vector<int> all(l.doc.bookings().size());
    std::iota(all.begin(), all.end(), 0);
    for (const auto& [key, compare] : keys)
        for (const bool descending : {false, true}) {
            std::vector<int> sorted = all;
            reports::sortBookings(l.doc, sorted, key, descending);
            EXPECT_EQ(sorted, selectionSort(l.doc, all, compare, descending))
                << key << " " << descending;
        }
}

TEST(BookingsView, ProvisionalColumnAndSums) {
    testsupport::TestLedger l = testsupport::householdLedger();
    // 31.03.2024 holds the one provisional booking.
    const auto columns = [&](const char* to, bool without) {
        reports::ReportParams p = params(K::Buchungen, "01.01.2024", to);
        p.withoutProvisional = without;
        return build(l.doc, p).columnCount();
    };
    EXPECT_EQ(columns("31.03.2024", false), columns("30.03.2024", false) + 1);
    EXPECT_EQ(columns("31.03.2024", true), columns("30.03.2024", false));

    // An empty range keeps the title, the column titles and three zero sums.
    const reports::ReportTable empty =
        build(l.doc, params(K::Buchungen, "01.06.2024", "30.06.2024"));
    ASSERT_EQ(empty.rowCount(), 6);
    EXPECT_EQ(empty.cell(3, 0).text, "Summe Einnahmen");
    bool zeroSum = false;
    for (int c = 0; c < empty.columnCount(); ++c)
        zeroSum = zeroSum || empty.cell(5, c).text == "0,00";
    EXPECT_TRUE(zeroSum);
}

TEST(BookingsView, RowsAreColouredByKindAndAlternate) {
    testsupport::TestLedger l = testsupport::householdLedger();
    const reports::ReportTable t = build(l.doc, params(K::Buchungen, "01.01.2024", "31.03.2024"));
    // Income green, expense red, transfers blue; the second of two rows a shade darker.
    const platform::Color even[3] = {{200, 255, 200}, {255, 200, 200}, {201, 238, 255}};
    const platform::Color odd[3] = {{175, 255, 175}, {255, 175, 175}, {175, 229, 255}};
    const platform::Color kGreyEven{248, 248, 248}, kGreyOdd{240, 240, 240};
    std::set<int> kinds;
    int n = 0;
    for (const auto& row : t.rows()) {
        if (row.tag.kind != reports::RowTag::kBuchung)
            continue;
        const int kind = static_cast<int>(l.doc.bookings()[row.tag.id1]->kind);
        kinds.insert(kind);
        EXPECT_EQ(row.format.fill.colour, (n % 2 ? odd : even)[kind]) << "row " << n;
        EXPECT_EQ(row.format.fill.grey, (n % 2 ? kGreyOdd : kGreyEven));
        ++n;
    }
    EXPECT_EQ(kinds.size(), 3u);
}

// The bookings view and the filtered bookings view fill only the dates into their titles;
// the other placeholders stay as typed.
TEST(BookingsView, TitlesReplaceOnlyTheDates) {
    testsupport::TestLedger l = testsupport::householdLedger();
    const char* const kTemplate = "<TYP> <BEZEICHNUNG> <STANDARDTITEL> <STARTDATUM>-<ENDDATUM>";
    l.doc.changeSettings([&](ledger::CTWEinstellungen& s) { s.bookingsTitle = kTemplate; });
    l.doc.changeSettings([&](ledger::CTWEinstellungen& s) { s.filteredBookingsTitle = kTemplate; });
    const char* const kExpected = "<TYP> <BEZEICHNUNG> <STANDARDTITEL> 01.01.2024-31.03.2024";
    for (const K viewKind : {K::Buchungen, K::BuchungenGefiltert}) {
        reports::ReportParams p = params(viewKind, "01.01.2024", "31.03.2024");
        p.selection = {reports::Selection::kKonto, 0};
        p.valueKind = reports::kGuthaben;
        EXPECT_EQ(build(l.doc, p).cell(0, 0).text, kExpected)
            << "view " << reports::viewKindNumber(viewKind);
    }
}

TEST(AccountBookingsView, TransfersBetweenSelectedAccountsAndTheStand) {
    testsupport::TestLedger l = testsupport::householdLedger();
    reports::ReportParams p = params(K::BuchungenKonto, "01.01.2024", "31.03.2024");
    p.selection = {reports::Selection::kKategorie, -1, ledger::KontoArt::Bestandskonto, 0, -1};
    const reports::ReportTable t = build(l.doc, p);
    // Giro and Sparbuch form "Bank": each of the three transfers appears once, and the
    // balance of both (12.500,00 at the start) does not move with them.
    const std::vector<int> rows = taggedRows(t);
    int transfers = 0;
    for (const int i : rows)
        transfers += l.doc.bookings()[i]->kind == ledger::Vorgang::Umbuchung;
    EXPECT_EQ(transfers, 3);
    const int standColumn = t.columnCount() - 2;
    for (int r = 0; r < t.rowCount(); ++r) {
        const auto& row = t.row(r);
        if (row.tag.kind == reports::RowTag::kBuchung &&
            l.doc.bookings()[row.tag.id1]->kind == ledger::Vorgang::Umbuchung) {
            EXPECT_EQ(t.cell(r, standColumn).text, t.cell(r - 1, standColumn).text);
        }
    }

    // No valid selection: only the title and column titles.
    p.selection = {reports::Selection::kKonto, 999};
    const reports::ReportTable none = build(l.doc, p);
    EXPECT_EQ(none.rowCount(), 3);
    EXPECT_EQ(none.cell(0, 0).text.find("<bitte Konto/Kategorie auswählen>"), 14u);
}

} // namespace
