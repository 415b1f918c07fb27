// Building the questions with the generator seeded, over a made-up kanji set (1945 kanji whose
// fields are unique unless a test gives them something else, a Learning List, and counts of what
// was read): the wrong answers of the multiple-choice exercises and the grid of the kanji grid
// search.
#include "choice_question.h"
#include "counted_text.h"
#include "grid_question.h"
#include "kanji_source.h"
#include "random.h"
#include "reading_entries.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <map>
#include <numeric>
#include <set>
#include <string>
#include <vector>

inline std::u16string u16(const std::string& s) {
    return std::u16string(s.begin(), s.end());
}

class FakeKanjiSource : public KanjiSource {
  public:
    FakeKanjiSource() : records_(kKanjiTotal + 1) {
        for (int k = 1; k <= kKanjiTotal; ++k) {
            KanjiRecord& r = records_[k];
            r.Kanji = static_cast<char16_t>(0x4E00 + k);
            r.Meaning.assign(u16("meaning " + std::to_string(k)));
            set_on(k, u16("on-kana " + std::to_string(k)), u16("ON" + std::to_string(k)));
            set_kun(k, u16("kun-kana " + std::to_string(k)), u16("kun" + std::to_string(k)));
        }
    }

    KanjiRecord& kanji(int k) { return records_.at(k); }
    void set_meaning(int k, const std::u16string& m) { records_.at(k).Meaning.assign(m); }
    void set_on(int k, const std::u16string& kana, const std::u16string& romaji) {
        records_.at(k).OnPronun.assign(kana);
        records_.at(k).OnRomaji.assign(romaji);
    }
    void set_kun(int k, const std::u16string& kana, const std::u16string& romaji) {
        records_.at(k).KunPronun.assign(kana);
        records_.at(k).KunRomaji.assign(romaji);
    }

    std::vector<int> learning;
    int learning_draws = 0; // learning_at calls

    const KanjiRecord* record(int kanji) override {
        if (kanji < 0) return nullptr;
        scratch_ = kanji <= kKanjiTotal ? records_[kanji] : KanjiRecord{};
        return &scratch_;
    }
    int learning_count() override { return static_cast<int>(learning.size()); }
    int learning_at(int position) override {
        ++learning_draws;
        return learning.at(position);
    }
    bool learning_contains(int kanji) override {
        return std::find(learning.begin(), learning.end(), kanji) != learning.end();
    }
    int pool_count() override { return kKanjiTotal; }
    int pool_at(int index) override { return index >= 0 && index <= kKanjiTotal ? index : 0; }

  private:
    std::vector<KanjiRecord> records_;
    KanjiRecord scratch_{}; // the shared buffer: overwritten by each read, as the real one is
};

namespace {

constexpr int kSeeds = 300;

// Many kanji share entries: k's meaning is "a<k mod m>, b<k mod n>" and so are its readings.
FakeKanjiSource crowded(int m = 5, int n = 9) {
    FakeKanjiSource source;
    for (int k = 1; k <= kKanjiTotal; ++k) {
        const std::u16string e = u16("a" + std::to_string(k % m) + ", b" + std::to_string(k % n));
        source.set_meaning(k, e);
        source.set_on(k, u16("kana" + std::to_string(k % 13)), e);
        source.set_kun(k, u16("kana" + std::to_string(k % 17)), e);
    }
    return source;
}

// Every row shows a distinct kanji, the right one at correctPosition, none without a text.
void expect_well_formed(const ChoiceQuestion& q, int current, KanjiSource& source,
                        ChoiceKind kind) {
    std::set<int> shown;
    for (int r = 0; r < kChoiceRows; ++r) {
        const int k = q.row_kanji(r);
        ASSERT_GT(k, 0) << "row " << r;
        shown.insert(k);
        const KanjiRecord rec = *source.record(k);
        const std::u16string expected = kind == ChoiceKind::Meaning ? rec.Meaning.text()
                                        : kind == ChoiceKind::On    ? rec.OnPronun.text()
                                                                    : rec.KunPronun.text();
        EXPECT_EQ(q.row_text(r, false), expected) << "row " << r << " shows its own kanji's text";
        EXPECT_FALSE(expected.empty());
    }
    EXPECT_EQ(shown.size(), 5u);
    EXPECT_EQ(q.row_kanji(q.correctPosition), current);
}

// Half the pool has no meaning to offer. A one-kanji list takes all four wrong answers from the
// rest of the pool, a two-kanji list uses the other kanji exactly once, a list of ten gives at
// least two list kanji; the right answer lands on every row.
TEST(ChoiceQuestion, OtherListKanjiJoinTheWrongAnswersAndThePoolSkipsKanjiWithoutMeaning) {
    const struct {
        std::vector<int> list;
        int current, least_listed, most_listed;
    } cases[] = {{{5}, 5, 0, 0}, {{40, 41}, 40, 1, 1}, {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 3, 2, 4}};
    for (const auto& c : cases) {
        FakeKanjiSource source;
        source.learning = c.list;
        for (int k = 1; k <= kKanjiTotal; k += 2)
            if (!source.learning_contains(k)) source.set_meaning(k, u"");
        std::set<int> rows_used;
        for (int seed = 1; seed <= kSeeds; ++seed) {
            random_seed(seed);
            const ChoiceQuestion q =
                build_choice_question(ChoiceKind::Meaning, c.current, int(c.list.size()), source);
            expect_well_formed(q, c.current, source, ChoiceKind::Meaning);
            const auto listed = std::count_if(q.wrong_kanji.begin(), q.wrong_kanji.end(),
                                              [&](int k) { return source.learning_contains(k); });
            EXPECT_GE(listed, c.least_listed) << c.current << " seed " << seed;
            EXPECT_LE(listed, c.most_listed) << c.current << " seed " << seed;
            rows_used.insert(q.correctPosition);
        }
        EXPECT_EQ(rows_used.size(), 5u) << c.current;
    }
}

// The other list kanji have nothing to offer: the meaning's list phase gives up after 100 draws,
// the readings' after 10, and the pool gives the four.
TEST(ChoiceQuestion, TheListPhaseEndsAfterItsDrawLimitAndThePoolFillsTheRows) {
    for (ChoiceKind kind : {ChoiceKind::Meaning, ChoiceKind::Kun}) {
        FakeKanjiSource source;
        source.learning = {20, 21, 22, 23};
        for (int k : {21, 22, 23})
            kind == ChoiceKind::Meaning ? source.set_meaning(k, u"") : source.set_kun(k, u"", u"");
        for (int seed = 1; seed <= 50; ++seed) {
            random_seed(seed);
            source.learning_draws = 0;
            const ChoiceQuestion q = build_choice_question(kind, 20, 4, source);
            EXPECT_EQ(source.learning_draws,
                      kind == ChoiceKind::Meaning ? kMeaningListDrawLimit : kReadingListDrawLimit);
            expect_well_formed(q, 20, source, kind);
            for (int k : q.wrong_kanji)
                EXPECT_TRUE(k < 20 || k > 23) << "a list kanji without the text was offered";
        }
    }
}

TEST(ChoiceQuestion, WrongAnswersNeverShareARomajiReading) {
    for (ChoiceKind kind : {ChoiceKind::On, ChoiceKind::Kun}) {
        FakeKanjiSource source = crowded(7, 11);
        source.learning = {1, 2, 3, 8, 9, 10, 15, 22};
        for (int seed = 1; seed <= kSeeds; ++seed) {
            random_seed(seed);
            const ChoiceQuestion q = build_choice_question(kind, 1, 8, source);
            std::vector<Entries> groups;
            for (int r = 0; r < kChoiceRows; ++r) {
                ASSERT_GT(q.row_kanji(r), 0);
                groups.push_back(reading_group(q.row_text(r, true)));
            }
            for (size_t a = 0; a < groups.size(); ++a)
                for (size_t b = a + 1; b < groups.size(); ++b)
                    EXPECT_FALSE(share_an_entry(groups[a], groups[b]))
                        << "seed " << seed << " rows " << a << ", " << b;
        }
    }
}

TEST(ChoiceQuestion, ReadingGroupsKeepTenReadingsOfAtMostFortyNineCharacters) {
    std::u16string field;
    for (int i = 0; i < 12; ++i)
        field += (i ? u", " : u"") + u16("x" + std::to_string(i));
    const Entries group = reading_group(field);
    ASSERT_EQ(group.size(), kGroupMaxReadings);
    EXPECT_EQ(group.back(), u"x9");
    const Entries long_one = reading_group(std::u16string(60, u'a') + u",b");
    EXPECT_EQ(long_one.at(0), std::u16string(49, u'a'));
    EXPECT_EQ(long_one.at(1), u"b");
}

constexpr int kGridSeeds = 200;

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

// A one-kanji list, twelve kanji sharing entries, and twenty of which only the first ten join the
// grids.
TEST(GridQuestion, EveryGridKeepsItsRulesWhateverTheListAndTheClue) {
    std::vector<int> twenty(20);
    std::iota(twenty.begin(), twenty.end(), 101);
    struct {
        FakeKanjiSource source;
        std::vector<int> list;
    } cases[] = {{FakeKanjiSource(), {30}},
                 {crowded(), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
                 {FakeKanjiSource(), twenty}};
    for (auto& c : cases) {
        c.source.learning = c.list;
        std::set<int> clue_kinds, listed_in_grids;
        const int n = int(c.list.size());
        for (int seed = 1; seed <= kGridSeeds; ++seed) {
            random_seed(seed);
            const int p = seed % n;
            const GridQuestion q = build_grid_question(c.list, p, c.source);
            expect_one_match(q, c.list[p], c.source);
            clue_kinds.insert(q.clue_kind);
            for (int k : q.cell_kanji)
                if (k != c.list[p] && std::count(c.list.begin(), c.list.end(), k))
                    listed_in_grids.insert(k);
        }
        EXPECT_EQ(clue_kinds.size(), 3u);
        if (n == 20) {
            EXPECT_EQ(listed_in_grids, std::set<int>(c.list.begin(), c.list.begin() + 10))
                << "positions 0..9 appear in the grids, later ones only as the target";
        }
    }
}

TEST(GridQuestion, AMatchBeyondTheTenthEntryStillKeepsTheKanjiOut) {
    FakeKanjiSource source;
    source.learning = {50, 51};
    source.set_meaning(50, u"unique, charge");
    std::u16string many;
    for (int i = 0; i < 11; ++i)
        many += u16("w" + std::to_string(i) + ", ");
    source.set_meaning(51, many + u"charge"); // the twelfth entry
    for (int seed = 1; seed <= kGridSeeds; ++seed) {
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
    for (int seed = 1; seed <= kGridSeeds; ++seed) {
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
    EXPECT_GT(kinds60[ClueMeaning], kGridSeeds / 3);
    EXPECT_LT(kinds60[ClueMeaning], 2 * kGridSeeds / 3);
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
