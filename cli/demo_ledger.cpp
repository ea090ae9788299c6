#include "cli/demo_ledger.h"

#include "accounts/start_kontenplan.h"
#include "ledger/ledger_builder.h"

#include <cstdint>
#include <map>
#include <string>

namespace cli {

using namespace ledger;

namespace {

// The opening balances of the demo's asset accounts.
const std::pair<const char*, std::int64_t> kAnfangsbestaende[] = {
    {"GIRO", 184250}, {"TAGG", 500000}, {"SPAR", 1000000}, {"BAR", 15000}};

// A small deterministic generator, so that the same day gives the same demo file.
class Zufall {
public:
    std::uint32_t next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }
    // An amount in hundredths between low and high (both in hundredths).
    std::int64_t betrag(std::int64_t low, std::int64_t high) {
        return low + static_cast<std::int64_t>(next() % static_cast<std::uint32_t>(high - low + 1));
    }
    bool chance(int percent) { return static_cast<int>(next() % 100) < percent; }

private:
    std::uint32_t state_ = 20240601u;
};

CNVKDatum plusMonths(const CNVKDatum& date, int months) {
    int day, month, year;
    date.get(day, month, year);
    const int index = year * 12 + (month - 1) + months;
    return *CNVKDatum::fromCalendar(day, index % 12 + 1, index / 12);
}

std::string monatsname(int month) {
    static const char* const kNames[] = {"Januar",    "Februar", "März",     "April",
                                         "Mai",       "Juni",    "Juli",     "August",
                                         "September", "Oktober", "November", "Dezember"};
    return kNames[month - 1];
}

class DemoBuilder {
public:
    DemoBuilder(CTalwerkDoc& doc, const CNVKDatum& today) : doc_(doc), today_(today) {
        for (const auto& k : doc_.accounts())
            byAbbreviation_[k->abbreviation] = k;
    }

    void build() {
        int day, month, year;
        today_.get(day, month, year);
        start_ = *CNVKDatum::fromCalendar(1, month, year - 2);
        addRules();
        executeRules();
        addEverydayBookings();
        addFilters();
    }

private:
    const CTWKonto& konto(const std::string& abbreviation) {
        return *byAbbreviation_.at(abbreviation);
    }

    void buchung(const CNVKDatum& date, const char* from, const char* to, std::int64_t amount,
                 const std::string& text, bool numbered, const std::string& notes = {}) {
        const CTWKonto& k1 = konto(from);
        const CTWKonto& k2 = konto(to);
        CTWBuchung b = LedgerBuilder(doc_).booking(date, k1.id, k2.id, amount);
        b.text = text;
        b.notes = notes;
        if (numbered)
            b.number = std::to_string(++nextNumber_);
        // Card payments of the last six weeks are not yet on a statement.
        b.provisional = std::string(from) == "KK" && today_.dayNumber() - date.dayNumber() < 42;
        doc_.addBuchung(std::move(b));
    }

    void regel(const char* name, const char* from, const char* to, std::int64_t amount,
               const char* text, int day, int interval) {
        const CTWKonto& k1 = konto(from);
        const CTWKonto& k2 = konto(to);
        CTWBuchungRegel r;
        r.name = name;
        r.numberTemplate = "<NAECHSTE>";
        r.counterStart = 1;
        r.textTemplate = text;
        r.kind = vorgangZu(k2.kind);
        r.konto1Id = k1.id;
        r.konto2Id = k2.id;
        r.amount = amount;
        r.intervalCount = interval;
        r.intervalUnit = kMonate;
        int d, m, y;
        start_.get(d, m, y);
        r.firstDate = *CNVKDatum::fromCalendar(day, m, y);
        doc_.addBuchungRegel(std::move(r));
    }

    void addRules() {
        regel("Gehalt", "GIRO", "GEH", 312450, "Gehalt <MMMM> <JJJJ>", 27, 1);
        regel("Miete", "GIRO", "MIET", 84000, "Miete <MMMM> <JJJJ>", 1, 1);
        regel("Nebenkosten", "GIRO", "NK", 19500, "Nebenkostenvorauszahlung <MM>/<JJJJ>", 1, 1);
        regel("Kindergeld", "GIRO", "KIG", 25500, "Kindergeld <MMMM>", 10, 1);
        regel("Sparrate", "GIRO", "TAGG", 20000, "Sparrate <MMMM> <JJJJ>", 3, 1);
        regel("Rundfunkbeitrag", "GIRO", "GEZ", 5508, "Rundfunkbeitrag <MM>/<JJJJ>", 15, 3);
        regel("Haftpflicht", "GIRO", "HAFT", 6890, "Privathaftpflicht <JJJJ>", 5, 12);
    }

    // Every occurrence due up to three days ago is booked and marked executed; later ones
    // stay due.
    void executeRules() {
        for (int index = 0; index < static_cast<int>(doc_.rules().size()); ++index) {
            const CTWBuchungRegel* r = doc_.rules()[index];
            for (int k = 0;; ++k) {
                const CNVKDatum due = plusMonths(r->firstDate, k * r->intervalCount);
                if (due.dayNumber() + 3 > today_.dayNumber())
                    break;
                int d, m, y;
                due.get(d, m, y);
                std::string text = r->textTemplate;
                replace(text, "<MMMM>", monatsname(m));
                replace(text, "<MM>", (m < 10 ? "0" : "") + std::to_string(m));
                replace(text, "<JJJJ>", std::to_string(y));
                const CTWKonto* k1 = doc_.findKonto(r->konto1Id);
                const CTWKonto* k2 = doc_.findKonto(r->konto2Id);
                buchung(due, k1->abbreviation.c_str(), k2->abbreviation.c_str(), r->amount, text,
                        true);
                doc_.setVorkommen(index, k, kAusgefuehrt);
            }
        }
    }

    static void replace(std::string& text, const std::string& placeholder,
                        const std::string& value) {
        for (auto at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder))
            text.replace(at, placeholder.size(), value);
    }

    void addEverydayBookings() {
        std::int64_t cardMonth = 0;
        for (std::uint32_t n = start_.dayNumber(); n <= today_.dayNumber(); ++n) {
            const CNVKDatum date(n);
            int day, month, year;
            date.get(day, month, year);
            const int weekday = static_cast<int>((n + 3) % 7); // 0 Monday; 01.01.1970 a Thursday
            if (weekday == 1 || weekday == 4)
                buchung(date, "GIRO", "LEBM", z_.betrag(2500, 9500), "Supermarkt", true);
            if (weekday == 5) {
                buchung(date, "BAR", "LEBM", z_.betrag(1800, 4500), "Wochenmarkt", false);
                buchung(date, "BAR", "LEBM", z_.betrag(450, 1290), "Bäckerei Schmidt", false);
            }
            if (weekday == 2 && z_.chance(40))
                buchung(date, "GIRO", "DROG", z_.betrag(690, 3490), "Drogeriemarkt", true);
            if (n % 11 == 0)
                buchung(date, "GIRO", "TANK", z_.betrag(4500, 8200), "Tankstelle", true);
            if (day == 14 || day == 28)
                buchung(date, "GIRO", "BAR", day == 14 ? 15000 : 10000, "Geldautomat", true);
            if (day == 5)
                buchung(date, "GIRO", "STRM", 7800, "Abschlag Stadtwerke", true);
            if (day == 12)
                buchung(date, "GIRO", "TEL", 3999, "Telefon und Internet", true);
            if (day == 2)
                buchung(date, "BAR", "ÖPNV", 4900, "Deutschlandticket", false);
            if (weekday == 4 && z_.chance(45)) {
                const std::int64_t amount = z_.betrag(2800, 9800);
                buchung(date, "KK", "REST", amount, "Restaurant", false);
                cardMonth += amount;
            }
            if (weekday == 2 && z_.chance(50)) {
                const std::int64_t amount = z_.betrag(1299, 6999);
                buchung(date, "KK", "DROG", amount, "Versandhandel", false);
                cardMonth += amount;
            }
            if (day == 18 && z_.chance(60)) {
                const std::int64_t amount = z_.betrag(2500, 14900);
                buchung(date, "KK", "KLEI", amount, "Bekleidungshaus", false);
                cardMonth += amount;
            }
            if (day == 22 && z_.chance(30))
                buchung(date, "BAR", "KULT", z_.betrag(990, 3500), "Buchhandlung", false);
            if (day == 9 && z_.chance(25))
                buchung(date, "GIRO", "APO", z_.betrag(490, 2890), "Apotheke", true);
            if (day == 20 && month % 3 == 0)
                buchung(date, "GIRO", "NEB", z_.betrag(15000, 45000), "Honorar Nachhilfe", true);
            if (day == 15 && month == 3)
                buchung(date, "GIRO", "KFZV", 38760, "Kfz-Versicherung", true);
            if (day == 1 && month == 4)
                buchung(date, "GIRO", "HAUS", 9640, "Hausratversicherung", true);
            if (day == 20 && month == 7)
                buchung(date, "GIRO", "URL", z_.betrag(120000, 180000), "Ferienwohnung Ostsee",
                        true, "Anzahlung bereits im Vorjahr\nRest bei Anreise");
            if (day == 10 && month == 12)
                buchung(date, "GIRO", "GESCH", z_.betrag(15000, 30000), "Weihnachtsgeschenke",
                        true);
            if (day == 28 && month == 12)
                buchung(date, "GIRO", "SPEN", 10000, "Spende Tierheim", true);
            if (day == 30 && month == 6)
                buchung(date, "GIRO", "ERST", z_.betrag(8000, 40000), "Erstattung Krankenkasse",
                        true);
            if (day == 31 && month == 12) {
                buchung(date, "TAGG", "ZINS", z_.betrag(6000, 9000), "Zinsen Tagesgeld", false);
                buchung(date, "SPAR", "ZINS", z_.betrag(1000, 2500), "Zinsen Sparbuch", false);
            }
            // The card statement of the month before is settled from the current account.
            if (day == 25 && cardMonth > 0 && today_.dayNumber() - n >= 30) {
                buchung(date, "GIRO", "KK", cardMonth, "Kreditkartenabrechnung", true);
                cardMonth = 0;
            }
        }
    }

    void addFilters() {
        CTWBuchungsFilterNeu gross = *doc_.filters()[0];
        gross.name = "Große Ausgaben";
        gross.kindConditionOn = 1;
        gross.kind = Vorgang::Ausgabe;
        gross.amountConditionOn = 1;
        gross.amountFrom = 50000;
        gross.amountTo = 100000000;
        CTWBuchungsFilterNeu essen = *doc_.filters()[1];
        essen.name = "Lebensmittel";
        essen.accountConditionOn = 1;
        essen.accountId = konto("LEBM").id;
        CTWBuchungsFilterNeu offen = *doc_.filters()[2];
        offen.name = "Vorläufige Buchungen";
        offen.provisionalMode = kNurVorlaeufige;
        CTWBuchungsFilterNeu mobil = *doc_.filters()[3];
        mobil.name = "Tanken und Supermarkt";
        mobil.textConditionOn = 1;
        mobil.textMode = kEnthaelt;
        mobil.textPattern = "Tankstelle ODER Supermarkt";
        doc_.changeFilter(0, std::move(gross));
        doc_.changeFilter(1, std::move(essen));
        doc_.changeFilter(2, std::move(offen));
        doc_.changeFilter(3, std::move(mobil));
    }

    CTalwerkDoc& doc_;
    CNVKDatum today_;
    CNVKDatum start_;
    std::map<std::string, const CTWKonto*> byAbbreviation_;
    Zufall z_;
    int nextNumber_ = 0;
};

} // namespace

std::unique_ptr<CTalwerkDoc> demoKontenplan(const CNVKDatum& today) {
    auto doc = std::make_unique<CTalwerkDoc>();
    doc->newDocument(NeueDateiWaehrung{}, today);
    accounts::legeStartKontenplanAn(*doc);
    for (const auto& [abbreviation, balance] : kAnfangsbestaende) {
        CTWKonto konto = *doc->findKontoByText(abbreviation, false);
        konto.openingBalance = balance;
        doc->changeKonto(konto);
    }
    doc->setModified(false);
    return doc;
}

std::unique_ptr<CTalwerkDoc> demoDatei(const CNVKDatum& today) {
    auto doc = demoKontenplan(today);
    DemoBuilder(*doc, today).build();
    doc->setModified(false);
    return doc;
}

} // namespace cli
