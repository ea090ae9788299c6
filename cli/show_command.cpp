#include "cli/show_command.h"

#include "cli/arguments.h"
#include "cli/common_options.h"
#include "cli/terminal.h"
#include "ledger/win1252.h"
#include "reports/table_text.h"
#include "reports/view_kinds.h"

#include <cstdio>
#include <string>
#include <vector>

namespace cli {

namespace {

// The command line's settings of the view, checked before the file is opened.
struct ShowOptions {
    reports::ReportParams params;
    std::optional<ledger::CNVKDatum> from;
    std::optional<ledger::CNVKDatum> to;
    reports::TextFormat format = reports::TextFormat::FixedWidths;
    bool cp1252 = false;
};

// A whole text as a decimal number.
std::optional<int32_t> parseNumber(const std::string& text) {
    std::size_t used = 0;
    try {
        const int value = std::stoi(text, &used);
        if (used == text.size())
            return value;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

// "--select account:ID", "category:KIND:ID" or "subcategory:KIND:ID:SUB".
reports::Selection takeSelection(Arguments& args) {
    const auto text = args.option("select");
    if (!text)
        return {};
    std::vector<std::string> parts;
    for (std::size_t at = 0;;) {
        const std::size_t colon = text->find(':', at);
        parts.push_back(text->substr(at, colon == std::string::npos ? colon : colon - at));
        if (colon == std::string::npos)
            break;
        at = colon + 1;
    }
    std::vector<int32_t> ids;
    for (std::size_t i = 1; i < parts.size(); ++i)
        if (const auto id = parseNumber(parts[i]))
            ids.push_back(*id);
    using reports::Selection;
    if (ids.size() + 1 == parts.size()) {
        if (parts[0] == "account" && ids.size() == 1)
            return {Selection::kKonto, ids[0]};
        if (parts[0] == "category" && ids.size() == 2)
            return {Selection::kKategorie, -1, ids[0], ids[1]};
        if (parts[0] == "subcategory" && ids.size() == 3)
            return {Selection::kUnterkategorie, -1, ids[0], ids[1], ids[2]};
    }
    throw UsageError(
        "--select erwartet account:ID, category:ART:ID oder subcategory:ART:ID:UNTER: " + *text);
}

// The number after --view; whether it names a view kind is checked by the caller.
int takeViewKindNumber(Arguments& args) {
    const auto text = args.option("view");
    if (!text)
        throw UsageError("Die Option --view fehlt.");
    std::size_t used = 0;
    int number = -1;
    try {
        number = std::stoi(*text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text->size())
        throw UsageError("--view erwartet die Nummer einer Ansicht: " + *text);
    return number;
}

} // namespace

int runShow(Arguments& args, Io& io) {
    ShowOptions o;
    const int viewNumber = takeViewKindNumber(args);
    o.from = takeDateOption(args, "from");
    o.to = takeDateOption(args, "to");
    o.params.grouping = takeChoiceOption(args, "grouping", {"0", "1", "2"}, 0);
    o.params.withoutProvisional = args.flag("without-provisional");
    o.params.selection = takeSelection(args);
    o.params.filterIndex =
        takeChoiceOption(args, "filter", {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, 0);
    o.format =
        static_cast<reports::TextFormat>(takeChoiceOption(args, "format", {"fixed", "tabs"}, 0));
    o.cp1252 = takeChoiceOption(args, "encoding", {"utf-8", "cp1252"}, 0) == 1;
    const auto password = args.option("password");
    const auto clock = takeClockOption(args);
    const std::string path = args.positionals(1).front();

    const std::optional<reports::ViewKind> kind = reports::viewKindFromNumber(viewNumber);
    if (!kind) {
        printLine(io.err, "Eine Ansicht " + std::to_string(viewNumber) +
                              " gibt es nicht. Ansichten: " + reports::kViewKindNumbers + ".");
        return kExitUsage;
    }
    o.params.viewKind = *kind;
    if (!reports::hasTableBuilder(*kind)) {
        printLine(io.err, "Die Ansicht " + std::to_string(viewNumber) + " (" +
                              reports::viewKindLabel(*kind) +
                              ") kann talerwerk-cli noch nicht zeigen.");
        return kExitUsage;
    }
    if (o.from && o.to && *o.to < *o.from) {
        printLine(io.err, "Das Enddatum liegt vor dem Startdatum.");
        return kExitUsage;
    }

    const OpenedLedger opened = openLedger(path, password, *clock, io);
    if (!opened.document)
        return kExitFailure;
    const ledger::Zeitraum initial =
        opened.document->initialDisplayPeriod(ledger::CNVKDatum::today(*clock));
    o.params.start = o.from.value_or(initial.start);
    o.params.end = o.to.value_or(initial.end);
    // A single given date wins over the other end of the initial period.
    if (o.params.end < o.params.start) {
        if (o.to && !o.from)
            o.params.start = o.params.end;
        else
            o.params.end = o.params.start;
    }

    std::optional<reports::ReportTable> table =
        reports::buildReportTable(*opened.document, o.params);
    table->layout(platform::FixedWidthMeasurer{}, reports::LayoutTarget::Printer);
    const std::string text = reports::renderText(*table, o.format, reports::kClipboardLineEnd);
    io.out << (o.cp1252 ? text : ledger::toUtf8(text));
    return kExitOk;
}

} // namespace cli
