// libFuzzer target over the import of bookings from text: the first byte chooses the import's
// options and the ledger (one currency or two), the rest is the text. Every line either adds
// one booking or shows one message; what was added holds no control character in its texts,
// keeps the booking order and the booking counts, and the ledger writes and loads again.
#include "bookings/buchung_import.h"
#include "ledger/dokument_pruefung.h"
#include "ledger/file_write.h"
#include "ledger/ledger_file.h"
#include "tests/bookings/buchungs_ledger.h"
#include "tests/support/scripted_password_source.h"

#include <cstdlib>
#include <string_view>

namespace {

bool holdsControlCharacter(std::string_view text) {
    for (const char c : text) {
        const auto ch = static_cast<unsigned char>(c);
        if ((ch < 0x20 && ch != '\t') || ch == 0x7F)
            return true;
    }
    return false;
}

// Answers every question with OK and counts the messages.
class CountingPrompter final : public platform::Prompter {
public:
    void information(const std::string&, const std::string&) override { ++shown; }
    void warning(const std::string&, const std::string&) override { ++shown; }
    bool askYesNo(const std::string&, const std::string&) override { return ++shown, true; }
    bool askOkCancel(const std::string&, const std::string&) override { return ++shown, true; }
    int shown = 0;
};

// Lines that are not empty after a UTF-8 byte-order mark; a line ends at CR LF, LF or CR.
int nonEmptyLines(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    int lines = 0;
    bool inLine = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines += inLine;
            inLine = false;
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            inLine = true;
        }
    }
    return lines + inLine;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t choice = data[0];
    testsupport::Buchungsledger ledger((choice & 0x80) != 0);
    bookings::ImportOptionen options;
    options.buchungen = choice % 3;
    options.identifikation = choice / 3 % 3;
    options.betraege = choice / 9 % (ledger.doc.settings().dualCurrency != 0 ? 3 : 2);
    options.notizen = (choice & 0x40) != 0;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    CountingPrompter prompter;
    const bookings::ImportErgebnis result =
        bookings::importBuchungen(ledger.doc, text, options, prompter);
    if (result.cancelled || result.added + prompter.shown != nonEmptyLines(text) ||
        static_cast<std::size_t>(result.added) != ledger.doc.bookings().size())
        std::abort();
    for (const auto& b : ledger.doc.bookings())
        if (holdsControlCharacter(b->number) || holdsControlCharacter(b->text) ||
            holdsControlCharacter(b->notes))
            std::abort();
    // An import that added nothing left the ledger as it was made.
    if (result.added == 0)
        return 0;
    if (!ledger.doc.isBuchungOrderValid() || !ledger::pruefeDokument(ledger.doc).empty())
        std::abort();

    const auto bytes = ledger::writeLedgerFile(ledger.doc);
    testsupport::ScriptedPasswordSource passwords;
    const platform::FixedClock clock({2026, 12, 6, 12, 0, 0});
    const auto again = ledger::loadLedgerBytes(bytes, "import.tlw", prompter, passwords, clock);
    if (!again.document || again.document->bookings().size() != ledger.doc.bookings().size())
        std::abort();
    return 0;
}
