// CKontoErsetzenForm: the rules of the dialog "Konto ersetzen": two account lists of one kind
// ("Suchen nach:" and "Ersetzen durch:") with the labels the caller chooses, their spin
// controls, and the checks of OK. The replacement itself is the booking editor's.
#pragma once

#include "ledger/dokument.h"
#include "platform/prompter.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace accounts {

class CKontoErsetzenForm {
public:
    static constexpr const char* kCaption = "Konto ersetzen";

    // How a list labels its accounts (the booking editor's account identification modes).
    enum class Beschriftung { Bezeichnung = 0, Kontonummer = 1, Abkuerzung = 2 };
    enum Liste : int { kSuchen = 0, kErsetzen = 1 };
    enum class Field { Suchen, Ersetzen };

    struct Eintrag {
        int32_t kontoId;
        std::string label;
    };

    CKontoErsetzenForm(const ledger::CTalwerkDoc& doc, ledger::KontoArt kind, Beschriftung suchen,
                       Beschriftung ersetzen);

    ledger::KontoArt kind() const { return kind_; }
    // Another kind refills both lists; each keeps its account where it is still listed.
    void setKind(ledger::KontoArt kind);

    // The accounts of the kind, sorted by their labels.
    std::vector<Eintrag> eintraege(Liste liste) const;
    // The chosen account of each list, -1 for none.
    std::array<int32_t, 2> selectedIds{-1, -1};
    // The spin control: the next (+1) or previous (-1) account of the list, stopping at its
    // ends; with nothing chosen it starts at the first account.
    void spin(Liste liste, int delta);

    bool ohneRueckfrage = false; // "Ohne Rückfrage"

    // OK: both lists chosen, then two different accounts.
    std::optional<Field> check(platform::Prompter& prompter) const;

private:
    const ledger::CTalwerkDoc& doc_;
    ledger::KontoArt kind_;
    std::array<Beschriftung, 2> beschriftung_;
};

} // namespace accounts
