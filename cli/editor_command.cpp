#include "cli/editor_command.h"

#include "bookings/buchungs_editor_form.h"
#include "bookings/konto_ident.h"
#include "cli/common_options.h"
#include "cli/ledger_change.h"
#include "cli/list_text.h"
#include "ledger/win1252.h"

namespace cli {

namespace {

using bookings::Massenaenderung;

// The bulk operation the options ask for, with its values.
struct Operation {
    Massenaenderung kind;
    std::vector<std::string> values; // Windows-1252
};

std::optional<Operation> takeOperation(Arguments& args) {
    std::vector<Operation> chosen;
    const auto take = [&](std::string_view name, std::size_t count, Massenaenderung kind) {
        if (auto values = args.options(name, count)) {
            for (std::string& v : *values)
                v = ledger::fromUtf8(v);
            chosen.push_back({kind, std::move(*values)});
        }
    };
    take("renumber", 1, Massenaenderung::AlleNeuNummerieren);
    take("replace-text", 2, Massenaenderung::TextErsetzen);
    take("replace-account", 2, Massenaenderung::KontoErsetzen);
    if (args.flag("delete-all"))
        chosen.push_back({Massenaenderung::AlleLoeschen, {}});
    if (chosen.size() > 1)
        throw UsageError("Nur eine der Optionen --renumber, --replace-text, --replace-account und "
                         "--delete-all ist möglich");
    return chosen.empty() ? std::nullopt : std::optional(std::move(chosen.front()));
}

// The dialogs of the bulk operations, filled from the command line; a form that refuses its
// values has printed its message.
class OptionDialoge final : public bookings::EditorDialoge {
public:
    OptionDialoge(const ledger::CTalwerkDoc& doc, const Operation& operation, int scope,
                  bool matchCase, platform::Prompter& prompter)
        : doc_(doc), operation_(operation), scope_(scope), matchCase_(matchCase),
          prompter_(prompter) {}

    bool refused() const { return refused_; }

    bool neuNummerieren(bookings::CBuchungRenumberForm& form) override {
        form.nummer = operation_.values.at(0);
        return accepted(form.ok(prompter_));
    }
    bool textErsetzen(bookings::CTextersetzungForm& form) override {
        form.suchen = operation_.values.at(0);
        form.ersetzen = operation_.values.at(1);
        form.bereich = static_cast<bookings::TextBereich>(scope_);
        form.grossKlein = matchCase_;
        return accepted(form.ok(prompter_));
    }
    bool kontoErsetzen(accounts::CKontoErsetzenForm& form) override {
        // The accounts as the booking dialog takes them; the replacement must be one of the
        // list of the searched account's kind.
        const bookings::KontoFinder finder(doc_, doc_.settings().accountInputMode);
        const ledger::CTWKonto* suchen = finder.find(operation_.values.at(0));
        const ledger::CTWKonto* ersetzen = finder.find(operation_.values.at(1));
        if (suchen)
            form.setKind(suchen->kind);
        form.selectedIds = {suchen ? suchen->id : -1,
                            ersetzen && ersetzen->kind == form.kind() ? ersetzen->id : -1};
        return accepted(form.check(prompter_));
    }

private:
    template <class Field> bool accepted(const std::optional<Field>& failed) {
        refused_ = failed.has_value();
        return !refused_;
    }

    const ledger::CTalwerkDoc& doc_;
    const Operation& operation_;
    int scope_;
    bool matchCase_;
    platform::Prompter& prompter_;
    bool refused_ = false;
};

} // namespace

int runEditor(Arguments& args, Io& io) {
    const auto from = takeDateOption(args, "from");
    const auto to = takeDateOption(args, "to");
    const auto filter = takeNumber(args, "filter");
    const int sort =
        takeChoiceOption(args, "sort", {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, 0);
    const bool descending = args.flag("descending");
    const auto operation = takeOperation(args);
    const int scope = takeChoiceOption(args, "scope", {"0", "1", "2"}, -1);
    const bool matchCase = args.flag("case");
    if (!from || !to)
        throw UsageError("--from und --to sind anzugeben");
    if (*to < *from)
        throw UsageError("--to liegt vor --from");
    if ((scope >= 0 || matchCase) &&
        !(operation && operation->kind == Massenaenderung::TextErsetzen))
        throw UsageError("--scope und --case gehören zu --replace-text");
    LedgerChange change(args, io);
    const std::string path = args.positionals(1).front();
    if (!change.open(path))
        return kExitFailure;
    ledger::CTalwerkDoc& doc = change.doc();

    bookings::CBuchungsEditorForm form(doc, change.clock());
    form.open();
    form.setRange(*from, *to);
    if (filter) {
        const auto offered = static_cast<int64_t>(form.filterNames().size()) - 1;
        if (*filter < 1 || *filter > offered)
            throw UsageError("--filter erwartet 1 bis " + std::to_string(offered) + ": " +
                             std::to_string(*filter));
        form.setFilterChoice(static_cast<int>(*filter));
    }
    form.setSort(sort, descending);
    io.out << ledger::toUtf8(renderListe(
        doc, bookings::kEditorSpalten, bookings::kEdBetrag, form.rowCount(),
        [&](int row, int column) { return form.cellText(row, column); },
        reports::TextFormat::FixedWidths));
    printLine(io.out, "Angezeigte Buchungen: " + form.countText());
    if (!operation)
        return kExitOk;

    AskingPrompter prompter(io.err, io.in, change.yes());
    OptionDialoge dialoge(doc, *operation, std::max(scope, 0), matchCase, prompter);
    const std::size_t count = form.ausfuehren(operation->kind, prompter, dialoge);
    if (dialoge.refused())
        return kExitFailure;
    const int code = change.save();
    if (code != kExitOk)
        return code;
    const char* done = operation->kind == Massenaenderung::AlleLoeschen ? "gelöscht" : "geändert";
    printLine(io.out,
              std::string(bookings::kMassenaenderungNamen[static_cast<size_t>(operation->kind)]) +
                  ": " + std::to_string(count) + " Buchungen " + done + ".");
    return kExitOk;
}

} // namespace cli
