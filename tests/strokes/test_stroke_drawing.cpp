// What the stroke drawings put into a surface.
#include "glyph_display.h"
#include "pixel_support.h"
#include "practice_drawing.h"
#include "stroke_drawing.h"
#include "stroke_test_support.h"

#include <gtest/gtest.h>

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

TEST(DrawStrokes, WithoutMarkersOnlyLinesAndClearingWhitensTheBoxFirst) {
    Surface s(260, 260);
    s.fill_rect(0, 0, 260, 260, RGB(0, 0, 0));
    DrawTracingTemplate(s, two_strokes());
    EXPECT_EQ(pixel_at(s, 130, 200), RGB(255, 255, 255));
    EXPECT_EQ(pixel_at(s, 130, 60), RGB(192, 192, 192));
    EXPECT_EQ(pixel_at(s, 130, 0), RGB(153, 153, 153)); // the sunken frame's top line
    EXPECT_EQ(count_near(s, around(60, 120), kMarkerRed), 0);
}

TEST(DrawStrokes, FinishedStrokesShowCleanOverTheTemplate) {
    Surface s(260, 260);
    DrawFinishedStrokes(s, two_strokes(), 0);
    EXPECT_EQ(pixel_at(s, 130, 60), RGB(128, 0, 0));
    EXPECT_EQ(pixel_at(s, 60, 180), RGB(192, 192, 192));
    EXPECT_EQ(pixel_at(s, 60, 164), RGB(192, 192, 192)); // 16 wide red, 10 wide grey
    EXPECT_EQ(pixel_at(s, 130, 67), RGB(128, 0, 0));
}

TEST(DrawPracticeEffects, DrawsTheDotTheInkAndTheCornerPixel) {
    Surface s(260, 260);
    PracticeEffects fx;
    fx.dot = BoxPoint{40, 40};
    fx.ink = InkSegment{{40, 40}, {100, 40}};
    fx.corner_pixel = BoxPoint{150, 150};
    DrawPracticeEffects(s, two_strokes(), fx);
    EXPECT_EQ(pixel_at(s, 40, 40), kInkColour);
    EXPECT_EQ(pixel_at(s, 70, 45), kInkColour); // 12 wide
    EXPECT_EQ(pixel_at(s, 70, 47), RGB(255, 255, 255));
    EXPECT_EQ(pixel_at(s, 150, 150), kCornerPixelColour);
    EXPECT_EQ(pixel_at(s, 151, 150), RGB(255, 255, 255));
}

TEST(KanjiGlyph, DrawsTheKanjiInNavyInsideItsCell) {
    Surface s(200, 200);
    DrawKanjiGlyph(s, u'\u53e3', kReviewGlyphSize, kReviewGlyphOffset, kReviewGlyphOffset);
    EXPECT_GT(count_near(s, {0, 0, 200, 200}, RGB(0, 0, 128), 0), 200);
    EXPECT_EQ(count_near(s, {0, 0, 200, 9}, RGB(0, 0, 128), 100), 0);
    EXPECT_EQ(count_near(s, {0, 0, 9, 200}, RGB(0, 0, 128), 100), 0);
    Surface empty(200, 200);
    DrawKanjiGlyph(empty, 0, kReviewGlyphSize, 9, 9);
    EXPECT_EQ(count_near(empty, {0, 0, 200, 200}, RGB(255, 255, 255), 0), 200 * 200);
}

namespace {

StrokeStarts three_starts() {
    StrokeStarts starts;
    starts.add({40, 40, 40, 50});
    starts.add({150, 40, 160, 40});
    starts.add({100, 150, 100, 160});
    return starts;
}

} // namespace

TEST(GlyphDisplays, ReviewShowsEveryNumberOnlyWhenAsked) {
    Surface s(200, 200);
    DrawReviewGlyphDisplay(s, u'\u4e00', three_starts(), false);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(count_near(s, around(three_starts().start(i).x, three_starts().start(i).y, 7),
                             kMarkerRed),
                  0);
    DrawReviewGlyphDisplay(s, u'\u4e00', three_starts(), true);
    for (int i = 0; i < 3; ++i)
        EXPECT_GT(count_near(s, around(three_starts().start(i).x, three_starts().start(i).y, 7),
                             kMarkerRed),
                  8);
}

TEST(GlyphDisplays, ExerciseShowsTheStartsFoundSoFar) {
    Surface s(260, 260);
    DrawExerciseGlyphDisplay(s, u'\u4e00', three_starts(), 2);
    EXPECT_GT(count_near(s, around(40, 40), kMarkerRed), 8);
    EXPECT_GT(count_near(s, around(150, 40), kMarkerRed), 8);
    EXPECT_EQ(count_near(s, around(100, 150), kMarkerRed), 0);
}
