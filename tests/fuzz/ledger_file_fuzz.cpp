// libFuzzer target over the ledger file reader: any bytes either load into a document or give
// one of the two messages; a loaded document passes the invariant check without crashing, is
// written again, and that file loads again.
#include "ledger/dokument_pruefung.h"
#include "ledger/file_write.h"
#include "ledger/ledger_file.h"

#include <cstdlib>
#include <optional>
#include <string>

namespace {

class SilentPrompter final : public platform::Prompter {
public:
    void information(const std::string&, const std::string&) override {}
    void warning(const std::string&, const std::string&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    bool askOkCancel(const std::string&, const std::string&) override { return false; }
};

// Protected seeds use the password "x".
class FixedPassword final : public platform::PasswordSource {
public:
    std::optional<std::string> askPassword(const std::string&) override { return "x"; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SilentPrompter prompter;
    FixedPassword passwords;
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
