// data/kanji.dat and data/examples.dat as the program reads them, and the counted texts.
#include "study_fixture.h"

#include <cstring>

namespace {

class KanjiDataTest : public StudyDataTest {};

TEST_F(KanjiDataTest, RecordsReadBackIntoOneSharedBuffer) {
    EXPECT_EQ(KanjiData_LoadRecord(1)->Kanji, 0) << "no file";
    const auto entries = sample_kanji(12);
    write_kanji(entries);
    EXPECT_EQ(KanjiData_LoadRecord(1)->Kanji, 0) << "the open is attempted once";
    KanjiData_Close();
    for (int n : {1, 3, 4, 12}) {
        const KanjiRecord* r = KanjiData_LoadRecord(n);
        const KanjiEntry& e = entries[static_cast<size_t>(n - 1)];
        EXPECT_EQ(r->Kanji, e.kanji);
        EXPECT_EQ(r->OnPronun.text() + r->KunRomaji.text(), e.onPronun + e.kunRomaji);
        EXPECT_EQ(r->ExampleIds[1], e.exampleIds[1]);
    }
    const KanjiRecord* first = KanjiData_LoadRecord(2);
    EXPECT_EQ(KanjiData_LoadRecord(-1), nullptr);
    EXPECT_EQ(KanjiData_CurrentRecord()->Kanji, u'\u4E02') << "-1 must leave the buffer alone";
    // Number 13 lies beyond the index: its index word is record data, i.e. a wild offset.
    for (int n : {13, 100000, 0x3FFFFFFF}) {
        const KanjiRecord* r = KanjiData_LoadRecord(n);
        EXPECT_EQ(r, first) << "each lookup overwrites the one buffer";
        EXPECT_EQ(r->Kanji, 0) << n;
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
    for (int points : {4, 7, 2}) {
        std::vector<StrokeSample> stroke;
        for (int p = 0; p < points; ++p)
            stroke.push_back({100 * points + p, 7 * p, p == 2});
        e.strokes.push_back(stroke);
    }
    write_kanji({e});
    const int32_t* data = KanjiData_LoadStrokes(1);
    ASSERT_EQ(*data, 3);
    EXPECT_EQ(data[-1], 176) << "the buffer holds the whole block, ByteLength included";
    EXPECT_EQ(KanjiData_StrokeStart(-3), std::make_pair(400, 0));
    EXPECT_EQ(KanjiData_StrokeStart(2), std::make_pair(200, 0));
    EXPECT_EQ(KanjiData_StrokePoint(1, 6), std::make_pair(706, 42));
    EXPECT_EQ(KanjiData_StrokeCorner(1, 2), 1);
    EXPECT_EQ(KanjiData_StrokePointCount(1), 7);
    EXPECT_EQ(KanjiData_StrokePoint(3, 0), std::make_pair(0, 0)) << "out of range is safe";
    EXPECT_EQ(KanjiData_StrokePointCount(3), 0);
    EXPECT_EQ(KanjiData_StrokePointCount(-1), 0);
    EXPECT_EQ(KanjiData_StrokePoint(0, 4), std::make_pair(0, 0));
}

TEST_F(KanjiDataTest, DamagedStrokeBlocksLoadEmpty) {
    // One kanji whose stroke block is `block`, the file ending after it.
    const auto write_block = [](const std::vector<uint8_t>& block) {
        auto file = build_kanji_file(sample_kanji(1));
        file.resize(8 + sizeof(KanjiRecord)); // index of two words, then the record
        file.insert(file.end(), block.begin(), block.end());
        write_bytes("data/kanji.dat", file);
        KanjiData_Close();
        KanjiData_LoadStrokes(1);
    };
    const std::vector<std::pair<const char*, std::vector<uint8_t>>> damaged = {
        {"length below 8", words({4, 0})},
        {"length beyond the end of the file", words({400, 1, 2, 0, 0, 0, 1, 1, 0})},
        {"length above 1 MiB", words({(1 << 20) + 4, 0})},
        {"more points than the block holds", words({24, 1, 5, 1, 2, 0})},
        {"words after the last stroke", words({36, 1, 1, 1, 2, 0, 3, 4, 0})},
        {"negative stroke count", words({8, -1})},
        {"negative point count", words({20, 1, -1, 0, 0})},
        {"huge stroke count", words({12, 0x7FFFFFFF, 0})},
        {"truncated length word", {8, 0}},
        {"length not a whole number of words", words({9, 0, 0})},
    };
    for (const auto& [what, block] : damaged) {
        write_block(block);
        EXPECT_EQ(KanjiData_StrokeCount(), 0) << what;
        EXPECT_EQ(KanjiData_StrokeData()[-1], 8) << what;
        EXPECT_EQ(KanjiData_StrokeStart(0), std::make_pair(0, 0)) << what;
    }
    // A sound block behind the same record loads, so the cases above fail for their own reason.
    write_block(words({36, 1, 2, 5, 6, 0, 7, 8, 1}));
    EXPECT_EQ(KanjiData_StrokeCount(), 1);
    EXPECT_EQ(KanjiData_StrokePoint(0, 1), std::make_pair(7, 8));
}

// Kanji data for all 1945 kanji, as the start-up checks it before anything else.
TEST_F(KanjiDataTest, EveryKanjiWholeIsTheOnlyWholeFileAndTheCheckKeepsTheBuffers) {
    EXPECT_FALSE(KanjiData_Whole()) << "no file";
    const auto whole = build_kanji_file(sample_kanji(kKanjiTotal));
    write_bytes("data/kanji.dat", whole);
    KanjiData_Close();
    const char16_t kanji = KanjiData_LoadRecord(7)->Kanji;
    KanjiData_LoadStrokes(7);
    const auto start = KanjiData_StrokeStart(1);
    ASSERT_TRUE(KanjiData_Whole());
    EXPECT_EQ(KanjiData_CurrentRecord()->Kanji, kanji);
    EXPECT_EQ(KanjiData_StrokeCount(), 2);
    EXPECT_EQ(KanjiData_StrokeStart(1), start);

    const auto with = [&](size_t at, auto value) {
        std::vector<uint8_t> bytes = whole;
        std::memcpy(bytes.data() + at, &value, sizeof value);
        return bytes;
    };
    const size_t last = word_at(whole, 4 * kKanjiTotal), middle = word_at(whole, 4000);
    const std::vector<std::pair<const char*, std::vector<uint8_t>>> damaged = {
        {"cut by a byte", {whole.begin(), whole.end() - 1}},
        {"cut in the index", {whole.begin(), whole.begin() + 4000}},
        {"one kanji short", build_kanji_file(sample_kanji(kKanjiTotal - 1))},
        {"a record inside the index", with(4000, int32_t(8))},
        {"a record beyond the end", with(4000, int32_t(whole.size()))},
        {"a record without its character", with(middle, uint16_t(0))},
        {"a meaning that fills its slot", with(middle + 2, uint16_t(119))},
        {"an ON reading that fills its slot", with(middle + 242, uint16_t(99))},
        {"an ON romaji count of garbage", with(middle + 442, uint16_t(0xFFFF))},
        {"a KUN reading that fills its slot", with(middle + 642, uint16_t(99))},
        {"a KUN romaji that fills its slot", with(last + 842, uint16_t(99))},
        {"49 examples", with(middle + 1044, int32_t(49))},
        {"a negative example count", with(middle + 1044, int32_t(-1))},
        {"a stroke block longer than it is", with(last + 1244, int32_t(4000))},
        {"a stroke with more points than the block", with(middle + 1244 + 8, int32_t(1000))},
    };
    // The largest sound values pass: the cases above fail for their own reason.
    auto full = with(middle + 2, uint16_t(118));
    std::memcpy(full.data() + middle + 1044, "\x30\0\0\0", 4); // 48 examples
    for (const auto& [what, bytes] : damaged) {
        write_bytes("data/kanji.dat", bytes);
        KanjiData_Close();
        EXPECT_FALSE(KanjiData_Whole()) << what;
    }
    write_bytes("data/kanji.dat", full);
    KanjiData_Close();
    EXPECT_TRUE(KanjiData_Whole());
}

TEST_F(KanjiDataTest, ExampleRecordsLieAt344BytesEachAndMissingOnesAreEmpty) {
    auto file = build_examples_file({{u"語0", u"ご0", u"w0"},
                                     {u"語1", u"ご1", std::u16string(150, u'm')},
                                     {u"語2", u"ご2", u"word number 2"},
                                     {u"語3", u"ご3", u"w3"}});
    ASSERT_EQ(file.size(), 4 * 344u);
    file.resize(file.size() - 10); // the last record is cut short
    write_bytes("data/examples.dat", file);
    KanjiEntry e;
    e.exampleIds = {2, 1, 3, 1000000, 0x7FFFFFFF};
    const auto set = Examples_LoadSet(make_kanji_record(e));
    ASSERT_EQ(set.size(), 5u);
    EXPECT_EQ(set[0].ExampleWord.text(), u"語2");
    EXPECT_EQ(set[0].ExampleReading.text(), u"ご2");
    EXPECT_EQ(set[0].ExampleMeaning.zero_terminated(), u"word number 2");
    EXPECT_EQ(set[1].ExampleMeaning.zero_terminated(), std::u16string(100, u'm'));
    for (size_t i = 2; i < set.size(); ++i)
        EXPECT_TRUE(set[i].ExampleWord.empty() && set[i].ExampleMeaning.empty()) << i;
    EXPECT_EQ(Examples_Load(-1), nullptr);
    std::filesystem::remove("data/examples.dat");
    EXPECT_TRUE(Examples_Load(0)->ExampleWord.empty());
}

TEST(CountedText, ReadingsSplitTextsStayInTheirSlotsAndUtf8RoundTrips) {
    EXPECT_EQ(split_readings(u"あ, い,う"), (std::vector<std::u16string>{u"あ", u"い", u"う"}));
    // Only one blank is skipped; a second one belongs to the entry.
    EXPECT_EQ(split_readings(u"A,  B"), (std::vector<std::u16string>{u"A", u" B"}));
    CountedText<5> slot;
    std::memset(&slot, 0xFF, sizeof slot);
    slot.assign(u"abcdefgh");
    EXPECT_EQ(slot.count, 4);
    EXPECT_EQ(slot.zero_terminated(), u"abcd");
    slot.count = 900; // a damaged count never reads past the slot
    EXPECT_EQ(slot.text().size(), 5u);
    const std::u16string text = u"漢字 kanji \U0002000B ひと.つ";
    EXPECT_EQ(utf8_to_utf16(utf16_to_utf8(text)), text);
    EXPECT_EQ(utf8_to_utf16("\xC3"), u"\uFFFD") << "truncated sequence";
    EXPECT_EQ(utf8_to_utf16("\xC0\xAF"), u"\uFFFD\uFFFD") << "overlong encoding";
    EXPECT_EQ(utf8_to_utf16("\xC2\x80\xE0\xA0\x80\xF0\x90\x80\x80\xED\x9F\xBF\xEE\x80\x80"),
              u"\u0080\u0800\U00010000\uD7FF\uE000")
        << "the smallest of each length and the edges of the surrogates";
    for (char16_t lone : {u'\xD800', u'\xDFFF'})
        EXPECT_EQ(utf16_to_utf8(std::u16string(1, lone)), "\xEF\xBF\xBD");
}

} // namespace
