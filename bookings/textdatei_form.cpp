#include "bookings/textdatei_form.h"

#include "ledger/win1252.h"

#include <fstream>

namespace bookings {

bool CTextdateiForm::check(platform::Prompter& prompter) const {
    if (!fileName.empty())
        return true;
    prompter.information("Bitte geben Sie einen Dateinamen ein!", kCaption);
    return false;
}

bool CTextdateiForm::write(const reports::ReportTable& table, platform::Prompter& prompter) const {
    std::string text = reports::renderText(table, format, reports::kFileLineEnd);
    if (zeichensatz == Zeichensatz::Utf8)
        text = ledger::toUtf8(text);
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    if (file)
        file.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!file || !file.flush()) {
        prompter.information("Datei kann nicht geöffnet werden", kCaption);
        return false;
    }
    return true;
}

} // namespace bookings
