#include "bookings/massenaenderung.h"

#include "bookings/buchungsnummer.h"

namespace bookings {

namespace {

constexpr const char* kKontoCaption = "Konto ersetzen";

// The booking line of the account questions: "Buchung Nr. 17 vom 01.02.2012: Miete".
std::string kontoFrageZeile(const ledger::CTWBuchung& buchung) {
    return buchungZeile(buchung) + " " + buchung.text;
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

} // namespace

std::string buchungZeile(const ledger::CTWBuchung& buchung) {
    return "Buchung Nr. " + buchung.number + " vom " + buchung.date.text() + ":";
}

std::size_t nummeriereNeu(ledger::CTalwerkDoc& doc, const std::vector<int>& indexes,
                          const std::string& start) {
    std::vector<ledger::CTWBuchung> changed;
    std::string number = start;
    for (const int index : indexes) {
        const ledger::CTWBuchung& buchung = *doc.bookings()[index];
        if (buchung.number != number) {
            changed.push_back(buchung);
            changed.back().number = number;
        }
        number = incrementBuchungsnummer(number);
    }
    return doc.replaceBuchungen(std::move(changed));
}

std::size_t ersetzeText(ledger::CTalwerkDoc& doc, const std::vector<int>& indexes,
                        const CTextersetzungForm& form, platform::Prompter& prompter) {
    std::vector<ledger::CTWBuchung> changed;
    for (const int index : indexes) {
        const ledger::CTWBuchung& buchung = *doc.bookings()[index];
        ledger::CTWBuchung result = buchung;
        const auto replace = [&](ledger::RecordText& field, const char* name) {
            std::string replaced = form.ersetzt(field);
            if (replaced == field)
                return;
            if (!form.ohneRueckfrage &&
                !prompter.askYesNo(buchungZeile(buchung) + "\n\n" + name + " " + quoted(field) +
                                       " ändern in " + quoted(replaced) + "?",
                                   CTextersetzungForm::kCaption))
                return;
            field = std::move(replaced);
        };
        if (form.searchesText())
            replace(result.text, "Buchungstext");
        if (form.searchesNotes())
            replace(result.notes, "Notizen");
        if (result.text != buchung.text || result.notes != buchung.notes)
            changed.push_back(std::move(result));
    }
    return doc.replaceBuchungen(std::move(changed));
}

std::size_t ersetzeKonto(ledger::CTalwerkDoc& doc, const std::vector<int>& indexes, int32_t suchen,
                         int32_t ersetzen, bool ohneRueckfrage, platform::Prompter& prompter) {
    std::vector<ledger::CTWBuchung> changed;
    for (const int index : indexes) {
        const ledger::CTWBuchung& buchung = *doc.bookings()[index];
        if (!buchung.touches(suchen))
            continue;
        ledger::CTWBuchung result = buchung;
        bool conflict = false;
        const auto replace = [&](int32_t& side, int32_t other, const char* question) {
            if (side != suchen)
                return;
            if (other == ersetzen) {
                conflict = true;
                return;
            }
            if (ohneRueckfrage ||
                prompter.askYesNo(kontoFrageZeile(buchung) + "\n\n" + question, kKontoCaption))
                side = ersetzen;
        };
        replace(result.konto1Id, result.konto2Id, "Buchungskonto 1 ändern?");
        replace(result.konto2Id, result.konto1Id, "Buchungskonto 2 ändern?");
        if (conflict)
            prompter.information(kontoFrageZeile(buchung) +
                                     "\n\nKontoersetzung nicht möglich, weil ansonsten beide "
                                     "Buchungskonten identisch wären.",
                                 kKontoCaption);
        if (result.konto1Id != buchung.konto1Id || result.konto2Id != buchung.konto2Id)
            changed.push_back(std::move(result));
    }
    return doc.replaceBuchungen(std::move(changed));
}

} // namespace bookings
