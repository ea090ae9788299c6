// Figures for the due bookings: a generated ledger of 100 000 bookings with 50 recurring
// bookings (10 daily, 40 monthly) running since 1996, every occurrence before 2025 executed.
// Building the due list up to 31.12.2025 (4 130 rows) and executing 1 000 of them.
#include "bench/ledger_generator.h"
#include "bookings/faellige_buchungen_form.h"
#include "ledger/ledger_loading.h"

#include <benchmark/benchmark.h>

namespace {

using ledger::CNVKDatum;

CNVKDatum date(int d, int m, int y) {
    return *CNVKDatum::fromCalendar(d, m, y);
}

std::unique_ptr<ledger::CTalwerkDoc> ledgerWithRules() {
    bench::LedgerOptions options;
    options.firstYear = 1996;
    options.years = 30;
    options.ruleCount = 0;
    auto doc = bench::generateLedger(options);
    doc->changeSettings([&](ledger::CTWEinstellungen& s) { s.confirmDueBookings = 0; });
    const CNVKDatum lastExecuted = date(31, 12, 2024);
    for (int i = 0; i < 50; ++i) {
        const bool daily = i < 10;
        ledger::CTWBuchungRegel regel;
        regel.name = (daily ? "Täglich " : "Monatlich ") + std::to_string(i + 1);
        regel.numberTemplate = i % 2 == 0 ? "<NAECHSTE>" : "D-<ZAEHLER>";
        regel.textTemplate = regel.name + " <TT>.<MM>.<JJJJ>";
        regel.notesTemplate = "<MMMM> <JJJJ>";
        regel.kind = ledger::Vorgang::Ausgabe;
        regel.konto1Id = doc->accounts()[0]->id;
        for (const auto& k : doc->accounts())
            if (k->kind == ledger::KontoArt::Ausgabenkonto)
                regel.konto2Id = k->id;
        regel.amount = 100 + i;
        regel.intervalUnit = daily ? ledger::kTage : ledger::kMonate;
        regel.firstDate = date(1 + i % 28, 1, 1996);
        ledger::CTWBuchungRegel added = doc->addBuchungRegel(std::move(regel));
        const size_t done =
            daily ? lastExecuted.dayNumber() - added.firstDate.dayNumber() + 1 : size_t{29} * 12;
        added.occurrenceStates.assign(done, ledger::kAusgefuehrt);
        doc->changeBuchungRegel(i, std::move(added));
    }
    return doc;
}

ledger::CTalwerkDoc& sharedLedger() {
    static const auto doc = ledgerWithRules();
    return *doc;
}

platform::FixedClock clock2025() {
    return platform::FixedClock({2025, 1, 1, 12, 0, 0});
}

void buildDueList(benchmark::State& state) {
    ledger::CTalwerkDoc& doc = sharedLedger();
    const platform::FixedClock clock = clock2025();
    bookings::CFaelligeBuchungenForm form(doc, clock);
    form.open();
    form.dueUntil = date(31, 12, 2025);
    for (auto _ : state) {
        form.rebuild();
        benchmark::DoNotOptimize(form.rows().data());
    }
    state.counters["rows"] = static_cast<double>(form.rows().size());
}
BENCHMARK(buildDueList)->Unit(benchmark::kMillisecond);

class NoQuestions final : public platform::Prompter {
public:
    void information(const std::string&, const std::string&) override {}
    void warning(const std::string&, const std::string&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return true; }
    bool askOkCancel(const std::string&, const std::string&) override { return true; }
};

// Executes 1 000 due bookings: those of 2025 (arg 0), which go near the end of the booking
// list, or those of 1996 (arg 1), which go before nearly every booking, for a rule history whose
// 1996 occurrences were left open.
void executeThousandDueBookings(benchmark::State& state) {
    ledger::CTalwerkDoc& doc = sharedLedger();
    const bool early = state.range(0) == 1;
    const platform::FixedClock clock = clock2025();
    NoQuestions prompter;
    std::vector<std::vector<uint8_t>> states;
    for (const auto& r : ledger::LedgerLoading(doc).rules()) {
        states.push_back(r->occurrenceStates);
        if (early)
            for (size_t k = 0; k < r->occurrenceStates.size() && k < 366; ++k)
                r->occurrenceStates[k] = ledger::kOffen;
    }
    const size_t bookingsBefore = doc.bookings().size();
    for (auto _ : state) {
        state.PauseTiming();
        bookings::CFaelligeBuchungenForm form(doc, clock);
        form.open();
        form.dueUntil = early ? date(31, 12, 1996) : date(31, 12, 2025);
        form.rebuild();
        for (int row = 1000; row < static_cast<int>(form.rows().size()); ++row)
            form.setMarked(row, false);
        state.ResumeTiming();
        doc.beginAenderung();

        form.execute(prompter);
        ledger::Aenderung step = doc.commitAenderung();

        state.PauseTiming();
        state.counters["bookings"] = static_cast<double>(doc.bookings().size() - bookingsBefore);
        // Back to the ledger before the execution.
        doc.undo(step);
        state.ResumeTiming();
    }
    for (size_t r = 0; r < states.size(); ++r)
        ledger::LedgerLoading(doc).rules()[r]->occurrenceStates = states[r];
}
BENCHMARK(executeThousandDueBookings)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

} // namespace
