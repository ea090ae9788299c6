#include "ledger/file_read.h"

#include "ledger/archive_error.h"
#include "ledger/archive_reader.h"
#include "ledger/file_version.h"
#include "ledger/kennwort_codec.h"
#include "ledger/ledger_loading.h"
#include "ledger/record_read.h"
#include "ledger/settings_codec.h"

#include <algorithm>
#include <cstddef>

namespace ledger {

namespace {

// Data flag words of the bookings and the filtered bookings view gained a column that
// files before 2.1.1 show.
constexpr std::uint32_t kNewBookingsColumn = 0x20000000;

class FileReader {
public:
    FileReader(std::span<const std::uint8_t> bytes, CTalwerkDoc& doc, const CNVKDatum& today,
               const FileReadHooks& hooks)
        : r_(bytes), doc_(doc), today_(today), hooks_(hooks) {}

    std::uint32_t read() {
        enter("Dateikopf");
        readHeader();
        enter("Kennwort und Trennzeichen");
        readPasswordAndSeparators();
        enter("Einstellungen");
        readViewSettings();
        enter("Regelmäßige Buchung");
        readRecurringBookings();
        enter("Umrechnungskurs");
        doc_.rate().numerator = r_.qword();
        doc_.rate().denominator = r_.qword();
        enter("Anzeigeeinstellungen");
        readDisplayItems();
        enter("Kategorie");
        readCategories();
        enter("Konto");
        r_.objectList(RecordClass::Konto, [&](std::uint16_t schema) {
            auto konto = std::make_unique<CTWKonto>();
            ++record_;
            readKonto(r_, schema, *konto);
            doc_.accounts().push_back(std::move(konto));
        });
        enter("Buchung");
        r_.objectList(
            RecordClass::Buchung,
            [&](std::uint32_t count) {
                // Room for no more bookings than the bytes left can hold, whatever the count
                // claims; their texts lie within those bytes.
                doc_.reserveBuchungen(
                    std::min<std::size_t>(count, r_.remaining() / kLeastBuchungBytes),
                    r_.remaining());
            },
            [&](std::uint16_t schema) {
                ++record_;
                readBuchung(r_, schema, doc_.appendBuchung(), doc_.bookingTexts());
            });
        enter("Buchungsfilter");
        readFilters();
        return version_;
    }

    // Where reading stopped, for the detail after the user's message:
    // "Buchung 17, Byte 123456".
    std::string where() const {
        std::string text = part_;
        if (record_ > 0)
            text += ' ' + std::to_string(record_);
        return text + ", Byte " + std::to_string(r_.position());
    }

private:
    bool from(std::uint32_t v) const { return version_ >= v; }

    void enter(const char* part) {
        part_ = part;
        record_ = 0;
    }

    void readHeader() {
        const std::string header = r_.text();
        if (header == kFileHeader111)
            version_ = kFileVersion111;
        else if (header == kFileHeader101)
            version_ = kFileVersion101;
        else if (header == kFileHeader)
            version_ = r_.dword();
        else
            throw FileFormatError("keine Talerwerk-Datei");
        if (version_ < kCurrentFileVersion && hooks_.olderVersion)
            hooks_.olderVersion(version_);
    }

    void readPasswordAndSeparators() {
        auto& s = doc_.settings();
        if (!from(kVersion1_3_1_1)) {
            s.decimalSeparator = ',';
            s.thousandsSeparator = '.';
            s.noGrouping = 0;
            return;
        }
        doc_.password() = readKennwort(r_);
        if (doc_.password().isActive() && !(hooks_.unlock && hooks_.unlock(doc_.password())))
            throw FileOpenError("Kennwort nicht eingegeben");
        ledger::readSettings(r_, s, 1, 3);
    }

    void readViewSettings() {
        auto& s = doc_.settings();
        ledger::readSettings(r_, s, 4, 70);
        if (!from(kVersion2_1_1_1)) {
            s.bookingsData |= kNewBookingsColumn;
            s.filteredBookingsData |= kNewBookingsColumn;
        }
        s.noNationalAmountOfEuro = from(kVersion1_3_1_2) ? r_.int32() : 0; // 71
        s.euroOnly = from(kVersion1_4_1_2) ? r_.int32() : 0;               // 72
        s.saveCounter = from(kVersion1_5_3_0) ? r_.int32() : 1;            // 73
        if (from(kVersion1_1_1_2)) {
            ledger::readSettings(r_, s, 74, 76);
        } else {
            s.bookingNumberSource = 1;
            s.reserved75 = 4;
            s.presetCurrency = 0;
        }
        s.markNewDueBookings = from(kVersion1_2_1_3) ? r_.int32() : 1;         // 77
        s.confirmDueBookings = from(kVersion1_2_1_3) ? r_.int32() : 1;         // 78
        s.preselectMostUsedAccounts = from(kVersion1_10_1_2) ? r_.int32() : 1; // 79
        s.reserved80 = from(kVersion1_2_1_3) ? r_.int32() : 0;                 // 80
        if (from(kVersion1_2_1_4)) {
            ledger::readSettings(r_, s, 81, 83);
        } else {
            s.reserved81 = s.reserved82 = s.reserved83 = 0;
        }
        if (from(kVersion1_10_1_3)) {
            ledger::readSettings(r_, s, 84, 85);
        } else {
            s.bookingsShowSums = s.filteredBookingsShowSums = 1;
        }
        // Settings 86 to 109 keep their new-document values in older files.
        if (from(kVersion1_10_1_4))
            ledger::readSettings(r_, s, 86, 109);
        if (from(kVersion2_2_1_2)) {
            ledger::readSettings(r_, s, 110, 111);
        } else {
            s.changeFromPeriod = 1;
            s.changeToPeriod = 2;
        }
        if (from(kVersion2_5_1_2)) {
            ledger::readSettings(r_, s, 112, 116);
        } else {
            s.noAskMissingNumber = s.noAskMissingText = 0;
            s.disableNumberField = s.disableCurrencyField = s.disableNotesField = 0;
        }
    }

    void readRecurringBookings() {
        if (!from(kVersion1_2_1_2))
            return;
        doc_.nextRuleSerial() = r_.int32();
        r_.objectList(RecordClass::BuchungRegel, [&](std::uint16_t schema) {
            auto regel = std::make_unique<CTWBuchungRegel>();
            ++record_;
            readBuchungRegel(r_, schema, *regel);
            doc_.rules().push_back(std::move(regel));
        });
    }

    void readDisplayItems() {
        if (from(kVersion2_4_1_2))
            doc_.hiddenBookingTexts() = r_.textList();
        if (from(kVersion2_9_1_2)) {
            doc_.initialPeriod().startRule = r_.int32();
            doc_.initialPeriod().endRule = r_.int32();
            doc_.initialPeriod().startDate = CNVKDatum(r_.dword());
            doc_.initialPeriod().endDate = CNVKDatum(r_.dword());
        } else {
            doc_.initialPeriod() = Darstellungszeitraum{kMonatsanfang, kHeute, today_, today_};
        }
        doc_.accountBookingsSortDirection() = from(kVersion2_10_1_2) ? r_.int32() : 0;
    }

    void readCategories() {
        for (const KontoArt kind : kAlleKontoArten) {
            doc_.categories().nextCategoryId[kontoArtIndex(kind)] = r_.int32();
            r_.objectList(RecordClass::Kategorie, [&](std::uint16_t schema) {
                auto kategorie = std::make_unique<CTWKategorie>();
                ++record_;
                readKategorie(r_, schema, *kategorie);
                doc_.categories().treeList(kind).push_back(std::move(kategorie));
            });
        }
    }

    void readFilters() {
        if (from(kVersion2_9_1_1)) {
            r_.objectList(RecordClass::BuchungsFilterNeu, [&](std::uint16_t) {
                auto filter = std::make_unique<CTWBuchungsFilterNeu>();
                ++record_;
                readFilter(r_, FilterForm::Named, *filter);
                doc_.filters().push_back(std::move(filter));
            });
            readScreenScale();
            return;
        }
        // One unnamed filter of the old form becomes the first of ten named filters.
        doc_.resetFilters();
        CTWBuchungsFilterNeu& first = *doc_.filters().front();
        readFilter(r_, FilterForm::Old, first);
        readScreenScale();
        first.provisionalMode = from(kVersion2_2_1_1) ? r_.int32() : 0;
    }

    void readScreenScale() { doc_.screenScale() = from(kVersion1_10_1_1) ? r_.real() : 1.0; }

    ArchiveReader r_;
    LedgerLoading doc_;
    CNVKDatum today_;
    const FileReadHooks& hooks_;
    std::uint32_t version_ = 0;
    const char* part_ = "";
    // The record being read within part_, counted from 1; 0 outside a list.
    std::size_t record_ = 0;
};

} // namespace

std::uint32_t readLedgerFile(std::span<const std::uint8_t> bytes, CTalwerkDoc& doc,
                             const CNVKDatum& today, const FileReadHooks& hooks) {
    FileReader reader(bytes, doc, today, hooks);
    try {
        return reader.read();
    } catch (const FileFormatError& e) {
        throw FileFormatError(reader.where() + ": " + e.what());
    } catch (const FileOpenError& e) {
        throw FileOpenError(reader.where() + ": " + e.what());
    }
}

} // namespace ledger
