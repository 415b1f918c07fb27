// The review window's meaning display: kana and romaji paired by entry, up to five entries one
// per line (while they fit their box that way), six and more flowing along 194-pixel lines with
// ";" between them, and nothing drawn outside the boxes.
#include "kanji_data.h"
#include "pixel_support.h"
#include "review_meaning.h"
#include "screen_fixture.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> ys(const ReadingBlockLayout& l) {
    std::vector<int> y;
    for (const PlacedPair& p : l.entries)
        y.push_back(p.y);
    return y;
}

} // namespace

TEST(ReviewMeaning, KanaAndRomajiArePairedByEntryAsManyAsTheRomajiHas) {
    const auto pairs = pair_readings(u"\u3042, \u3044,\u3046", u"a, i");
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_EQ(pairs[0].kana, QStringLiteral("\u3042"));
    EXPECT_EQ(pairs[1].kana, QStringLiteral("\u3044"));
    EXPECT_EQ(pairs[1].romaji, QStringLiteral("i"));

    const auto short_kana = pair_readings(u"\u3042", u"a,  i, u");
    ASSERT_EQ(short_kana.size(), 3u);
    EXPECT_EQ(short_kana[1].romaji, QStringLiteral(" i")) << "only one blank is skipped";
    EXPECT_TRUE(short_kana[2].kana.isEmpty());
    EXPECT_TRUE(pair_readings(u"\u3042", u"").empty());
}

TEST(ReviewMeaning, FiveEntriesStandOnePerLineHoweverWide) {
    const std::vector<int> kana{20, 30, 150, 40, 10}, romaji{30, 90, 100, 20, 5};
    const ReadingBlockLayout l = layout_reading_block(kOnBlockTop, kana, romaji);
    ASSERT_EQ(l.entries.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(l.entries[size_t(i)].y, kOnBlockTop + 16 * i);
        EXPECT_EQ(l.entries[size_t(i)].kana_x, 6);
        EXPECT_EQ(l.entries[size_t(i)].romaji_x, 6 + kana[size_t(i)] + 4);
    }
    EXPECT_TRUE(l.separators.empty());
}

TEST(ReviewMeaning, SixEntriesFlowAndWrapWhenAPairWouldReach194) {
    // Each pair 30 + 40 wide: two fit on a line (the third would end at 174 + 74 >= 194).
    const ReadingBlockLayout l =
        layout_reading_block(kKunBlockTop, std::vector<int>(6, 30), std::vector<int>(6, 40));
    ASSERT_EQ(l.entries.size(), 6u);
    EXPECT_EQ(ys(l), (std::vector<int>{227, 227, 243, 243, 259, 259}));
    EXPECT_EQ(l.entries[1].kana_x, 6 + 30 + 40 + 14);
    EXPECT_EQ(l.entries[1].romaji_x, 90 + 30 + 4);
    EXPECT_EQ(l.entries[2].kana_x, 6);
    ASSERT_EQ(l.separators.size(), 5u) << "between entries, none after the last";
    EXPECT_EQ(l.separators[0], QPoint(90 - 7, 227));
    EXPECT_EQ(l.separators[1], QPoint(174 - 7, 227)) << "on the line of the entry before it";

    // The second entry starts at 90: a pair 100 wide (104 with its gap) reaches 194 and wraps.
    for (int width : {100, 99}) {
        std::vector<int> kana(6, 30), romaji(6, 40);
        kana[1] = 50;
        romaji[1] = width - 50;
        const ReadingBlockLayout w = layout_reading_block(kKunBlockTop, kana, romaji);
        EXPECT_EQ(w.entries[1].y, width == 100 ? 243 : 227) << "pair width " << width;
    }
}

class ReviewMeaningDrawing : public ScreenTest {};

TEST_F(ReviewMeaningDrawing, AKanjiWithoutKunLeavesItsBoxEmpty) {
    KanjiRecord r{};
    r.Kanji = u'\u96fb';
    r.Meaning.assign(u"electricity");
    r.OnPronun.assign(u"\u30c7\u30f3");
    r.OnRomaji.assign(u"DEN");
    r.KunRomaji.assign(u"inazuma"); // romaji without kana: still no KUN pronunciation
    Surface s(ReviewMeaningDisplay::kWidth, ReviewMeaningDisplay::kHeight);
    draw_meaning_display(s, r);
    const ColorRef blue = RGB(0, 0, 192);
    EXPECT_GT(count_near(s, {6, 25, 190, 60}, blue), 20) << "the meaning";
    EXPECT_GT(count_near(s, {6, 129, 60, 145}, blue), 10) << "the ON kana";
    EXPECT_GT(count_near(s, {30, 129, 90, 145}, RGB(165, 165, 165), 30), 5) << "its romaji";
    EXPECT_EQ(count_near(s, {2, 224, 198, 310}, blue), 0) << "nothing in the KUN box";
    EXPECT_EQ(count_near(s, {6, 226, 190, 300}, RGB(165, 165, 165), 30), 0);
    r.KunPronun.assign(u"\u3044\u306a\u305a\u307e");
    draw_meaning_display(s, r);
    EXPECT_GT(count_near(s, {6, 227, 80, 243}, blue), 10);
}

// With the real data: the kanji with five ON readings shows them on five lines, the kanji with
// the most KUN readings flows them with ";" between.
TEST_F(ReviewMeaningDrawing, RealKanjiUseBothLayouts) {
    int five_on = -1, most_kun = -1;
    size_t kun_entries = 0;
    for (int k = 1; k <= kKanjiTotal; ++k) {
        const KanjiRecord* r = KanjiData_LoadRecord(k);
        if (five_on < 0 && split_readings(r->OnRomaji.text()).size() == 5) five_on = k;
        const size_t kun = split_readings(r->KunRomaji.text()).size();
        if (kun > kun_entries) kun_entries = kun, most_kun = k;
    }
    ASSERT_GT(five_on, 0);
    ASSERT_GE(kun_entries, 6u);
    Surface s(ReviewMeaningDisplay::kWidth, ReviewMeaningDisplay::kHeight);
    // Five ON entries do not fit their box one per line (four lines): they flow, so the first
    // line holds a second entry's kana too.
    draw_meaning_display(s, *KanjiData_LoadRecord(five_on));
    EXPECT_GT(count_near(s, {6, kOnBlockTop + 2, 40, kOnBlockTop + 14}, RGB(0, 0, 192)), 5);
    EXPECT_GT(count_near(s, {70, kOnBlockTop + 2, 194, kOnBlockTop + 14}, RGB(0, 0, 192)), 5);
    draw_meaning_display(s, *KanjiData_LoadRecord(most_kun));
    const int separators =
        count_near(s, {60, kKunBlockTop, 194, kKunBlockTop + 14}, RGB(165, 165, 165), 30);
    EXPECT_GT(separators, 0) << "romaji of a second entry and \";\" on the first line";
    EXPECT_GT(count_near(s, {100, kKunBlockTop + 2, 194, kKunBlockTop + 14}, RGB(0, 0, 192)), 5)
        << "a second entry's kana on the first line";
}

// Crowded readings stay inside their boxes: outside the three boxes the display looks exactly as
// it does for a kanji with no readings at all.
TEST(ReviewMeaning, CrowdedReadingsNeverLeaveTheirBoxes) {
    KanjiRecord crowded{};
    crowded.Kanji = u'\u751F';
    crowded.Meaning.assign(u"life, birth");
    crowded.OnPronun.assign(
        u"\u30BB\u30A4, \u30B7\u30E7\u30A6, \u30BD\u30A6, \u30B7, \u30B7\u30E5");
    crowded.OnRomaji.assign(u"SEI, SHOU, SOU, SHI, SHU");
    std::u16string kun, kun_romaji;
    for (int i = 0; i < 14; ++i) {
        kun += std::u16string(i ? u", " : u"") + u"\u3044.\u304D\u308B\u3055";
        kun_romaji += std::u16string(i ? u", " : u"") + u"i.kirusa";
    }
    crowded.KunPronun.assign(kun);
    crowded.KunRomaji.assign(kun_romaji);
    KanjiRecord bare = crowded;
    bare.OnPronun.assign(u"");
    bare.OnRomaji.assign(u"");
    bare.KunPronun.assign(u"");
    bare.KunRomaji.assign(u"");

    Surface with(ReviewMeaningDisplay::kWidth, ReviewMeaningDisplay::kHeight);
    Surface without(ReviewMeaningDisplay::kWidth, ReviewMeaningDisplay::kHeight);
    draw_meaning_display(with, crowded);
    draw_meaning_display(without, bare);
    // Between the ON box (124 to 196) and the KUN box (222 to 312): the KUN heading's rows.
    for (int y = 196; y < 222; ++y)
        for (int x = 0; x < with.width(); ++x)
            ASSERT_EQ(with.image().pixel(x, y), without.image().pixel(x, y)) << x << ", " << y;
    EXPECT_NE(with.image(), without.image()) << "the readings are drawn inside the boxes";
}
