// A small household ledger for the booking tests: two asset accounts, two income and two
// expense accounts, in one currency or in Euro beside DM.
#pragma once

#include "ledger/dokument.h"

#include <memory>
#include <string>

namespace testledger {

inline ledger::CNVKDatum date(int d, int m, int y) {
    return *ledger::CNVKDatum::fromCalendar(d, m, y);
}

struct Buchungsledger {
    ledger::CTalwerkDoc doc;
    int32_t giro = -1, kasse = -1, lohn = -1, zinsen = -1, miete = -1, essen = -1;

    explicit Buchungsledger(bool dual = false) {
        ledger::NeueDateiWaehrung currency;
        if (dual) {
            currency.dualCurrency = 1;
            currency.euroOnly = 0;
            currency.nationalIndex = 0;
            currency.rate = {195583, 100000};
            currency.secondSymbol = "DM";
        }
        doc.newDocument(currency, date(15, 6, 2024));
        giro = add(ledger::KontoArt::Bestandskonto, "Girokonto", "GK", 1000);
        kasse = add(ledger::KontoArt::Bestandskonto, "Kasse", "KA", 1001);
        lohn = add(ledger::KontoArt::Einnahmenkonto, "Lohn", "LO", 123);
        zinsen = add(ledger::KontoArt::Einnahmenkonto, "Zinsen", "ZI", 124);
        miete = add(ledger::KontoArt::Ausgabenkonto, "Miete", "MI", 200);
        essen = add(ledger::KontoArt::Ausgabenkonto, "Lebensmittel", "LM", 201);
        doc.setModified(false);
    }

    int32_t add(ledger::KontoArt kind, std::string name, std::string abbreviation, int32_t number) {
        ledger::CTWKonto k;
        k.kind = kind;
        k.name = std::move(name);
        k.abbreviation = std::move(abbreviation);
        k.number = number;
        k.currencyIndex = kind == ledger::KontoArt::Bestandskonto ? ledger::WaehrungsIndex::Erste
                                                                  : ledger::WaehrungsIndex::Keine;
        return doc.addKonto(k).id;
    }

    int book(const ledger::CNVKDatum& d, ledger::Vorgang kind, int32_t k1, int32_t k2,
             int64_t amount, std::string number = {}, std::string text = {}) {
        ledger::CTWBuchung b;
        b.date = d;
        b.kind = kind;
        b.konto1Id = k1;
        b.konto2Id = k2;
        b.amount = amount;
        b.number = std::move(number);
        b.text = std::move(text);
        return doc.addBuchung(b);
    }
};

} // namespace testledger
