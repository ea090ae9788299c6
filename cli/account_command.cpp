#include "cli/account_command.h"

#include "accounts/konto_bearbeiten_form.h"
#include "accounts/konto_loeschen.h"
#include "accounts/konto_neu_form.h"
#include "cli/ledger_change.h"

#include <algorithm>
#include <array>

namespace cli {

namespace {

// An alternative assignment as given: --altN-standard, or --altN KATEGORIE [--altN-sub UNTERKAT].
struct AltOptionen {
    bool standard = false;
    std::optional<std::string> category;
    std::optional<std::string> subcategory;
};

// The account fields given on the command line; what is absent keeps the form's value.
struct KontoOptionen {
    std::optional<std::string> name;
    std::optional<int64_t> number;
    std::optional<std::string> abbreviation;
    std::optional<int64_t> currency;
    std::optional<std::string> openingBalance;
    std::optional<std::string> category;
    std::optional<std::string> subcategory;
    std::array<AltOptionen, 2> alt;
};

KontoOptionen takeKontoOptionen(Arguments& args) {
    KontoOptionen o;
    o.name = takeText(args, "name");
    o.number = takeNumber(args, "number");
    o.abbreviation = takeText(args, "abbreviation");
    o.currency = takeNumber(args, "currency");
    o.openingBalance = takeText(args, "opening-balance");
    o.category = takeText(args, "category");
    o.subcategory = takeText(args, "subcategory");
    for (int i = 0; i < 2; ++i) {
        const std::string alt = "alt" + std::to_string(i + 1);
        o.alt[i].standard = args.flag(alt + "-standard");
        o.alt[i].category = takeText(args, alt);
        o.alt[i].subcategory = takeText(args, alt + "-sub");
        if (o.alt[i].standard && (o.alt[i].category || o.alt[i].subcategory))
            throw UsageError("--" + alt + "-standard schließt --" + alt + " aus");
    }
    return o;
}

bool listed(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Chooses the names in a category pair as the lists would; a name that the list does not
// offer gives a message.
std::optional<std::string> choose(accounts::KategorieAuswahl& auswahl,
                                  const std::optional<std::string>& category,
                                  const std::optional<std::string>& subcategory) {
    if (category) {
        if (!listed(auswahl.kategorien(), *category))
            return "Unbekannte Kategorie \"" + *category + "\".";
        auswahl.selectKategorie(*category);
    }
    if (subcategory) {
        if (!listed(auswahl.unterkategorien(), *subcategory))
            return "Unbekannte Unterkategorie \"" + *subcategory + "\".";
        auswahl.selectUnterkategorie(*subcategory);
    }
    return std::nullopt;
}

// Copies the given fields into the form; a message when one cannot be taken.
std::optional<std::string> fill(accounts::KontoForm& form, const KontoOptionen& o) {
    if (o.name)
        form.name = *o.name;
    if (o.number)
        form.number = *o.number;
    if (o.abbreviation)
        form.abbreviation = *o.abbreviation;
    if (o.currency) {
        const std::optional<ledger::WaehrungsIndex> currency = ledger::waehrungAt(*o.currency);
        if (!form.currencyEnabled() || !currency ||
            *o.currency >= static_cast<int64_t>(form.currencies().size()))
            return std::string("Die Währung kann für dieses Konto nicht gewählt werden.");
        form.currencyIndex = *currency;
    }
    if (o.openingBalance) {
        if (!form.openingBalanceEnabled())
            return std::string("Nur Bestandskonten haben einen Anfangsbestand.");
        form.openingBalance = *o.openingBalance;
    }
    if (auto message = choose(form.standard, o.category, o.subcategory))
        return message;
    accounts::CKontoAltKatForm alt = form.altKatForm();
    for (int i = 0; i < 2; ++i) {
        if (o.alt[i].standard)
            alt.gruppen[i].useStandard = true;
        if (o.alt[i].category || o.alt[i].subcategory)
            alt.gruppen[i].useStandard = false;
        if (auto message = choose(alt.gruppen[i].auswahl, o.alt[i].category, o.alt[i].subcategory))
            return message;
    }
    form.altKatClosed(alt, true);
    return std::nullopt;
}

std::string kennung(const ledger::CTWKonto& konto) {
    return "Konto \"" + konto.name + "\" (" + std::to_string(konto.number) + "/" +
           konto.abbreviation + ")";
}

const ledger::CTWKonto* kontoByNumber(const ledger::CTalwerkDoc& doc, const std::string& text,
                                      Io& io) {
    int64_t number = -1;
    if (!text.empty() &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
        text.size() < 10)
        number = std::stoll(text);
    const ledger::CTWKonto* konto = doc.findKontoByNumber(static_cast<int32_t>(number));
    if (!konto)
        printLine(io.err, "Kein Konto mit der Nummer " + text + ".");
    return konto;
}

// Fills, checks and applies the form; the exit code.
template <class Form, class Apply>
int submit(Form& form, const KontoOptionen& o, LedgerChange& change, Io& io, Apply apply) {
    if (auto message = fill(form, o)) {
        printLine(io.err, *message);
        return kExitFailure;
    }
    if (form.check(change.prompter()))
        return kExitFailure;
    apply();
    return change.save();
}

} // namespace

int runAccount(Arguments& args, Io& io) {
    const auto sub = args.first().value_or("");
    if (sub != "new" && sub != "edit" && sub != "delete")
        throw UsageError("account erwartet new, edit oder delete");
    LedgerChange change(args, io);

    if (sub == "delete") {
        const auto positionals = args.positionals(2);
        if (!change.open(positionals[0]))
            return kExitFailure;
        const ledger::CTWKonto* konto = kontoByNumber(change.doc(), positionals[1], io);
        if (!konto)
            return kExitFailure;
        const std::string done = kennung(*konto) + " gelöscht.";
        if (!accounts::deleteKonto(change.doc(), change.prompter(), konto->id,
                                   accounts::LoeschMeldungen::Ansicht))
            return kExitFailure;
        const int code = change.save();
        if (code == kExitOk)
            printLine(io.out, done);
        return code;
    }

    const auto kind = takeKind(args);
    const KontoOptionen o = takeKontoOptionen(args);
    if (sub == "new") {
        const auto positionals = args.positionals(1);
        if (!change.open(positionals[0]))
            return kExitFailure;
        accounts::CKontoNeuForm form(change.doc(), kind);
        int index = -1;
        const int code = submit(form, o, change, io, [&] { index = form.apply(); });
        if (code == kExitOk && index >= 0)
            printLine(io.out, kennung(*change.doc().accounts()[index]) + " angelegt.");
        return code;
    }

    if (kind)
        throw UsageError("Die Kontenart eines Kontos kann nicht geändert werden.");
    const auto positionals = args.positionals(2);
    if (!change.open(positionals[0]))
        return kExitFailure;
    const ledger::CTWKonto* konto = kontoByNumber(change.doc(), positionals[1], io);
    if (!konto)
        return kExitFailure;
    accounts::CKontoBearbeitenForm form(change.doc(), change.doc().indexOfKonto(konto->id));
    const int code = submit(form, o, change, io, [&] { form.apply(); });
    if (code == kExitOk)
        printLine(io.out, kennung(form.konto()) + " geändert.");
    return code;
}

} // namespace cli
