#include "cli/show_command.h"

#include "cli/arguments.h"
#include "cli/common_options.h"
#include "cli/terminal.h"
#include "ledger/win1252.h"
#include "reports/chart_painter.h"
#include "reports/svg_surface.h"
#include "reports/table_text.h"
#include "reports/view_kinds.h"

#include <cstdio>
#include <fstream>
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
    // --compare: the period type of the period comparison instead of the document's.
    std::optional<int> comparisonType;
    std::optional<std::string> svgPath;
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
        const std::optional<ledger::KontoArt> kind =
            ids.empty() ? std::nullopt : ledger::kontoArtAt(ids[0]);
        if (parts[0] == "category" && ids.size() == 2 && kind)
            return {Selection::kKategorie, -1, *kind, ids[1]};
        if (parts[0] == "subcategory" && ids.size() == 3 && kind)
            return {Selection::kUnterkategorie, -1, *kind, ids[1], ids[2]};
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

// "101 und 102": the numbers of the chart views, for messages.
std::string chartViewNumbers() {
    std::vector<std::string> numbers;
    for (const reports::ViewKindInfo& info : reports::kViewKinds)
        if (info.chart)
            numbers.push_back(std::to_string(reports::viewKindNumber(info.kind)));
    std::string text;
    for (size_t i = 0; i < numbers.size(); ++i)
        text += (i == 0 ? "" : i + 1 == numbers.size() ? " und " : ", ") + numbers[i];
    return text;
}

// The chart's title, then one line per day with the date and the value; with --svg the
// chart is also written as an SVG drawing as it would be printed.
int showChart(const ledger::CTalwerkDoc& doc, const ShowOptions& o, Io& io) {
    const reports::Chart chart = *reports::buildChart(doc, o.params);
    const auto write = [&](const std::string& cp1252) {
        io.out << (o.cp1252 ? cp1252 : ledger::toUtf8(cp1252));
    };
    const ledger::BetragFormat format = doc.betragFormat();
    std::string text = chart.title() + "\n";
    uint32_t day = chart.firstDay().dayNumber();
    for (const int64_t value : chart.points())
        text += ledger::CNVKDatum(day++).text() + "\t" + format.format(value) + "\n";
    write(text);
    if (!o.svgPath)
        return kExitOk;

    reports::SvgSurface svg;
    const reports::ChartTarget target = reports::ChartTarget::Printer;
    reports::drawChart(chart, svg, target, 0, 0);
    std::ofstream file(*o.svgPath, std::ios::binary | std::ios::trunc);
    file << svg.document({0, 0, chart.width(target), -chart.height(target)});
    file.close();
    if (!file) {
        printLine(io.err, "Die Datei " + *o.svgPath + " konnte nicht geschrieben werden.");
        return kExitFailure;
    }
    return kExitOk;
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
    o.params.periodKind = takeChoiceOption(args, "periods", {"0", "1", "2", "3"}, 0);
    o.params.valueKind =
        takeChoiceOption(args, "value", {"1", "2", "3", "4", "5", "6"}, 0) + reports::kGuthaben;
    o.params.displayCurrency =
        *ledger::waehrungAt(takeChoiceOption(args, "currency", {"0", "1"}, 0));
    if (const int type = takeChoiceOption(args, "compare", {"0", "1", "2"}, -1); type >= 0)
        o.comparisonType = type;
    o.svgPath = args.option("svg");
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
    const bool chart = reports::viewKindInfo(*kind).chart;
    if (o.svgPath && !chart) {
        printLine(io.err,
                  "--svg gibt es nur für die Diagramme (Ansichten " + chartViewNumbers() + ").");
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

    if (o.comparisonType)
        opened.document->changeSettings(
            [&](ledger::CTWEinstellungen& s) { s.comparisonPeriodType = *o.comparisonType; });
    if (chart)
        return showChart(*opened.document, o, io);

    std::optional<reports::ReportTable> table =
        reports::buildReportTable(*opened.document, o.params);
    table->layout(platform::FixedWidthMeasurer{}, reports::LayoutTarget::Printer);
    // Written block by block: the text of a long table is never held whole.
    std::string utf8;
    reports::renderText(*table, o.format, reports::kClipboardLineEnd, [&](std::string_view block) {
        if (!o.cp1252) {
            utf8.clear();
            ledger::appendUtf8(utf8, block);
            block = utf8;
        }
        io.out.write(block.data(), static_cast<std::streamsize>(block.size()));
    });
    return kExitOk;
}

} // namespace cli
