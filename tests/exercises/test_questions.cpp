// The wrong answers of the choice exercises and the grid search's grid, over made-up kanji.
#include "choice_question.h"
#include "grid_question.h"
#include "kanji_source.h"
#include "random.h"
#include "reading_entries.h"

#include <gmock/gmock.h>
#include <numeric>
#include <set>

namespace {

// Fields unique to each kanji; with m and n, many kanji share entries instead: k's meaning and
// romaji readings are "a<k mod m>, b<k mod n>".
struct FakeKanjiSource : KanjiSource {
    explicit FakeKanjiSource(int m = 0, int n = 0) {
        for (int k = 1; k <= kKanjiTotal; ++k) {
            const std::string i = std::to_string(k),
                              e = m ? "a" + std::to_string(k % m) + ", b" + std::to_string(k % n)
                                    : "";
            records[k].Kanji = static_cast<char16_t>(0x4E00 + k);
            set(k, m ? e : "meaning " + i, m ? "kana" + std::to_string(k % 13) : "on-kana " + i,
                m ? e : "ON" + i, m ? "kana" + std::to_string(k % 17) : "kun-kana " + i,
                m ? e : "kun" + i);
        }
    }
    void set(int k, const std::string& meaning, const std::string& on, const std::string& onR,
             const std::string& kun, const std::string& kunR) {
        KanjiRecord& r = records.at(k);
        r.Meaning.assign(utf8_to_utf16(meaning)), r.OnPronun.assign(utf8_to_utf16(on));
        r.OnRomaji.assign(utf8_to_utf16(onR)), r.KunPronun.assign(utf8_to_utf16(kun));
        r.KunRomaji.assign(utf8_to_utf16(kunR));
    }
    const KanjiRecord* record(int kanji) override {
        if (kanji < 0) return nullptr;
        scratch = kanji <= kKanjiTotal ? records[kanji] : KanjiRecord{};
        return &scratch; // overwritten by each read, as the real one is
    }
    int learning_count() override { return static_cast<int>(learning.size()); }
    int learning_at(int position) override { return learning.at(position); }
    bool learning_contains(int k) override { return std::ranges::count(learning, k) > 0; }
    int pool_count() override { return kKanjiTotal; }
    int pool_at(int index) override { return index >= 0 && index <= kKanjiTotal ? index : 0; }

    std::vector<KanjiRecord> records = std::vector<KanjiRecord>(kKanjiTotal + 1);
    std::vector<int> learning;
    KanjiRecord scratch{};
};

// A one-kanji list takes all four wrong answers from the pool (half of it without a meaning), a
// two-kanji list the other kanji once, a list of ten at least two list kanji, list kanji without
// a meaning none. Readings shared by many kanji: no two rows share a romaji entry. Every row shows
// a distinct kanji with its own text, the right one at correctPosition, which lands on each row.
TEST(ChoiceQuestion, WrongAnswersFromTheListThenThePoolNeverEmptyNorSharingAReading) {
    const struct {
        ChoiceKind kind;
        std::vector<int> list;
        int least_listed, most_listed;
    } cases[] = {{ChoiceKind::Meaning, {5}, 0, 0},
                 {ChoiceKind::Meaning, {40, 41}, 1, 1},
                 {ChoiceKind::Meaning, {3, 1, 2, 4, 5, 6, 7, 8, 9, 10}, 2, 4},
                 {ChoiceKind::Meaning, {20, 22, 24, 26}, 0, 0},
                 {ChoiceKind::On, {1, 2, 3, 8, 9, 10, 15, 22}, 0, 4},
                 {ChoiceKind::Kun, {1, 2, 3, 8, 9, 10, 15, 22}, 0, 4}};
    for (const auto& c : cases) {
        FakeKanjiSource source =
            c.kind == ChoiceKind::Meaning ? FakeKanjiSource() : FakeKanjiSource(7, 11);
        source.learning = c.list;
        for (int k = 1; k <= kKanjiTotal && c.kind == ChoiceKind::Meaning; ++k)
            if (source.learning_contains(k) ? c.most_listed == 0 && k != c.list[0] : k % 2)
                source.records[k].Meaning.assign(u"");
        std::set<int> rows_used;
        for (int seed = 1; seed <= 300; ++seed) {
            random_seed(seed);
            const ChoiceQuestion q =
                build_choice_question(c.kind, c.list[0], int(c.list.size()), source);
            std::set<int> shown;
            std::vector<Entries> groups;
            for (int r = 0; r < kChoiceRows; ++r) {
                const KanjiRecord* row = source.record(q.row_kanji(r));
                shown.insert(q.row_kanji(r));
                EXPECT_EQ(q.row_text(r, false), c.kind == ChoiceKind::Meaning ? row->Meaning.text()
                                                : c.kind == ChoiceKind::On    ? row->OnPronun.text()
                                                                           : row->KunPronun.text());
                EXPECT_FALSE(q.row_text(r, false).empty()) << "seed " << seed;
                groups.push_back(reading_group(q.row_text(r, true)));
                for (int other = 0; other < r && c.kind != ChoiceKind::Meaning; ++other)
                    EXPECT_FALSE(share_an_entry(groups[size_t(other)], groups[size_t(r)])) << seed;
            }
            EXPECT_EQ(shown.size(), 5u);
            EXPECT_EQ(q.row_kanji(q.correctPosition), c.list[0]);
            const auto listed = std::count_if(q.wrong_kanji.begin(), q.wrong_kanji.end(),
                                              [&](int k) { return source.learning_contains(k); });
            EXPECT_TRUE(listed >= c.least_listed && listed <= c.most_listed) << c.list[0] << seed;
            rows_used.insert(q.correctPosition);
        }
        EXPECT_EQ(rows_used.size(), 5u) << c.list[0];
    }
}

// The rules every grid keeps: the target once at its cell; no other cell matches the clue; a
// Learning List kanji only from the first ten list positions, every other kanji a filler from
// pool entries 1..1944; no kanji twice. Checked for a one-kanji list, twelve kanji sharing
// entries, and twenty of which only the first ten join the grids.
TEST(GridQuestion, EveryGridKeepsItsRulesWhateverTheListAndTheClue) {
    std::vector<int> twenty(20);
    std::iota(twenty.begin(), twenty.end(), 101);
    struct {
        FakeKanjiSource source;
        std::vector<int> list;
    } cases[] = {{FakeKanjiSource(), {30}},
                 {FakeKanjiSource(5, 9), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
                 {FakeKanjiSource(), twenty}};
    for (auto& c : cases) {
        c.source.learning = c.list;
        const std::vector<int>& list = c.list;
        std::set<int> clue_kinds, listed_in_grids;
        for (int seed = 1; seed <= 200; ++seed) {
            random_seed(seed);
            const int target = list[size_t(seed) % list.size()];
            const GridQuestion q = build_grid_question(list, seed % int(list.size()), c.source);
            clue_kinds.insert(q.clue_kind);
            ASSERT_EQ(q.cell_kanji[q.target_cell()], target);
            const KanjiRecord t = *c.source.record(target);
            std::set<int> seen;
            for (int cell = 0; cell < kGridCells; ++cell) {
                const int k = q.cell_kanji[cell];
                ASSERT_TRUE(k > 0 && k < kKanjiTotal) << "cell " << cell << ": kanji " << k;
                EXPECT_TRUE(seen.insert(k).second) << "kanji " << k << " twice";
                if (cell == q.target_cell()) continue;
                const auto at = std::find(list.begin(), list.end(), k) - list.begin();
                if (at < int(list.size())) {
                    EXPECT_LT(at, 10) << "kanji " << k << " is listed too far down";
                    listed_in_grids.insert(k);
                }
                const KanjiRecord r = *c.source.record(k);
                EXPECT_EQ(q.cells[cell], r.Kanji);
                for (const auto& entry : split_readings(clue_field(r, q.clue_kind)))
                    EXPECT_THAT(q.clue_entries, ::testing::Not(::testing::Contains(entry)))
                        << "kanji " << k << " matches the clue too";
                EXPECT_FALSE(q.clue_kind == ClueOn && r.OnPronun.text() == t.OnPronun.text());
                EXPECT_FALSE(q.clue_kind == ClueKun && r.KunRomaji.text() == t.KunRomaji.text());
            }
        }
        EXPECT_EQ(clue_kinds.size(), 3u);
        if (list.size() == 20) {
            EXPECT_EQ(listed_in_grids, std::set<int>(list.begin(), list.begin() + 10));
        }
    }
}

// A match beyond the tenth meaning entry still keeps a kanji out; a missing reading gives way to
// the other (the meaning is the clue about half of the time).
TEST(GridQuestion, EveryEntryCountsAMissingReadingGivesWayAndTooFewFillersLeaveCellsEmpty) {
    FakeKanjiSource source;
    source.learning = {50, 51, 60, 61};
    source.records[50].Meaning.assign(u"unique, charge");
    source.records[51].Meaning.assign(u"w0, w1, w2, w3, w4, w5, w6, w7, w8, w9, w10, charge");
    source.set(60, "m60", "", "", "kana60", "kun60"); // KUN only
    source.set(61, "m61", "kana61", "ON61", "", "");  // ON only
    int kinds60[3] = {}, kinds61[3] = {};             // by ClueKind
    for (int seed = 1; seed <= 200; ++seed) {
        random_seed(seed);
        const GridQuestion q = build_grid_question(source.learning, 0, source);
        EXPECT_FALSE(q.clue_kind == ClueMeaning &&
                     std::count(q.cell_kanji.begin(), q.cell_kanji.end(), 51));
        ++kinds60[build_grid_question(source.learning, 2, source).clue_kind];
        ++kinds61[build_grid_question(source.learning, 3, source).clue_kind];
    }
    EXPECT_TRUE(kinds60[ClueOn] == 0 && kinds60[ClueKun] > 0);
    EXPECT_TRUE(kinds61[ClueKun] == 0 && kinds61[ClueOn] > 0);
    EXPECT_TRUE(kinds60[ClueMeaning] > 200 / 3 && kinds60[ClueMeaning] < 2 * 200 / 3);
    // A set that offers too few fillers (as a Learning List of nearly every kanji) leaves cells
    // empty instead of hanging.
    source.learning = {1};
    for (int k = 2; k <= kKanjiTotal - 31; ++k)
        source.records[k].Kanji = 0; // only kanji 1915..1944 can fill, 1945 never
    const GridQuestion q = build_grid_question({1}, 0, source);
    EXPECT_EQ(std::count_if(q.cell_kanji.begin(), q.cell_kanji.end(),
                            [](int k) { return k > kKanjiTotal - 31; }),
              30);
    EXPECT_EQ(std::count(q.cell_kanji.begin(), q.cell_kanji.end(), 0), kGridCells - 31);
}

} // namespace
