#include "bench/ledger_generator.h"

#include <algorithm>
#include <random>
#include <string>

namespace bench {

using namespace ledger;

namespace {

struct AccountTemplate {
    KontoArt kind;
    const char* name;
    const char* abbreviation;
    const char* category;
    const char* subcategory; // empty: none
};

constexpr AccountTemplate kAccounts[] = {
    {kBestandskonto, "Girokonto", "GIRO", "Banken", "Girokonten"},
    {kBestandskonto, "Kreditkarte", "KK", "Banken", "Girokonten"},
    {kBestandskonto, "Tagesgeld", "TG", "Banken", "Sparkonten"},
    {kBestandskonto, "Sparbuch", "SPB", "Banken", "Sparkonten"},
    {kBestandskonto, "Bargeld", "BAR", "Bargeld", ""},
    {kBestandskonto, "Depot", "DEP", "Anlagen", ""},
    {kEinnahmenkonto, "Gehalt", "GEH", "Arbeit", "Gehalt"},
    {kEinnahmenkonto, "Nebenjob", "NJ", "Arbeit", "Nebenjob"},
    {kEinnahmenkonto, "Zinsen", "ZIN", "Kapital", "Zinsen"},
    {kEinnahmenkonto, "Dividenden", "DIV", "Kapital", "Dividenden"},
    {kEinnahmenkonto, "Kindergeld", "KG", "Sonstiges", ""},
    {kEinnahmenkonto, "Erstattungen", "ERS", "Sonstiges", ""},
    {kAusgabenkonto, "Miete", "MIE", "Wohnen", "Miete"},
    {kAusgabenkonto, "Nebenkosten", "NK", "Wohnen", "Nebenkosten"},
    {kAusgabenkonto, "Strom", "STR", "Wohnen", "Nebenkosten"},
    {kAusgabenkonto, "Telefon und Internet", "TEL", "Wohnen", "Kommunikation"},
    {kAusgabenkonto, "Lebensmittel", "LM", "Lebenshaltung", "Lebensmittel"},
    {kAusgabenkonto, "Drogerie", "DRO", "Lebenshaltung", "Lebensmittel"},
    {kAusgabenkonto, "Kleidung", "KL", "Lebenshaltung", "Kleidung"},
    {kAusgabenkonto, "Arzt und Apotheke", "ARZ", "Lebenshaltung", "Gesundheit"},
    {kAusgabenkonto, "Tanken", "TAN", "Mobilität", "Auto"},
    {kAusgabenkonto, "Kfz-Versicherung", "KFZ", "Mobilität", "Auto"},
    {kAusgabenkonto, "Werkstatt", "WER", "Mobilität", "Auto"},
    {kAusgabenkonto, "Bahn", "BAH", "Mobilität", "Öffentlicher Verkehr"},
    {kAusgabenkonto, "Urlaub", "URL", "Freizeit", "Reisen"},
    {kAusgabenkonto, "Restaurant", "RES", "Freizeit", "Ausgehen"},
    {kAusgabenkonto, "Hobby", "HOB", "Freizeit", ""},
    {kAusgabenkonto, "Geschenke", "GES", "Freizeit", ""},
    {kAusgabenkonto, "Haftpflicht", "HAF", "Versicherungen", ""},
    {kAusgabenkonto, "Hausrat", "HAU", "Versicherungen", ""},
    {kAusgabenkonto, "Steuern", "STE", "Steuern", ""},
};

constexpr const char* kTexts[] = {"Einkauf Supermarkt",  "Wochenmarkt",    "Tankstelle",
                                  "Monatsmiete",         "Abschlag Strom", "Gehalt",
                                  "Zinsgutschrift",      "Umbuchung",      "Geldautomat",
                                  "Restaurantbesuch",    "Bahnfahrkarte",  "Versicherungsbeitrag",
                                  "Geburtstagsgeschenk", "Apotheke",       ""};

CNVKDatum switchToEuro() {
    return *CNVKDatum::fromCalendar(1, 1, 2002);
}

class Random {
public:
    explicit Random(uint32_t seed) : engine_(seed) {}
    // Uniform in [0, bound).
    uint32_t below(uint32_t bound) { return static_cast<uint32_t>(engine_() % bound); }
    int64_t between(int64_t low, int64_t high) {
        return low + static_cast<int64_t>(engine_() % static_cast<uint64_t>(high - low + 1));
    }

private:
    std::mt19937 engine_;
};

std::vector<const CTWKonto*> accountsOfKind(const CTalwerkDoc& doc, int32_t kind) {
    std::vector<const CTWKonto*> out;
    for (const auto& konto : doc.accounts())
        if (konto->kind == kind)
            out.push_back(konto);
    return out;
}

int categoryCount(const CTalwerkDoc& doc) {
    int n = 0;
    for (int kind = 0; kind < kKontoArten; ++kind)
        n += static_cast<int>(doc.categories().tree(kind).size());
    return n;
}

// Fills the chart up to the option's sizes: new categories "Bereich N" (one sub-category
// each) in turn for the three kinds, then accounts "Konto N", mostly expense accounts, each
// in one of the new categories of its kind.
void addNumberedAccounts(CTalwerkDoc& doc, const LedgerOptions& options, int32_t number) {
    std::vector<const CTWKategorie*> added[kKontoArten];
    for (int i = 0; categoryCount(doc) < options.categoryCount; ++i) {
        const int kind = i % kKontoArten;
        const int32_t id =
            doc.addKategorie(kind, "Bereich " + std::to_string(categoryCount(doc) + 1));
        doc.addUnterkategorie(kind, id, "Allgemein");
        added[kind].push_back(doc.findKategorie(kind, id));
    }
    for (int i = 0; static_cast<int>(doc.accounts().size()) < options.accountCount; ++i) {
        const KontoArt kind = i % 10 < 7   ? kAusgabenkonto
                              : i % 10 < 9 ? kEinnahmenkonto
                                           : kBestandskonto;
        const std::string n = std::to_string(number);
        CTWKonto konto;
        konto.kind = kind;
        konto.name = "Konto " + n;
        konto.abbreviation = "K" + n;
        konto.number = number++;
        konto.currencyIndex = kind == kBestandskonto ? 0 : -1;
        if (!added[kind].empty()) {
            const CTWKategorie* category = added[kind][i % added[kind].size()];
            konto.category = category->id;
            konto.subcategory = i % 2 == 0 ? category->subcategories().front()->id : -1;
        }
        doc.addKonto(std::move(konto));
    }
}

// Monthly rules between the first asset account and the accounts of a kind, each executed
// for every month of the generated years.
void addRules(CTalwerkDoc& doc, const LedgerOptions& options) {
    const auto assets = accountsOfKind(doc, kBestandskonto);
    const auto expenses = accountsOfKind(doc, kAusgabenkonto);
    for (int i = 0; i < options.ruleCount; ++i) {
        const CTWKonto* target = expenses[static_cast<std::size_t>(i) % expenses.size()];
        CTWBuchungRegel regel;
        regel.name = "Dauerauftrag " + std::to_string(i + 1);
        regel.numberTemplate = "<NAECHSTE>";
        regel.textTemplate = target->name + " <MMMM> <JJJJ>";
        regel.kind = kAusgabe;
        regel.konto1Id = assets.front()->id;
        regel.konto2Id = target->id;
        regel.amount = 1'000 + 500 * i;
        regel.firstDate = *CNVKDatum::fromCalendar(1 + i, 1, options.firstYear);
        CTWBuchungRegel executed = doc.addBuchungRegel(std::move(regel));
        executed.occurrenceStates.assign(static_cast<std::size_t>(options.years) * 12,
                                         kAusgefuehrt);
        doc.changeBuchungRegel(i, std::move(executed));
    }
}

} // namespace

std::unique_ptr<CTalwerkDoc> generateChartOfAccounts(const LedgerOptions& options) {
    auto doc = std::make_unique<CTalwerkDoc>();
    NeueDateiWaehrung currency;
    if (options.dualCurrency) {
        currency.dualCurrency = 1;
        currency.euroOnly = 0;
        currency.nationalIndex = 0;
        currency.rate = {195583, 100000};
        currency.secondSymbol = "DM";
    }
    doc->newDocument(currency, *CNVKDatum::fromCalendar(1, 1, options.firstYear + options.years));

    int32_t number = 1000;
    for (const AccountTemplate& entry : kAccounts) {
        const CTWKategorie* found = doc->findKategorieByName(entry.kind, entry.category);
        const int32_t categoryId =
            found ? found->id : doc->addKategorie(entry.kind, entry.category);
        int32_t subcategoryId = -1;
        if (*entry.subcategory) {
            const CTWUnterkategorie* sub =
                doc->findUnterkategorieByName(entry.kind, entry.category, entry.subcategory);
            subcategoryId =
                sub ? sub->id : doc->addUnterkategorie(entry.kind, categoryId, entry.subcategory);
        }

        CTWKonto konto;
        konto.kind = entry.kind;
        konto.name = entry.name;
        konto.abbreviation = entry.abbreviation;
        konto.number = number++;
        konto.category = categoryId;
        konto.subcategory = subcategoryId;
        if (entry.kind == kBestandskonto) {
            konto.currencyIndex = options.dualCurrency ? 1 : 0;
            konto.openingBalance = 100'000;
            if (options.dualCurrency)
                konto.switchDates.push_back(switchToEuro());
        } else {
            konto.currencyIndex = -1;
        }
        doc->addKonto(std::move(konto));
    }
    addNumberedAccounts(*doc, options, number);
    doc->setModified(false);
    return doc;
}

std::vector<CTWBuchung> generateBookings(const CTalwerkDoc& doc, const LedgerOptions& options) {
    Random random(options.seed);
    const auto assets = accountsOfKind(doc, kBestandskonto);
    const auto incomes = accountsOfKind(doc, kEinnahmenkonto);
    const auto expenses = accountsOfKind(doc, kAusgabenkonto);
    const uint32_t firstDay = CNVKDatum::fromCalendar(1, 1, options.firstYear)->dayNumber();
    const uint32_t lastDay = std::min(
        CNVKDatum::kLastDay,
        CNVKDatum::fromCalendar(31, 12, options.firstYear + options.years - 1)->dayNumber());
    const CNVKDatum euroDay = switchToEuro();

    std::vector<CTWBuchung> bookings;
    bookings.reserve(options.bookingCount);
    for (int i = 0; i < options.bookingCount; ++i) {
        CTWBuchung b;
        b.date = CNVKDatum(firstDay + random.below(lastDay - firstDay + 1));
        const uint32_t roll = random.below(100);
        // Most payments leave the current account or the cash box; a few use the others.
        const CTWKonto* payer =
            assets[random.below(100) < 80 ? random.below(2) * 4 : random.below(assets.size())];
        const CTWKonto* other;
        if (roll < 80) {
            b.kind = kAusgabe;
            other = expenses[random.below(expenses.size())];
            b.amount = random.below(10) == 0 ? random.between(20'000, 120'000)
                                             : random.between(100, 15'000);
        } else if (roll < 90) {
            b.kind = kEinnahme;
            payer = assets[0];
            other = incomes[random.below(incomes.size())];
            b.amount = random.between(5'000, 400'000);
        } else {
            b.kind = kUmbuchung;
            do {
                other = assets[random.below(assets.size())];
            } while (other == payer);
            b.amount = random.between(2'000, 200'000);
        }
        b.konto1Id = payer->id;
        b.konto1Kind = payer->kind;
        b.konto2Id = other->id;
        b.konto2Kind = other->kind;
        b.currencyIndex = options.dualCurrency && b.date < euroDay ? 1 : 0;
        if (random.below(10) < 7)
            b.number = std::to_string(1 + random.below(9999));
        b.text = kTexts[random.below(std::size(kTexts))];
        if (random.below(20) == 0)
            b.notes = "Beleg liegt im Ordner " + std::to_string(b.date.year());
        b.provisional = random.below(100) == 0 ? 1 : 0;
        bookings.push_back(std::move(b));
    }
    return bookings;
}

std::unique_ptr<CTalwerkDoc> generateLedger(const LedgerOptions& options) {
    auto doc = generateChartOfAccounts(options);
    // The bookings take their serials in the order of generation.
    doc->addBuchungen(generateBookings(*doc, options));
    addRules(*doc, options);
    doc->setModified(false);
    return doc;
}

} // namespace bench
