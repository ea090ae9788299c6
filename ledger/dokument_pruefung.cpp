#include "ledger/dokument_pruefung.h"

#include <cstdarg>
#include <cstdio>
#include <map>
#include <set>
#include <unordered_map>

namespace ledger {

namespace {

class Pruefung {
public:
    explicit Pruefung(const CTalwerkDoc& doc) : doc_(doc) {
        for (const auto& k : doc_.accounts())
            kontoById_.emplace(k->id, k);
    }

    std::vector<std::string> run() {
        pruefeKonten();
        pruefeKategorien();
        pruefeBuchungen();
        pruefeRegeln();
        if (doc_.filters().size() != static_cast<std::size_t>(kFilterCount))
            add("Die Datei hat %zu statt %d Buchungsfilter.", doc_.filters().size(), kFilterCount);
        return std::move(violations_);
    }

private:
    void add(const char* format, ...) __attribute__((format(printf, 2, 3))) {
        char line[512];
        va_list args;
        va_start(args, format);
        std::vsnprintf(line, sizeof line, format, args);
        va_end(args);
        violations_.emplace_back(line);
    }

    const CTWKonto* konto(std::int32_t id) const {
        const auto it = kontoById_.find(id);
        return it == kontoById_.end() ? nullptr : it->second;
    }

    static bool isValid(const CNVKDatum& date) {
        return date.dayNumber() >= CNVKDatum::kFirstDay && date.dayNumber() <= CNVKDatum::kLastDay;
    }

    template <class Key>
    void unique(std::set<Key>& seen, const Key& key, const char* what, const CTWKonto& k) {
        if (!seen.insert(key).second)
            add("Konto %d (%s): %s ist nicht eindeutig.", k.id, k.name.c_str(), what);
    }

    void pruefeKonten() {
        std::set<std::int32_t> ids, numbers;
        std::set<std::string> names, abbreviations;
        for (const auto& kp : doc_.accounts()) {
            const CTWKonto& k = *kp;
            unique(ids, k.id, "Die Konto-Id", k);
            unique(numbers, k.number, "Die Kontonummer", k);
            unique(names, k.name, "Die Bezeichnung", k);
            unique(abbreviations, k.abbreviation, "Die Abkürzung", k);
            if (k.id < 0 || k.id >= doc_.settings().nextAccountId)
                add("Konto %d (%s): Die Id liegt nicht unter dem Zähler %d.", k.id, k.name.c_str(),
                    doc_.settings().nextAccountId);
            if (k.number < 1 || k.number > 999999)
                add("Konto %d (%s): Kontonummer %d außerhalb von 1 bis 999999.", k.id,
                    k.name.c_str(), k.number);
            pruefeWaehrung(k);
            for (int assignment = kStandard; assignment <= kAlternative2; ++assignment)
                pruefeZuordnung(k, assignment);
        }
    }

    void pruefeWaehrung(const CTWKonto& k) {
        if (k.isAsset()) {
            if (k.currencyIndex == WaehrungsIndex::Keine)
                add("Konto %d (%s): Bestandskonto mit Währungsindex %d.", k.id, k.name.c_str(),
                    waehrungsPosition(k.currencyIndex));
        } else if (k.currencyIndex != WaehrungsIndex::Keine || k.openingBalance != 0 ||
                   !k.switchDates.empty()) {
            add("Konto %d (%s): Nur Bestandskonten haben Währung, Anfangsbestand und "
                "Umstellungsdaten.",
                k.id, k.name.c_str());
        }
        for (std::size_t i = 0; i < k.switchDates.size(); ++i) {
            if (!isValid(k.switchDates[i]))
                add("Konto %d (%s): Ungültiges Umstellungsdatum.", k.id, k.name.c_str());
            else if (i > 0 && !(k.switchDates[i - 1] < k.switchDates[i]))
                add("Konto %d (%s): Umstellungsdaten nicht aufsteigend.", k.id, k.name.c_str());
        }
    }

    // The assignment's category and sub-category must exist in the tree of the account's
    // kind; a sub-category never stands without its category.
    void pruefeZuordnung(const CTWKonto& k, int assignment) {
        static const char* const kNames[] = {"Standardzuordnung", "Alternative 1", "Alternative 2"};
        const std::int32_t cat = assignment == kStandard       ? k.category
                                 : assignment == kAlternative1 ? k.alt1Category
                                                               : k.alt2Category;
        const std::int32_t sub = assignment == kStandard       ? k.subcategory
                                 : assignment == kAlternative1 ? k.alt1Subcategory
                                                               : k.alt2Subcategory;
        const CTWKategorie* kategorie = doc_.findKategorie(k.kind, cat);
        if (cat != -1 && !kategorie)
            add("Konto %d (%s): %s verweist auf die fehlende Kategorie %d.", k.id, k.name.c_str(),
                kNames[assignment], cat);
        if (sub != -1 && (!kategorie || !kategorie->findUnterkategorie(sub)))
            add("Konto %d (%s): %s verweist auf die fehlende Unterkategorie %d.", k.id,
                k.name.c_str(), kNames[assignment], sub);
    }

    void pruefeKategorien() {
        // Expected usage counts: (kind, category) and (kind, category, sub-category).
        std::map<std::pair<KontoArt, std::int32_t>, int> catUse;
        std::map<std::tuple<KontoArt, std::int32_t, std::int32_t>, int> subUse;
        for (const auto& k : doc_.accounts()) {
            for (int assignment = kStandard; assignment <= kAlternative2; ++assignment) {
                const bool own = assignment == kStandard ||
                                 (assignment == kAlternative1 && k->alt1UseStandard == 0) ||
                                 (assignment == kAlternative2 && k->alt2UseStandard == 0);
                if (!own)
                    continue;
                const std::int32_t cat = k->effectiveCategory(assignment);
                const std::int32_t sub = k->effectiveSubcategory(assignment);
                if (cat != -1)
                    ++catUse[{k->kind, cat}];
                if (cat != -1 && sub != -1)
                    ++subUse[{k->kind, cat, sub}];
            }
        }
        for (const KontoArt kind : kAlleKontoArten) {
            std::set<std::int32_t> ids;
            for (const auto& cp : doc_.categories().tree(kind)) {
                const CTWKategorie& c = *cp;
                if (!ids.insert(c.id).second)
                    add("Kategorie %d (%s): Die Id ist im Baum %d nicht eindeutig.", c.id,
                        c.name.c_str(), kontoArtIndex(kind));
                const std::int32_t next = doc_.categories().nextCategoryId[kontoArtIndex(kind)];
                if (c.id < 0 || c.id >= next)
                    add("Kategorie %d (%s): Die Id liegt nicht unter dem Zähler %d.", c.id,
                        c.name.c_str(), next);
                const int expected = catUse[{kind, c.id}];
                if (c.usageCount != expected)
                    add("Kategorie %d (%s): Verwendungszähler %d statt %d.", c.id, c.name.c_str(),
                        c.usageCount, expected);
                pruefeUnterkategorien(kind, c, subUse);
            }
        }
    }

    void
    pruefeUnterkategorien(KontoArt kind, const CTWKategorie& c,
                          std::map<std::tuple<KontoArt, std::int32_t, std::int32_t>, int>& subUse) {
        std::set<std::int32_t> ids;
        for (const auto& sp : c.subcategories()) {
            const CTWUnterkategorie& s = *sp;
            if (!ids.insert(s.id).second)
                add("Unterkategorie %d (%s) von %s: Die Id ist nicht eindeutig.", s.id,
                    s.name.c_str(), c.name.c_str());
            if (s.id < 0 || s.id >= c.nextSubcategoryId)
                add("Unterkategorie %d (%s) von %s: Die Id liegt nicht unter dem Zähler %d.", s.id,
                    s.name.c_str(), c.name.c_str(), c.nextSubcategoryId);
            const int expected = subUse[{kind, c.id, s.id}];
            if (s.usageCount != expected)
                add("Unterkategorie %d (%s) von %s: Verwendungszähler %d statt %d.", s.id,
                    s.name.c_str(), c.name.c_str(), s.usageCount, expected);
        }
    }

    // Income: asset and income account; expense: asset and expense account. A transfer
    // may join any two accounts (the booking dialog offers every account on both sides).
    static bool kindsFit(Vorgang kind, KontoArt kind1, KontoArt kind2) {
        if (kind == Vorgang::Umbuchung)
            return true;
        return kind1 == KontoArt::Bestandskonto && kind2 == gegenkontoArt(kind);
    }

    // The two accounts of a booking or rule: present, different, fitting the kind.
    void pruefeKontenpaar(const char* what, std::int32_t serial, Vorgang kind, std::int32_t id1,
                          std::int32_t id2) {
        const CTWKonto* k1 = konto(id1);
        const CTWKonto* k2 = konto(id2);
        if (!k1 || !k2)
            add("%s %d: Konto %d fehlt.", what, serial, k1 ? id2 : id1);
        else if (id1 == id2)
            add("%s %d: Beide Seiten sind dasselbe Konto %d.", what, serial, id1);
        else if (!kindsFit(kind, k1->kind, k2->kind))
            add("%s %d: Die Kontenarten passen nicht zum Vorgang %d.", what, serial,
                vorgangIndex(kind));
    }

    void pruefeBuchungen() {
        std::set<std::int32_t> serials;
        std::unordered_map<std::int32_t, int> counts;
        const CTWBuchung* previous = nullptr;
        for (const auto& bp : doc_.bookings()) {
            const CTWBuchung& b = *bp;
            if (!serials.insert(b.serial).second)
                add("Buchung %d: Die laufende Nummer ist nicht eindeutig.", b.serial);
            if (b.serial < 0 || b.serial >= doc_.settings().nextBookingSerial)
                add("Buchung %d: Die laufende Nummer liegt nicht unter dem Zähler %d.", b.serial,
                    doc_.settings().nextBookingSerial);
            if (!isValid(b.date))
                add("Buchung %d: Ungültiges Datum.", b.serial);
            pruefeKontenpaar("Buchung", b.serial, b.kind, b.konto1Id, b.konto2Id);
            const CTWKonto* k1 = konto(b.konto1Id);
            const CTWKonto* k2 = konto(b.konto2Id);
            if ((k1 && k1->kind != b.konto1Kind) || (k2 && k2->kind != b.konto2Kind))
                add("Buchung %d: Die gespeicherten Kontenarten weichen von den Konten ab.",
                    b.serial);
            if (previous && sortsAfter(*previous, b))
                add("Buchung %d: Steht nicht in Buchungsreihenfolge.", b.serial);
            previous = &b;
            ++counts[b.konto1Id];
            if (b.konto2Id != b.konto1Id)
                ++counts[b.konto2Id];
        }
        for (const auto& k : doc_.accounts())
            if (k->bookingCount != counts[k->id])
                add("Konto %d (%s): Buchungszähler %d statt %d.", k->id, k->name.c_str(),
                    k->bookingCount, counts[k->id]);
    }

    void pruefeRegeln() {
        std::set<std::int32_t> serials;
        for (const auto& rp : doc_.rules()) {
            const CTWBuchungRegel& r = *rp;
            if (!serials.insert(r.serial).second)
                add("Regelmäßige Buchung %d: Die laufende Nummer ist nicht eindeutig.", r.serial);
            if (r.serial < 0 || r.serial >= doc_.nextRuleSerial())
                add("Regelmäßige Buchung %d: Die laufende Nummer liegt nicht unter dem Zähler %d.",
                    r.serial, doc_.nextRuleSerial());
            if (!isValid(r.firstDate))
                add("Regelmäßige Buchung %d: Ungültiges erstes Datum.", r.serial);
            pruefeKontenpaar("Regelmäßige Buchung", r.serial, r.kind, r.konto1Id, r.konto2Id);
            for (std::uint8_t state : r.occurrenceStates)
                if (state > kGeloescht) {
                    add("Regelmäßige Buchung %d: Unbekannter Zustand %d eines Termins.", r.serial,
                        state);
                    break;
                }
        }
    }

    const CTalwerkDoc& doc_;
    std::unordered_map<std::int32_t, const CTWKonto*> kontoById_;
    std::vector<std::string> violations_;
};

} // namespace

std::vector<std::string> pruefeDokument(const CTalwerkDoc& doc) {
    return Pruefung(doc).run();
}

} // namespace ledger
