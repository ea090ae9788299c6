// Figures for the booking editor on a generated ledger of 100 000 bookings: the list of all of
// them built and sorted by booking text, "Text ersetzen" over all of them without questions,
// and "Alle löschen" of half the ledger (at two sizes: far from the square growth of deleting
// one by one). Each change is recorded for undo as in the desktop program, and taken back
// outside the timing, so every round starts from the same ledger.
#include "bench/ledger_generator.h"
#include "bookings/buchungs_editor_form.h"

#include <benchmark/benchmark.h>

namespace {

using bookings::CBuchungsEditorForm;

// Answers every question with Yes.
class YesPrompter final : public platform::Prompter {
public:
    void information(const std::string&, const std::string&) override {}
    void warning(const std::string&, const std::string&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return true; }
    bool askOkCancel(const std::string&, const std::string&) override { return true; }
};

// "Text ersetzen" of "e" by "ee" in the booking texts and notes, without questions.
class TextDialoge final : public bookings::EditorDialoge {
public:
    bool neuNummerieren(bookings::CBuchungRenumberForm&) override { return false; }
    bool textErsetzen(bookings::CTextersetzungForm& form) override {
        form.suchen = "e";
        form.ersetzen = "ee";
        form.ohneRueckfrage = true;
        return true;
    }
    bool kontoErsetzen(accounts::CKontoErsetzenForm&) override { return false; }
};

const platform::FixedClock& clock() {
    static const platform::FixedClock fixed({2025, 6, 15, 12, 0, 0});
    return fixed;
}

// Runs the bulk operation as one recorded change set; undoes it outside the timing.
std::size_t runAndUndo(benchmark::State& state, ledger::CTalwerkDoc& doc, CBuchungsEditorForm& form,
                       bookings::Massenaenderung operation) {
    YesPrompter prompter;
    TextDialoge dialoge;
    doc.beginAenderung();
    const std::size_t count = form.ausfuehren(operation, prompter, dialoge);
    ledger::Aenderung step = doc.commitAenderung();
    state.PauseTiming();
    doc.undo(step);
    form.rebuild();
    state.ResumeTiming();
    return count;
}

// The editor on the whole range of the ledger.
void openOnEverything(CBuchungsEditorForm& form, const ledger::CTalwerkDoc& doc) {
    form.open();
    form.setRange(doc.bookings().front()->date, doc.bookings().back()->date);
}

void editorListSortedByText(benchmark::State& state) {
    static const auto doc = bench::generateLedger({});
    CBuchungsEditorForm form(*doc, clock());
    openOnEverything(form, *doc);
    for (auto _ : state) {
        form.setSort(bookings::kEdText, false);
        benchmark::DoNotOptimize(form.shown().data());
        state.counters["rows"] = form.rowCount();
    }
}
BENCHMARK(editorListSortedByText)->Unit(benchmark::kMillisecond);

void editorReplaceTextEverywhere(benchmark::State& state) {
    static const auto doc = bench::generateLedger({});
    CBuchungsEditorForm form(*doc, clock());
    openOnEverything(form, *doc);
    for (auto _ : state)
        state.counters["changed"] = static_cast<double>(
            runAndUndo(state, *doc, form, bookings::Massenaenderung::TextErsetzen));
}
BENCHMARK(editorReplaceTextEverywhere)->Unit(benchmark::kMillisecond);

// "Alle löschen" on the older half of a ledger of twice the argument's bookings.
void editorDeleteAll(benchmark::State& state) {
    bench::LedgerOptions options;
    options.bookingCount = static_cast<int>(state.range(0)) * 2;
    const auto doc = bench::generateLedger(options);
    CBuchungsEditorForm form(*doc, clock());
    form.open();
    form.setRange(doc->bookings().front()->date,
                  doc->bookings()[static_cast<int>(state.range(0))]->date);
    for (auto _ : state)
        state.counters["deleted"] = static_cast<double>(
            runAndUndo(state, *doc, form, bookings::Massenaenderung::AlleLoeschen));
}
BENCHMARK(editorDeleteAll)->Arg(25'000)->Arg(50'000)->Unit(benchmark::kMillisecond);

} // namespace
