#include "ledger/record_read.h"

#include "ledger/archive_error.h"

#include <memory>
#include <optional>

namespace ledger {

namespace {

std::string recordText(ArchiveReader& r, std::uint16_t schema) {
    return schema >= 2 ? r.scrambledText() : r.text();
}

void require(bool usable, const char* what) {
    if (!usable)
        throw FileOpenError(std::string("unbrauchbarer Wert: ") + what);
}

// The stored numbers of the kinds, checked once here: everything after the reader works with
// the enum types.
KontoArt kontoArt(std::int32_t value, const char* what) {
    const std::optional<KontoArt> art = kontoArtAt(value);
    require(art.has_value(), what);
    return *art;
}
Vorgang vorgang(std::int32_t value, const char* what) {
    const std::optional<Vorgang> kind = vorgangAt(value);
    require(kind.has_value(), what);
    return *kind;
}
WaehrungsIndex waehrung(std::int32_t value, const char* what) {
    const std::optional<WaehrungsIndex> index = waehrungAt(value);
    require(index.has_value(), what);
    return *index;
}

} // namespace

void readKonto(ArchiveReader& r, std::uint16_t schema, CTWKonto& konto) {
    konto.bookingCount = r.int32();
    konto.category = r.int32();
    const std::int32_t kind = r.int32();
    konto.id = r.int32();
    konto.subcategory = r.int32();
    const std::int32_t currency = r.int32();
    konto.abbreviation = recordText(r, schema);
    konto.name = recordText(r, schema);
    konto.number = r.int32();
    konto.openingBalance = r.qword();
    if (schema >= 3) {
        konto.alt1UseStandard = r.int32();
        konto.alt1Category = r.int32();
        konto.alt1Subcategory = r.int32();
        konto.alt2UseStandard = r.int32();
        konto.alt2Category = r.int32();
        konto.alt2Subcategory = r.int32();
    }
    r.objectList(RecordClass::Datum,
                 [&](std::uint16_t) { konto.switchDates.emplace_back(r.dword()); });
    konto.kind = kontoArt(kind, "Kontoart");
    konto.currencyIndex =
        currency == -1 ? WaehrungsIndex::Keine : waehrung(currency, "Kontowährung");
}

void readUnterkategorie(ArchiveReader& r, std::uint16_t schema, CTWUnterkategorie& unterkategorie) {
    unterkategorie.usageCount = r.int32();
    unterkategorie.id = r.int32();
    unterkategorie.name = recordText(r, schema);
}

void readKategorie(ArchiveReader& r, std::uint16_t schema, CTWKategorie& kategorie) {
    kategorie.usageCount = r.int32();
    kategorie.nextSubcategoryId = r.int32();
    kategorie.id = r.int32();
    kategorie.name = recordText(r, schema);
    r.objectList(RecordClass::Unterkategorie, [&](std::uint16_t subSchema) {
        auto unterkategorie = std::make_unique<CTWUnterkategorie>();
        readUnterkategorie(r, subSchema, *unterkategorie);
        kategorie.subcategoryList().push_back(std::move(unterkategorie));
    });
}

void readBuchung(ArchiveReader& r, std::uint16_t schema, CTWBuchung& buchung, TextArena& texts) {
    const auto text = [&] { return RecordText::viewOf(r.text(texts, schema >= 2)); };
    buchung.date = CNVKDatum(r.dword());
    const std::int32_t kind = r.int32();
    buchung.konto1Id = r.int32();
    // The account kinds beside the ids are kept as stored; the check compares them with the
    // accounts.
    buchung.konto1Kind = static_cast<KontoArt>(r.int32());
    buchung.konto2Id = r.int32();
    buchung.konto2Kind = static_cast<KontoArt>(r.int32());
    buchung.serial = r.int32();
    const std::int32_t currency = r.int32();
    buchung.number = text();
    buchung.text = text();
    buchung.notes = text();
    buchung.provisional = schema >= 3 ? r.int32() : 0;
    buchung.amount = r.qword();
    buchung.kind = vorgang(kind, "Vorgang");
    buchung.currencyIndex = waehrung(currency, "Währung");
}

void readBuchungRegel(ArchiveReader& r, std::uint16_t schema, CTWBuchungRegel& regel) {
    regel.intervalCount = r.int32();
    regel.counterStart = r.int32();
    regel.dateMode = r.int32();
    const std::int32_t kind = r.int32();
    regel.konto1Id = r.int32();
    regel.konto2Id = r.int32();
    regel.serial = r.int32();
    regel.intervalUnit = r.int32();
    const std::int32_t currency = r.int32();
    regel.numberTemplate = recordText(r, schema);
    regel.name = recordText(r, schema);
    regel.textTemplate = recordText(r, schema);
    regel.notesTemplate = recordText(r, schema);
    regel.provisional = schema >= 3 ? r.int32() : 0;
    regel.amount = r.qword();
    regel.occurrenceStates = r.byteList();
    regel.firstDate = CNVKDatum(r.dword());
    regel.kind = vorgang(kind, "Vorgang");
    regel.currencyIndex = waehrung(currency, "Währung");
    // A zero or negative interval would never advance to the next due date.
    require(regel.intervalCount >= 1, "Intervallanzahl");
    require(regel.intervalUnit >= kTage && regel.intervalUnit <= kMonate, "Intervalleinheit");
}

void readFilter(ByteReader& r, FilterForm form, CTWBuchungsFilterNeu& filter) {
    if (form == FilterForm::Named)
        filter.name = r.text();
    filter.amountConditionOn = r.int32();   // word 10
    filter.numberConditionOn = r.int32();   // word 1
    filter.textConditionOn = r.int32();     // word 4
    filter.accountConditionOn = r.int32();  // word 8
    filter.notesConditionOn = r.int32();    // word 14
    filter.kindConditionOn = r.int32();     // word 6
    filter.currencyConditionOn = r.int32(); // word 12
    // The kind and currencies of a filter count only while their condition is on; they are
    // kept as stored.
    filter.amountCurrency = static_cast<WaehrungsIndex>(r.int32()); // word 11
    filter.textMode = r.int32();                                    // word 5
    filter.accountId = r.int32();                                   // word 9
    filter.notesMode = r.int32();                                   // word 15
    filter.currency = static_cast<WaehrungsIndex>(r.int32());       // word 13
    filter.kind = static_cast<Vorgang>(r.int32());                  // word 7
    filter.textPattern = r.text();                                  // text 1
    filter.notesPattern = r.text();                                 // text 2
    filter.numberTo = r.dword();                                    // word 3
    filter.numberFrom = r.dword();                                  // word 2
    if (form == FilterForm::Named)
        filter.provisionalMode = r.int32(); // word 16
    filter.amountTo = r.qword();            // amount 2
    filter.amountFrom = r.qword();          // amount 1
}

} // namespace ledger
