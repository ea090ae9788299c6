#include "ledger/file_write.h"

#include "ledger/archive_writer.h"
#include "ledger/file_version.h"
#include "ledger/kennwort_codec.h"
#include "ledger/record_write.h"
#include "ledger/settings_codec.h"

namespace ledger {

std::int32_t nextSaveCounter(std::int32_t counter) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(counter) + 1);
}

namespace {

// Nearly the size of the file: the bookings with their texts make up most of it.
std::size_t expectedSize(const CTalwerkDoc& doc) {
    constexpr std::size_t kBookingBytes = 48; // reference, fields, amount and length prefixes
    constexpr std::size_t kOtherBytes = 64 * 1024;
    std::size_t bytes = kOtherBytes;
    for (const CTWBuchung* b : doc.bookings())
        bytes += kBookingBytes + b->number.size() + b->text.size() + b->notes.size();
    return bytes;
}

} // namespace

std::vector<std::uint8_t> writeLedgerFile(const CTalwerkDoc& doc) {
    ArchiveWriter w;
    w.reserve(expectedSize(doc));
    w.text(kFileHeader);
    w.dword(kCurrentFileVersion);
    writeKennwort(w, doc.password());

    CTWEinstellungen settings = doc.settings();
    settings.saveCounter = nextSaveCounter(settings.saveCounter);
    writeSettings(w, settings, 1, 116);

    w.int32(doc.nextRuleSerial());
    w.objectList(RecordClass::BuchungRegel, doc.rules(),
                 [&](const auto& regel) { writeBuchungRegel(w, *regel); });
    w.qword(doc.rate().numerator);
    w.qword(doc.rate().denominator);
    w.textList(doc.hiddenBookingTexts());
    w.int32(doc.initialPeriod().startRule);
    w.int32(doc.initialPeriod().endRule);
    w.dword(doc.initialPeriod().startDate.dayNumber());
    w.dword(doc.initialPeriod().endDate.dayNumber());
    w.int32(doc.accountBookingsSortDirection());

    for (const KontoArt kind : kAlleKontoArten) {
        w.int32(doc.categories().nextCategoryId[kontoArtIndex(kind)]);
        w.objectList(RecordClass::Kategorie, doc.categories().tree(kind),
                     [&](const auto& kategorie) { writeKategorie(w, *kategorie); });
    }
    w.objectList(RecordClass::Konto, doc.accounts(),
                 [&](const auto& konto) { writeKonto(w, *konto); });
    w.objectList(RecordClass::Buchung, doc.bookings(),
                 [&](const auto& buchung) { writeBuchung(w, *buchung); });
    w.objectList(RecordClass::BuchungsFilterNeu, doc.filters(),
                 [&](const auto& filter) { writeFilter(w, *filter); });
    w.real(doc.screenScale());
    return w.take();
}

} // namespace ledger
