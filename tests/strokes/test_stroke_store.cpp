// Filling the stroke stores from the kanji file: mapping, corners, capacity, short strokes.
#include "kanji_data.h"
#include "stroke_store.h"
#include "stroke_test_support.h"

namespace {

std::vector<StrokeSample> samples(int x0, int y0, int count, int corner_at = -1) {
    std::vector<StrokeSample> out;
    for (int i = 0; i < count; ++i)
        out.push_back({x0 + 6 * i, y0, i == corner_at ? 1 : 0});
    return out;
}

} // namespace

class StrokeStoreTest : public KanjiFileTest {};

TEST_F(StrokeStoreTest, LoadMapsEveryPointAndKeepsTheCornerWord) {
    KanjiEntry e;
    e.kanji = u'\u4e00';
    e.strokes = {{{0, 121, 0}, {121, 242, 1}, {242, 0, 7}}};
    write_kanji_file({e});
    KanjiData_LoadStrokes(1);
    StrokeSet set;
    StrokeSet_Load(set, StrokeScreen::Practice);
    ASSERT_EQ(set.stroke_count(), 1);
    ASSERT_EQ(set.point_count(0), 3);
    EXPECT_EQ(set.point(0, 0), (StrokePoint{5, 105, 0}));
    EXPECT_EQ(set.point(0, 1), (StrokePoint{105, 205, 1}));
    EXPECT_EQ(set.point(0, 2).corner, 7);
    EXPECT_FALSE(set.point(0, 2).is_corner());
    StrokeSet_Load(set, StrokeScreen::Review); // loading again replaces
    EXPECT_EQ(set.stroke_count(), 1);
    EXPECT_EQ(set.point(0, 0), (StrokePoint{9, 80, 0}));
}

TEST_F(StrokeStoreTest, StoresKeepThirtyStrokesOfAThousandPointsWhateverTheFileSays) {
    KanjiEntry e;
    e.kanji = u'\u9b31';
    e.strokes.push_back(samples(10, 10, 1001));
    for (int s = 1; s < 31; ++s)
        e.strokes.push_back(samples(10, 10 + s, 3));
    write_kanji_file({e});
    KanjiData_LoadStrokes(1);
    ASSERT_EQ(KanjiData_StrokeCount(), 31);
    StrokeSet set;
    StrokeSet_Load(set, StrokeScreen::Practice);
    EXPECT_EQ(set.stroke_count(), kMaxStoredStrokes);
    EXPECT_EQ(set.point_count(0), kMaxStoredPoints);
    EXPECT_EQ(set.point_count(29), 3);
    EXPECT_EQ(set.point_count(30), 0);
    StrokeStarts starts;
    StrokeStarts_Load(starts, StrokeScreen::Exercise);
    EXPECT_EQ(starts.stroke_count(), kMaxStoredStrokes);
    EXPECT_FALSE(starts.add({}));
    EXPECT_FALSE(set.add_stroke({}));

    StrokeSet direct;
    direct.add_stroke(std::vector<StrokePoint>(kMaxStoredPoints + 1));
    EXPECT_EQ(direct.point_count(0), kMaxStoredPoints);
}

TEST_F(StrokeStoreTest, StartsCarryPointTwoOrTheLastPointOfAShorterStrokeAndNoStrokesLoadEmpty) {
    KanjiEntry e, bare;
    e.kanji = u'\u4e8c';
    e.strokes = {samples(0, 0, 5), samples(0, 60, 2), samples(0, 120, 1)};
    bare.kanji = u'\u4e01';
    write_kanji_file({e, bare});
    KanjiData_LoadStrokes(1);
    StrokeSet set;
    StrokeSet_Load(set, StrokeScreen::Practice);
    StrokeStarts starts;
    StrokeStarts_Load(starts, StrokeScreen::Exercise);
    ASSERT_EQ(starts.stroke_count(), 3);
    const int six = map_design(StrokeScreen::Exercise, 6);
    const int twelve = map_design(StrokeScreen::Exercise, 12);
    EXPECT_EQ(starts.start(0).toward_x, twelve);
    EXPECT_EQ(starts.start(1).toward_x, six);
    EXPECT_EQ(starts.start(1).toward_y, map_design(StrokeScreen::Exercise, 60));
    EXPECT_EQ(starts.start(2).toward_x, starts.start(2).x);

    KanjiData_LoadStrokes(2); // no strokes: loading empties the stores
    StrokeSet_Load(set, StrokeScreen::Practice);
    StrokeStarts_Load(starts, StrokeScreen::Review);
    EXPECT_EQ(set.stroke_count(), 0);
    EXPECT_EQ(starts.stroke_count(), 0);
}
