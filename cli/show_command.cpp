#include "cli/show_command.h"

#include "cli/arguments.h"
#include "cli/common_options.h"
#include "cli/terminal.h"
#include "ledger/win1252.h"
#include "reports/report_builder.h"
#include "reports/table_text.h"

#include <cstdio>
#include <string>

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

std::optional<ledger::CNVKDatum> takeDate(Arguments& args, std::string_view name) {
    const auto text = args.option(name);
    if (!text)
        return std::nullopt;
    int day = 0, month = 0, year = 0;
    char rest = 0;
    std::optional<ledger::CNVKDatum> date;
    if (std::sscanf(text->c_str(), "%2d.%2d.%4d%c", &day, &month, &year, &rest) == 3)
        date = ledger::CNVKDatum::fromCalendar(day, month, year);
    if (!date)
        throw UsageError("--" + std::string(name) + " erwartet ein Datum TT.MM.JJJJ: " + *text);
    return date;
}

int takeChoice(Arguments& args, std::string_view name, std::initializer_list<const char*> values,
               int fallback) {
    const auto text = args.option(name);
    if (!text)
        return fallback;
    int index = 0;
    for (const char* value : values) {
        if (*text == value)
            return index;
        ++index;
    }
    std::string expected;
    for (const char* value : values)
        expected += (expected.empty() ? "" : ", ") + std::string(value);
    throw UsageError("--" + std::string(name) + " erwartet " + expected + ": " + *text);
}

int takeViewKind(Arguments& args) {
    const auto text = args.option("view");
    if (!text)
        throw UsageError("Die Option --view fehlt.");
    std::size_t used = 0;
    int kind = -1;
    try {
        kind = std::stoi(*text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text->size())
        throw UsageError("--view erwartet die Nummer einer Ansicht: " + *text);
    return kind;
}

} // namespace

int runShow(Arguments& args, Io& io) {
    ShowOptions o;
    o.params.viewKind = takeViewKind(args);
    o.from = takeDate(args, "from");
    o.to = takeDate(args, "to");
    o.params.grouping = takeChoice(args, "grouping", {"0", "1", "2"}, 0);
    o.params.withoutProvisional = args.flag("without-provisional");
    o.format = static_cast<reports::TextFormat>(takeChoice(args, "format", {"fixed", "tabs"}, 0));
    o.cp1252 = takeChoice(args, "encoding", {"utf-8", "cp1252"}, 0) == 1;
    const auto password = args.option("password");
    const auto clock = takeClockOption(args);
    const std::string path = args.positionals(1).front();

    const char* label = reports::viewKindLabel(o.params.viewKind);
    if (!label) {
        printLine(io.err, "Eine Ansicht " + std::to_string(o.params.viewKind) +
                              " gibt es nicht. Ansichten: 1 bis 9, 101 und 102.");
        return kExitUsage;
    }
    if (!reports::hasTableBuilder(o.params.viewKind)) {
        printLine(io.err, "Die Ansicht " + std::to_string(o.params.viewKind) + " (" + label +
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
