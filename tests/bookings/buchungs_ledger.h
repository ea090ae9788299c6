// A small household ledger for the booking tests: two asset accounts, two income and two
// expense accounts, in one currency or in Euro beside DM.
#pragma once

#include "ledger/dokument.h"
#include "ledger/ledger_builder.h"
#include "support/test_ledger.h"

#include <string>

namespace testsupport {

struct Buchungsledger {
    ledger::CTalwerkDoc doc;
    int32_t giro = -1, kasse = -1, lohn = -1, zinsen = -1, miete = -1, essen = -1;

    explicit Buchungsledger(bool dual = false) {
        doc.newDocument(dual ? ledger::LedgerBuilder::euroBesideDm() : ledger::NeueDateiWaehrung{},
                        date(15, 6, 2024));
        ledger::LedgerBuilder build(doc);
        giro = build.asset("Girokonto", "GK", 1000);
        kasse = build.asset("Kasse", "KA", 1001);
        lohn = build.income("Lohn", "LO", 123);
        zinsen = build.income("Zinsen", "ZI", 124);
        miete = build.expense("Miete", "MI", 200);
        essen = build.expense("Lebensmittel", "LM", 201);
        doc.setModified(false);
    }

    // A booking of the given kind, which may differ from the one the accounts imply.
    int book(const ledger::CNVKDatum& d, ledger::Vorgang kind, int32_t k1, int32_t k2,
             int64_t amount, std::string number = {}, std::string text = {}) {
        ledger::CTWBuchung b = ledger::LedgerBuilder(doc).booking(d, k1, k2, amount);
        b.kind = kind;
        b.number = std::move(number);
        b.text = std::move(text);
        return doc.addBuchung(b);
    }
};

} // namespace testsupport
