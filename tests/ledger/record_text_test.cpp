// Booking texts read into the document's text arena: what they read, and that every text that
// can leave the document (a copy, a removed or replaced booking in an undo step) owns its bytes.
#include "file_sample.h"
#include "ledger/archive_writer.h"
#include "ledger/byte_reader.h"
#include "ledger/file_write.h"
#include "ledger/large_block.h"
#include "ledger/ledger_file.h"
#include "ledger/record_pool.h"
#include "ledger/record_text.h"
#include "ledger/text_arena.h"
#include "support/scripted_password_source.h"
#include "support/scripted_prompter.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

using namespace ledger;
using namespace testsupport;

namespace {

using Bytes = std::vector<std::uint8_t>;

const platform::FixedClock kClock({2026, 12, 6, 10, 0, 0});

// The sample ledger, saved and read again: its bookings view their texts in the arena.
std::unique_ptr<CTalwerkDoc> loadedSample() {
    const auto sample = sampleLedger();
    ScriptedPrompter prompter;
    ScriptedPasswordSource passwords;
    passwords.answer(sample->password().password);
    auto loaded = loadLedgerBytes(writeLedgerFile(*sample), "/daten/Haushalt.tlw", prompter,
                                  passwords, kClock);
    EXPECT_TRUE(loaded.document) << loaded.detail;
    return std::move(loaded.document);
}

int indexOfText(const CTalwerkDoc& doc, std::string_view text) {
    for (std::size_t i = 0; i < doc.bookings().size(); ++i)
        if (doc.bookings()[i]->text == text)
            return static_cast<int>(i);
    return -1;
}

} // namespace

TEST(RecordText, ReadIntoTheArenaAsTheStringFormsReadThem) {
    // Lengths of each prefix form, across the arena's block size, plain and scrambled, and a
    // 16-bit text.
    struct Case {
        std::string text;
        bool scrambled;
        bool wide;
    };
    std::vector<Case> cases;
    for (const std::size_t length : {0, 1, 254, 255, 65533, 65534, 70000})
        for (const bool scrambled : {false, true})
            cases.push_back(
                {std::string(length, static_cast<char>('a' + length % 26)), scrambled, false});
    cases.push_back({"Brötchen\r\n\x80\x9f", true, false});
    cases.push_back({"Müller", false, true});

    TextArena arena;
    std::vector<std::pair<std::string_view, std::string>> read;
    for (const Case& c : cases) {
        ByteWriter w;
        if (c.wide) {
            // Marker, length and UTF-16 units of "Müller".
            w.byte(0xFF);
            w.word(0xFFFE);
            w.byte(6);
            for (const char16_t u : std::u16string(u"Müller"))
                w.word(u);
        } else if (c.scrambled) {
            w.scrambledText(c.text);
        } else {
            w.text(c.text);
        }
        ByteReader r(w.bytes());
        const std::string_view text = r.text(arena, c.scrambled);
        EXPECT_EQ(r.remaining(), 0u) << c.text.size();
        EXPECT_EQ(text, c.text) << c.text.size() << (c.scrambled ? " scrambled" : "");
        read.emplace_back(text, c.text);
    }
    // Texts read later did not move or overwrite the earlier ones.
    for (const auto& [text, expected] : read)
        EXPECT_EQ(text, expected);
}

TEST(RecordText, CopiesOwnTheirBytesAndAssignmentsSurviveTheirSource) {
    TextArena arena;
    const RecordText stored = RecordText::viewOf(arena.store("Bäckerei Müller"));
    EXPECT_FALSE(stored.ownsBytes());
    RecordText copy = stored;
    RecordText assigned;
    assigned = stored;
    RecordText moved = RecordText::viewOf(arena.store("Miete"));
    RecordText target = std::move(moved);
    EXPECT_TRUE(moved.empty());

    // A text set from a part of itself.
    RecordText self = "Gehalt Januar";
    self = self.view().substr(7);

    EXPECT_TRUE(copy.ownsBytes());
    EXPECT_TRUE(assigned.ownsBytes());
    arena.clear();
    EXPECT_EQ(copy, "Bäckerei Müller");
    EXPECT_EQ(assigned, std::string("Bäckerei Müller"));
    EXPECT_STREQ(copy.c_str(), "Bäckerei Müller");
    EXPECT_EQ(self, "Januar");
    EXPECT_LT(RecordText("10"), RecordText("9"));
    EXPECT_EQ("Nr. " + RecordText("7") + "/" + "24", "Nr. 7/24");
}

TEST(RecordText, BookingsOfALoadedLedgerLeaveItOnlyWithTheirOwnTexts) {
    auto doc = loadedSample();
    const int baecker = indexOfText(*doc, "Bäckerei Müller");
    ASSERT_GE(baecker, 0);
    EXPECT_FALSE(doc->bookings()[baecker]->text.ownsBytes());
    const CTWBuchung copy = *doc->bookings()[baecker];

    // Removed, and replaced in place: the undo steps hold the old contents.
    doc->beginAenderung();
    doc->removeBuchung(indexOfText(*doc, "Miete Februar"));
    Aenderung removal = doc->commitAenderung();
    CTWBuchung changed = copy;
    changed.amount = 1;
    changed.notes = "geändert";
    doc->beginAenderung();
    doc->replaceBuchungen({changed});
    Aenderung replacement = doc->commitAenderung();
    EXPECT_EQ(doc->bookings()[indexOfText(*doc, "Bäckerei Müller")]->notes, "geändert");

    // Each undo and redo puts the texts back as they were.
    for (int round = 0; round < 2; ++round) {
        doc->undo(replacement);
        doc->undo(removal);
        ASSERT_GE(indexOfText(*doc, "Miete Februar"), 0);
        const CTWBuchung& back = *doc->bookings()[indexOfText(*doc, "Bäckerei Müller")];
        EXPECT_EQ(back.notes, "Brötchen\r\nKuchen");
        EXPECT_EQ(back.amount, copy.amount);
        doc->redo(removal);
        doc->redo(replacement);
        EXPECT_EQ(indexOfText(*doc, "Miete Februar"), -1);
    }
    doc.reset();
    EXPECT_EQ(copy.text, "Bäckerei Müller");
    EXPECT_EQ(copy.notes, "Brötchen\r\nKuchen");
}

// The storage behind loaded bookings: room taken up front for a counted list, then ordinary
// growth past it, freed slots taken again, and everything destroyed at the end (the leak check
// of the sanitizer build sees a record whose destructor did not run).
TEST(RecordStorage, RoomTakenUpFrontAndGrowthKeepEveryRecordAndText) {
    RecordPool<std::string> pool;
    pool.reserve(3);
    std::vector<std::string*> alive;
    for (int i = 0; i < 3000; ++i)
        alive.push_back(pool.create(std::string(40, 'a') + std::to_string(i)));
    for (std::size_t i = 0; i < alive.size(); i += 2)
        pool.destroy(alive[i]);
    for (std::size_t i = 0; i < alive.size(); i += 2)
        alive[i] = pool.create(std::string(40, 'b') + std::to_string(i));
    std::set<const std::string*> addresses(alive.begin(), alive.end());
    EXPECT_EQ(addresses.size(), alive.size()) << "no slot is handed out twice";
    for (std::size_t i = 0; i < alive.size(); ++i)
        ASSERT_EQ(*alive[i], std::string(40, i % 2 == 0 ? 'b' : 'a') + std::to_string(i));
    pool.destroyAll(alive);

    TextArena arena;
    arena.reserve(10);
    std::vector<std::pair<std::string_view, std::string>> texts;
    for (const std::size_t length : {4u, 6u, 0u, 70000u, 9u, 65535u, 1u}) {
        const std::string text(length, static_cast<char>('a' + texts.size()));
        texts.emplace_back(arena.store(text), text);
    }
    for (const auto& [stored, original] : texts) {
        EXPECT_EQ(stored, original);
        EXPECT_EQ(stored.data()[stored.size()], '\0') << "zero byte after a text";
    }

    LargeBlock block(3 << 20, LargeBlock::Pages::UpFront);
    ASSERT_GE(block.size(), std::size_t{3} << 20);
    EXPECT_EQ(std::count(block.data(), block.data() + block.size(), std::byte{0}),
              static_cast<std::ptrdiff_t>(block.size()));
    block.data()[block.size() - 1] = std::byte{1};
    LargeBlock moved = std::move(block);
    EXPECT_EQ(block.data(), nullptr);
    EXPECT_EQ(moved.data()[moved.size() - 1], std::byte{1});
}
