// The primitive encodings and the object index table of the ledger file.
#include "ledger/archive_error.h"
#include "ledger/archive_reader.h"
#include "ledger/archive_writer.h"
#include "ledger/scrambled_text.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace ledger;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes head(const Bytes& bytes, std::size_t n) {
    return Bytes(bytes.begin(), bytes.begin() + n);
}

std::string readText(const Bytes& bytes) {
    ByteReader r(bytes);
    std::string s = r.text();
    EXPECT_EQ(r.remaining(), 0u);
    return s;
}

} // namespace

TEST(FileArchive, TextLengthPrefixesOfEveryForm) {
    struct Case {
        std::size_t length;
        Bytes prefix;
    };
    const Case cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {300, {0xFF, 0x2C, 0x01}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const auto& c : cases) {
        const std::string text(c.length, 'x');
        ByteWriter w;
        w.text(text);
        EXPECT_EQ(head(w.bytes(), c.prefix.size()), c.prefix) << c.length;
        EXPECT_EQ(w.bytes().size(), c.prefix.size() + c.length);
        EXPECT_EQ(readText(w.bytes()), text) << c.length;
    }
}

TEST(FileArchive, ScrambledTextInvertsBitSevenOfPrintableBytesOnly) {
    ByteWriter w;
    w.scrambledText("Müller");
    EXPECT_EQ(w.bytes(), (Bytes{0x06, 0xCD, 0x7C, 0xEC, 0xEC, 0xE5, 0xF2}));
    ByteReader r(w.bytes());
    EXPECT_EQ(r.scrambledText(), "Müller");

    // Control bytes of both halves are stored as they are; the mapping undoes itself.
    const auto scrambled = [](const std::string& text) {
        std::string out(text.size(), '\0');
        scrambleInto(text, out.data());
        return out;
    };
    const std::string controls = "a\r\n\x1f\x80\x9f b";
    EXPECT_EQ(scrambled(controls), "\xe1\r\n\x1f\x80\x9f\xa0\xe2");
    std::string all;
    for (int c = 0; c < 256; ++c)
        all += static_cast<char>(c);
    EXPECT_EQ(scrambled(scrambled(all)), all);
}

TEST(FileArchive, SixteenBitTextIsConvertedToWindows1252) {
    // FF, word FFFE, then a length prefix counting characters: "Aü€" and one character
    // Windows-1252 cannot hold.
    const Bytes bytes = {0xFF, 0xFE, 0xFF, 0x04, 'A', 0, 0xFC, 0, 0xAC, 0x20, 0x3A, 0x04};
    EXPECT_EQ(readText(bytes), "Aü€?");
    // The 16-bit form with a word length.
    Bytes wide = {0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01};
    for (int i = 0; i < 300; ++i)
        wide.insert(wide.end(), {'z', 0});
    EXPECT_EQ(readText(wide), std::string(300, 'z'));
}

TEST(FileArchive, NumbersAndCountsRoundTrip) {
    ByteWriter w;
    w.int32(-1);
    w.qword(-123456789012345);
    w.real(0.75);
    w.count(0xFFFE);
    w.count(0xFFFF);
    w.byteList({0, 1, 2});
    w.textList({"eins", "", "drei"});
    EXPECT_EQ(head(w.bytes(), 4), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
    const Bytes counts(w.bytes().begin() + 20, w.bytes().begin() + 28);
    EXPECT_EQ(counts, (Bytes{0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}));

    ByteReader r(w.bytes());
    EXPECT_EQ(r.int32(), -1);
    EXPECT_EQ(r.qword(), -123456789012345);
    EXPECT_EQ(r.real(), 0.75);
    EXPECT_EQ(r.word(), 0xFFFE);
    EXPECT_EQ(r.word(), 0xFFFF);
    EXPECT_EQ(r.dword(), 0xFFFFu);
    EXPECT_EQ(r.byteList(), (Bytes{0, 1, 2}));
    EXPECT_EQ(r.textList(), (std::vector<std::string>{"eins", "", "drei"}));
    EXPECT_EQ(r.remaining(), 0u);
}

TEST(FileArchive, LengthsAndCountsBeyondTheRemainingBytesFailAtOnce) {
    Bytes hugeText = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    hugeText.resize(100, 'a');
    Bytes hugeWide = {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F};
    hugeWide.resize(100, 'a');
    Bytes hugeCount = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    hugeCount.resize(100, 0);
    const Bytes shortText = {0x05, 'a', 'b'};

    EXPECT_THROW(ByteReader(hugeText).text(), FileFormatError);
    EXPECT_THROW(ByteReader(hugeWide).text(), FileFormatError);
    EXPECT_THROW(ByteReader(hugeCount).byteList(), FileFormatError);
    EXPECT_THROW(ByteReader(hugeCount).textList(), FileFormatError);
    EXPECT_THROW(ArchiveReader(hugeCount).objectList(RecordClass::Buchung, [](auto) {}),
                 FileFormatError);
    EXPECT_THROW(ByteReader(shortText).text(), FileFormatError);
    EXPECT_THROW(ByteReader(Bytes{1, 2, 3}).dword(), FileFormatError);
    EXPECT_THROW(ByteReader(Bytes{1, 2, 3, 4, 5, 6, 7}).qword(), FileFormatError);
}

TEST(FileArchive, ClassRecordIsWrittenOnceThenReferredToByIndex) {
    ArchiveWriter w;
    const std::vector<std::uint32_t> dates = {11688, 11839};
    w.objectList(RecordClass::Datum, dates, [&](std::uint32_t d) { w.dword(d); });
    w.objectList(RecordClass::Datum, std::vector<std::uint32_t>{12000},
                 [&](std::uint32_t d) { w.dword(d); });

    Bytes expected = {0x02, 0x00, 0xFF, 0xFF, 0x01, 0x00, 0x09, 0x00};
    for (char c : std::string("CNVKDatum"))
        expected.push_back(static_cast<std::uint8_t>(c));
    // Index 1 is the class, 2 and 3 are the first two dates; the third refers to class 1.
    expected.insert(expected.end(), {0xA8, 0x2D, 0, 0, 0x01, 0x80, 0x3F, 0x2E, 0, 0});
    expected.insert(expected.end(), {0x01, 0x00, 0x01, 0x80, 0xE0, 0x2E, 0, 0});
    EXPECT_EQ(w.bytes(), expected);

    ArchiveReader r(w.bytes());
    std::vector<std::uint32_t> read;
    for (int list = 0; list < 2; ++list)
        r.objectList(RecordClass::Datum, [&](std::uint16_t schema) {
            EXPECT_EQ(schema, 1);
            read.push_back(r.dword());
        });
    EXPECT_EQ(read, (std::vector<std::uint32_t>{11688, 11839, 12000}));
}

TEST(FileArchive, ClassIndexesFromTheBigFormOnAreWrittenAsDwords) {
    // 0x7FFE objects after the first class push the second class to index 0x7FFF+.
    ArchiveWriter w;
    const std::vector<std::uint8_t> many(0x7FFE, 7);
    w.objectList(RecordClass::Datum, many, [&](std::uint8_t b) { w.byte(b); });
    const std::vector<std::uint8_t> two = {1, 2};
    const std::size_t before = w.bytes().size();
    w.objectList(RecordClass::Buchung, two, [&](std::uint8_t b) { w.byte(b); });
    const Bytes tail(w.bytes().begin() + before + 2 + 2 + 2 + 2 + 10 + 1, w.bytes().end());
    // Class CTWBuchung took index 0x7FFF + 1 = 0x8000.
    EXPECT_EQ(tail, (Bytes{0xFF, 0x7F, 0x00, 0x80, 0x00, 0x80, 2}));

    ArchiveReader r(w.bytes());
    std::size_t n = 0;
    r.objectList(RecordClass::Datum, [&](std::uint16_t) { n += r.byte(); });
    std::vector<std::uint8_t> read;
    r.objectList(RecordClass::Buchung, [&](std::uint16_t schema) {
        EXPECT_EQ(schema, 3);
        read.push_back(r.byte());
    });
    EXPECT_EQ(n, 7u * 0x7FFE);
    EXPECT_EQ(read, two);
}

TEST(FileArchive, ObjectReferencesTheReaderRefuses) {
    auto classRecord = [](std::uint16_t schema, const std::string& name) {
        Bytes b = {0x01,
                   0x00,
                   0xFF,
                   0xFF,
                   static_cast<std::uint8_t>(schema),
                   static_cast<std::uint8_t>(schema >> 8),
                   static_cast<std::uint8_t>(name.size()),
                   0x00};
        b.insert(b.end(), name.begin(), name.end());
        return b;
    };
    auto readDates = [](Bytes bytes) {
        ArchiveReader r(bytes);
        std::size_t n = 0;
        r.objectList(RecordClass::Datum, [&](std::uint16_t) { n += r.dword() != 0; });
        return n;
    };

    EXPECT_THROW(readDates(classRecord(1, "CNVKDatumX")), FileFormatError);
    EXPECT_THROW(readDates(classRecord(2, "CNVKDatum")), FileFormatError);
    EXPECT_THROW(readDates(classRecord(1, "CTWBuchung")), FileFormatError);
    // A reference to a class index that is not in the table, and one back to an object.
    EXPECT_THROW(readDates(Bytes{0x01, 0x00, 0x01, 0x80}), FileFormatError);
    Bytes twice = classRecord(1, "CNVKDatum");
    twice[0] = 2;
    twice.insert(twice.end(), {1, 0, 0, 0, 0x02, 0x00});
    EXPECT_THROW(readDates(twice), FileFormatError);
    // A class reference that names the index of an object.
    twice[twice.size() - 1] = 0x80;
    EXPECT_THROW(readDates(twice), FileFormatError);

    // Empty slots are skipped; a versionable class accepts any schema.
    EXPECT_EQ(readDates(Bytes{0x02, 0x00, 0x00, 0x00, 0xFF, 0x7F, 0, 0, 0, 0}), 0u);
    Bytes future = classRecord(9, "CTWBuchung");
    ArchiveReader r(future);
    r.word();
    EXPECT_EQ(r.beginObject(RecordClass::Buchung), 9);
}
