// COptionenForm: the rules of the options dialog "Optionen": its eleven pages holding copies of
// the document's settings, the page a view kind opens it at, the checks of OK, and writing all
// pages to the document in one step. Nothing reaches the document before apply().
#pragma once

#include "ledger/dokument.h"
#include "options/allgemein_form.h"
#include "options/seiten_form.h"
#include "platform/prompter.h"
#include "reports/view_kind.h"

#include <optional>
#include <string_view>
#include <vector>

namespace options {

class COptionenForm {
public:
    static constexpr const char* kCaption = kOptionenCaption;

    explicit COptionenForm(const ledger::CTalwerkDoc& doc);

    // The page "&Optionen..." opens at for a view kind: the page of its settings; the
    // categories view has none of its own and opens "Tabellen", both charts share "Diagramme";
    // without a view kind it opens "Tabellen" too.
    static Seite seiteFuer(std::optional<reports::ViewKind> viewKind);

    COptAllgemeinForm allgemein;
    // The pages after "Allgemein", in tab order.
    std::vector<COptSeitenForm> seiten;

    COptSeitenForm& seite(Seite seite);
    // The field with the setting's name on any page but "Allgemein", or nullptr.
    OptionFeld* feld(std::string_view name);

    // The page that refused OK and the field that gets the focus there.
    struct Refusal {
        Seite seite;
        COptAllgemeinForm::Field field;
    };
    // Runs the checks of every page in tab order; the first refusal keeps the dialog open.
    std::optional<Refusal> check(platform::Prompter& prompter);
    // After a successful check: writes every page (also those never shown) to the document,
    // marks it modified.
    void apply(ledger::CTalwerkDoc& doc) const;
};

} // namespace options
