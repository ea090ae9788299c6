// Runs a talerwerk-cli command line in the test process and keeps what it printed.
#pragma once

#include "cli/command.h"
#include "ledger/dokument_pruefung.h"
#include "ledger/ledger_file.h"
#include "platform/clock.h"
#include "support/scripted_password_source.h"
#include "support/scripted_prompter.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace testsupport {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

inline Outcome run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    cli::Io io{out, err};
    const int code = cli::dispatch(args, io);
    return {code, out.str(), err.str()};
}

inline bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The ledger a command saved, loaded as on the given day and checked to be sound.
inline std::unique_ptr<ledger::CTalwerkDoc> loadChecked(const std::filesystem::path& path,
                                                        const platform::LocalTime& now) {
    ScriptedPrompter prompter;
    ScriptedPasswordSource passwords;
    platform::FixedClock clock(now);
    auto doc = ledger::loadLedgerFile(path, prompter, passwords, clock).document;
    EXPECT_TRUE(doc);
    if (doc) {
        EXPECT_EQ(ledger::pruefeDokument(*doc), std::vector<std::string>{});
    }
    return doc;
}

} // namespace testsupport
