#include "study_fixture.h"

#include <cstring>

namespace {

class KanjiDataTest : public StudyDataTest {};

TEST_F(KanjiDataTest, RecordsRoundTripThroughTheWriter) {
    const auto entries = sample_kanji(12);
    write_kanji(entries);
    for (int n : {1, 3, 4, 12}) {
        const KanjiRecord* r = KanjiData_LoadRecord(n);
        const KanjiEntry& e = entries[static_cast<size_t>(n - 1)];
        EXPECT_EQ(r->Kanji, e.kanji);
        EXPECT_EQ(r->Meaning.text(), e.meaning);
        EXPECT_EQ(r->OnPronun.text(), e.onPronun);
        EXPECT_EQ(r->KunRomaji.text(), e.kunRomaji);
        EXPECT_EQ(r->hasOn(), !e.onPronun.empty());
        EXPECT_EQ(r->hasKun(), !e.kunPronun.empty());
        ASSERT_EQ(r->exampleCount(), 2);
        EXPECT_EQ(r->ExampleIds[1], e.exampleIds[1]);
    }
}

TEST_F(KanjiDataTest, MissingUnreadableAndNegativeRecordsShareOneBuffer) {
    EXPECT_EQ(KanjiData_LoadRecord(1)->Kanji, 0) << "no file";
    EXPECT_EQ(KanjiData_StrokeCount(), 0);
    write_kanji(sample_kanji(3));
    EXPECT_EQ(KanjiData_LoadRecord(1)->Kanji, 0) << "the open is attempted once";
    KanjiData_Close();
    const KanjiRecord* first = KanjiData_LoadRecord(2);
    EXPECT_EQ(first->Kanji, u'\u4E02');
    EXPECT_EQ(KanjiData_LoadRecord(-1), nullptr);
    EXPECT_EQ(KanjiData_CurrentRecord()->Kanji, u'\u4E02') << "-1 must leave the buffer alone";
    // Number 9 lies beyond the index: its index word is record data, i.e. a wild offset.
    for (int n : {9, 100000, 0x3FFFFFFF}) {
        const KanjiRecord* r = KanjiData_LoadRecord(n);
        EXPECT_EQ(r, first) << "each lookup overwrites the one buffer";
        EXPECT_EQ(r->Kanji, 0) << n;
        EXPECT_EQ(r->ExampleCount, 0);
    }
}

// A damaged text field (a count beyond its slot, no zero character anywhere in the slot) is
// never read past its slot.
TEST_F(KanjiDataTest, ATextWithoutTerminatorAndAHugeCountStaysInItsSlot) {
    auto file = build_kanji_file(sample_kanji(2));
    const size_t record = word_at(file, 4);
    // Meaning: count 0xFFFF and 119 'A's, no zero; OnPronun after it: count 3, "BBB".
    file[record + 2] = file[record + 3] = 0xFF;
    for (size_t i = 0; i < 119; ++i)
        file[record + 4 + 2 * i] = 'A', file[record + 5 + 2 * i] = 0;
    const auto on = words({3 | ('B' << 16), 'B' | ('B' << 16)});
    std::copy(on.begin(), on.end(), file.begin() + long(record + 242));
    write_bytes("data/kanji.dat", file);
    const KanjiRecord* r = KanjiData_LoadRecord(1);
    const std::u16string whole(119, u'A');
    EXPECT_EQ(r->Meaning.text(), whole);
    EXPECT_EQ(r->Meaning.zero_terminated(), whole);
    EXPECT_EQ(r->OnPronun.text(), u"BBB");
}

TEST_F(KanjiDataTest, StrokeBlockLayoutAndWalk) {
    KanjiEntry e;
    e.kanji = u'口';
    for (int points : {4, 7, 2}) {
        std::vector<StrokeSample> stroke;
        for (int p = 0; p < points; ++p)
            stroke.push_back({100 * points + p, 7 * p, p == 2});
        e.strokes.push_back(stroke);
    }
    const auto block = build_stroke_block(e.strokes);
    ASSERT_EQ(block.size(), 176u);
    EXPECT_EQ(word_at(block, 0), 176u);
    // The third stroke's first point lies 36 words after the word that follows StrokeCount.
    EXPECT_EQ(word_at(block, 8 + 4 * 36), 200u);

    write_kanji({e});
    const int32_t* data = KanjiData_LoadStrokes(1);
    ASSERT_EQ(*data, 3);
    EXPECT_EQ(data[-1], 176) << "the buffer holds the whole block, ByteLength included";
    EXPECT_EQ(KanjiData_StrokeStart(0), KanjiData_StrokePoint(0, 0));
    EXPECT_EQ(KanjiData_StrokeStart(-3), KanjiData_StrokeStart(0));
    EXPECT_EQ(KanjiData_StrokeStart(2), std::make_pair(200, 0));
    EXPECT_EQ(KanjiData_StrokePoint(1, 6), std::make_pair(706, 42));
    EXPECT_EQ(KanjiData_StrokeCorner(1, 2), 1);
    EXPECT_EQ(KanjiData_StrokeCorner(1, 3), 0);
    EXPECT_EQ(KanjiData_StrokePointCount(1), 7);
    EXPECT_EQ(KanjiData_StrokePoint(3, 0), std::make_pair(0, 0)) << "out of range is safe";
    EXPECT_EQ(KanjiData_StrokePoint(0, 4), std::make_pair(0, 0));
}

// Writes one kanji whose stroke block is replaced by `block` (the file ends after it unless
// `tail` bytes follow).
void write_damaged_block(const std::vector<uint8_t>& block, size_t tail = 0) {
    KanjiEntry entry;
    entry.kanji = u'X';
    auto file = build_kanji_file({entry});
    file.resize(8 + sizeof(KanjiRecord)); // index of two words, then the record
    file.insert(file.end(), block.begin(), block.end());
    file.resize(file.size() + tail, 0);
    write_bytes("data/kanji.dat", file);
}

TEST_F(KanjiDataTest, DamagedStrokeBlocksLoadEmpty) {
    const std::vector<std::pair<const char*, std::vector<uint8_t>>> damaged = {
        {"length below 8", words({4, 0})},
        {"length beyond the end of the file", words({400, 1, 2, 0, 0, 0, 1, 1, 0})},
        {"length above 1 MiB", words({(1 << 20) + 4, 0})},
        {"more points than the block holds", words({24, 1, 5, 1, 2, 0})},
        {"fewer points than the block holds", words({36, 1, 1, 1, 2, 0, 3, 4, 0})},
        {"negative stroke count", words({8, -1})},
        {"negative point count", words({20, 1, -1, 0, 0})},
        {"huge stroke count", words({12, 0x7FFFFFFF, 0})},
        {"truncated length word", {8, 0}},
        {"length not a whole number of words", words({9, 0, 0})},
    };
    for (const auto& [what, block] : damaged) {
        write_damaged_block(block);
        KanjiData_Close();
        KanjiData_LoadStrokes(1);
        EXPECT_EQ(KanjiData_StrokeCount(), 0) << what;
        EXPECT_EQ(KanjiData_StrokeData()[-1], 8) << what;
        EXPECT_EQ(KanjiData_StrokeStart(0), std::make_pair(0, 0)) << what;
    }
    // A sound block behind the same record loads, so the cases above fail for their own reason.
    write_damaged_block(words({36, 1, 2, 5, 6, 0, 7, 8, 1}));
    KanjiData_Close();
    KanjiData_LoadStrokes(1);
    EXPECT_EQ(KanjiData_StrokeCount(), 1);
    EXPECT_EQ(KanjiData_StrokePoint(0, 1), std::make_pair(7, 8));
}

// Kanji data for all 1945 kanji, as the start-up checks it before anything else.
class WholeKanjiDataTest : public KanjiDataTest {
  protected:
    void SetUp() override {
        KanjiDataTest::SetUp();
        whole = build_kanji_file(sample_kanji(kKanjiTotal));
    }
    bool whole_after(const std::vector<uint8_t>& bytes) {
        write_bytes("data/kanji.dat", bytes);
        KanjiData_Close();
        return KanjiData_Whole();
    }
    size_t record_of(int kanji) const { return word_at(whole, 4 * size_t(kanji)); }
    std::vector<uint8_t> with_word(size_t at, int32_t value) const {
        std::vector<uint8_t> bytes = whole;
        std::memcpy(bytes.data() + at, &value, 4);
        return bytes;
    }
    std::vector<uint8_t> with_half_word(size_t at, uint16_t value) const {
        std::vector<uint8_t> bytes = whole;
        std::memcpy(bytes.data() + at, &value, 2);
        return bytes;
    }

    std::vector<uint8_t> whole;
};

TEST_F(WholeKanjiDataTest, EveryKanjiWholeIsTheOnlyWholeFile) {
    EXPECT_FALSE(KanjiData_Whole()) << "no file";
    ASSERT_TRUE(whole_after(whole));
    const size_t last = record_of(kKanjiTotal), middle = record_of(1000);
    const std::vector<std::pair<const char*, std::vector<uint8_t>>> damaged = {
        {"cut by a byte", {whole.begin(), whole.end() - 1}},
        {"cut in the index", {whole.begin(), whole.begin() + 4000}},
        {"one kanji short", build_kanji_file(sample_kanji(kKanjiTotal - 1))},
        {"a record inside the index", with_word(4 * 1000, 8)},
        {"a record beyond the end", with_word(4 * 1000, int32_t(whole.size()))},
        {"a record without its character", with_half_word(middle, 0)},
        {"a meaning that fills its slot", with_half_word(middle + 2, 119)},
        {"an ON reading that fills its slot", with_half_word(middle + 242, 99)},
        {"an ON romaji count of garbage", with_half_word(middle + 442, 0xFFFF)},
        {"a KUN reading that fills its slot", with_half_word(middle + 642, 99)},
        {"a KUN romaji that fills its slot", with_half_word(last + 842, 99)},
        {"49 examples", with_word(middle + 1044, 49)},
        {"a negative example count", with_word(middle + 1044, -1)},
        {"a stroke block longer than it is", with_word(last + 1244, 4000)},
        {"a stroke with more points than the block", with_word(middle + 1244 + 8, 1000)},
    };
    for (const auto& [what, bytes] : damaged)
        EXPECT_FALSE(whole_after(bytes)) << what;
    // The largest sound values pass: the cases above fail for their own reason.
    std::vector<uint8_t> full = with_half_word(middle + 2, 118);
    std::memcpy(full.data() + middle + 1044, "\x30\0\0\0", 4); // 48 examples
    EXPECT_TRUE(whole_after(full));
}

TEST_F(WholeKanjiDataTest, TheCheckLeavesTheSharedBuffersAlone) {
    write_bytes("data/kanji.dat", whole);
    const char16_t kanji = KanjiData_LoadRecord(7)->Kanji;
    KanjiData_LoadStrokes(7);
    const int32_t strokes = KanjiData_StrokeCount();
    const auto start = KanjiData_StrokeStart(strokes - 1);
    ASSERT_TRUE(KanjiData_Whole());
    EXPECT_EQ(KanjiData_CurrentRecord()->Kanji, kanji);
    EXPECT_EQ(KanjiData_StrokeCount(), strokes);
    EXPECT_EQ(KanjiData_StrokeStart(strokes - 1), start);
}

TEST(CountedText, ReadingsSplitOnCommasWithOptionalBlank) {
    EXPECT_EQ(split_readings(u"あ, い,う"), (std::vector<std::u16string>{u"あ", u"い", u"う"}));
    EXPECT_EQ(split_readings(u"ひと.つ"), (std::vector<std::u16string>{u"ひと.つ"}));
    EXPECT_TRUE(split_readings(u"").empty());
    // Only one blank is skipped; a second one belongs to the entry.
    EXPECT_EQ(split_readings(u"A,  B"), (std::vector<std::u16string>{u"A", u" B"}));
}

TEST(CountedText, AssignAlwaysLeavesAZeroAndClampsCounts) {
    CountedText<5> slot;
    std::memset(&slot, 0xFF, sizeof slot);
    slot.assign(u"abcdefgh");
    EXPECT_EQ(slot.count, 4);
    EXPECT_EQ(slot.chars[4], 0);
    EXPECT_EQ(slot.zero_terminated(), u"abcd");
    slot.count = 900; // a damaged count never reads past the slot
    EXPECT_EQ(slot.text().size(), 5u);
}

TEST(CountedText, Utf8ConversionsRoundTrip) {
    const std::u16string text = u"漢字 kanji \U0002000B ひと.つ";
    EXPECT_EQ(utf8_to_utf16(utf16_to_utf8(text)), text);
    EXPECT_EQ(utf16_to_utf8(u"é"), "\xC3\xA9");
    EXPECT_EQ(utf8_to_utf16("\xC3"), u"\uFFFD") << "truncated sequence";
    EXPECT_EQ(utf8_to_utf16("\xC0\xAF"), u"\uFFFD\uFFFD") << "overlong encoding";
    EXPECT_EQ(utf16_to_utf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");
}

} // namespace
