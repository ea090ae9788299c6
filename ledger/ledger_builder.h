// Builds ledgers in code: the demo files, the benchmark ledgers and the tests' ledgers all
// start here, so that an account or a booking made in code looks like one made in a dialog.
#pragma once

#include "ledger/dokument.h"

#include <cstdint>
#include <string>

namespace ledger {

// A new account's record before it is added: the currency follows the kind (an asset account
// keeps money in the first currency, income and expense accounts in none).
struct KontoVorlage {
    KontoArt kind = KontoArt::Bestandskonto;
    std::string name;
    std::string abbreviation;
    int32_t number = 0;
    int64_t openingBalance = 0; // asset accounts only
    WaehrungsIndex currency = WaehrungsIndex::Erste;
    int32_t category = -1;
    int32_t subcategory = -1;
};

class LedgerBuilder {
public:
    // Euro beside the Deutsche Mark, at 1,95583 DM per Euro unless told otherwise.
    static NeueDateiWaehrung euroBesideDm(Wechselkurs rate = {195583, 100000});

    // Works on a document that newDocument() has prepared.
    explicit LedgerBuilder(CTalwerkDoc& doc) : doc_(doc) {}
    CTalwerkDoc& doc() { return doc_; }

    // The category of that name, added when there is none yet.
    int32_t category(KontoArt kind, const std::string& name);
    // The sub-category of that name below the category, added when there is none yet.
    int32_t subcategory(KontoArt kind, int32_t categoryId, const std::string& name);

    // Adds the account; returns its id.
    int32_t account(const KontoVorlage& vorlage);
    int32_t asset(const std::string& name, const std::string& abbreviation, int32_t number,
                  int64_t opening = 0);
    int32_t income(const std::string& name, const std::string& abbreviation, int32_t number);
    int32_t expense(const std::string& name, const std::string& abbreviation, int32_t number);

    // A booking from the first account to the second, not yet added. Its kind follows the
    // second account: money to an income account is income ("Einnahme" reads from the asset
    // account's side), to an expense account an expense, between asset accounts a transfer.
    CTWBuchung booking(const CNVKDatum& date, int32_t from, int32_t to, int64_t amount) const;
    // Adds that booking in booking order; returns its index.
    int book(const CNVKDatum& date, int32_t from, int32_t to, int64_t amount);

private:
    CTalwerkDoc& doc_;
};

// The kind of a booking from an asset account to an account of the given kind.
Vorgang vorgangZu(KontoArt gegenkonto);

} // namespace ledger
