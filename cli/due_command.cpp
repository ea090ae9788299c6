#include "cli/due_command.h"

#include "bookings/faellige_buchungen_form.h"
#include "cli/common_options.h"
#include "cli/ledger_change.h"
#include "cli/list_text.h"
#include "ledger/win1252.h"

#include <charconv>
#include <set>

namespace cli {

namespace {

// "--rows 1,3,..." as 0-based rows; nothing when absent.
std::optional<std::set<int>> takeRows(Arguments& args) {
    const auto text = args.option("rows");
    if (!text)
        return std::nullopt;
    std::set<int> rows;
    size_t from = 0;
    while (from <= text->size()) {
        const size_t end = std::min(text->find(',', from), text->size());
        int row = 0;
        const char* first = text->data() + from;
        const char* last = text->data() + end;
        const auto [ptr, error] = std::from_chars(first, last, row);
        if (error != std::errc() || ptr != last || row < 1)
            throw UsageError("--rows erwartet Zeilennummern ab 1, durch Kommas getrennt: " + *text);
        rows.insert(row - 1);
        from = end + 1;
    }
    return rows;
}

} // namespace

int runDue(Arguments& args, Io& io) {
    const auto until = takeDateOption(args, "until");
    const auto bookingDate = takeDateOption(args, "booking-date");
    const auto firstNumber = takeText(args, "first-number");
    const int sort = takeChoiceOption(args, "sort", {"0", "1", "2", "3"}, -1);
    const auto format =
        static_cast<reports::TextFormat>(takeChoiceOption(args, "format", {"fixed", "tabs"}, 0));
    const bool execute = args.flag("execute");
    const bool remove = args.flag("delete");
    const auto rows = takeRows(args);
    if (execute && remove)
        throw UsageError("--execute und --delete schließen einander aus");
    LedgerChange change(args, io);
    const std::string path = args.positionals(1).front();
    if (!change.open(path))
        return kExitFailure;
    ledger::CTalwerkDoc& doc = change.doc();

    bookings::CFaelligeBuchungenForm form(doc, change.clock());
    form.open();
    if (until)
        form.dueUntil = *until;
    if (bookingDate)
        form.bookingDate = *bookingDate;
    if (firstNumber)
        form.firstNumber = *firstNumber;
    form.rebuild();
    if (sort >= 0)
        form.setSortOrder(sort);
    const int count = static_cast<int>(form.rows().size());
    if (rows && !rows->empty() && *rows->rbegin() >= count) {
        printLine(io.err, "Die Liste hat keine Zeile " + std::to_string(*rows->rbegin() + 1) +
                              " (" + std::to_string(count) + " fällige Buchungen).");
        return kExitUsage;
    }
    for (int r = 0; r < count; ++r)
        form.setMarked(r, !rows || rows->count(r) != 0);
    io.out << ledger::toUtf8(renderListe(
        doc, bookings::kFaelligSpalten, bookings::kSpalteBetrag, count,
        [&](int row, int column) { return form.cellText(row, column); }, format));
    if (!execute && !remove)
        return kExitOk;

    if (!form.anyMarked()) {
        printLine(io.err, "Keine fällige Buchung ist markiert.");
        return kExitFailure;
    }
    const size_t bookingsBefore = doc.bookings().size();
    const bool done =
        execute ? form.execute(change.prompter()) : form.deleteMarked(change.prompter());
    if (!done)
        return kExitFailure;
    const int code = change.save();
    if (code != kExitOk)
        return code;
    if (execute)
        printLine(io.out, "Ausgeführte Buchungen: " +
                              std::to_string(doc.bookings().size() - bookingsBefore) + ".");
    else
        printLine(io.out, "Fällige Buchungen gelöscht.");
    return kExitOk;
}

} // namespace cli
