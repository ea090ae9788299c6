// The document's operations as change sets: every operation taken back by undo restores the
// saved bytes exactly, redo brings back the changed ones, and bulk operations give what single
// operations give.
#include "file_sample.h"
#include "ledger/dokument.h"
#include "ledger/file_write.h"

#include <functional>
#include <gtest/gtest.h>

using namespace ledger;
using namespace testsupport;

namespace {

using Bytes = std::vector<std::uint8_t>;

CTWBuchung booking(CNVKDatum date, std::string number, int32_t konto1, int32_t konto2,
                   int64_t amount) {
    CTWBuchung b;
    b.date = date;
    b.number = std::move(number);
    b.kind = Vorgang::Ausgabe;
    b.konto1Id = konto1;
    b.konto2Id = konto2;
    b.amount = amount;
    return b;
}

// Account ids of the sample ledger.
constexpr int32_t kGiro = 0, kSpar = 1, kLohn = 2, kMiete = 3, kEssen = 4;

} // namespace

TEST(Aenderung, UndoRestoresTheSavedBytesAndRedoRepeatsTheChange) {
    struct Case {
        const char* name;
        std::function<void(CTalwerkDoc&)> change;
    };
    const Case cases[] = {
        {"add booking",
         [](CTalwerkDoc& d) { d.addBuchung(booking(datum(3, 2, 2004), "5", kGiro, kEssen, 99)); }},
        {"add bookings in bulk",
         [](CTalwerkDoc& d) {
             d.addBuchungen({booking(datum(3, 2, 2004), "5", kGiro, kEssen, 1),
                             booking(datum(1, 1, 2000), "", kSpar, kMiete, 2),
                             booking(datum(3, 2, 2004), "1a", kGiro, kLohn, 3)});
         }},
        {"remove booking", [](CTalwerkDoc& d) { d.removeBuchung(1); }},
        {"remove bookings by serial",
         [](CTalwerkDoc& d) {
             d.removeBuchungen({0, 3, 77});
         }},
        {"replace booking",
         [](CTalwerkDoc& d) {
             d.replaceBuchung(0, booking(datum(9, 9, 2009), "X", kSpar, kMiete, 5));
         }},
        {"replace bookings in bulk",
         [](CTalwerkDoc& d) {
             CTWBuchung text = *d.bookings()[0];
             text.text = "anders";
             text.konto2Id = kEssen;
             CTWBuchung moved = *d.bookings()[1];
             moved.date = datum(9, 9, 2009);
             CTWBuchung unknown = moved;
             unknown.serial = 77;
             d.replaceBuchungen({text, moved, unknown});
         }},
        {"add account",
         [](CTalwerkDoc& d) {
             CTWKonto k;
             k.kind = KontoArt::Ausgabenkonto;
             k.name = "Auto";
             k.category = 1;
             d.addKonto(k);
         }},
        {"change account",
         [](CTalwerkDoc& d) {
             CTWKonto k = *d.findKonto(kSpar);
             k.name = "Tagesgeld";
             k.alt1UseStandard = 1;
             k.category = 0;
             k.subcategory = 0;
             k.switchDates.clear();
             d.changeKonto(k);
         }},
        {"remove account", [](CTalwerkDoc& d) { d.removeKonto(kSpar); }},
        {"categories",
         [](CTalwerkDoc& d) {
             d.addUnterkategorie(KontoArt::Ausgabenkonto,
                                 d.addKategorie(KontoArt::Ausgabenkonto, "Auto"), "Öl");
             d.renameKategorie(KontoArt::Einnahmenkonto, 0, "Beruf");
             d.renameUnterkategorie(KontoArt::Einnahmenkonto, 0, 1, "Boni");
             d.removeUnterkategorie(KontoArt::Einnahmenkonto, 0, 0);
             d.removeKategorie(KontoArt::Bestandskonto, 1);
         }},
        {"recurring bookings",
         [](CTalwerkDoc& d) {
             d.setVorkommen(0, 6, kGeloescht);
             CTWBuchungRegel r = *d.rules()[1];
             r.amount = 1;
             d.changeBuchungRegel(1, r);
             d.addBuchungRegel(r);
             d.removeBuchungRegel(0);
         }},
        {"filter",
         [](CTalwerkDoc& d) {
             CTWBuchungsFilterNeu f;
             f.name = "Neu";
             d.changeFilter(9, f);
         }},
        {"settings and fields",
         [](CTalwerkDoc& d) {
             d.changeSettings([](CTWEinstellungen& s) {
                 s.accountsTitle = "Alles";
                 s.nextBookingSerial = 999; // a counter: not set this way
             });
             d.setRate({2, 1});
             d.setPassword({});
             d.setScreenScale(2);
             d.setHiddenBookingTexts({});
             d.setInitialPeriod({});
             d.setAccountBookingsSortDirection(0);
         }},
        {"Euro conversion",
         [](CTalwerkDoc& d) {
             d.convertToEuro(3, {40339, 1000}, "EUR", "bfr");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto doc = sampleLedger();
        const Bytes before = writeLedgerFile(*doc);
        doc->beginAenderung();
        c.change(*doc);
        Aenderung step = doc->commitAenderung();
        const Bytes after = writeLedgerFile(*doc);
        ASSERT_FALSE(step.empty());
        EXPECT_NE(after, before);
        EXPECT_NE(doc->settings().nextBookingSerial, 999);

        doc->undo(step);
        EXPECT_TRUE(step.isUndone());
        EXPECT_EQ(writeLedgerFile(*doc), before);
        doc->redo(step);
        EXPECT_EQ(writeLedgerFile(*doc), after);
        doc->undo(step);
        EXPECT_EQ(writeLedgerFile(*doc), before);
        EXPECT_TRUE(doc->isBuchungOrderValid());
    }
}

TEST(Aenderung, CountsFollowTheOperations) {
    auto doc = sampleLedger();
    auto count = [&](int32_t id) { return doc->findKonto(id)->bookingCount; };
    auto usage = [&](KontoArt kind, int32_t id) {
        return doc->findKategorie(kind, id)->usageCount;
    };
    ASSERT_EQ(count(kGiro), 4);
    ASSERT_EQ(usage(KontoArt::Bestandskonto, 0), 2);
    ASSERT_EQ(usage(KontoArt::Bestandskonto, 1), 2);

    doc->removeBuchungen({0, 1});
    EXPECT_EQ(count(kGiro), 2);
    EXPECT_EQ(count(kLohn), 0);
    EXPECT_EQ(count(kMiete), 0);
    doc->replaceBuchung(0, booking(datum(1, 1, 2005), "", kSpar, kEssen, 1));
    EXPECT_EQ(count(kGiro), 1);
    EXPECT_EQ(count(kSpar), 2);

    // The savings account: standard Anlagen, alternative 1 Geldkonten, alternative 2 Anlagen.
    CTWKonto spar = *doc->findKonto(kSpar);
    spar.alt1UseStandard = 1;
    spar.bookingCount = 50; // kept by the document
    doc->changeKonto(spar);
    EXPECT_EQ(count(kSpar), 2);
    EXPECT_EQ(usage(KontoArt::Bestandskonto, 0), 1);
    EXPECT_EQ(usage(KontoArt::Bestandskonto, 1), 2);
    doc->removeKonto(kSpar);
    EXPECT_EQ(usage(KontoArt::Bestandskonto, 1), 0);
    CTWKonto neu;
    neu.category = 1;
    neu.alt2Category = 0;
    EXPECT_EQ(doc->addKonto(neu).id, 5);
    EXPECT_EQ(usage(KontoArt::Bestandskonto, 0), 2);
    EXPECT_EQ(usage(KontoArt::Bestandskonto, 1), 1);
}

TEST(Aenderung, BulkAddingGivesTheOrderOfSingleAdds) {
    // Numbers like "1a" make the comparison cyclic, so the place of a booking depends on the
    // bookings already in its run; the bulk insertion must see them in the same order.
    const std::vector<std::string> numbers = {"", "9", "10", "1a", "007", "7", "b", "B"};
    std::vector<CTWBuchung> input;
    uint32_t seed = 99;
    auto next = [&seed](uint32_t bound) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % bound;
    };
    for (int i = 0; i < 400; ++i)
        input.push_back(booking(datum(1 + static_cast<int>(next(5)), 2, 2004),
                                numbers[next(static_cast<uint32_t>(numbers.size()))],
                                static_cast<int32_t>(next(5)), kEssen, i));
    auto single = sampleLedger();
    auto bulk = sampleLedger();
    for (const CTWBuchung& b : input)
        single->addBuchung(b);
    bulk->addBuchungen(input);
    EXPECT_EQ(writeLedgerFile(*bulk), writeLedgerFile(*single));
}

TEST(Aenderung, BulkReplacingKeepsPlacesCountsAndKinds) {
    auto doc = sampleLedger();
    // Three bookings of one date that compare equal: a change of text keeps the place, a change
    // of number moves the booking to the place the number gives.
    for (int i = 0; i < 3; ++i)
        doc->addBuchung(booking(datum(5, 5, 2005), "7", kGiro, kMiete, i));
    const auto serialAt = [&](size_t index) { return doc->bookings()[index]->serial; };
    const size_t first = doc->bookings().size() - 3;
    const int32_t a = serialAt(first), b = serialAt(first + 1), c = serialAt(first + 2);
    const int giro = doc->findKonto(kGiro)->bookingCount;
    const int spar = doc->findKonto(kSpar)->bookingCount;

    CTWBuchung textOfA = *doc->bookings()[first];
    textOfA.text = "neu";
    textOfA.konto1Id = kSpar;
    textOfA.konto1Kind = KontoArt::Ausgabenkonto; // a wrong kind is corrected from the account
    CTWBuchung numberOfB = *doc->bookings()[first + 1];
    numberOfB.number = "6";
    CTWBuchung twiceB = numberOfB;
    twiceB.number = "99"; // the second booking of one serial is skipped
    EXPECT_EQ(doc->replaceBuchungen({textOfA, numberOfB, twiceB}), 2u);

    EXPECT_EQ(serialAt(first), b);
    EXPECT_EQ(doc->bookings()[first]->number, "6");
    EXPECT_EQ(serialAt(first + 1), a);
    EXPECT_EQ(doc->bookings()[first + 1]->text, "neu");
    EXPECT_EQ(doc->bookings()[first + 1]->konto1Kind, KontoArt::Bestandskonto);
    EXPECT_EQ(serialAt(first + 2), c);
    EXPECT_TRUE(doc->isBuchungOrderValid());
    EXPECT_EQ(doc->findKonto(kGiro)->bookingCount, giro - 1);
    EXPECT_EQ(doc->findKonto(kSpar)->bookingCount, spar + 1);
    EXPECT_EQ(doc->replaceBuchungen({}), 0u);
}

TEST(Aenderung, ChangeSetsNestAndRecordNothingOutside) {
    auto doc = sampleLedger();
    doc->addBuchung(booking(datum(1, 1, 2004), "", kGiro, kEssen, 1)); // no change set open
    doc->beginAenderung();
    doc->beginAenderung();
    doc->removeBuchung(0);
    EXPECT_TRUE(doc->commitAenderung().empty()) << "inner commit";
    doc->setScreenScale(3);
    Aenderung step = doc->commitAenderung();
    EXPECT_EQ(step.size(), 2u);
    EXPECT_FALSE(doc->isRecording());
    doc->undo(step);
    EXPECT_EQ(doc->screenScale(), 1.25);
    EXPECT_EQ(doc->bookings().size(), 5u);
    doc->undo(step); // already undone: nothing happens
    EXPECT_EQ(doc->bookings().size(), 5u);
}

// An operation on a record that does not exist refuses, leaves the bytes and the modified
// flag as they were and records no step to take back.
TEST(Aenderung, AnOperationOnWhatDoesNotExistChangesNothing) {
    struct Case {
        const char* name;
        std::function<bool(CTalwerkDoc&)> refused;
    };
    const CTWBuchung any = booking(datum(3, 2, 2004), "5", kGiro, kEssen, 99);
    CTWKonto unknown;
    unknown.id = 77;
    const Case cases[] = {
        {"replace booking past the end",
         [&](CTalwerkDoc& d) {
             return d.replaceBuchung(static_cast<int>(d.bookings().size()), any) == -1;
         }},
        {"replace booking before the start",
         [&](CTalwerkDoc& d) { return d.replaceBuchung(-1, any) == -1; }},
        {"change account", [&](CTalwerkDoc& d) { return !d.changeKonto(unknown); }},
        {"remove account", [](CTalwerkDoc& d) { return !d.removeKonto(77); }},
        {"rename category",
         [](CTalwerkDoc& d) { return !d.renameKategorie(KontoArt::Ausgabenkonto, 2, "x"); }},
        {"rename sub-category of a missing category",
         [](CTalwerkDoc& d) {
             return !d.renameUnterkategorie(KontoArt::Ausgabenkonto, 2, 0, "x");
         }},
        {"rename missing sub-category",
         [](CTalwerkDoc& d) {
             return !d.renameUnterkategorie(KontoArt::Ausgabenkonto, 0, 1, "x");
         }},
        {"remove category",
         [](CTalwerkDoc& d) { return !d.removeKategorie(KontoArt::Bestandskonto, 2); }},
        {"remove sub-category of a missing category",
         [](CTalwerkDoc& d) { return !d.removeUnterkategorie(KontoArt::Ausgabenkonto, 2, 0); }},
        {"remove missing sub-category",
         [](CTalwerkDoc& d) { return !d.removeUnterkategorie(KontoArt::Ausgabenkonto, 0, 1); }},
        {"change rule past the end",
         [](CTalwerkDoc& d) { return !d.changeBuchungRegel(2, *d.rules()[0]); }},
        {"occurrence of a missing rule",
         [](CTalwerkDoc& d) { return !d.setVorkommen(2, 0, kAusgefuehrt); }},
        {"negative occurrence",
         [](CTalwerkDoc& d) { return !d.setVorkommen(0, -1, kAusgefuehrt); }},
        {"remove rule", [](CTalwerkDoc& d) { return !d.removeBuchungRegel(-1); }},
        {"change filter past the end",
         [](CTalwerkDoc& d) { return !d.changeFilter(10, *d.filters()[0]); }},
    };
    for (const Case& c : cases) {
        auto doc = sampleLedger();
        doc->setModified(false);
        const Bytes before = writeLedgerFile(*doc);
        doc->beginAenderung();
        EXPECT_TRUE(c.refused(*doc)) << c.name;
        EXPECT_TRUE(doc->commitAenderung().empty()) << c.name;
        EXPECT_FALSE(doc->isModified()) << c.name;
        EXPECT_EQ(writeLedgerFile(*doc), before) << c.name;
    }
}

TEST(Aenderung, ARecordReplacedKeepsItsAddress) {
    auto doc = sampleLedger();
    const CTWKonto* spar = doc->findKonto(kSpar);
    CTWKonto changed = *spar;
    changed.name = "Tagesgeld";
    doc->beginAenderung();
    doc->changeKonto(changed);
    Aenderung step = doc->commitAenderung();
    EXPECT_EQ(spar->name, "Tagesgeld");
    doc->undo(step);
    EXPECT_EQ(spar, doc->findKonto(kSpar));
    EXPECT_EQ(spar->name, "Sparbuch Müller");
}

// What a step keeps alive grows with the records it holds and with their texts, and only a
// step that holds records is large.
TEST(Aenderung, BytesCountTheRecordsAndTextsAStepHolds) {
    auto doc = sampleLedger();
    const CNVKDatum date = *CNVKDatum::fromCalendar(3, 2, 2024);
    const std::string longText(200, 'x');
    std::vector<CTWBuchung> shortOnes, longOnes;
    for (int i = 0; i < 1000; ++i) {
        shortOnes.push_back(booking(date, "S", kGiro, kEssen, 100));
        longOnes.push_back(booking(date, "L", kGiro, kEssen, 100));
        longOnes.back().text = longText;
    }
    doc->addBuchungen(std::move(shortOnes));
    doc->addBuchungen(std::move(longOnes));
    std::vector<int32_t> shortSerials, longSerials;
    for (const CTWBuchung* b : doc->bookings()) {
        if (b->number == "S")
            shortSerials.push_back(b->serial);
        else if (b->number == "L")
            longSerials.push_back(b->serial);
    }

    auto removal = [&](const std::vector<int32_t>& serials) {
        doc->beginAenderung();
        EXPECT_EQ(doc->removeBuchungen(serials), serials.size());
        return doc->commitAenderung();
    };
    Aenderung shortStep = removal(shortSerials);
    Aenderung longStep = removal(longSerials);
    // Each removed booking is held whole, with its position.
    EXPECT_GE(shortStep.bytes(), 1000 * (sizeof(CTWBuchung) + sizeof(int)));
    EXPECT_LT(shortStep.bytes(), 1000 * (sizeof(CTWBuchung) + 64));
    EXPECT_GE(longStep.bytes(), shortStep.bytes() + 1000 * longText.size());

    // Taking the removals back (newest first) leaves steps that hold only positions.
    doc->undo(longStep);
    doc->undo(shortStep);
    EXPECT_LT(shortStep.bytes(), 1000 * 2 * sizeof(int) + 1024);

    doc->beginAenderung();
    doc->setAccountBookingsSortDirection(1);
    EXPECT_LT(doc->commitAenderung().bytes(), 1024u);
}
