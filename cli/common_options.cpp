#include "cli/common_options.h"

#include "cli/terminal.h"
#include "ledger/datum.h"
#include "ledger/ledger_file.h"
#include "ledger/win1252.h"

#include <charconv>
#include <cstdio>

namespace cli {

std::unique_ptr<platform::Clock> takeClockOption(Arguments& args) {
    const auto now = args.option("now");
    if (!now)
        return std::make_unique<platform::SystemClock>();
    int day = 0, month = 0, year = 0;
    char rest = 0;
    if (std::sscanf(now->c_str(), "%2d.%2d.%4d%c", &day, &month, &year, &rest) != 3 ||
        !ledger::CNVKDatum::fromCalendar(day, month, year))
        throw UsageError("Ungültiges Datum für --now: " + *now);
    return std::make_unique<platform::FixedClock>(platform::LocalTime{year, month, day, 12, 0, 0});
}

ledger::SicherungsRegel takeBackupOptions(Arguments& args) {
    ledger::SicherungsRegel rule;
    const auto count = args.option("backups");
    rule.enabled = !args.flag("no-backup");
    if (!count)
        return rule;
    if (!rule.enabled)
        throw UsageError("--backups und --no-backup schließen einander aus");
    int value = 0;
    const auto [end, error] = std::from_chars(count->data(), count->data() + count->size(), value);
    if (error != std::errc() || end != count->data() + count->size() || value < 1 ||
        value > ledger::kMaxAnzahlSicherungen)
        throw UsageError("--backups erwartet eine Zahl von 1 bis 999: " + *count);
    rule.keep = value;
    return rule;
}

std::optional<ledger::CNVKDatum> takeDateOption(Arguments& args, std::string_view name) {
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

int takeChoiceOption(Arguments& args, std::string_view name,
                     std::initializer_list<const char*> values, int fallback) {
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

OpenedLedger openLedger(ledger::LedgerStore& store, const std::optional<std::string>& password,
                        const platform::Clock& clock, Io& io) {
    TerminalPrompter prompter(io.err);
    TerminalPasswordSource passwords(password);
    auto loaded = ledger::loadLedgerFile(store, prompter, passwords, clock);
    if (!loaded.document)
        io.err << store.path().string() << ": " << ledger::toUtf8(loaded.message) << '\n';
    return {std::move(loaded.document), loaded.version, std::move(loaded.detail)};
}

OpenedLedger openLedger(const std::string& path, const std::optional<std::string>& password,
                        const platform::Clock& clock, Io& io) {
    ledger::LedgerStore store(path);
    return openLedger(store, password, clock, io);
}

} // namespace cli
