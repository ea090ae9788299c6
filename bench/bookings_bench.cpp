// Figures for the booking lists and the import: the bookings view sorted by booking text
// descending and the account bookings view of the busiest account over the whole range of a
// generated ledger of 100 000 bookings, and the import of its bookings as a text file.
#include "bench/ledger_generator.h"
#include "bookings/buchung_import.h"
#include "ledger/win1252.h"
#include "reports/table_text.h"
#include "reports/view_kinds.h"

#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

const ledger::CTalwerkDoc& sharedLedger() {
    static const auto doc = bench::generateLedger({});
    return *doc;
}

// The fixed-width measurer, counting the exact measurements a layout asks for (a measurement
// by the desktop's font metrics costs far more than the bound).
class CountingMeasurer final : public platform::TextMeasurer {
public:
    int textWidth(const platform::FontSpec& font, std::string_view text) const override {
        ++measured;
        return fixed_.textWidth(font, text);
    }
    int widthBound(const platform::FontSpec& font, std::string_view text) const override {
        return fixed_.textWidth(font, text);
    }
    mutable int measured = 0;

private:
    platform::FixedWidthMeasurer fixed_;
};

void buildAndLayOut(benchmark::State& state, const ledger::CTalwerkDoc& doc,
                    const reports::ReportParams& params) {
    for (auto _ : state) {
        const CountingMeasurer measurer;
        std::optional<reports::ReportTable> table = reports::buildReportTable(doc, params);
        benchmark::DoNotOptimize(table->layout(measurer, reports::LayoutTarget::Screen));
        state.counters["rows"] = table->rowCount();
        state.counters["measured"] = measurer.measured;
    }
}

reports::ReportParams wholeRange(const ledger::CTalwerkDoc& doc, reports::ViewKind viewKind) {
    reports::ReportParams params;
    params.viewKind = viewKind;
    params.start = doc.bookings().front()->date;
    params.end = doc.bookings().back()->date;
    return params;
}

void bookingsViewByTextDescending(benchmark::State& state) {
    static const auto doc = [] {
        auto d = bench::generateLedger({});
        d->changeSettings([](ledger::CTWEinstellungen& s) {
            s.bookingsSortKey = 2; // "Buchungstext"
            s.bookingsSortDirection = 1;
        });
        return d;
    }();
    buildAndLayOut(state, *doc, wholeRange(*doc, reports::ViewKind::Buchungen));
}
BENCHMARK(bookingsViewByTextDescending)->Unit(benchmark::kMillisecond);

// The bookings view over the whole range in its stored order, as the desktop program opens it.
void bookingsView(benchmark::State& state) {
    const ledger::CTalwerkDoc& doc = sharedLedger();
    buildAndLayOut(state, doc, wholeRange(doc, reports::ViewKind::Buchungen));
}
BENCHMARK(bookingsView)->Unit(benchmark::kMillisecond);

// The same view as `talerwerk-cli show --view 2` writes it: laid out for the printer and
// rendered as UTF-8 text.
void bookingsViewAsText(benchmark::State& state) {
    const ledger::CTalwerkDoc& doc = sharedLedger();
    const reports::ReportParams params = wholeRange(doc, reports::ViewKind::Buchungen);
    for (auto _ : state) {
        std::optional<reports::ReportTable> table = reports::buildReportTable(doc, params);
        table->layout(platform::FixedWidthMeasurer{}, reports::LayoutTarget::Printer);
        std::string utf8;
        std::size_t bytes = 0;
        reports::renderText(*table, reports::TextFormat::FixedWidths, reports::kClipboardLineEnd,
                            [&](std::string_view block) {
                                utf8.clear();
                                ledger::appendUtf8(utf8, block);
                                bytes += utf8.size();
                                benchmark::DoNotOptimize(utf8.data());
                            });
        state.counters["bytes"] = static_cast<double>(bytes);
    }
}
BENCHMARK(bookingsViewAsText)->Unit(benchmark::kMillisecond);

void accountBookingsOfBusiestAccount(benchmark::State& state) {
    const ledger::CTalwerkDoc& doc = sharedLedger();
    const auto busiest = std::max_element(
        doc.accounts().begin(), doc.accounts().end(),
        [](const auto& a, const auto& b) { return a->bookingCount < b->bookingCount; });
    reports::ReportParams params = wholeRange(doc, reports::ViewKind::BuchungenKonto);
    params.selection.kind = reports::Selection::kKonto;
    params.selection.accountId = (*busiest)->id;
    buildAndLayOut(state, doc, params);
}
BENCHMARK(accountBookingsOfBusiestAccount)->Unit(benchmark::kMillisecond);

// Answers every question with OK and counts the messages.
class CountingPrompter final : public platform::Prompter {
public:
    void information(const std::string&, const std::string&) override { ++shown; }
    void warning(const std::string&, const std::string&) override { ++shown; }
    bool askYesNo(const std::string&, const std::string&) override { return ++shown, true; }
    bool askOkCancel(const std::string&, const std::string&) override { return ++shown, true; }
    int shown = 0;
};

// The bookings of the generated ledger as a bank would export them: one tab-separated line
// per booking in date order, CR LF line ends.
std::string exportedText(const ledger::CTalwerkDoc& doc) {
    static const char* const kinds[] = {"E", "A", "U"};
    std::string text;
    for (const auto& b : doc.bookings()) {
        text += b->date.text() + '\t' + b->number + '\t' + b->text + '\t' +
                kinds[ledger::vorgangIndex(b->kind)] + '\t' + doc.findKonto(b->konto1Id)->name +
                '\t' + doc.findKonto(b->konto2Id)->name + '\t' + doc.formatBetrag(b->amount) +
                "\r\n";
    }
    return text;
}

void importTextFile(benchmark::State& state) {
    const bench::LedgerOptions options;
    const std::string text = exportedText(sharedLedger());
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = bench::generateChartOfAccounts(options);
        CountingPrompter prompter;
        state.ResumeTiming();
        const bookings::ImportErgebnis result =
            bookings::importBuchungen(*doc, text, bookings::ImportOptionen{}, prompter);
        if (prompter.shown != 0 || result.added != options.bookingCount)
            state.SkipWithError("the generated text did not import cleanly");
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.counters["lines"] = options.bookingCount;
}
BENCHMARK(importTextFile)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
