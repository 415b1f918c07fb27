// Mappings, marker placement, collision shifts and arrows, with the values the drawings must hit.
#include "stroke_geometry.h"
#include "stroke_test_support.h"

#include <climits>
#include <cstdlib>
#include <gtest/gtest.h>

TEST(StrokeMapping, EachScreenMapsDesignCoordinatesWithItsOwnFactorAndTruncation) {
    EXPECT_EQ(map_design(StrokeScreen::Practice, 0), 5);
    EXPECT_EQ(map_design(StrokeScreen::Practice, 2), 6); // 1.65 truncated
    EXPECT_EQ(map_design(StrokeScreen::Practice, 121), 105);
    EXPECT_EQ(map_design(StrokeScreen::Practice, 242), 205);
    EXPECT_EQ(map_design(StrokeScreen::Review, 0), 9); // the offset truncates to 9, not 10
    EXPECT_EQ(map_design(StrokeScreen::Review, 2), 10);
    EXPECT_EQ(map_design(StrokeScreen::Review, 180), 116);
    EXPECT_EQ(map_design(StrokeScreen::Exercise, 0), 0);
    EXPECT_EQ(map_design(StrokeScreen::Exercise, 2), 1);
    EXPECT_EQ(map_design(StrokeScreen::Exercise, 255), 214);
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
    const ArrowGeometry g =
        arrow_geometry(ArrowFlavour::Practice, 0, INT_MIN + 10, 0, INT_MAX - 10);
    EXPECT_EQ(g.tip.x, 0);
    EXPECT_EQ(g.tip.y, INT_MIN + 10 + 25) << "down the whole range";
}

TEST(NumberMarker, TwoDigitNumbersMoveLeftByTheFlavoursShift) {
    const NumberMarkerLayout p9 = number_marker_layout(MarkerFlavour::Practice, 50, 60, 9);
    const NumberMarkerLayout p10 = number_marker_layout(MarkerFlavour::Practice, 50, 60, 10);
    EXPECT_EQ(p9.text_x, 47);
    EXPECT_EQ(p9.text_y, 53);
    EXPECT_EQ(p10.text_x, 44);
    EXPECT_EQ((std::array{p9.left, p9.top, p9.right, p9.bottom}), (std::array{42, 52, 59, 69}));
    const NumberMarkerLayout r9 = number_marker_layout(MarkerFlavour::Review, 50, 60, 9);
    const NumberMarkerLayout r10 = number_marker_layout(MarkerFlavour::Review, 50, 60, 10);
    EXPECT_EQ(r9.text_x, 48);
    EXPECT_EQ(r9.text_y, 55);
    EXPECT_EQ(r10.text_x, 46);
    EXPECT_EQ((std::array{r9.left, r9.top, r9.right, r9.bottom}), (std::array{44, 54, 57, 67}));
    EXPECT_EQ(number_marker_layout(MarkerFlavour::Exercise, 50, 60, 10).text_x, 44);
}

namespace {

// Stroke 2 starts at (51, 51) heading down to (51, 61); strokes 0 and 1 start near it.
StrokeStarts crowded_starts() {
    StrokeStarts starts;
    starts.add({50, 50, 60, 50});
    starts.add({53, 48, 53, 58});
    starts.add({51, 51, 51, 61});
    starts.add({120, 120, 120, 130});
    return starts;
}

} // namespace

TEST(NumberMarker, ShiftsAddUpOverEarlierStartsInTheSquareByTheFlavoursRule) {
    const StrokeStarts starts = crowded_starts();
    // Review: from start 0, trunc(1 * 2.15), trunc(11 * 2.15); from start 1, trunc(-2 * 2.15),
    // trunc(13 * 2.15).
    EXPECT_EQ(number_marker_position(MarkerFlavour::Review, &starts, 2, 51, 51),
              (BoxPoint{51 + 2 - 4, 51 + 23 + 27}));
    EXPECT_EQ(number_marker_position(MarkerFlavour::Review, &starts, 3, 120, 120),
              (BoxPoint{120, 120}));
    // Exercise: from the shifted marker, with the square left where it was. Start 0: (0,
    // trunc(10 * 1.95)) to (51, 70); start 1, still inside the square around (51, 51): (0,
    // trunc((61 - 70) * 1.95)) to (51, 53).
    EXPECT_EQ(number_marker_position(MarkerFlavour::Exercise, &starts, 2, 51, 51),
              (BoxPoint{51, 53}));
    // No shift for the first stroke, without a check, or in the practice flavour.
    EXPECT_EQ(number_marker_position(MarkerFlavour::Review, &starts, 0, 50, 50),
              (BoxPoint{50, 50}));
    EXPECT_EQ(number_marker_position(MarkerFlavour::Review, &starts, -1, 51, 51),
              (BoxPoint{51, 51}));
    EXPECT_EQ(number_marker_position(MarkerFlavour::Practice, &starts, 2, 51, 51),
              (BoxPoint{51, 51}));
}

TEST(PracticeMarkers, AStrokeStartingOnAnEarlierOneIsShiftedAlongItsOwnLineOnce) {
    const StrokeSet set = stroke_set({
        straight_stroke(50, 50, 1, 0, 4),
        straight_stroke(57, 50, 0, 1, 4), // within 8 of stroke 0's start
        straight_stroke(50, 57, 1, 0, 4), // within 8 of both: assigned, not added
        straight_stroke(42, 50, 0, 1, 4), // stroke 0 is 8 to the right: outside
        {{50, 52, 0}, {50, 62, 0}},       // two points: measured to its last
        {{51, 51, 0}},                    // one point: no line to move along
    });
    EXPECT_EQ(practice_marker_offset(set, 0, 16), (BoxPoint{0, 0}));
    EXPECT_EQ(practice_marker_offset(set, 1, 16), (BoxPoint{0, 21}));
    EXPECT_EQ(practice_marker_offset(set, 2, 16), (BoxPoint{21, 0}));
    EXPECT_EQ(practice_marker_offset(set, 3, 16), (BoxPoint{0, 0}));
    EXPECT_EQ(practice_marker_offset(set, 4, 16), (BoxPoint{0, 21}));
    EXPECT_EQ(practice_marker_offset(set, 5, 16), (BoxPoint{0, 0}));
    EXPECT_EQ(practice_marker_offset(set, 3, 18), (BoxPoint{0, 21})); // a wider pen's square
}

TEST(ArrowTargets, StaticArrowsAimAtPointEightAnimatedOnesFromTwelvePoints) {
    EXPECT_EQ(static_arrow_target(8), 7);
    EXPECT_EQ(static_arrow_target(9), 8);
    EXPECT_EQ(static_arrow_target(40), 8);
    EXPECT_EQ(static_arrow_target(1), 0);
    EXPECT_EQ(animation_arrow_target(11), 10);
    EXPECT_EQ(animation_arrow_target(12), 8);
    EXPECT_EQ(animation_arrow_target(1), 0);
}

namespace {

void expect_shaft(const ArrowGeometry& g, BoxPoint tail, BoxPoint tip) {
    EXPECT_EQ(g.tail, tail);
    EXPECT_EQ(g.tip, tip);
}

// The head points along the shaft when both barbs lie behind the tip.
bool head_points(const ArrowGeometry& g, int dx, int dy) {
    for (BoxPoint b : {g.barb1, g.barb2}) {
        const int along = (g.tip.x - b.x) * dx + (g.tip.y - b.y) * dy;
        if (along <= 0) return false;
    }
    return true;
}

} // namespace

TEST(Arrow, ShaftRunsFromTheTailToTwentyFivePixelsAlongTheStroke) {
    const auto practice = [](int x1, int y1) {
        return arrow_geometry(ArrowFlavour::Practice, 100, 100, x1, y1);
    };
    ArrowGeometry g = practice(100, 160);
    expect_shaft(g, {100, 110}, {100, 125});
    EXPECT_TRUE(head_points(g, 0, 1));
    g = practice(160, 102); // nearly horizontal
    expect_shaft(g, {110, 100}, {125, 100});
    EXPECT_TRUE(head_points(g, 1, 0));
    g = practice(140, 130);
    expect_shaft(g, {108, 106}, {120, 115});
    EXPECT_TRUE(head_points(g, 4, 3));
    g = practice(70, 140); // turned by pi because x0 > x1
    expect_shaft(g, {94, 108}, {85, 120});
    EXPECT_TRUE(head_points(g, -3, 4));
    g = practice(100, 60); // upwards, and still a head pointing down
    expect_shaft(g, {100, 90}, {100, 75});
    EXPECT_TRUE(head_points(g, 0, 1));
    expect_shaft(arrow_geometry(ArrowFlavour::Review, 100, 100, 100, 160), {100, 108}, {100, 125});
}

TEST(Arrow, PracticeTruncatesTheBarbsDifferenceAndReviewItsProduct) {
    // The first barb of a downward arrow: 7 cos(0.6) = 5.78 above the tip at y 125.
    EXPECT_EQ(arrow_geometry(ArrowFlavour::Practice, 100, 100, 100, 160).barb1,
              (BoxPoint{103, 119}));
    EXPECT_EQ(arrow_geometry(ArrowFlavour::Review, 100, 100, 100, 160).barb1, (BoxPoint{103, 120}));
    EXPECT_EQ(arrow_geometry(ArrowFlavour::Practice, 100, 100, 100, 160).barb2,
              (BoxPoint{96, 119}));
}

TEST(TracingMeasures, DistanceTruncatesAndProgressGrowsAlongTheChord) {
    EXPECT_EQ(distance({0, 0}, {1, 1}), 1);
    EXPECT_EQ(distance({0, 0}, {9, 12}), 15);
    EXPECT_EQ(distance({-32768, -32768}, {32767, 32767}), 92680); // pointer far off the box
    EXPECT_DOUBLE_EQ(progress({95, 100}, {100, 100}, {103, 100}), 0.04 * 40);
    EXPECT_LT(progress({95, 100}, {100, 100}, {90, 130}), 0);
}
