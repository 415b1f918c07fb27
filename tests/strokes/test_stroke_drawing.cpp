// The stroke stores filled from the kanji file (mapping, corners, capacity, short strokes), points
// from a damaged file, the tracing measures, what the drawings put into a surface, and the
// feedback list.
#include "data_writer.h"
#include "feedback_list.h"
#include "glyph_display.h"
#include "kanji_data.h"
#include "practice_drawing.h"
#include "screen_fixture.h"
#include "stroke_drawing.h"
#include "stroke_geometry.h"
#include "stroke_test_support.h"

#include <QFile>
#include <climits>

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
        f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        f.close();
        KanjiData_Close();
    }
    void TearDown() override {
        KanjiData_Close();
        ScreenTest::TearDown();
    }
};

// The corner word is kept as the file has it, and only 1 marks a corner; a load replaces. The
// stores keep 30 strokes of 1000 points; a start heads for its stroke's third point, or the last
// point of a shorter stroke.
TEST_F(StrokeStoreTest, LoadMapsEveryPointUpToTheStoresCapacityAndNoStrokesLoadEmpty) {
    KanjiEntry e, big, bare;
    e.strokes = {{{0, 121, 0}, {121, 242, 1}, {242, 0, 7}}};
    big.strokes = {samples(10, 10, 1001), samples(0, 60, 2), samples(0, 120, 1)};
    for (int s = 3; s < 31; ++s)
        big.strokes.push_back(samples(10, 10 + s, 3));
    write_kanji_file({e, big, bare});
    StrokeSet set = strokes_of(1);
    ASSERT_EQ(set.point_count(0), 3);
    EXPECT_EQ(set.point(0, 0), (StrokePoint{5, 105, 0}));
    EXPECT_EQ(set.point(0, 1), (StrokePoint{105, 205, 1}));
    EXPECT_EQ(set.point(0, 2).corner, 7);
    EXPECT_FALSE(set.point(0, 2).is_corner());
    StrokeSet_Load(set, StrokeScreen::Review);
    EXPECT_EQ(set.stroke_count(), 1);
    EXPECT_EQ(set.point(0, 0), (StrokePoint{9, 80, 0}));

    set = strokes_of(2);
    EXPECT_EQ(KanjiData_StrokeCount(), 31);
    EXPECT_EQ(set.stroke_count(), kMaxStoredStrokes);
    EXPECT_EQ(set.point_count(0), kMaxStoredPoints);
    EXPECT_EQ(set.point_count(29), 3);
    StrokeStarts starts = starts_of(2, StrokeScreen::Exercise);
    EXPECT_EQ(starts.stroke_count(), kMaxStoredStrokes);
    EXPECT_EQ(starts.start(0).toward_x, map_design(StrokeScreen::Exercise, 22));
    EXPECT_EQ(starts.start(1).toward_x, map_design(StrokeScreen::Exercise, 6));
    EXPECT_EQ(starts.start(1).toward_y, map_design(StrokeScreen::Exercise, 60));
    EXPECT_EQ(starts.start(2).toward_x, starts.start(2).x);

    KanjiData_LoadStrokes(3); // no strokes: loading empties the stores
    StrokeSet_Load(set, StrokeScreen::Practice);
    StrokeStarts_Load(starts, StrokeScreen::Review);
    EXPECT_EQ(set.stroke_count() + starts.stroke_count(), 0);
}

// A damaged file may put a point anywhere in the 32-bit range: the box coordinates stay within
// a few thousand pixels, and an arrow between the two extremes still points the right way.
TEST(StrokeMapping, PointsFromADamagedFileStayNearTheBox) {
    for (StrokeScreen screen :
         {StrokeScreen::Practice, StrokeScreen::Review, StrokeScreen::Exercise})
        for (int c : {INT_MIN, -5000, 5000, INT_MAX}) {
            const int mapped = map_design(screen, c);
            EXPECT_LE(std::abs(mapped), 5000) << c;
            EXPECT_EQ(mapped, map_design(screen, c < 0 ? -kDesignLimit : kDesignLimit));
        }
    EXPECT_EQ(map_design(StrokeScreen::Exercise, 255), 214) << "an undamaged one";
    const ArrowGeometry g =
        arrow_geometry(ArrowFlavour::Practice, 0, INT_MIN + 10, 0, INT_MAX - 10);
    EXPECT_EQ(g.tip.x, 0);
    EXPECT_EQ(g.tip.y, INT_MIN + 10 + 25) << "down the whole range";
}

TEST(TracingMeasures, DistanceTruncatesAndProgressGrowsAlongTheChord) {
    EXPECT_EQ(distance({0, 0}, {2, 3}), 3); // 3.61
    EXPECT_EQ(distance({0, 0}, {9, 12}), 15);
    EXPECT_EQ(distance({-32768, -32768}, {32767, 32767}), 92680); // pointer far off the box
    EXPECT_DOUBLE_EQ(progress({95, 100}, {100, 100}, {103, 100}), 0.04 * 40);
    EXPECT_LT(progress({95, 100}, {100, 100}, {90, 130}), 0);
}

namespace {

constexpr ColorRef kMarkerRed = RGB(128, 0, 0);

// A horizontal stroke from (60, 60) to (200, 60) and a vertical one from (60, 120) to (60, 230).
StrokeSet two_strokes() {
    return stroke_set({straight_stroke(60, 60, 1, 0, 29), straight_stroke(60, 120, 0, 1, 23)});
}

PixelRect around(int x, int y, int half = 9) {
    return {x - half, y - half, x + half, y + half};
}

} // namespace

TEST(DrawStrokes, StrokeLimitChoosesTheLinesAndMarkersAreDrawnForEveryStroke) {
    const StrokeSet set = two_strokes();
    for (int limit : {0, 1, -1}) {
        Surface s(260, 260);
        DrawStrokes(s, set, {RGB(0, 0, 192), 16, true, true, true, limit});
        EXPECT_EQ(pixel_at(s, 150, 60) == RGB(0, 0, 192), limit != 0) << limit;
        EXPECT_EQ(pixel_at(s, 60, 200) == RGB(0, 0, 192), limit == -1) << limit;
        EXPECT_GT(count_near(s, around(60, 60), kMarkerRed), 10) << limit;
        EXPECT_GT(count_near(s, around(60, 120), kMarkerRed), 10) << limit;
        EXPECT_GT(count_near(s, around(60, 120), RGB(240, 240, 240), 6), 10); // the circle's fill
    }
}

// The template clears to white first and draws no markers; finished strokes go 16 wide in red
// over the 10 wide grey; the practice effects draw the dot, 12 wide ink and the corner pixel.
TEST(DrawStrokes, TheTemplateFinishedStrokesAndPracticeEffects) {
    Surface s(260, 260);
    s.fill_rect(0, 0, 260, 260, RGB(0, 0, 0));
    DrawTracingTemplate(s, two_strokes());
    EXPECT_EQ(pixel_at(s, 130, 200), RGB(255, 255, 255));
    EXPECT_EQ(pixel_at(s, 130, 60), RGB(192, 192, 192));
    DrawFinishedStrokes(s, two_strokes(), 0);
    EXPECT_EQ(pixel_at(s, 130, 67), RGB(128, 0, 0));
    EXPECT_EQ(pixel_at(s, 60, 164), RGB(192, 192, 192));

    PracticeEffects fx;
    fx.dot = BoxPoint{40, 40};
    fx.ink = InkSegment{{40, 40}, {100, 40}};
    fx.corner_pixel = BoxPoint{150, 150};
    DrawPracticeEffects(s, two_strokes(), fx);
    EXPECT_EQ(pixel_at(s, 70, 45), kInkColour);
    EXPECT_EQ(pixel_at(s, 70, 47), RGB(255, 255, 255));
    EXPECT_EQ(pixel_at(s, 150, 150), kCornerPixelColour);
}

TEST(GlyphDisplays, ReviewShowsEveryNumberOnlyWhenAsked) {
    StrokeStarts starts;
    starts.add({40, 40, 40, 50});
    starts.add({150, 40, 160, 40});
    for (bool numbers : {false, true}) {
        Surface s(200, 200);
        DrawReviewGlyphDisplay(s, u'\u4e00', starts, numbers);
        for (int i = 0; i < 2; ++i) // none at all without numbers
            EXPECT_EQ(count_near(s, around(starts.start(i).x, starts.start(i).y, 7), kMarkerRed) >
                          (numbers ? 8 : 0),
                      numbers)
                << i;
    }
}

// The newest first, the oldest faded to the background; texts are cut to 99 characters. Fading
// mixes per channel, rounding toward minus infinity.
TEST(FeedbackList, KeepsTheNewestFifteenWhoseLinesFadeWithAgeFromTheirSeverityColour) {
    FeedbackList list;
    for (int i = 1; i <= 20; ++i)
        list.append(QString::number(i), i % 4);
    EXPECT_EQ(list.count(), 15);
    EXPECT_EQ(list.by_age(0).text, "20");
    EXPECT_EQ(list.by_age(14).text, "6");
    EXPECT_EQ(feedback_lines(list).back().colour, RGB(228, 228, 228));
    list.clear();
    list.append("fatal", SeverityFatal);
    list.append("warning", SeverityWarning);
    list.append(QString(150, QChar('x')), SeverityInfo);
    EXPECT_EQ(list.by_age(0).text.size(), 99);
    const auto lines = feedback_lines(list);
    EXPECT_EQ(lines[0].colour, RGB(0, 0, 192));
    EXPECT_EQ(lines[1].colour, Fade(221, RGB(128, 0, 0), RGB(228, 228, 228)));
    EXPECT_EQ(lines[2].colour, Fade(204, RGB(255, 0, 0), RGB(228, 228, 228)));
    EXPECT_EQ(Fade(128, RGB(0, 0, 0), RGB(228, 228, 228)), RGB(114, 114, 114));
    EXPECT_EQ(Fade(1, RGB(0, 0, 0), RGB(228, 228, 228)), RGB(227, 227, 227)); // -0.89 rounds down
}
