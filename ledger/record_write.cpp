#include "ledger/record_write.h"

namespace ledger {

namespace {

// The number a kind is stored as.
template <class Kind> std::int32_t raw(Kind kind) {
    return static_cast<std::int32_t>(kind);
}

} // namespace

void writeKonto(ArchiveWriter& w, const CTWKonto& konto) {
    w.int32(konto.bookingCount);
    w.int32(konto.category);
    w.int32(raw(konto.kind));
    w.int32(konto.id);
    w.int32(konto.subcategory);
    w.int32(raw(konto.currencyIndex));
    w.scrambledText(konto.abbreviation);
    w.scrambledText(konto.name);
    w.int32(konto.number);
    w.qword(konto.openingBalance);
    w.int32(konto.alt1UseStandard);
    w.int32(konto.alt1Category);
    w.int32(konto.alt1Subcategory);
    w.int32(konto.alt2UseStandard);
    w.int32(konto.alt2Category);
    w.int32(konto.alt2Subcategory);
    w.objectList(RecordClass::Datum, konto.switchDates,
                 [&](const CNVKDatum& date) { w.dword(date.dayNumber()); });
}

void writeKategorie(ArchiveWriter& w, const CTWKategorie& kategorie) {
    w.int32(kategorie.usageCount);
    w.int32(kategorie.nextSubcategoryId);
    w.int32(kategorie.id);
    w.scrambledText(kategorie.name);
    w.objectList(RecordClass::Unterkategorie, kategorie.subcategories(), [&](const auto& sub) {
        w.int32(sub->usageCount);
        w.int32(sub->id);
        w.scrambledText(sub->name);
    });
}

void writeBuchung(ArchiveWriter& w, const CTWBuchung& buchung) {
    w.dword(buchung.date.dayNumber());
    w.int32(raw(buchung.kind));
    w.int32(buchung.konto1Id);
    w.int32(raw(buchung.konto1Kind));
    w.int32(buchung.konto2Id);
    w.int32(raw(buchung.konto2Kind));
    w.int32(buchung.serial);
    w.int32(raw(buchung.currencyIndex));
    w.scrambledText(buchung.number);
    w.scrambledText(buchung.text);
    w.scrambledText(buchung.notes);
    w.int32(buchung.provisional);
    w.qword(buchung.amount);
}

void writeBuchungRegel(ArchiveWriter& w, const CTWBuchungRegel& regel) {
    w.int32(regel.intervalCount);
    w.int32(regel.counterStart);
    w.int32(regel.dateMode);
    w.int32(raw(regel.kind));
    w.int32(regel.konto1Id);
    w.int32(regel.konto2Id);
    w.int32(regel.serial);
    w.int32(regel.intervalUnit);
    w.int32(raw(regel.currencyIndex));
    w.scrambledText(regel.numberTemplate);
    w.scrambledText(regel.name);
    w.scrambledText(regel.textTemplate);
    w.scrambledText(regel.notesTemplate);
    w.int32(regel.provisional);
    w.qword(regel.amount);
    w.byteList(regel.occurrenceStates);
    w.dword(regel.firstDate.dayNumber());
}

void writeFilter(ByteWriter& w, const CTWBuchungsFilterNeu& filter) {
    w.text(filter.name);
    w.int32(filter.amountConditionOn);
    w.int32(filter.numberConditionOn);
    w.int32(filter.textConditionOn);
    w.int32(filter.accountConditionOn);
    w.int32(filter.notesConditionOn);
    w.int32(filter.kindConditionOn);
    w.int32(filter.currencyConditionOn);
    w.int32(raw(filter.amountCurrency));
    w.int32(filter.textMode);
    w.int32(filter.accountId);
    w.int32(filter.notesMode);
    w.int32(raw(filter.currency));
    w.int32(raw(filter.kind));
    w.text(filter.textPattern);
    w.text(filter.notesPattern);
    w.dword(filter.numberTo);
    w.dword(filter.numberFrom);
    w.int32(filter.provisionalMode);
    w.qword(filter.amountTo);
    w.qword(filter.amountFrom);
}

} // namespace ledger
