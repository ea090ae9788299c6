#include "file_old_writer.h"

#include "ledger/byte_writer.h"
#include "ledger/kennwort_codec.h"
#include "ledger/settings_codec.h"

#include <map>
#include <string>

namespace testsupport {

namespace {

using namespace ledger;

class OldWriter {
public:
    OldWriter(const CTalwerkDoc& doc, std::uint32_t version)
        : doc_(doc), v_(version), schema_(version < 10101001   ? 1
                                          : version < 20101001 ? 2
                                                               : 3) {}

    std::vector<std::uint8_t> write() {
        header();
        if (from(10301001)) {
            writeKennwort(w_, doc_.password);
            settings(1, 3);
        }
        settings(4, 70);
        settingsFrom(10301002, 71, 71);
        if (v_ > 10401001)
            settings(72, 72);
        settingsFrom(10503000, 73, 73);
        settingsFrom(10101002, 74, 76);
        settingsFrom(10201003, 77, 78);
        settingsFrom(11001002, 79, 79);
        settingsFrom(10201003, 80, 80);
        settingsFrom(10201004, 81, 83);
        settingsFrom(11001003, 84, 85);
        settingsFrom(11001004, 86, 109);
        settingsFrom(20201002, 110, 111);
        settingsFrom(20501002, 112, 116);
        if (from(10201002)) {
            w_.int32(doc_.nextRuleSerial);
            list("CTWBuchungRegel", schema_, doc_.rules, [&](const auto& r) { regel(*r); });
        }
        w_.qword(doc_.rate.numerator);
        w_.qword(doc_.rate.denominator);
        if (v_ > 20401001)
            w_.textList(doc_.hiddenBookingTexts);
        if (from(20901002)) {
            w_.int32(doc_.initialPeriod.startRule);
            w_.int32(doc_.initialPeriod.endRule);
            w_.dword(doc_.initialPeriod.startDate.dayNumber());
            w_.dword(doc_.initialPeriod.endDate.dayNumber());
        }
        if (from(21001002))
            w_.int32(doc_.accountBookingsSortDirection);
        for (int kind = 0; kind < 3; ++kind) {
            w_.int32(doc_.categories.nextCategoryId[kind]);
            list("CTWKategorie", std::min(schema_, 2), doc_.categories.trees[kind],
                 [&](const auto& k) { kategorie(*k); });
        }
        list("CTWKonto", schema_, doc_.accounts, [&](const auto& k) { konto(*k); });
        list("CTWBuchung", schema_, doc_.bookings, [&](const auto& b) { buchung(*b); });
        if (from(20901001))
            list("CTWBuchungsFilterNeu", 1, doc_.filters, [&](const auto& f) { filter(*f, true); });
        else
            filter(*doc_.filters.front(), false);
        if (from(11001001))
            w_.real(doc_.screenScale);
        if (from(20201001) && !from(20901001))
            w_.int32(doc_.filters.front()->provisionalMode);
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
    void settings(int first, int last) { writeSettings(w_, doc_.settings, first, last); }
    void settingsFrom(std::uint32_t v, int first, int last) {
        if (from(v))
            settings(first, last);
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
    void text(const std::string& s, int schema) {
        if (schema >= 2)
            w_.scrambledText(s);
        else
            w_.text(s);
    }

    void kategorie(const CTWKategorie& k) {
        const int schema = std::min(schema_, 2);
        w_.int32(k.usageCount);
        w_.int32(k.nextSubcategoryId);
        w_.int32(k.id);
        text(k.name, schema);
        list("CTWUnterkategorie", schema, k.subcategories, [&](const auto& u) {
            w_.int32(u->usageCount);
            w_.int32(u->id);
            text(u->name, schema);
        });
    }
    void konto(const CTWKonto& k) {
        for (std::int32_t v :
             {k.bookingCount, k.category, k.kind, k.id, k.subcategory, k.currencyIndex})
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
        for (std::int32_t v : {b.kind, b.konto1Id, b.konto1Kind, b.konto2Id, b.konto2Kind, b.serial,
                               b.currencyIndex})
            w_.int32(v);
        text(b.number, schema_);
        text(b.text, schema_);
        text(b.notes, schema_);
        if (schema_ >= 3)
            w_.int32(b.provisional);
        w_.qword(b.amount);
    }
    void regel(const CTWBuchungRegel& r) {
        for (std::int32_t v : {r.intervalCount, r.counterStart, r.dateMode, r.kind, r.konto1Id,
                               r.konto2Id, r.serial, r.intervalUnit, r.currencyIndex})
            w_.int32(v);
        text(r.numberTemplate, schema_);
        text(r.name, schema_);
        text(r.textTemplate, schema_);
        text(r.notesTemplate, schema_);
        if (schema_ >= 3)
            w_.int32(r.provisional);
        w_.qword(r.amount);
        w_.byteList(r.occurrenceStates);
        w_.dword(r.firstDate.dayNumber());
    }
    void filter(const CTWBuchungsFilterNeu& f, bool named) {
        if (named)
            w_.text(f.name);
        for (std::int32_t v :
             {f.amountConditionOn, f.numberConditionOn, f.textConditionOn, f.accountConditionOn,
              f.notesConditionOn, f.kindConditionOn, f.currencyConditionOn, f.amountCurrency,
              f.textMode, f.accountId, f.notesMode, f.currency, f.kind})
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
    ByteWriter w_;
    std::map<std::string, std::uint32_t> classes_;
    std::uint32_t next_ = 1;
};

} // namespace

std::vector<std::uint8_t> writeFileOfVersion(const ledger::CTalwerkDoc& doc,
                                             std::uint32_t version) {
    return OldWriter(doc, version).write();
}

} // namespace testsupport
