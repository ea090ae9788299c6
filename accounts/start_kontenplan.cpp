#include "accounts/start_kontenplan.h"

namespace accounts {

using namespace ledger;

namespace {

struct KontoPlan {
    ledger::KontoArt kind;
    const char* name;
    const char* abbreviation;
    int number;
    const char* category;
    const char* subcategory; // nullptr: the category only
};

// The chart of accounts; categories and sub-categories are created as they first appear.
const KontoPlan kKonten[] = {
    {KontoArt::Bestandskonto, "Girokonto", "GIRO", 1000, "Geldkonten", "Girokonten"},
    {KontoArt::Bestandskonto, "Tagesgeld", "TAGG", 1010, "Geldkonten", "Sparkonten"},
    {KontoArt::Bestandskonto, "Sparbuch", "SPAR", 1020, "Geldkonten", "Sparkonten"},
    {KontoArt::Bestandskonto, "Bargeld", "BAR", 1100, "Bargeld", nullptr},
    {KontoArt::Bestandskonto, "Kreditkarte", "KK", 1200, "Kredite", "Kreditkarten"},
    {KontoArt::Einnahmenkonto, "Gehalt", "GEH", 4000, "Arbeit", "Gehalt"},
    {KontoArt::Einnahmenkonto, "Nebenverdienst", "NEB", 4010, "Arbeit", "Nebenverdienst"},
    {KontoArt::Einnahmenkonto, "Zinsen", "ZINS", 4100, "Kapitalerträge", "Zinsen"},
    {KontoArt::Einnahmenkonto, "Kindergeld", "KIG", 4200, "Sonstige Einnahmen",
     "Staatliche Leistungen"},
    {KontoArt::Einnahmenkonto, "Erstattungen", "ERST", 4210, "Sonstige Einnahmen", "Erstattungen"},
    {KontoArt::Ausgabenkonto, "Miete", "MIET", 6000, "Wohnen", "Miete"},
    {KontoArt::Ausgabenkonto, "Nebenkosten", "NK", 6010, "Wohnen", "Nebenkosten"},
    {KontoArt::Ausgabenkonto, "Strom", "STRM", 6020, "Wohnen", "Energie"},
    {KontoArt::Ausgabenkonto, "Lebensmittel", "LEBM", 6100, "Lebenshaltung", "Lebensmittel"},
    {KontoArt::Ausgabenkonto, "Drogerie", "DROG", 6110, "Lebenshaltung", "Haushalt"},
    {KontoArt::Ausgabenkonto, "Kleidung", "KLEI", 6120, "Lebenshaltung", "Kleidung"},
    {KontoArt::Ausgabenkonto, "Kraftstoff", "TANK", 6200, "Mobilität", "Auto"},
    {KontoArt::Ausgabenkonto, "Kfz-Versicherung", "KFZV", 6210, "Mobilität", "Auto"},
    {KontoArt::Ausgabenkonto, "Öffentlicher Nahverkehr", "ÖPNV", 6220, "Mobilität", "Bus und Bahn"},
    {KontoArt::Ausgabenkonto, "Haftpflichtversicherung", "HAFT", 6300, "Versicherungen", nullptr},
    {KontoArt::Ausgabenkonto, "Hausratversicherung", "HAUS", 6310, "Versicherungen", nullptr},
    {KontoArt::Ausgabenkonto, "Telefon und Internet", "TEL", 6400, "Kommunikation", nullptr},
    {KontoArt::Ausgabenkonto, "Rundfunkbeitrag", "GEZ", 6410, "Kommunikation", nullptr},
    {KontoArt::Ausgabenkonto, "Restaurant", "REST", 6500, "Freizeit", "Essen gehen"},
    {KontoArt::Ausgabenkonto, "Urlaub", "URL", 6510, "Freizeit", "Reisen"},
    {KontoArt::Ausgabenkonto, "Bücher und Kultur", "KULT", 6520, "Freizeit", "Kultur"},
    {KontoArt::Ausgabenkonto, "Apotheke", "APO", 6600, "Gesundheit", nullptr},
    {KontoArt::Ausgabenkonto, "Geschenke", "GESCH", 6700, "Sonstiges", "Geschenke"},
    {KontoArt::Ausgabenkonto, "Spenden", "SPEN", 6710, "Sonstiges", "Spenden"},
};

} // namespace

void legeStartKontenplanAn(CTalwerkDoc& doc) {
    for (const KontoPlan& plan : kKonten) {
        const CTWKategorie* found = doc.findKategorieByName(plan.kind, plan.category);
        const int32_t categoryId = found ? found->id : doc.addKategorie(plan.kind, plan.category);
        int32_t subcategoryId = -1;
        if (plan.subcategory) {
            const CTWUnterkategorie* sub =
                doc.findUnterkategorieByName(plan.kind, plan.category, plan.subcategory);
            subcategoryId =
                sub ? sub->id : doc.addUnterkategorie(plan.kind, categoryId, plan.subcategory);
        }
        CTWKonto konto;
        konto.kind = plan.kind;
        konto.name = plan.name;
        konto.abbreviation = plan.abbreviation;
        konto.number = plan.number;
        konto.currencyIndex =
            plan.kind == KontoArt::Bestandskonto ? WaehrungsIndex::Erste : WaehrungsIndex::Keine;
        konto.category = categoryId;
        konto.subcategory = subcategoryId;
        doc.addKonto(std::move(konto));
    }
}

} // namespace accounts
