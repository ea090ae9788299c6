#include "ledger/ledger_builder.h"

namespace ledger {

NeueDateiWaehrung LedgerBuilder::euroBesideDm(Wechselkurs rate) {
    NeueDateiWaehrung w;
    w.dualCurrency = 1;
    w.euroOnly = 0;
    w.nationalIndex = 0;
    w.rate = rate;
    w.secondSymbol = "DM";
    return w;
}

int32_t LedgerBuilder::category(KontoArt kind, const std::string& name) {
    if (const CTWKategorie* found = doc_.findKategorieByName(kind, name))
        return found->id;
    return doc_.addKategorie(kind, name);
}

int32_t LedgerBuilder::subcategory(KontoArt kind, int32_t categoryId, const std::string& name) {
    if (const CTWKategorie* parent = doc_.findKategorie(kind, categoryId))
        if (const CTWUnterkategorie* found =
                doc_.findUnterkategorieByName(kind, parent->name, name))
            return found->id;
    return doc_.addUnterkategorie(kind, categoryId, name);
}

int32_t LedgerBuilder::account(const KontoVorlage& vorlage) {
    const bool isAsset = vorlage.kind == KontoArt::Bestandskonto;
    CTWKonto k;
    k.kind = vorlage.kind;
    k.name = vorlage.name;
    k.abbreviation = vorlage.abbreviation;
    k.number = vorlage.number;
    k.currencyIndex = isAsset ? vorlage.currency : WaehrungsIndex::Keine;
    k.openingBalance = isAsset ? vorlage.openingBalance : 0;
    k.category = vorlage.category;
    k.subcategory = vorlage.subcategory;
    return doc_.addKonto(std::move(k)).id;
}

int32_t LedgerBuilder::asset(const std::string& name, const std::string& abbreviation,
                             int32_t number, int64_t opening) {
    return account({KontoArt::Bestandskonto, name, abbreviation, number, opening});
}

int32_t LedgerBuilder::income(const std::string& name, const std::string& abbreviation,
                              int32_t number) {
    return account({KontoArt::Einnahmenkonto, name, abbreviation, number});
}

int32_t LedgerBuilder::expense(const std::string& name, const std::string& abbreviation,
                               int32_t number) {
    return account({KontoArt::Ausgabenkonto, name, abbreviation, number});
}

Vorgang vorgangZu(KontoArt gegenkonto) {
    switch (gegenkonto) {
    case KontoArt::Einnahmenkonto:
        return Vorgang::Einnahme;
    case KontoArt::Ausgabenkonto:
        return Vorgang::Ausgabe;
    case KontoArt::Bestandskonto:
        break;
    }
    return Vorgang::Umbuchung;
}

CTWBuchung LedgerBuilder::booking(const CNVKDatum& date, int32_t from, int32_t to,
                                  int64_t amount) const {
    CTWBuchung b;
    b.date = date;
    b.konto1Id = from;
    b.konto2Id = to;
    if (const CTWKonto* other = doc_.findKonto(to))
        b.kind = vorgangZu(other->kind);
    b.amount = amount;
    return b;
}

int LedgerBuilder::book(const CNVKDatum& date, int32_t from, int32_t to, int64_t amount) {
    return doc_.addBuchung(booking(date, from, to, amount));
}

} // namespace ledger
