// Options that several commands share: --now DD.MM.YYYY fixes today's date, --backups N and
// --no-backup choose the backups of saving, and opening a ledger file with --password PW or a
// terminal prompt for a protected file.
#pragma once

#include "cli/arguments.h"
#include "cli/command.h"
#include "ledger/dokument.h"
#include "ledger/ledger_store.h"
#include "ledger/sicherungen.h"
#include "platform/clock.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace cli {

// The clock of --now (noon of that day), else the system clock. A date that is not valid
// is a usage error.
std::unique_ptr<platform::Clock> takeClockOption(Arguments& args);

// --backups N (1 to 999) keeps the newest N backups, --no-backup none; without either the
// newest 10. Both together, or a count outside the range, are a usage error.
ledger::SicherungsRegel takeBackupOptions(Arguments& args);

// "--name DD.MM.YYYY" as a date; nothing when absent, a usage error when not a valid date.
std::optional<ledger::CNVKDatum> takeDateOption(Arguments& args, std::string_view name);
// "--name VALUE" as the index of VALUE among the values; the fallback when absent, a usage
// error for any other value.
int takeChoiceOption(Arguments& args, std::string_view name,
                     std::initializer_list<const char*> values, int fallback);

struct OpenedLedger {
    std::unique_ptr<ledger::CTalwerkDoc> document; // none when it could not be loaded
    std::uint32_t version = 0;
    std::string detail; // after a failure: where and why the reader stopped, if it knows
};

// Loads the file; the older-version note and a failure message go to io.err.
OpenedLedger openLedger(const std::string& path, const std::optional<std::string>& password,
                        const platform::Clock& clock, Io& io);
// The same through a store, which then knows the state on disk.
OpenedLedger openLedger(ledger::LedgerStore& store, const std::optional<std::string>& password,
                        const platform::Clock& clock, Io& io);

} // namespace cli
