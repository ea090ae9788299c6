#include "accounts/start_kontenplan.h"

namespace accounts {

using namespace ledger;

namespace {

struct KontoPlan {
    int kind;
    const char* name;
    const char* abbreviation;
    int number;
    const char* category;
    const char* subcategory; // nullptr: the category only
};

// The chart of accounts; categories and sub-categories are created as they first appear.
const KontoPlan kKonten[] = {
    {kBestandskonto, "Girokonto", "GIRO", 1000, "Geldkonten", "Girokonten"},
    {kBestandskonto, "Tagesgeld", "TAGG", 1010, "Geldkonten", "Sparkonten"},
    {kBestandskonto, "Sparbuch", "SPAR", 1020, "Geldkonten", "Sparkonten"},
    {kBestandskonto, "Bargeld", "BAR", 1100, "Bargeld", nullptr},
    {kBestandskonto, "Kreditkarte", "KK", 1200, "Kredite", "Kreditkarten"},
    {kEinnahmenkonto, "Gehalt", "GEH", 4000, "Arbeit", "Gehalt"},
    {kEinnahmenkonto, "Nebenverdienst", "NEB", 4010, "Arbeit", "Nebenverdienst"},
    {kEinnahmenkonto, "Zinsen", "ZINS", 4100, "Kapitalerträge", "Zinsen"},
    {kEinnahmenkonto, "Kindergeld", "KIG", 4200, "Sonstige Einnahmen", "Staatliche Leistungen"},
    {kEinnahmenkonto, "Erstattungen", "ERST", 4210, "Sonstige Einnahmen", "Erstattungen"},
    {kAusgabenkonto, "Miete", "MIET", 6000, "Wohnen", "Miete"},
    {kAusgabenkonto, "Nebenkosten", "NK", 6010, "Wohnen", "Nebenkosten"},
    {kAusgabenkonto, "Strom", "STRM", 6020, "Wohnen", "Energie"},
    {kAusgabenkonto, "Lebensmittel", "LEBM", 6100, "Lebenshaltung", "Lebensmittel"},
    {kAusgabenkonto, "Drogerie", "DROG", 6110, "Lebenshaltung", "Haushalt"},
    {kAusgabenkonto, "Kleidung", "KLEI", 6120, "Lebenshaltung", "Kleidung"},
    {kAusgabenkonto, "Kraftstoff", "TANK", 6200, "Mobilität", "Auto"},
    {kAusgabenkonto, "Kfz-Versicherung", "KFZV", 6210, "Mobilität", "Auto"},
    {kAusgabenkonto, "Öffentlicher Nahverkehr", "ÖPNV", 6220, "Mobilität", "Bus und Bahn"},
    {kAusgabenkonto, "Haftpflichtversicherung", "HAFT", 6300, "Versicherungen", nullptr},
    {kAusgabenkonto, "Hausratversicherung", "HAUS", 6310, "Versicherungen", nullptr},
    {kAusgabenkonto, "Telefon und Internet", "TEL", 6400, "Kommunikation", nullptr},
    {kAusgabenkonto, "Rundfunkbeitrag", "GEZ", 6410, "Kommunikation", nullptr},
    {kAusgabenkonto, "Restaurant", "REST", 6500, "Freizeit", "Essen gehen"},
    {kAusgabenkonto, "Urlaub", "URL", 6510, "Freizeit", "Reisen"},
    {kAusgabenkonto, "Bücher und Kultur", "KULT", 6520, "Freizeit", "Kultur"},
    {kAusgabenkonto, "Apotheke", "APO", 6600, "Gesundheit", nullptr},
    {kAusgabenkonto, "Geschenke", "GESCH", 6700, "Sonstiges", "Geschenke"},
    {kAusgabenkonto, "Spenden", "SPEN", 6710, "Sonstiges", "Spenden"},
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
        konto.currencyIndex = plan.kind == kBestandskonto ? 0 : -1;
        konto.category = categoryId;
        konto.subcategory = subcategoryId;
        doc.addKonto(std::move(konto));
    }
}

} // namespace accounts
