#include "bench/ledger_generator.h"

#include "ledger/ledger_builder.h"

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
    {KontoArt::Bestandskonto, "Girokonto", "GIRO", "Banken", "Girokonten"},
    {KontoArt::Bestandskonto, "Kreditkarte", "KK", "Banken", "Girokonten"},
    {KontoArt::Bestandskonto, "Tagesgeld", "TG", "Banken", "Sparkonten"},
    {KontoArt::Bestandskonto, "Sparbuch", "SPB", "Banken", "Sparkonten"},
    {KontoArt::Bestandskonto, "Bargeld", "BAR", "Bargeld", ""},
    {KontoArt::Bestandskonto, "Depot", "DEP", "Anlagen", ""},
    {KontoArt::Einnahmenkonto, "Gehalt", "GEH", "Arbeit", "Gehalt"},
    {KontoArt::Einnahmenkonto, "Nebenjob", "NJ", "Arbeit", "Nebenjob"},
    {KontoArt::Einnahmenkonto, "Zinsen", "ZIN", "Kapital", "Zinsen"},
    {KontoArt::Einnahmenkonto, "Dividenden", "DIV", "Kapital", "Dividenden"},
    {KontoArt::Einnahmenkonto, "Kindergeld", "KG", "Sonstiges", ""},
    {KontoArt::Einnahmenkonto, "Erstattungen", "ERS", "Sonstiges", ""},
    {KontoArt::Ausgabenkonto, "Miete", "MIE", "Wohnen", "Miete"},
    {KontoArt::Ausgabenkonto, "Nebenkosten", "NK", "Wohnen", "Nebenkosten"},
    {KontoArt::Ausgabenkonto, "Strom", "STR", "Wohnen", "Nebenkosten"},
    {KontoArt::Ausgabenkonto, "Telefon und Internet", "TEL", "Wohnen", "Kommunikation"},
    {KontoArt::Ausgabenkonto, "Lebensmittel", "LM", "Lebenshaltung", "Lebensmittel"},
    {KontoArt::Ausgabenkonto, "Drogerie", "DRO", "Lebenshaltung", "Lebensmittel"},
    {KontoArt::Ausgabenkonto, "Kleidung", "KL", "Lebenshaltung", "Kleidung"},
    {KontoArt::Ausgabenkonto, "Arzt und Apotheke", "ARZ", "Lebenshaltung", "Gesundheit"},
    {KontoArt::Ausgabenkonto, "Tanken", "TAN", "Mobilität", "Auto"},
    {KontoArt::Ausgabenkonto, "Kfz-Versicherung", "KFZ", "Mobilität", "Auto"},
    {KontoArt::Ausgabenkonto, "Werkstatt", "WER", "Mobilität", "Auto"},
    {KontoArt::Ausgabenkonto, "Bahn", "BAH", "Mobilität", "Öffentlicher Verkehr"},
    {KontoArt::Ausgabenkonto, "Urlaub", "URL", "Freizeit", "Reisen"},
    {KontoArt::Ausgabenkonto, "Restaurant", "RES", "Freizeit", "Ausgehen"},
    {KontoArt::Ausgabenkonto, "Hobby", "HOB", "Freizeit", ""},
    {KontoArt::Ausgabenkonto, "Geschenke", "GES", "Freizeit", ""},
    {KontoArt::Ausgabenkonto, "Haftpflicht", "HAF", "Versicherungen", ""},
    {KontoArt::Ausgabenkonto, "Hausrat", "HAU", "Versicherungen", ""},
    {KontoArt::Ausgabenkonto, "Steuern", "STE", "Steuern", ""},
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

std::vector<const CTWKonto*> accountsOfKind(const CTalwerkDoc& doc, KontoArt kind) {
    std::vector<const CTWKonto*> out;
    for (const auto& konto : doc.accounts())
        if (konto->kind == kind)
            out.push_back(konto);
    return out;
}

int categoryCount(const CTalwerkDoc& doc) {
    int n = 0;
    for (const KontoArt kind : kAlleKontoArten)
        n += static_cast<int>(doc.categories().tree(kind).size());
    return n;
}

// Fills the chart up to the option's sizes: new categories "Bereich N" (one sub-category
// each) in turn for the three kinds, then accounts "Konto N", mostly expense accounts, each
// in one of the new categories of its kind.
void addNumberedAccounts(CTalwerkDoc& doc, const LedgerOptions& options, int32_t number) {
    std::vector<const CTWKategorie*> added[kKontoArten];
    for (int i = 0; categoryCount(doc) < options.categoryCount; ++i) {
        const KontoArt kind = kAlleKontoArten[i % kKontoArten];
        const int32_t id =
            doc.addKategorie(kind, "Bereich " + std::to_string(categoryCount(doc) + 1));
        doc.addUnterkategorie(kind, id, "Allgemein");
        added[kontoArtIndex(kind)].push_back(doc.findKategorie(kind, id));
    }
    for (int i = 0; static_cast<int>(doc.accounts().size()) < options.accountCount; ++i) {
        const KontoArt kind = i % 10 < 7   ? KontoArt::Ausgabenkonto
                              : i % 10 < 9 ? KontoArt::Einnahmenkonto
                                           : KontoArt::Bestandskonto;
        const std::string n = std::to_string(number);
        CTWKonto konto;
        konto.kind = kind;
        konto.name = "Konto " + n;
        konto.abbreviation = "K" + n;
        konto.number = number++;
        konto.currencyIndex =
            kind == KontoArt::Bestandskonto ? WaehrungsIndex::Erste : WaehrungsIndex::Keine;
        const auto& ofKind = added[kontoArtIndex(kind)];
        if (!ofKind.empty()) {
            const CTWKategorie* category = ofKind[i % ofKind.size()];
            konto.category = category->id;
            konto.subcategory = i % 2 == 0 ? category->subcategories().front()->id : -1;
        }
        doc.addKonto(std::move(konto));
    }
}

// Monthly rules between the first asset account and the accounts of a kind, each executed
// for every month of the generated years.
void addRules(CTalwerkDoc& doc, const LedgerOptions& options) {
    const auto assets = accountsOfKind(doc, KontoArt::Bestandskonto);
    const auto expenses = accountsOfKind(doc, KontoArt::Ausgabenkonto);
    for (int i = 0; i < options.ruleCount; ++i) {
        const CTWKonto* target = expenses[static_cast<std::size_t>(i) % expenses.size()];
        CTWBuchungRegel regel;
        regel.name = "Dauerauftrag " + std::to_string(i + 1);
        regel.numberTemplate = "<NAECHSTE>";
        regel.textTemplate = target->name + " <MMMM> <JJJJ>";
        regel.kind = Vorgang::Ausgabe;
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
    doc->newDocument(options.dualCurrency ? LedgerBuilder::euroBesideDm() : NeueDateiWaehrung{},
                     *CNVKDatum::fromCalendar(1, 1, options.firstYear + options.years));
    LedgerBuilder build(*doc);

    int32_t number = 1000;
    for (const AccountTemplate& entry : kAccounts) {
        const int32_t categoryId = build.category(entry.kind, entry.category);
        const int32_t subcategoryId =
            *entry.subcategory ? build.subcategory(entry.kind, categoryId, entry.subcategory) : -1;

        CTWKonto konto;
        konto.kind = entry.kind;
        konto.name = entry.name;
        konto.abbreviation = entry.abbreviation;
        konto.number = number++;
        konto.category = categoryId;
        konto.subcategory = subcategoryId;
        if (entry.kind == KontoArt::Bestandskonto) {
            konto.currencyIndex =
                options.dualCurrency ? WaehrungsIndex::Zweite : WaehrungsIndex::Erste;
            konto.openingBalance = 100'000;
            if (options.dualCurrency)
                konto.switchDates.push_back(switchToEuro());
        } else {
            konto.currencyIndex = WaehrungsIndex::Keine;
        }
        doc->addKonto(std::move(konto));
    }
    addNumberedAccounts(*doc, options, number);
    doc->setModified(false);
    return doc;
}

std::vector<CTWBuchung> generateBookings(const CTalwerkDoc& doc, const LedgerOptions& options) {
    Random random(options.seed);
    const auto assets = accountsOfKind(doc, KontoArt::Bestandskonto);
    const auto incomes = accountsOfKind(doc, KontoArt::Einnahmenkonto);
    const auto expenses = accountsOfKind(doc, KontoArt::Ausgabenkonto);
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
            b.kind = Vorgang::Ausgabe;
            other = expenses[random.below(expenses.size())];
            b.amount = random.below(10) == 0 ? random.between(20'000, 120'000)
                                             : random.between(100, 15'000);
        } else if (roll < 90) {
            b.kind = Vorgang::Einnahme;
            payer = assets[0];
            other = incomes[random.below(incomes.size())];
            b.amount = random.between(5'000, 400'000);
        } else {
            b.kind = Vorgang::Umbuchung;
            do {
                other = assets[random.below(assets.size())];
            } while (other == payer);
            b.amount = random.between(2'000, 200'000);
        }
        b.konto1Id = payer->id;
        b.konto1Kind = payer->kind;
        b.konto2Id = other->id;
        b.konto2Kind = other->kind;
        b.currencyIndex = options.dualCurrency && b.date < euroDay ? WaehrungsIndex::Zweite
                                                                   : WaehrungsIndex::Erste;
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
