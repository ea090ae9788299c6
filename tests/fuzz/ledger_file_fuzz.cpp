// libFuzzer target over the ledger file reader: any bytes either load into a document or give
// one of the two messages; a loaded document passes the invariant check without crashing, is
// written again, and that file loads again.
#include "ledger/dokument_pruefung.h"
#include "ledger/file_write.h"
#include "ledger/ledger_file.h"
#include "tests/support/scripted_password_source.h"
#include "tests/support/scripted_prompter.h"

#include <cstdlib>
#include <optional>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testsupport::ScriptedPrompter prompter;
    // Protected seeds use the password "x"; each of the two loads asks for it at most once.
    testsupport::ScriptedPasswordSource passwords;
    passwords.answer("x");
    passwords.answer("x");
    const platform::FixedClock clock({2026, 12, 6, 12, 0, 0});
    auto loaded = ledger::loadLedgerBytes({data, size}, "fuzz.tlw", prompter, passwords, clock);
    if (!loaded.document) {
        if (loaded.message.empty())
            std::abort();
        return 0;
    }
    (void)ledger::pruefeDokument(*loaded.document);
    const auto again = ledger::writeLedgerFile(*loaded.document);
    if (!ledger::loadLedgerBytes(again, "fuzz.tlw", prompter, passwords, clock).document)
        std::abort();
    return 0;
}
