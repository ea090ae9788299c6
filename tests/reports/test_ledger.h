// Builds small ledgers in code for the report tests: accounts, categories and bookings with
// dates written as "DD.MM.YYYY".
#pragma once

#include "ledger/dokument.h"

#include <memory>
#include <stdexcept>
#include <string>

namespace testledger {

inline ledger::CNVKDatum date(const std::string& text) {
    const auto d = ledger::CNVKDatum::fromCalendar(
        std::stoi(text.substr(0, 2)), std::stoi(text.substr(3, 2)), std::stoi(text.substr(6, 4)));
    if (!d)
        throw std::invalid_argument(text);
    return *d;
}

class Ledger {
public:
    // A Euro-only ledger, or EUR beside DM at 1,95583 DM per Euro.
    explicit Ledger(bool dual = false, ledger::Wechselkurs rate = {195583, 100000}) {
        ledger::NeueDateiWaehrung w;
        if (dual) {
            w.dualCurrency = 1;
            w.euroOnly = 0;
            w.nationalIndex = 0;
            w.rate = rate;
            w.secondSymbol = "DM";
        }
        doc.newDocument(w, date("01.01.2024"));
    }

    int32_t category(ledger::KontoArt kind, const std::string& name) {
        return doc.addKategorie(kind, name);
    }
    int32_t subcategory(ledger::KontoArt kind, int32_t categoryId, const std::string& name) {
        return doc.addUnterkategorie(kind, categoryId, name);
    }

    int32_t account(ledger::KontoArt kind, const std::string& name, int32_t number,
                    int64_t opening = 0,
                    ledger::WaehrungsIndex currency = ledger::WaehrungsIndex::Erste,
                    int32_t category = -1, int32_t subcategory = -1) {
        ledger::CTWKonto k;
        k.kind = kind;
        k.name = name;
        k.abbreviation = name.substr(0, 3);
        k.number = number;
        k.currencyIndex =
            kind == ledger::KontoArt::Bestandskonto ? currency : ledger::WaehrungsIndex::Keine;
        k.openingBalance = kind == ledger::KontoArt::Bestandskonto ? opening : 0;
        k.category = category;
        k.subcategory = subcategory;
        return doc.addKonto(std::move(k)).id;
    }
    int32_t asset(const std::string& name, int32_t number, int64_t opening = 0,
                  ledger::WaehrungsIndex currency = ledger::WaehrungsIndex::Erste) {
        return account(ledger::KontoArt::Bestandskonto, name, number, opening, currency);
    }
    int32_t income(const std::string& name, int32_t number) {
        return account(ledger::KontoArt::Einnahmenkonto, name, number);
    }
    int32_t expense(const std::string& name, int32_t number) {
        return account(ledger::KontoArt::Ausgabenkonto, name, number);
    }
    // Changes the account through the document: changeKonto(id, [](CTWKonto& k) { ... }).
    template <class Change> void changeKonto(int32_t id, Change change) {
        ledger::CTWKonto k = *doc.findKonto(id);
        change(k);
        doc.changeKonto(k);
    }

    void book(const std::string& when, ledger::Vorgang kind, int32_t konto1, int32_t konto2,
              int64_t amount, ledger::WaehrungsIndex currency = ledger::WaehrungsIndex::Erste,
              bool provisional = false) {
        ledger::CTWBuchung b;
        b.date = date(when);
        b.kind = kind;
        b.konto1Id = konto1;
        b.konto1Kind = doc.findKonto(konto1)->kind;
        b.konto2Id = konto2;
        b.konto2Kind = doc.findKonto(konto2)->kind;
        b.amount = amount;
        b.currencyIndex = currency;
        b.provisional = provisional ? 1 : 0;
        doc.addBuchung(std::move(b));
    }

private:
    // The document stays where it is when the ledger is moved.
    std::unique_ptr<ledger::CTalwerkDoc> owned_ = std::make_unique<ledger::CTalwerkDoc>();

public:
    ledger::CTalwerkDoc& doc = *owned_;
};

} // namespace testledger
