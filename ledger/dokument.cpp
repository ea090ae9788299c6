#include "ledger/dokument.h"

#include <algorithm>
#include <cstdio>

namespace ledger {

void CTalwerkDoc::newDocument(const NeueDateiWaehrung& currency, const CNVKDatum& today) {
    settings = CTWEinstellungen{};
    settings.dualCurrency = currency.dualCurrency;
    settings.euroOnly = currency.euroOnly;
    settings.nationalCurrencyIndex = currency.nationalIndex;
    settings.firstCurrencySymbol = currency.firstSymbol;
    settings.secondCurrencySymbol = currency.secondSymbol;
    rate = currency.rate;

    bookings.clear();
    rules.clear();
    accounts.clear();
    nextRuleSerial = 0;
    categories.clear();
    hiddenBookingTexts.clear();
    password = CNVKKennwort{};
    screenScale = 1.0;
    initialPeriod = Darstellungszeitraum{kMonatsanfang, kHeute, today, today};
    accountBookingsSortDirection = 0;

    resetFilters();
}

void CTalwerkDoc::resetFilters() {
    filters.clear();
    for (int i = 1; i <= kFilterCount; ++i) {
        auto filter = std::make_unique<CTWBuchungsFilterNeu>();
        char name[32];
        std::snprintf(name, sizeof name, "Filter %d", i);
        filter->name = name;
        filters.push_back(std::move(filter));
    }
}

BetragFormat CTalwerkDoc::betragFormat() const {
    return {settings.decimalSeparator, settings.thousandsSeparator, settings.noGrouping};
}

std::string CTalwerkDoc::formatBetrag(int64_t amount, bool showPlus) const {
    return betragFormat().format(amount, showPlus);
}

std::optional<int64_t> CTalwerkDoc::parseBetrag(std::string_view text) const {
    return betragFormat().parse(text);
}

WaehrungsBetrag CTalwerkDoc::convertBetrag(int64_t amount, int32_t currencyIndex) const {
    if (settings.dualCurrency == 0)
        return {amount, currencyIndex};
    if (currencyIndex == 0)
        return {ledger::convertBetrag(amount, rate.numerator, rate.denominator), 1};
    return {ledger::convertBetrag(amount, rate.denominator, rate.numerator), 1 - currencyIndex};
}

CTWKonto* CTalwerkDoc::findKonto(int32_t id) const {
    const int index = indexOfKonto(id);
    return index < 0 ? nullptr : accounts[index].get();
}

int CTalwerkDoc::indexOfKonto(int32_t id) const {
    for (size_t i = 0; i < accounts.size(); ++i)
        if (accounts[i]->id == id)
            return static_cast<int>(i);
    return -1;
}

CTWKonto* CTalwerkDoc::findKontoByNumber(int32_t number) const {
    for (const auto& konto : accounts)
        if (konto->number == number)
            return konto.get();
    return nullptr;
}

CTWKonto* CTalwerkDoc::findKontoByText(std::string_view text, bool byName) const {
    for (const auto& konto : accounts)
        if ((byName ? konto->name : konto->abbreviation) == text)
            return konto.get();
    return nullptr;
}

CTWKonto& CTalwerkDoc::addKonto(CTWKonto konto) {
    konto.id = settings.nextAccountId++;
    accounts.push_back(std::make_unique<CTWKonto>(std::move(konto)));
    setModified();
    return *accounts.back();
}

bool CTalwerkDoc::isKontoUsedByRegel(int32_t kontoId) const {
    return std::any_of(rules.begin(), rules.end(),
                       [&](const auto& regel) { return regel->touches(kontoId); });
}

CTWKategorie* CTalwerkDoc::findKategorie(int kind, int32_t categoryId) const {
    return categories.findKategorie(kind, categoryId);
}

CTWUnterkategorie* CTalwerkDoc::findUnterkategorie(int kind, int32_t categoryId,
                                                   int32_t subcategoryId) const {
    return categories.findUnterkategorie(kind, categoryId, subcategoryId);
}

CTWKategorie* CTalwerkDoc::findKategorieByName(int kind, std::string_view name) const {
    return categories.findKategorie(kind, name);
}

int CTalwerkDoc::indexOfKategorieByName(int kind, std::string_view name) const {
    return categories.indexOfKategorie(kind, name);
}

CTWUnterkategorie* CTalwerkDoc::findUnterkategorieByName(int kind, std::string_view categoryName,
                                                         std::string_view subcategoryName) const {
    const CTWKategorie* category = categories.findKategorie(kind, categoryName);
    return category ? category->findUnterkategorie(subcategoryName) : nullptr;
}

int CTalwerkDoc::indexOfUnterkategorieByName(int kind, std::string_view categoryName,
                                             std::string_view subcategoryName) const {
    const CTWKategorie* category = categories.findKategorie(kind, categoryName);
    return category ? category->indexOfUnterkategorie(subcategoryName) : -1;
}

std::string CTalwerkDoc::kategorieName(int kind, int32_t categoryId) const {
    const CTWKategorie* category = findKategorie(kind, categoryId);
    return category ? category->name : kKeine;
}

std::string CTalwerkDoc::unterkategorieName(int kind, int32_t categoryId,
                                            int32_t subcategoryId) const {
    const CTWUnterkategorie* sub = findUnterkategorie(kind, categoryId, subcategoryId);
    return sub ? sub->name : kKeine;
}

void CTalwerkDoc::rebuildKategorieUsageCounts() {
    categories.rebuildUsageCounts(accounts);
}

int CTalwerkDoc::indexOfBuchung(int32_t serial) const {
    for (size_t i = 0; i < bookings.size(); ++i)
        if (bookings[i]->serial == serial)
            return static_cast<int>(i);
    return -1;
}

int CTalwerkDoc::addBuchung(CTWBuchung buchung) {
    if (buchung.serial == -1)
        buchung.serial = settings.nextBookingSerial++;

    // The list is ordered by date, so the bookings of the same date form one run; within it
    // the new booking goes before the first booking whose number compares greater.
    const auto byDate = [](const std::unique_ptr<CTWBuchung>& b, const CNVKDatum& date) {
        return b->date < date;
    };
    const auto dateAfter = [](const CNVKDatum& date, const std::unique_ptr<CTWBuchung>& b) {
        return date < b->date;
    };
    auto position = std::lower_bound(bookings.begin(), bookings.end(), buchung.date, byDate);
    const auto runEnd = std::upper_bound(position, bookings.end(), buchung.date, dateAfter);
    while (position != runEnd && compareBuchungsnummer((*position)->number, buchung.number) <= 0)
        ++position;

    // The kinds stored beside the ids are those of the accounts.
    if (CTWKonto* konto1 = findKonto(buchung.konto1Id)) {
        buchung.konto1Kind = konto1->kind;
        ++konto1->bookingCount;
    }
    if (CTWKonto* konto2 = findKonto(buchung.konto2Id)) {
        buchung.konto2Kind = konto2->kind;
        ++konto2->bookingCount;
    }

    const auto inserted =
        bookings.insert(position, std::make_unique<CTWBuchung>(std::move(buchung)));
    setModified();
    return static_cast<int>(inserted - bookings.begin());
}

int32_t CTalwerkDoc::removeBuchung(int index) {
    if (index < 0 || static_cast<size_t>(index) >= bookings.size())
        return -1;
    const CTWBuchung& buchung = *bookings[index];
    for (const int32_t kontoId : {buchung.konto1Id, buchung.konto2Id})
        if (CTWKonto* konto = findKonto(kontoId))
            --konto->bookingCount;
    const int32_t serial = buchung.serial;
    bookings.erase(bookings.begin() + index);
    setModified();
    return serial;
}

void CTalwerkDoc::sortBuchungen() {
    using Ptr = std::unique_ptr<CTWBuchung>;
    // Dates are totally ordered: a stable sort by date alone brings every booking into its
    // run of equal dates, in the same relative order that exchanging adjacent bookings would.
    std::stable_sort(bookings.begin(), bookings.end(),
                     [](const Ptr& a, const Ptr& b) { return a->date < b->date; });
    for (auto run = bookings.begin(); run != bookings.end();) {
        const auto end = std::find_if(run, bookings.end(),
                                      [&](const Ptr& b) { return b->date != (*run)->date; });
        sortRunByNumber(run, end);
        run = end;
    }
}

void CTalwerkDoc::sortRunByNumber(BuchungIterator first, BuchungIterator last) {
    const auto after = [](const std::unique_ptr<CTWBuchung>& a,
                          const std::unique_ptr<CTWBuchung>& b) {
        return compareBuchungsnummer(a->number, b->number) > 0;
    };
    // The number comparison is no order when numbers like "1a" meet plain numbers ("9" < "10"
    // as numbers, "10" < "1a" < "9" as text), and then only the exchange of adjacent bookings
    // until none is out of order gives the booking order. Runs of what a real day has are
    // sorted that way: up to 256 bookings whose numbers take up to 4096 characters together.
    // A longer run (only an edited file has one) is sorted stably, which is the same wherever
    // the comparison is an order. Exchanging costs up to (bookings) passes over the run's
    // numbers, so the bounds keep loading near-linear in the file size for any file.
    constexpr std::ptrdiff_t kExchangeRunLimit = 256;
    constexpr std::size_t kExchangeNumberLimit = 4096;
    std::size_t numberLength = 0;
    for (auto it = first; it != last && numberLength <= kExchangeNumberLimit; ++it)
        numberLength += (*it)->number.size();
    if (last - first > kExchangeRunLimit || numberLength > kExchangeNumberLimit) {
        std::stable_sort(first, last, [&](const auto& a, const auto& b) { return after(b, a); });
        return;
    }
    // On an order, n passes always suffice; the bound keeps a file with numbers that compare
    // in a circle from holding the program in this loop.
    for (std::ptrdiff_t pass = 0; pass <= last - first; ++pass) {
        bool exchanged = false;
        for (auto it = first; it + 1 < last; ++it) {
            if (after(*it, *(it + 1))) {
                std::iter_swap(it, it + 1);
                exchanged = true;
            }
        }
        if (!exchanged)
            return;
    }
}

bool CTalwerkDoc::isBuchungOrderValid() const {
    for (size_t i = 1; i < bookings.size(); ++i)
        if (sortsAfter(*bookings[i - 1], *bookings[i]))
            return false;
    return true;
}

CTWBuchungRegel& CTalwerkDoc::addBuchungRegel(CTWBuchungRegel regel) {
    regel.serial = nextRuleSerial++;
    regel.occurrenceStates.clear();
    rules.push_back(std::make_unique<CTWBuchungRegel>(std::move(regel)));
    setModified();
    return *rules.back();
}

Zeitraum CTalwerkDoc::initialDisplayPeriod(const CNVKDatum& today) const {
    int day, month, year;
    today.get(day, month, year);
    CNVKDatum yearStart;
    yearStart.set(1, 1, year);
    CNVKDatum monthStart;
    monthStart.set(1, month, year);
    // Dates outside the valid range fall back to its nearest end.
    CNVKDatum monthEnd(CNVKDatum::kLastDay);
    monthEnd.set(CNVKDatum::daysInMonth(month, year), month, year);

    Zeitraum period;
    switch (initialPeriod.startRule) {
    case kErsteBuchung:
        period.start = bookings.empty() ? yearStart : bookings.front()->date;
        break;
    case kJahresanfang:
        period.start = yearStart;
        break;
    case kMonatsanfang:
        period.start = monthStart;
        break;
    default:
        period.start = initialPeriod.startDate;
        break;
    }
    switch (initialPeriod.endRule) {
    case kHeute:
        period.end = today;
        break;
    case kMonatsende:
        period.end = monthEnd;
        break;
    default:
        period.end = initialPeriod.endDate;
        break;
    }
    if (period.end < period.start)
        period.end = period.start;
    return period;
}

} // namespace ledger
