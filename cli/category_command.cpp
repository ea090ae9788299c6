#include "cli/category_command.h"

#include "accounts/kategorie_verwaltung.h"
#include "cli/ledger_change.h"

namespace cli {

namespace {

// The category (and sub-category) named by --category and --subcategory; a message when
// either is not found.
struct Ziel {
    const ledger::CTWKategorie* category = nullptr;
    const ledger::CTWUnterkategorie* subcategory = nullptr;
};

std::optional<Ziel> findZiel(const ledger::CTalwerkDoc& doc, ledger::KontoArt kind,
                             const std::optional<std::string>& category,
                             const std::optional<std::string>& subcategory, Io& io) {
    Ziel ziel;
    if (!category)
        return ziel;
    ziel.category = doc.findKategorieByName(kind, *category);
    if (!ziel.category) {
        printLine(io.err, "Unbekannte Kategorie \"" + *category + "\".");
        return std::nullopt;
    }
    if (subcategory) {
        ziel.subcategory = ziel.category->findUnterkategorie(*subcategory);
        if (!ziel.subcategory) {
            printLine(io.err, "Unbekannte Unterkategorie \"" + *subcategory + "\".");
            return std::nullopt;
        }
    }
    return ziel;
}

// Saves the change and reports it.
int done(LedgerChange& change, const std::string& what, Io& io) {
    const int code = change.save();
    if (code == kExitOk)
        printLine(io.out, what);
    return code;
}

} // namespace

int runCategory(Arguments& args, Io& io) {
    const auto sub = args.first().value_or("");
    if (sub != "new" && sub != "rename" && sub != "delete")
        throw UsageError("category erwartet new, rename oder delete");
    LedgerChange change(args, io);
    const auto kind = takeKind(args);
    if (!kind)
        throw UsageError("Die Option --kind fehlt.");
    const auto category = takeText(args, "category");
    const auto subcategory = takeText(args, "subcategory");
    const auto name = takeText(args, "name");
    if (sub != "delete" && !name)
        throw UsageError("Die Option --name fehlt.");
    if (sub != "new" && !category)
        throw UsageError("Die Option --category fehlt.");
    if (sub == "new" && subcategory)
        throw UsageError("Eine neue Unterkategorie wird mit --category und --name angelegt.");
    const auto positionals = args.positionals(1);
    if (!change.open(positionals[0]))
        return kExitFailure;
    ledger::CTalwerkDoc& doc = change.doc();
    const auto ziel = findZiel(doc, *kind, category, subcategory, io);
    if (!ziel)
        return kExitFailure;

    const bool unter = sub == "new" ? ziel->category != nullptr : ziel->subcategory != nullptr;
    const std::string element = unter ? "Unterkategorie " : "Kategorie ";

    if (sub == "delete") {
        const bool deleted =
            ziel->subcategory
                ? accounts::deleteUnterkategorie(doc, change.prompter(), *kind, ziel->category->id,
                                                 ziel->subcategory->id,
                                                 accounts::LoeschMeldungen::Ansicht)
                : accounts::deleteKategorie(doc, change.prompter(), *kind, ziel->category->id,
                                            accounts::LoeschMeldungen::Ansicht);
        return deleted ? done(change, element + "gelöscht.", io) : kExitFailure;
    }

    using accounts::KategorieBenennung;
    std::optional<KategorieBenennung> benennung;
    if (sub == "new")
        benennung = ziel->category
                        ? KategorieBenennung::neueUnterkategorie(doc, *kind, ziel->category->id)
                        : KategorieBenennung::neueKategorie(doc, *kind);
    else if (ziel->subcategory)
        benennung = KategorieBenennung::unterkategorieBearbeiten(doc, *kind, ziel->category->id,
                                                                 ziel->subcategory->id);
    else
        benennung = KategorieBenennung::kategorieBearbeiten(doc, *kind, ziel->category->id);
    benennung->form.name = *name;
    if (benennung->form.check(change.prompter()))
        return kExitFailure;
    benennung->apply(doc);
    return done(change, element + (sub == "new" ? "angelegt." : "umbenannt."), io);
}

} // namespace cli
