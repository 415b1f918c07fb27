// Filling the stroke stores from the kanji file: mapping, corners, capacity, short strokes.
#include "data_writer.h"
#include "kanji_data.h"
#include "screen_fixture.h"
#include "stroke_store.h"
#include "stroke_test_support.h"

#include <QFile>

static std::vector<StrokeSample> samples(int x0, int y0, int count) {
    std::vector<StrokeSample> out;
    for (int i = 0; i < count; ++i)
        out.push_back({x0 + 6 * i, y0, 0});
    return out;
}

// The working folder's data/kanji.dat (a link to the real one) replaced by the given kanji.
class StrokeStoreTest : public ScreenTest {
  protected:
    void write_kanji_file(const std::vector<KanjiEntry>& entries) {
        const std::vector<uint8_t> bytes = build_kanji_file(entries);
        QFile::remove("data/kanji.dat");
        QFile f("data/kanji.dat");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())),
                  qint64(bytes.size()));
        f.close();
        KanjiData_Close();
    }
    void TearDown() override {
        KanjiData_Close();
        ScreenTest::TearDown();
    }
};

// The corner word is kept as the file has it, and only 1 marks a corner; a load replaces.
TEST_F(StrokeStoreTest, LoadMapsEveryPointKeepsTheCornerWordAndNoStrokesLoadEmpty) {
    KanjiEntry e, bare;
    e.kanji = u'\u4e00';
    e.strokes = {{{0, 121, 0}, {121, 242, 1}, {242, 0, 7}}};
    bare.kanji = u'\u4e01';
    write_kanji_file({e, bare});
    StrokeSet set = strokes_of(1);
    ASSERT_EQ(set.stroke_count(), 1);
    ASSERT_EQ(set.point_count(0), 3);
    EXPECT_EQ(set.point(0, 0), (StrokePoint{5, 105, 0}));
    EXPECT_EQ(set.point(0, 1), (StrokePoint{105, 205, 1}));
    EXPECT_EQ(set.point(0, 2).corner, 7);
    EXPECT_FALSE(set.point(0, 2).is_corner());
    StrokeSet_Load(set, StrokeScreen::Review);
    EXPECT_EQ(set.stroke_count(), 1);
    EXPECT_EQ(set.point(0, 0), (StrokePoint{9, 80, 0}));
    StrokeStarts starts = starts_of(1, StrokeScreen::Review);
    ASSERT_EQ(starts.stroke_count(), 1);
    KanjiData_LoadStrokes(2); // no strokes: loading empties the stores
    StrokeSet_Load(set, StrokeScreen::Practice);
    StrokeStarts_Load(starts, StrokeScreen::Review);
    EXPECT_EQ(set.stroke_count(), 0);
    EXPECT_EQ(starts.stroke_count(), 0);
}

// A start heads for its stroke's third point, or the last point of a shorter stroke.
TEST_F(StrokeStoreTest, StoresKeepThirtyStrokesOfAThousandPointsAndStartsHeadForPointTwo) {
    KanjiEntry e;
    e.kanji = u'\u9b31';
    e.strokes = {samples(10, 10, 1001), samples(0, 60, 2), samples(0, 120, 1)};
    for (int s = 3; s < 31; ++s)
        e.strokes.push_back(samples(10, 10 + s, 3));
    write_kanji_file({e});
    const StrokeSet set = strokes_of(1);
    EXPECT_EQ(KanjiData_StrokeCount(), 31);
    EXPECT_EQ(set.stroke_count(), kMaxStoredStrokes);
    EXPECT_EQ(set.point_count(0), kMaxStoredPoints);
    EXPECT_EQ(set.point_count(29), 3);
    EXPECT_EQ(set.point_count(30), 0);
    StrokeStarts starts = starts_of(1, StrokeScreen::Exercise);
    EXPECT_EQ(starts.stroke_count(), kMaxStoredStrokes);
    EXPECT_FALSE(starts.add({}));
    StrokeSet direct = set;
    EXPECT_FALSE(direct.add_stroke({}));
    EXPECT_EQ(starts.start(0).toward_x, map_design(StrokeScreen::Exercise, 22));
    EXPECT_EQ(starts.start(1).toward_x, map_design(StrokeScreen::Exercise, 6));
    EXPECT_EQ(starts.start(1).toward_y, map_design(StrokeScreen::Exercise, 60));
    EXPECT_EQ(starts.start(2).toward_x, starts.start(2).x);
    direct = StrokeSet();
    direct.add_stroke(std::vector<StrokePoint>(kMaxStoredPoints + 1));
    EXPECT_EQ(direct.point_count(0), kMaxStoredPoints);
}
