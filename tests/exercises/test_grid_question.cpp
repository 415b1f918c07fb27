// Building the grid of the kanji grid search, with the generator seeded.
#include "counted_text.h"
#include "fake_kanji_source.h"
#include "grid_question.h"
#include "random.h"

#include <gmock/gmock.h>
#include <map>

namespace {

constexpr int kSeeds = 200;

// The rules every grid keeps: the target once at its cell; no other cell matches the clue; a
// Learning List kanji only from the first ten list positions, every other kanji a filler from
// pool entries 1..1944; no kanji twice.
void expect_one_match(const GridQuestion& q, int target, FakeKanjiSource& source) {
    const std::vector<int>& list = source.learning;
    ASSERT_EQ(q.cell_kanji[q.target_cell()], target);
    const KanjiRecord t = *source.record(target);
    std::map<int, int> seen;
    for (int cell = 0; cell < kGridCells; ++cell) {
        const int k = q.cell_kanji[cell];
        ASSERT_GT(k, 0) << "cell " << cell << " left empty";
        EXPECT_EQ(++seen[k], 1) << "kanji " << k << " twice";
        EXPECT_NE(k, kKanjiTotal) << "kanji 1945 never fills a cell";
        if (cell == q.target_cell()) continue;
        const auto listed = std::find(list.begin(), list.end(), k);
        if (listed != list.end()) {
            EXPECT_LT(listed - list.begin(), 10) << "kanji " << k << " is listed";
        }
        EXPECT_NE(k, target);
        const KanjiRecord r = *source.record(k);
        EXPECT_EQ(q.cells[cell], r.Kanji);
        for (const auto& entry : split_readings(clue_field(r, q.clue_kind)))
            EXPECT_THAT(q.clue_entries, ::testing::Not(::testing::Contains(entry)))
                << "kanji " << k << " matches the clue too";
        if (q.clue_kind == ClueOn) {
            EXPECT_NE(r.OnPronun.text(), t.OnPronun.text());
        }
        if (q.clue_kind == ClueKun) {
            EXPECT_NE(r.KunRomaji.text(), t.KunRomaji.text());
        }
    }
}

TEST(GridQuestion, OneKanjiListHoldsTheTargetAndFiftyNineFillersFromOutsideTheList) {
    FakeKanjiSource source;
    source.learning = {30};
    for (int seed = 1; seed <= kSeeds; ++seed) {
        random_seed(seed);
        const GridQuestion q = build_grid_question({30}, 0, source);
        expect_one_match(q, 30, source);
    }
}

// Many kanji share entries with the target: k's meaning is "a<k mod 5>, b<k mod 9>" and so are
// its readings.
FakeKanjiSource crowded() {
    FakeKanjiSource source;
    for (int k = 1; k <= kKanjiTotal; ++k) {
        const std::u16string e = u16("a" + std::to_string(k % 5) + ", b" + std::to_string(k % 9));
        source.set_meaning(k, e);
        source.set_on(k, u16("kana" + std::to_string(k % 13)), e);
        source.set_kun(k, u16("kana" + std::to_string(k % 17)), e);
    }
    return source;
}

TEST(GridQuestion, NoOtherCellSharesAClueEntryWhateverTheClue) {
    FakeKanjiSource source = crowded();
    source.learning = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    std::set<int> clue_kinds;
    for (int seed = 1; seed <= kSeeds; ++seed) {
        random_seed(seed);
        const int p = seed % 12;
        const GridQuestion q = build_grid_question(source.learning, p, source);
        expect_one_match(q, source.learning[p], source);
        clue_kinds.insert(q.clue_kind);
    }
    EXPECT_EQ(clue_kinds.size(), 3u);
}

TEST(GridQuestion, AMatchBeyondTheTenthEntryStillKeepsTheKanjiOut) {
    FakeKanjiSource source;
    source.learning = {50, 51};
    source.set_meaning(50, u"unique, charge");
    std::u16string many;
    for (int i = 0; i < 11; ++i)
        many += u16("w" + std::to_string(i) + ", ");
    source.set_meaning(51, many + u"charge"); // the twelfth entry
    for (int seed = 1; seed <= kSeeds; ++seed) {
        random_seed(seed);
        const GridQuestion q = build_grid_question({50, 51}, 0, source);
        if (q.clue_kind != ClueMeaning) continue;
        EXPECT_THAT(q.cell_kanji, ::testing::Not(::testing::Contains(51))) << seed;
    }
}

TEST(GridQuestion, AMissingReadingGivesWayToTheOther) {
    FakeKanjiSource source;
    source.learning = {60, 61};
    source.set_on(60, u"", u"");  // KUN only
    source.set_kun(61, u"", u""); // ON only
    std::map<int, int> kinds60, kinds61;
    for (int seed = 1; seed <= kSeeds; ++seed) {
        random_seed(seed);
        ++kinds60[build_grid_question({60, 61}, 0, source).clue_kind];
        random_seed(seed);
        ++kinds61[build_grid_question({60, 61}, 1, source).clue_kind];
    }
    EXPECT_EQ(kinds60[ClueOn], 0);
    EXPECT_GT(kinds60[ClueKun], 0);
    EXPECT_EQ(kinds61[ClueKun], 0);
    EXPECT_GT(kinds61[ClueOn], 0);
    // The meaning is the clue about half of the time.
    EXPECT_GT(kinds60[ClueMeaning], kSeeds / 3);
    EXPECT_LT(kinds60[ClueMeaning], 2 * kSeeds / 3);
}

TEST(GridQuestion, OnlyTheFirstTenListPositionsJoinTheGrid) {
    FakeKanjiSource source;
    std::vector<int> list;
    for (int k = 101; k <= 120; ++k)
        list.push_back(k);
    source.learning = list;
    std::set<int> listed_in_grids;
    for (int seed = 1; seed <= 60; ++seed) {
        random_seed(seed);
        const int p = seed % 20;
        const GridQuestion q = build_grid_question(list, p, source);
        expect_one_match(q, list[p], source);
        for (int k : q.cell_kanji)
            if (k != list[p] && k >= 101 && k <= 120) listed_in_grids.insert(k);
    }
    EXPECT_EQ(listed_in_grids, std::set<int>(list.begin(), list.begin() + 10))
        << "positions 0..9 appear in every question, 10..19 only as the target";
}

// A set that offers too few fillers (a Learning List holding nearly every kanji does the same).
TEST(GridQuestion, TooFewFillersLeaveCellsEmptyInsteadOfHanging) {
    FakeKanjiSource source;
    source.learning = {1};
    for (int k = 2; k <= kKanjiTotal - 31; ++k)
        source.kanji(k).Kanji = 0; // only kanji 1915..1944 can fill, 1945 never
    random_seed(9);
    const GridQuestion q = build_grid_question({1}, 0, source);
    int fillers = 0;
    for (int k : q.cell_kanji)
        if (k > kKanjiTotal - 31) ++fillers;
    EXPECT_EQ(fillers, 30);
    EXPECT_EQ(std::count(q.cell_kanji.begin(), q.cell_kanji.end(), 0), kGridCells - 31);
}

} // namespace
