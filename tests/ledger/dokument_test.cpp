#include "ledger/dokument.h"
#include "ledger/ledger_builder.h"
#include "ledger/ledger_loading.h"
#include "setting_table.h"
#include "support/test_ledger.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <gtest/gtest.h>

using namespace ledger;

namespace {

using testsupport::date;

class DokumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc.newDocument(NeueDateiWaehrung{}, date(15, 6, 2024));
        CTWKonto giro;
        giro.kind = KontoArt::Bestandskonto;
        giro.name = "Giro";
        giro.number = 1;
        girokonto = doc.addKonto(giro).id;
        CTWKonto food;
        food.kind = KontoArt::Ausgabenkonto;
        food.name = "Lebensmittel";
        food.number = 2;
        food.currencyIndex = WaehrungsIndex::Keine;
        lebensmittel = doc.addKonto(food).id;
        doc.setModified(false);
    }

    int add(const CNVKDatum& d, std::string number, int32_t serial = -1) {
        CTWBuchung b;
        b.serial = serial;
        b.date = d;
        b.number = std::move(number);
        b.kind = Vorgang::Ausgabe;
        b.konto1Id = girokonto;
        b.konto2Id = lebensmittel;
        b.amount = 100;
        return doc.addBuchung(b);
    }

    std::vector<std::string> numbers() const {
        std::vector<std::string> out;
        for (const auto& b : doc.bookings())
            out.push_back(b->number);
        return out;
    }

    std::vector<int32_t> serials() const {
        std::vector<int32_t> out;
        for (const auto& b : doc.bookings())
            out.push_back(b->serial);
        return out;
    }

    CTalwerkDoc doc;
    int32_t girokonto = -1;
    int32_t lebensmittel = -1;
};

} // namespace

TEST_F(DokumentTest, NewDocumentValues) {
    EXPECT_EQ(doc.filters().size(), 10u);
    EXPECT_EQ(doc.filters().front()->name, "Filter 1");
    EXPECT_EQ(doc.filters().back()->name, "Filter 10");
    EXPECT_EQ(doc.filters()[3]->numberTo, 100000u);
    EXPECT_EQ(doc.filters()[3]->accountId, -1);
    EXPECT_EQ(doc.filters()[3]->amountFrom, 100);

    CTalwerkDoc fresh;
    fresh.newDocument(LedgerBuilder::euroBesideDm(), date(15, 6, 2024));
    EXPECT_TRUE(fresh.accounts().empty());
    EXPECT_TRUE(fresh.bookings().empty());
    EXPECT_TRUE(fresh.rules().empty());
    for (const KontoArt kind : kAlleKontoArten)
        EXPECT_TRUE(fresh.categories().tree(kind).empty());
    EXPECT_EQ(fresh.settings().nextAccountId, 0);
    EXPECT_EQ(fresh.settings().nextBookingSerial, 0);
    EXPECT_EQ(fresh.settings().dualCurrency, 1);
    EXPECT_EQ(fresh.settings().euroOnly, 0);
    EXPECT_EQ(fresh.settings().secondCurrencySymbol, "DM");
    EXPECT_EQ(fresh.rate().numerator, 195583);
    EXPECT_EQ(fresh.settings().decimalSeparator, ',');
    EXPECT_EQ(fresh.settings().accountsData, 0x3071f57u);
    EXPECT_EQ(fresh.settings().bookingsTitle, "Buchungen (<STARTDATUM> bis <ENDDATUM>)");
    EXPECT_EQ(fresh.settings().yearWindowEndMonth, 12);
    EXPECT_EQ(fresh.settings().saveCounter, 0);
    EXPECT_EQ(fresh.initialPeriod().startRule, kMonatsanfang);
    EXPECT_EQ(fresh.initialPeriod().endRule, kHeute);
    EXPECT_EQ(fresh.initialPeriod().startDate, date(15, 6, 2024));
    EXPECT_FALSE(fresh.password().isActive());
    EXPECT_EQ(fresh.screenScale(), 1.0);
    EXPECT_FALSE(fresh.isModified());
}

TEST_F(DokumentTest, BookingsOfOneDateOrderByNumberAndInsertAfterEquals) {
    const CNVKDatum day = date(1, 3, 2024);
    add(day, "10");
    add(day, "9");
    EXPECT_EQ(add(day, "10"), 2) << "after the equal booking";
    EXPECT_EQ(numbers(), (std::vector<std::string>{"9", "10", "10"}));
    EXPECT_EQ(serials(), (std::vector<int32_t>{1, 0, 2}));

    add(date(29, 2, 2024), "99");
    add(date(2, 3, 2024), "1");
    add(day, "");
    add(day, "");
    EXPECT_EQ(numbers(), (std::vector<std::string>{"99", "", "", "9", "10", "10", "1"}));
    EXPECT_EQ(serials(), (std::vector<int32_t>{3, 5, 6, 1, 0, 2, 4}));
    EXPECT_TRUE(doc.isBuchungOrderValid());
    EXPECT_TRUE(doc.isModified());
}

TEST_F(DokumentTest, CountsAndSerialsAfterAddAndRemove) {
    add(date(1, 1, 2024), "1");
    add(date(2, 1, 2024), "2");
    EXPECT_EQ(doc.findKonto(girokonto)->bookingCount, 2);
    EXPECT_EQ(doc.findKonto(lebensmittel)->bookingCount, 2);
    EXPECT_EQ(doc.bookings()[0]->konto2Kind, KontoArt::Ausgabenkonto)
        << "kinds come from the accounts";

    EXPECT_EQ(doc.removeBuchung(2), -1);
    EXPECT_EQ(doc.removeBuchung(-1), -1);
    EXPECT_EQ(doc.bookings().size(), 2u);

    EXPECT_EQ(doc.removeBuchung(1), 1);
    EXPECT_EQ(doc.removeBuchung(0), 0);
    EXPECT_EQ(doc.findKonto(girokonto)->bookingCount, 0);
    EXPECT_EQ(doc.findKonto(lebensmittel)->bookingCount, 0);

    // Serials come from the counter and are never reused; an explicit serial (an edited
    // booking) leaves the counter alone.
    EXPECT_EQ(doc.bookings().size(), 0u);
    add(date(3, 1, 2024), "3");
    EXPECT_EQ(doc.bookings().front()->serial, 2);
    add(date(3, 1, 2024), "4", 0);
    EXPECT_EQ(doc.settings().nextBookingSerial, 3);
    EXPECT_EQ(doc.indexOfBuchung(0), 1);
    EXPECT_EQ(doc.indexOfBuchung(7), -1);

    // A booking whose account is gone still leaves the list.
    LedgerLoading(doc).accounts().erase(LedgerLoading(doc).accounts().begin());
    EXPECT_EQ(doc.removeBuchung(0), 2);
    EXPECT_EQ(doc.findKonto(lebensmittel)->bookingCount, 1);
}

TEST_F(DokumentTest, SortRestoresTheOrderOfInsertion) {
    // Build the list out of order by hand, as a reader would, then sort.
    const std::vector<std::pair<CNVKDatum, std::string>> raw = {
        {date(5, 1, 2024), "2"},   {date(1, 1, 2024), "b"}, {date(5, 1, 2024), "10"},
        {date(1, 1, 2024), "a"},   {date(5, 1, 2024), "2"}, {date(1, 1, 2024), ""},
        {date(3, 1, 2024), "007"}, {date(3, 1, 2024), "7"}};
    int32_t serial = 0;
    for (const auto& [d, n] : raw) {
        CTWBuchung b;
        b.date = d;
        b.number = n;
        b.serial = serial++;
        LedgerLoading(doc).appendBuchung(std::move(b));
    }
    EXPECT_FALSE(doc.isBuchungOrderValid());
    LedgerLoading(doc).sortBuchungen();
    EXPECT_TRUE(doc.isBuchungOrderValid());
    EXPECT_EQ(serials(), (std::vector<int32_t>{5, 3, 1, 6, 7, 0, 4, 2}));
}

TEST_F(DokumentTest, AccountAndCategoryLookups) {
    CTWKonto sparbuch;
    sparbuch.name = "Sparbuch";
    sparbuch.abbreviation = "SPB";
    sparbuch.number = 4711;
    const int32_t id = doc.addKonto(sparbuch).id;
    EXPECT_EQ(id, 2) << "ids come from the counter";
    EXPECT_EQ(doc.indexOfKonto(id), 2);
    EXPECT_EQ(doc.indexOfKonto(99), -1);
    EXPECT_EQ(doc.findKontoByNumber(4711)->id, id);
    EXPECT_EQ(doc.findKontoByNumber(4712), nullptr);
    EXPECT_EQ(doc.findKontoByText("Sparbuch", true)->id, id);
    EXPECT_EQ(doc.findKontoByText("SPB", false)->id, id);
    EXPECT_EQ(doc.findKontoByText("SPB", true), nullptr);
    EXPECT_EQ(doc.findKontoByText("sparbuch", true), nullptr) << "case-sensitive";

    doc.addUnterkategorie(KontoArt::Ausgabenkonto,
                          doc.addKategorie(KontoArt::Ausgabenkonto, "Wohnen"), "Miete");
    EXPECT_EQ(doc.kategorieName(KontoArt::Ausgabenkonto, 0), "Wohnen");
    EXPECT_EQ(doc.kategorieName(KontoArt::Ausgabenkonto, -1), "(keine)");
    EXPECT_EQ(doc.kategorieName(KontoArt::Einnahmenkonto, 0), "(keine)");
    EXPECT_EQ(doc.unterkategorieName(KontoArt::Ausgabenkonto, 0, 0), "Miete");
    EXPECT_EQ(doc.unterkategorieName(KontoArt::Ausgabenkonto, 0, -1), "(keine)");
    EXPECT_EQ(doc.findUnterkategorieByName(KontoArt::Ausgabenkonto, "Wohnen", "Miete")->id, 0);
    EXPECT_EQ(doc.indexOfUnterkategorieByName(KontoArt::Ausgabenkonto, "Wohnen", "Miete"), 0);
    EXPECT_EQ(doc.indexOfUnterkategorieByName(KontoArt::Ausgabenkonto, "Auto", "Miete"), -1);
    EXPECT_EQ(doc.indexOfKategorieByName(KontoArt::Ausgabenkonto, "Wohnen"), 0);
    EXPECT_EQ(doc.findKategorieByName(KontoArt::Ausgabenkonto, "wohnen"), nullptr);
}

TEST_F(DokumentTest, RecurringBookingsTakeSerialsAndMarkTheirAccountsUsed) {
    CTWBuchungRegel miete;
    miete.name = "Miete";
    miete.konto1Id = girokonto;
    miete.konto2Id = lebensmittel;
    miete.occurrenceStates = {kAusgefuehrt};
    miete.serial = 42;
    EXPECT_EQ(doc.addBuchungRegel(miete).serial, 0);
    EXPECT_EQ(doc.addBuchungRegel(miete).serial, 1);
    EXPECT_TRUE(doc.rules().front()->occurrenceStates.empty());
    EXPECT_EQ(doc.nextRuleSerial(), 2);
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(doc.isKontoUsedByRegel(girokonto));
    EXPECT_TRUE(doc.isKontoUsedByRegel(lebensmittel));
    EXPECT_FALSE(doc.isKontoUsedByRegel(17));
}

TEST_F(DokumentTest, InitialDisplayPeriodByRule) {
    const CNVKDatum today = date(15, 6, 2024);
    auto period = [&](int32_t startRule, int32_t endRule) {
        Darstellungszeitraum rules = doc.initialPeriod();
        rules.startRule = startRule;
        rules.endRule = endRule;
        doc.setInitialPeriod(rules);
        const Zeitraum z = doc.initialDisplayPeriod(today);
        return z.start.text() + "-" + z.end.text();
    };
    EXPECT_EQ(period(kMonatsanfang, kHeute), "01.06.2024-15.06.2024");
    EXPECT_EQ(period(kErsteBuchung, kHeute), "01.01.2024-15.06.2024") << "no booking yet";
    add(date(3, 2, 2021), "1");
    EXPECT_EQ(period(kErsteBuchung, kMonatsende), "03.02.2021-30.06.2024");
    EXPECT_EQ(period(kJahresanfang, kMonatsende), "01.01.2024-30.06.2024");
    doc.setInitialPeriod({kErsteBuchung, kHeute, date(1, 8, 2024), date(31, 12, 2024)});
    EXPECT_EQ(period(kFesterStart, kFestesEnde), "01.08.2024-31.12.2024");
    EXPECT_EQ(period(kFesterStart, kHeute), "01.08.2024-01.08.2024") << "end before start";
}

TEST_F(DokumentTest, AmountsUseTheDocumentSeparators) {
    EXPECT_EQ(doc.formatBetrag(123456789), "1.234.567,89");
    EXPECT_EQ(doc.parseBetrag("1.234,5"), 123450);
    doc.changeSettings([&](ledger::CTWEinstellungen& s) {
        s.decimalSeparator = '.';
        s.thousandsSeparator = ',';
    });
    EXPECT_EQ(doc.formatBetrag(123456, true), "+1,234.56");
    EXPECT_EQ(doc.parseBetrag("1,234.56"), 123456);
    doc.changeSettings([&](ledger::CTWEinstellungen& s) { s.noGrouping = 1; });
    EXPECT_EQ(doc.formatBetrag(123456), "1234.56");
}

namespace {

// The reference order: passes of adjacent exchanges until nothing moves.
void bubbleSort(std::vector<CTWBuchung>& list) {
    for (bool exchanged = true; exchanged;) {
        exchanged = false;
        for (size_t i = 1; i < list.size(); ++i) {
            if (sortsAfter(list[i - 1], list[i])) {
                std::swap(list[i - 1], list[i]);
                exchanged = true;
            }
        }
    }
}

} // namespace

TEST_F(DokumentTest, SortGivesTheSameOrderAsAdjacentExchanges) {
    // Few dates and few numbers, so that many bookings compare equal; numbers like "1a" make
    // the comparison cyclic ("9" < "10" as numbers, "10" < "1a" < "9" as text).
    const std::vector<std::string> numberPool = {"",  "1", "2", "10", "007", "7",
                                                 "a", "B", "b", "1a", "9",   "3x"};
    std::vector<CTWBuchung> reference;
    uint32_t seed = 12345;
    auto next = [&seed](uint32_t bound) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % bound;
    };
    for (int32_t i = 0; i < 600; ++i) {
        CTWBuchung b;
        b.serial = i;
        b.date = CNVKDatum(9000 + next(12));
        b.number = numberPool[next(static_cast<uint32_t>(numberPool.size()))];
        reference.push_back(b);
        LedgerLoading(doc).appendBuchung(b);
    }
    bubbleSort(reference);
    LedgerLoading(doc).sortBuchungen();
    ASSERT_EQ(doc.bookings().size(), reference.size());
    for (size_t i = 0; i < reference.size(); ++i)
        ASSERT_EQ(doc.bookings()[i]->serial, reference[i].serial) << i;
}

TEST_F(DokumentTest, SortingALongDayOfNumbersWithoutATotalOrderStaysSafe) {
    // 9 < 10 numerically, 10 < 1a and 1a < 9 as text: no order exists; on a day with more
    // bookings than any real day has, the sort must still end quickly and keep every booking.
    const std::vector<std::string> cyclic = {"9", "10", "1a"};
    for (int32_t i = 0; i < 3000; ++i) {
        CTWBuchung b;
        b.serial = i;
        b.date = CNVKDatum(9000 + i / 1500);
        b.number = cyclic[(i * 7) % 3];
        LedgerLoading(doc).appendBuchung(std::move(b));
    }
    LedgerLoading(doc).sortBuchungen();
    std::vector<int32_t> seen = serials();
    std::sort(seen.begin(), seen.end());
    for (int32_t i = 0; i < 3000; ++i)
        ASSERT_EQ(seen[i], i);
    for (size_t i = 1; i < doc.bookings().size(); ++i)
        ASSERT_LE(doc.bookings()[i - 1]->date, doc.bookings()[i]->date);
}

TEST_F(DokumentTest, SortingLongNumbersStaysNearLinear) {
    // A crafted day of 256 bookings with numbers of 60 000 characters that differ only at their
    // end, in reverse order: each comparison would walk the whole numbers, and exchanging
    // adjacent bookings would compare them 65 000 times.
    constexpr int kBookings = 256;
    const std::string prefix(59994, 'a');
    for (int32_t i = 0; i < kBookings; ++i) {
        CTWBuchung b;
        b.serial = i;
        b.date = CNVKDatum(9000 + i % 2);
        char index[8];
        std::snprintf(index, sizeof index, "%06d", kBookings - 1 - i);
        b.number = prefix + index;
        LedgerLoading(doc).appendBuchung(std::move(b));
    }
    const std::clock_t start = std::clock();
    LedgerLoading(doc).sortBuchungen();
    const double seconds = double(std::clock() - start) / CLOCKS_PER_SEC;
    EXPECT_LT(seconds, 0.5) << "CPU time of the sort";
    // Numbers are compared on their first 256 characters: these are equal and keep their order.
    for (int32_t i = 0; i < kBookings; ++i)
        ASSERT_EQ(doc.bookings()[i]->serial,
                  i < kBookings / 2 ? 2 * i : 2 * (i - kBookings / 2) + 1);
}

TEST_F(DokumentTest, EverySettingHasItsTypeAndNewDocumentValue) {
    CTalwerkDoc fresh;
    NeueDateiWaehrung choice;
    choice.dualCurrency = 1;
    choice.euroOnly = 0;
    choice.nationalIndex = 3;
    choice.firstSymbol = "EUR";
    choice.secondSymbol = "bfr";
    fresh.markSaved(7);
    fresh.changeSettings([&](ledger::CTWEinstellungen& s) { s.tableFontName = "Courier"; });
    fresh.newDocument(choice, date(15, 6, 2024));
    for (const testsupport::SettingSpec& row : testsupport::settingSpecs()) {
        const testsupport::SettingValue value = testsupport::settingValue(fresh.settings(), row);
        if (!row.newValue.given)
            continue;
        if (row.type == 't')
            EXPECT_EQ(std::get<std::string>(value), row.newValue.text) << row.number;
        else
            EXPECT_EQ(std::get<std::int64_t>(value), row.newValue.number) << row.number;
    }
    EXPECT_EQ(fresh.settings().nationalCurrencyIndex, 3);
    EXPECT_EQ(fresh.settings().secondCurrencySymbol, "bfr");
}
