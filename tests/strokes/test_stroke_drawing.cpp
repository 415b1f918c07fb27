// What the stroke drawings put into a surface, and the feedback list's ring, its fading colours
// and the panel it is drawn on.
#include "feedback_list.h"
#include "feedback_panel.h"
#include "glyph_display.h"
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

// The template clears to white first and draws no markers; finished strokes go 16 wide in red
// over the 10 wide grey; the practice effects draw the dot, 12 wide ink and the corner pixel.
TEST(DrawStrokes, TheTemplateFinishedStrokesAndPracticeEffects) {
    Surface s(260, 260);
    s.fill_rect(0, 0, 260, 260, RGB(0, 0, 0));
    DrawTracingTemplate(s, two_strokes());
    EXPECT_EQ(pixel_at(s, 130, 200), RGB(255, 255, 255));
    EXPECT_EQ(pixel_at(s, 130, 60), RGB(192, 192, 192));
    EXPECT_EQ(count_near(s, around(60, 120), kMarkerRed), 0);
    DrawFinishedStrokes(s, two_strokes(), 0);
    EXPECT_EQ(pixel_at(s, 130, 67), RGB(128, 0, 0));
    EXPECT_EQ(pixel_at(s, 60, 164), RGB(192, 192, 192));

    PracticeEffects fx;
    fx.dot = BoxPoint{40, 40};
    fx.ink = InkSegment{{40, 40}, {100, 40}};
    fx.corner_pixel = BoxPoint{150, 150};
    DrawPracticeEffects(s, two_strokes(), fx);
    EXPECT_EQ(pixel_at(s, 40, 40), kInkColour);
    EXPECT_EQ(pixel_at(s, 70, 45), kInkColour);
    EXPECT_EQ(pixel_at(s, 70, 47), RGB(255, 255, 255));
    EXPECT_EQ(pixel_at(s, 150, 150), kCornerPixelColour);
    EXPECT_EQ(pixel_at(s, 151, 150), RGB(255, 255, 255));
}

TEST(GlyphDisplays, ReviewShowsEveryNumberOnlyWhenAsked) {
    StrokeStarts starts;
    starts.add({40, 40, 40, 50});
    starts.add({150, 40, 160, 40});
    starts.add({100, 150, 100, 160});
    for (bool numbers : {false, true}) {
        Surface s(200, 200);
        DrawReviewGlyphDisplay(s, u'\u4e00', starts, numbers);
        for (int i = 0; i < 3; ++i) {
            const int ring =
                count_near(s, around(starts.start(i).x, starts.start(i).y, 7), kMarkerRed);
            EXPECT_EQ(ring > (numbers ? 8 : 0), numbers) << i; // none at all without numbers
        }
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
    auto lines = feedback_lines(list);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines.back().colour, RGB(228, 228, 228));
    EXPECT_EQ(lines.back().y, 28 + 14 * 15);
    list.clear();
    EXPECT_TRUE(feedback_lines(list).empty());
    list.append("fatal", SeverityFatal);
    list.append("warning", SeverityWarning);
    list.append(QString(150, QChar('x')), SeverityInfo);
    EXPECT_EQ(list.by_age(0).text.size(), 99);
    lines = feedback_lines(list);
    EXPECT_EQ(lines[0].colour, RGB(0, 0, 192));
    EXPECT_TRUE(lines[0].bold);
    EXPECT_FALSE(lines[1].bold);
    EXPECT_EQ(lines[1].colour, Fade(221, RGB(128, 0, 0), RGB(228, 228, 228)));
    EXPECT_EQ(lines[2].colour, Fade(204, RGB(255, 0, 0), RGB(228, 228, 228)));
    EXPECT_EQ(Fade(128, RGB(0, 0, 0), RGB(228, 228, 228)), RGB(114, 114, 114));
    EXPECT_EQ(Fade(1, RGB(0, 0, 0), RGB(228, 228, 228)), RGB(227, 227, 227)); // -0.89 rounds down
}

TEST(FeedbackPanel, ShowsTheInstructionsOrTheHintOrTheVerdicts) {
    Surface s(260, 260);
    FeedbackList list;
    const PixelRect kanji{100, 25, 140, 50}, hint{12, 30, 198, 60};
    DrawFeedbackPanel(s, list, false, u'\u6c34');
    EXPECT_GT(count_near(s, kanji, RGB(0, 0, 128)), 20);
    EXPECT_EQ(count_near(s, hint, RGB(168, 168, 168), 10), 0);

    DrawFeedbackPanel(s, list, true, u'\u6c34');
    EXPECT_GT(count_near(s, hint, RGB(168, 168, 168), 10), 20);
    EXPECT_EQ(count_near(s, kanji, RGB(0, 0, 128)), 0);

    list.append("FATAL: Too far from line", SeverityFatal);
    DrawFeedbackPanel(s, list, true, u'\u6c34');
    EXPECT_GT(count_near(s, {12, 28, 198, 42}, RGB(255, 0, 0)), 20) << "the hint gives way";
    EXPECT_EQ(count_near(s, hint, RGB(168, 168, 168), 10), 0);
}
