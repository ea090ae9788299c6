// CFilterForm: the rules of the filter dialog "Filter definieren": one booking filter of a
// document as editable fields, the account list with its identification mode, the checks of
// the "UND"/"ODER" patterns and writing the filter back.
#pragma once

#include "bookings/konto_ident.h"
#include "ledger/dokument.h"
#include "platform/prompter.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bookings {

// The texts of the text modes, by mode.
inline constexpr std::array<const char*, 3> kTextModusNamen = {"ist gleich", "enthält",
                                                               "beginnt mit"};

class CFilterForm {
public:
    static constexpr const char* kCaption = "Filter definieren";
    enum class Field { TextPattern, NotesPattern };

    // Loads filter `index` (0 to the document's filter count - 1).
    CFilterForm(const ledger::CTalwerkDoc& doc, int index);

    std::string name;
    bool numberOn = false;
    uint32_t numberFrom = 1;
    uint32_t numberTo = 100000;
    bool textOn = false;
    int textMode = ledger::kIstGleich;
    std::string textPattern;
    bool kindOn = false;
    ledger::Vorgang kind = ledger::Vorgang::Einnahme;
    bool accountOn = false;
    int32_t accountId = -1; // the chosen list entry, -1 for none
    bool amountOn = false;
    std::string amountFrom;
    std::string amountTo;
    ledger::WaehrungsIndex amountCurrency = ledger::WaehrungsIndex::Erste;
    bool currencyOn = false;
    ledger::WaehrungsIndex currency = ledger::WaehrungsIndex::Erste;
    bool notesOn = false;
    int notesMode = ledger::kIstGleich;
    std::string notesPattern;
    bool onlyProvisional = false;    // "nur v&orläufige Buchungen"
    bool withoutProvisional = false; // "o&hne vorläufige Buchungen"

    // The currency names beside the amount, and the "nur ..." entries of "&Währung".
    std::vector<std::string> amountCurrencyNames() const;
    std::vector<std::string> currencyConditionNames() const;
    int identifikation() const { return mode_; }
    const KontoListe& kontoListe() const { return list_; }

    // Steps the identification mode; the chosen account stays chosen.
    void stepIdentifikation(int delta);
    // The two provisional boxes exclude each other.
    void setOnlyProvisional(bool on);
    void setWithoutProvisional(bool on);
    // Rewrites a parsing amount in the amount format.
    void leaveAmount(std::string& amountText) const;

    // The checks of OK; on success the filter is written back to the document and nothing
    // is returned, else the message has been shown and the field to focus is returned.
    std::optional<Field> ok(ledger::CTalwerkDoc& doc, platform::Prompter& prompter) const;

private:
    const ledger::CTalwerkDoc& doc_;
    int index_;
    int mode_;
    KontoListe list_;
};

} // namespace bookings
