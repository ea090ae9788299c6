// The tests' ledgers: dates written as in the program ("15.06.2024") and small ledgers built
// through the document's operations with the core's ledger builder.
#pragma once

#include "ledger/dokument.h"
#include "ledger/ledger_builder.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace testsupport {

inline ledger::CNVKDatum date(int d, int m, int y) {
    const auto day = ledger::CNVKDatum::fromCalendar(d, m, y);
    if (!day)
        throw std::invalid_argument("no such day");
    return *day;
}

// "TT.MM.JJJJ".
inline ledger::CNVKDatum date(std::string_view text) {
    if (text.size() != 10 || text[2] != '.' || text[5] != '.')
        throw std::invalid_argument(std::string(text));
    const auto number = [&](std::size_t at, std::size_t n) {
        return std::stoi(std::string(text.substr(at, n)));
    };
    return date(number(0, 2), number(3, 2), number(6, 4));
}

// A ledger of its own: Euro only, or Euro beside DM; accounts, categories and bookings added
// in a line each.
class TestLedger {
public:
    explicit TestLedger(bool dual = false, ledger::Wechselkurs rate = {195583, 100000}) {
        doc.newDocument(dual ? ledger::LedgerBuilder::euroBesideDm(rate)
                             : ledger::NeueDateiWaehrung{},
                        date("01.01.2024"));
    }

    int32_t category(ledger::KontoArt kind, const std::string& name) {
        return builder().category(kind, name);
    }
    int32_t subcategory(ledger::KontoArt kind, int32_t categoryId, const std::string& name) {
        return builder().subcategory(kind, categoryId, name);
    }

    // The abbreviation is the name's first three letters.
    int32_t account(ledger::KontoArt kind, const std::string& name, int32_t number,
                    int64_t opening = 0,
                    ledger::WaehrungsIndex currency = ledger::WaehrungsIndex::Erste,
                    int32_t category = -1, int32_t subcategory = -1) {
        return builder().account(
            {kind, name, name.substr(0, 3), number, opening, currency, category, subcategory});
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

    // A booking of the given kind, which may differ from the one the accounts imply.
    void book(const std::string& when, ledger::Vorgang kind, int32_t konto1, int32_t konto2,
              int64_t amount, ledger::WaehrungsIndex currency = ledger::WaehrungsIndex::Erste,
              bool provisional = false) {
        ledger::CTWBuchung b = builder().booking(date(when), konto1, konto2, amount);
        b.kind = kind;
        b.currencyIndex = currency;
        b.provisional = provisional ? 1 : 0;
        doc.addBuchung(std::move(b));
    }

    ledger::LedgerBuilder builder() { return ledger::LedgerBuilder(doc); }

private:
    // The document stays where it is when the ledger is moved.
    std::unique_ptr<ledger::CTalwerkDoc> owned_ = std::make_unique<ledger::CTalwerkDoc>();

public:
    ledger::CTalwerkDoc& doc = *owned_;
};

} // namespace testsupport
