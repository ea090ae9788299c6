#include "ledger/dokument.h"

#include <gtest/gtest.h>

using namespace ledger;

namespace {

CNVKDatum date(int d, int m, int y) {
    return *CNVKDatum::fromCalendar(d, m, y);
}

class DokumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc.newDocument(NeueDateiWaehrung{}, date(15, 6, 2024));
        CTWKonto giro;
        giro.kind = kBestandskonto;
        giro.name = "Giro";
        giro.number = 1;
        girokonto = doc.addKonto(giro).id;
        CTWKonto food;
        food.kind = kAusgabenkonto;
        food.name = "Lebensmittel";
        food.number = 2;
        food.currencyIndex = -1;
        lebensmittel = doc.addKonto(food).id;
        doc.setModified(false);
    }

    int add(const CNVKDatum& d, std::string number, int32_t serial = -1) {
        CTWBuchung b;
        b.serial = serial;
        b.date = d;
        b.number = std::move(number);
        b.kind = kAusgabe;
        b.konto1Id = girokonto;
        b.konto2Id = lebensmittel;
        b.konto2Kind = kAusgabenkonto;
        b.amount = 100;
        return doc.addBuchung(b);
    }

    std::vector<std::string> numbers() const {
        std::vector<std::string> out;
        for (const auto& b : doc.bookings)
            out.push_back(b->number);
        return out;
    }

    std::vector<int32_t> serials() const {
        std::vector<int32_t> out;
        for (const auto& b : doc.bookings)
            out.push_back(b->serial);
        return out;
    }

    CTalwerkDoc doc;
    int32_t girokonto = -1;
    int32_t lebensmittel = -1;
};

} // namespace

TEST_F(DokumentTest, NewDocumentValues) {
    EXPECT_EQ(doc.filters.size(), 10u);
    EXPECT_EQ(doc.filters.front()->name, "Filter 1");
    EXPECT_EQ(doc.filters.back()->name, "Filter 10");
    EXPECT_EQ(doc.filters[3]->numberTo, 100000u);
    EXPECT_EQ(doc.filters[3]->accountId, -1);
    EXPECT_EQ(doc.filters[3]->amountFrom, 100);

    CTalwerkDoc fresh;
    NeueDateiWaehrung dm;
    dm.dualCurrency = 1;
    dm.euroOnly = 0;
    dm.nationalIndex = 0;
    dm.rate = {195583, 100000};
    dm.secondSymbol = "DM";
    fresh.newDocument(dm, date(15, 6, 2024));
    EXPECT_TRUE(fresh.accounts.empty());
    EXPECT_TRUE(fresh.bookings.empty());
    EXPECT_TRUE(fresh.rules.empty());
    for (const auto& tree : fresh.categories.trees)
        EXPECT_TRUE(tree.empty());
    EXPECT_EQ(fresh.settings.nextAccountId, 0);
    EXPECT_EQ(fresh.settings.nextBookingSerial, 0);
    EXPECT_EQ(fresh.settings.dualCurrency, 1);
    EXPECT_EQ(fresh.settings.euroOnly, 0);
    EXPECT_EQ(fresh.settings.secondCurrencySymbol, "DM");
    EXPECT_EQ(fresh.rate.numerator, 195583);
    EXPECT_EQ(fresh.settings.decimalSeparator, ',');
    EXPECT_EQ(fresh.settings.accountsData, 0x3071f57u);
    EXPECT_EQ(fresh.settings.bookingsTitle, "Buchungen (<STARTDATUM> bis <ENDDATUM>)");
    EXPECT_EQ(fresh.settings.yearWindowEndMonth, 12);
    EXPECT_EQ(fresh.settings.saveCounter, 0);
    EXPECT_EQ(fresh.initialPeriod.startRule, kMonatsanfang);
    EXPECT_EQ(fresh.initialPeriod.endRule, kHeute);
    EXPECT_EQ(fresh.initialPeriod.startDate, date(15, 6, 2024));
    EXPECT_FALSE(fresh.password.isActive());
    EXPECT_EQ(fresh.screenScale, 1.0);
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

    EXPECT_EQ(doc.removeBuchung(2), -1);
    EXPECT_EQ(doc.removeBuchung(-1), -1);
    EXPECT_EQ(doc.bookings.size(), 2u);

    EXPECT_EQ(doc.removeBuchung(1), 1);
    EXPECT_EQ(doc.removeBuchung(0), 0);
    EXPECT_EQ(doc.findKonto(girokonto)->bookingCount, 0);
    EXPECT_EQ(doc.findKonto(lebensmittel)->bookingCount, 0);

    // Serials come from the counter and are never reused; an explicit serial (an edited
    // booking) leaves the counter alone.
    EXPECT_EQ(doc.bookings.size(), 0u);
    add(date(3, 1, 2024), "3");
    EXPECT_EQ(doc.bookings.front()->serial, 2);
    add(date(3, 1, 2024), "4", 0);
    EXPECT_EQ(doc.settings.nextBookingSerial, 3);
    EXPECT_EQ(doc.indexOfBuchung(0), 1);
    EXPECT_EQ(doc.indexOfBuchung(7), -1);

    // A booking whose account is gone still leaves the list.
    doc.accounts.erase(doc.accounts.begin());
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
        auto b = std::make_unique<CTWBuchung>();
        b->date = d;
        b->number = n;
        b->serial = serial++;
        doc.bookings.push_back(std::move(b));
    }
    EXPECT_FALSE(doc.isBuchungOrderValid());
    doc.sortBuchungen();
    EXPECT_TRUE(doc.isBuchungOrderValid());
    EXPECT_EQ(serials(), (std::vector<int32_t>{5, 3, 1, 6, 7, 0, 4, 2}));
}
