#include "file_old_writer.h"

#include "setting_table.h"

#include <algorithm>
#include <bit>
#include <map>
#include <string>

namespace testsupport {

namespace {

using namespace ledger;

// The number a kind is stored as.
template <class Kind> std::int32_t raw(Kind kind) {
    return static_cast<std::int32_t>(kind);
}

// The primitive encodings, written out again here so that nothing of the program's own file
// code takes part in producing the files the reader is tested with.
class Out {
public:
    void byte(std::uint8_t v) { bytes_.push_back(v); }
    void word(std::uint16_t v) {
        byte(v & 0xFF);
        byte(v >> 8);
    }
    void dword(std::uint32_t v) {
        word(v & 0xFFFF);
        word(v >> 16);
    }
    void int32(std::int32_t v) { dword(static_cast<std::uint32_t>(v)); }
    void qword(std::int64_t v) {
        dword(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v)));
        dword(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v) >> 32));
    }
    void real(double v) { qword(std::bit_cast<std::int64_t>(v)); }
    void count(std::size_t n) {
        if (n < 0xFFFF) {
            word(static_cast<std::uint16_t>(n));
        } else {
            word(0xFFFF);
            dword(static_cast<std::uint32_t>(n));
        }
    }
    // Length prefix and bytes; scrambled: bit 7 of every byte outside the control ranges
    // 0x00-0x1F and 0x80-0x9F is inverted.
    void text(const std::string& s, bool scrambled = false) {
        if (s.size() < 255) {
            byte(static_cast<std::uint8_t>(s.size()));
        } else if (s.size() <= 65533) {
            byte(0xFF);
            word(static_cast<std::uint16_t>(s.size()));
        } else {
            byte(0xFF);
            word(0xFFFF);
            dword(static_cast<std::uint32_t>(s.size()));
        }
        for (const char c : s) {
            const auto b = static_cast<std::uint8_t>(c);
            const bool control = b < 0x20 || (b >= 0x80 && b < 0xA0);
            byte(scrambled && !control ? b ^ 0x80 : b);
        }
    }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

class OldWriter {
public:
    OldWriter(const CTalwerkDoc& doc, std::uint32_t version)
        : doc_(doc), v_(version), schema_(version < 10101001   ? 1
                                          : version < 20101001 ? 2
                                                               : 3) {}

    std::vector<std::uint8_t> write() {
        header();
        if (from(10301001))
            password();
        for (const SettingSpec& row : settingSpecs())
            if (from(settingSince(row.number)))
                setting(row);
        if (from(10201002)) {
            w_.int32(doc_.nextRuleSerial());
            list("CTWBuchungRegel", schema_, doc_.rules(), [&](const auto& r) { regel(*r); });
        }
        w_.qword(doc_.rate().numerator);
        w_.qword(doc_.rate().denominator);
        if (v_ > 20401001) {
            w_.count(doc_.hiddenBookingTexts().size());
            for (const auto& t : doc_.hiddenBookingTexts())
                w_.text(t);
        }
        if (from(20901002)) {
            w_.int32(doc_.initialPeriod().startRule);
            w_.int32(doc_.initialPeriod().endRule);
            w_.dword(doc_.initialPeriod().startDate.dayNumber());
            w_.dword(doc_.initialPeriod().endDate.dayNumber());
        }
        if (from(21001002))
            w_.int32(doc_.accountBookingsSortDirection());
        for (const KontoArt kind : kAlleKontoArten) {
            w_.int32(doc_.categories().nextCategoryId[kontoArtIndex(kind)]);
            list("CTWKategorie", std::min(schema_, 2), doc_.categories().tree(kind),
                 [&](const auto& k) { kategorie(*k); });
        }
        list("CTWKonto", schema_, doc_.accounts(), [&](const auto& k) { konto(*k); });
        list("CTWBuchung", schema_, doc_.bookings(), [&](const auto& b) { buchung(*b); });
        if (from(20901001))
            list("CTWBuchungsFilterNeu", 1, doc_.filters(),
                 [&](const auto& f) { filter(*f, true); });
        else
            filter(*doc_.filters().front(), false);
        if (from(11001001))
            w_.real(doc_.screenScale());
        if (from(20201001) && !from(20901001))
            w_.int32(doc_.filters().front()->provisionalMode);
        return w_.take();
    }

private:
    bool from(std::uint32_t v) const { return v_ >= v; }

    void header() {
        if (v_ == 10001001) {
            w_.text("TalerwerkDatei.1.0.1");
        } else if (v_ == 10101001) {
            w_.text("TalerwerkDatei.1.1.1");
        } else {
            w_.text("TalerwerkDatei");
            w_.dword(v_);
        }
    }

    // The password record with the program's constants: length offset 7, step 13, key
    // 0x5A3C9E17, check offsets 41 (protected) and 17, markers 0x6C2F8A53 (protected) and
    // 0x1B7E4D29.
    void password() {
        const CNVKKennwort& k = doc_.password();
        const bool on = k.protection != 0;
        w_.int32(k.protection);
        w_.dword(static_cast<std::uint32_t>(k.password.size()) + 7);
        w_.dword(on ? 0x6C2F8A53 : 0x1B7E4D29);
        for (std::uint32_t i = 0; i < k.password.size(); ++i) {
            w_.int32(static_cast<std::int8_t>(k.password[i]) + static_cast<std::int32_t>(i * 13) +
                     0x5A3C9E17);
            w_.dword(i + (on ? 41 : 17));
        }
    }

    void setting(const SettingSpec& row) {
        const SettingValue value = settingValue(doc_.settings(), row);
        if (row.type == 't')
            w_.text(std::get<std::string>(value));
        else if (row.type == 'c')
            w_.byte(static_cast<std::uint8_t>(std::get<std::int64_t>(value)));
        else
            w_.dword(static_cast<std::uint32_t>(std::get<std::int64_t>(value)));
    }

    // An object reference of its own making: each class record once, then its index.
    void object(const std::string& name, int schema) {
        auto it = classes_.find(name);
        if (it == classes_.end()) {
            w_.word(0xFFFF);
            w_.word(static_cast<std::uint16_t>(schema));
            w_.word(static_cast<std::uint16_t>(name.size()));
            for (char c : name)
                w_.byte(static_cast<std::uint8_t>(c));
            classes_[name] = next_++;
        } else if (it->second < 0x7FFF) {
            w_.word(static_cast<std::uint16_t>(0x8000 | it->second));
        } else {
            w_.word(0x7FFF);
            w_.dword(0x80000000u | it->second);
        }
        ++next_;
    }
    template <class List, class Body>
    void list(const std::string& name, int schema, const List& items, Body body) {
        w_.count(items.size());
        for (const auto& item : items) {
            object(name, schema);
            body(item);
        }
    }
    void text(const std::string& s, int schema) { w_.text(s, schema >= 2); }
    void kategorie(const CTWKategorie& k) {
        const int schema = std::min(schema_, 2);
        w_.int32(k.usageCount);
        w_.int32(k.nextSubcategoryId);
        w_.int32(k.id);
        text(k.name, schema);
        list("CTWUnterkategorie", schema, k.subcategories(), [&](const auto& u) {
            w_.int32(u->usageCount);
            w_.int32(u->id);
            text(u->name, schema);
        });
    }
    void konto(const CTWKonto& k) {
        for (std::int32_t v :
             {k.bookingCount, k.category, raw(k.kind), k.id, k.subcategory, raw(k.currencyIndex)})
            w_.int32(v);
        text(k.abbreviation, schema_);
        text(k.name, schema_);
        w_.int32(k.number);
        w_.qword(k.openingBalance);
        if (schema_ >= 3)
            for (std::int32_t v : {k.alt1UseStandard, k.alt1Category, k.alt1Subcategory,
                                   k.alt2UseStandard, k.alt2Category, k.alt2Subcategory})
                w_.int32(v);
        list("CNVKDatum", 1, k.switchDates, [&](const CNVKDatum& d) { w_.dword(d.dayNumber()); });
    }
    void buchung(const CTWBuchung& b) {
        w_.dword(b.date.dayNumber());
        for (std::int32_t v : {raw(b.kind), b.konto1Id, raw(b.konto1Kind), b.konto2Id,
                               raw(b.konto2Kind), b.serial, raw(b.currencyIndex)})
            w_.int32(v);
        text(b.number, schema_);
        text(b.text, schema_);
        text(b.notes, schema_);
        if (schema_ >= 3)
            w_.int32(b.provisional);
        w_.qword(b.amount);
    }
    void regel(const CTWBuchungRegel& r) {
        for (std::int32_t v : {r.intervalCount, r.counterStart, r.dateMode, raw(r.kind), r.konto1Id,
                               r.konto2Id, r.serial, r.intervalUnit, raw(r.currencyIndex)})
            w_.int32(v);
        text(r.numberTemplate, schema_);
        text(r.name, schema_);
        text(r.textTemplate, schema_);
        text(r.notesTemplate, schema_);
        if (schema_ >= 3)
            w_.int32(r.provisional);
        w_.qword(r.amount);
        w_.count(r.occurrenceStates.size());
        for (const std::uint8_t state : r.occurrenceStates)
            w_.byte(state);
        w_.dword(r.firstDate.dayNumber());
    }
    void filter(const CTWBuchungsFilterNeu& f, bool named) {
        if (named)
            w_.text(f.name);
        for (std::int32_t v :
             {f.amountConditionOn, f.numberConditionOn, f.textConditionOn, f.accountConditionOn,
              f.notesConditionOn, f.kindConditionOn, f.currencyConditionOn, raw(f.amountCurrency),
              f.textMode, f.accountId, f.notesMode, raw(f.currency), raw(f.kind)})
            w_.int32(v);
        w_.text(f.textPattern);
        w_.text(f.notesPattern);
        w_.dword(f.numberTo);
        w_.dword(f.numberFrom);
        if (named)
            w_.int32(f.provisionalMode);
        w_.qword(f.amountTo);
        w_.qword(f.amountFrom);
    }

    const CTalwerkDoc& doc_;
    std::uint32_t v_;
    int schema_;
    Out w_;
    std::map<std::string, std::uint32_t> classes_;
    std::uint32_t next_ = 1;
};

} // namespace

std::vector<std::uint8_t> writeFileOfVersion(const ledger::CTalwerkDoc& doc,
                                             std::uint32_t version) {
    return OldWriter(doc, version).write();
}

} // namespace testsupport
