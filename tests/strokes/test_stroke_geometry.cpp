// Mappings of damaged points, collision shifts of markers, arrows and the tracing measures, with
// the values the drawings must hit.
#include "stroke_geometry.h"
#include "stroke_test_support.h"

#include <climits>
#include <cstdlib>
#include <gtest/gtest.h>

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

// Stroke 2 starts at (51, 51) heading down to (51, 61); strokes 0 and 1 start near it.
TEST(NumberMarker, ShiftsAddUpOverEarlierStartsInTheSquareByTheFlavoursRule) {
    StrokeStarts starts;
    for (const StrokeStart& s : {StrokeStart{50, 50, 60, 50}, StrokeStart{53, 48, 53, 58},
                                 StrokeStart{51, 51, 51, 61}, StrokeStart{120, 120, 120, 130}})
        starts.add(s);
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
    const BoxPoint none{0, 0}, down{0, 21}, right{21, 0};
    const BoxPoint expected[] = {none, down, right, none, down, none};
    for (int s = 0; s < 6; ++s)
        EXPECT_EQ(practice_marker_offset(set, s, 16), expected[s]) << s;
    EXPECT_EQ(practice_marker_offset(set, 3, 18), (BoxPoint{0, 21})); // a wider pen's square
}

// The shaft, and a head pointing along it (both barbs behind the tip); an arrow up or to the left
// is turned by pi, so an upward one still has its head pointing down.
TEST(Arrow, ShaftRunsFromTheTailToTwentyFivePixelsAlongTheStroke) {
    const struct {
        ArrowFlavour flavour;
        int x1, y1;
        BoxPoint tail, tip;
        int dx, dy;
    } cases[] = {{ArrowFlavour::Practice, 100, 160, {100, 110}, {100, 125}, 0, 1},
                 {ArrowFlavour::Practice, 160, 102, {110, 100}, {125, 100}, 1, 0},
                 {ArrowFlavour::Practice, 140, 130, {108, 106}, {120, 115}, 4, 3},
                 {ArrowFlavour::Practice, 70, 140, {94, 108}, {85, 120}, -3, 4},
                 {ArrowFlavour::Practice, 100, 60, {100, 90}, {100, 75}, 0, 1},
                 {ArrowFlavour::Review, 100, 160, {100, 108}, {100, 125}, 0, 1}};
    for (const auto& c : cases) {
        const ArrowGeometry g = arrow_geometry(c.flavour, 100, 100, c.x1, c.y1);
        EXPECT_EQ(g.tail, c.tail) << c.x1 << "," << c.y1;
        EXPECT_EQ(g.tip, c.tip) << c.x1 << "," << c.y1;
        for (BoxPoint b : {g.barb1, g.barb2})
            EXPECT_GT((g.tip.x - b.x) * c.dx + (g.tip.y - b.y) * c.dy, 0) << c.x1 << "," << c.y1;
    }
    // The first barb of a downward arrow: 7 cos(0.6) = 5.78 above the tip at y 125; the practice
    // truncates the difference, the review the product.
    EXPECT_EQ(arrow_geometry(ArrowFlavour::Practice, 100, 100, 100, 160).barb1,
              (BoxPoint{103, 119}));
    EXPECT_EQ(arrow_geometry(ArrowFlavour::Review, 100, 100, 100, 160).barb1, (BoxPoint{103, 120}));
}

TEST(TracingMeasures, DistanceTruncatesAndProgressGrowsAlongTheChord) {
    EXPECT_EQ(distance({0, 0}, {1, 1}), 1);
    EXPECT_EQ(distance({0, 0}, {9, 12}), 15);
    EXPECT_EQ(distance({-32768, -32768}, {32767, 32767}), 92680); // pointer far off the box
    EXPECT_DOUBLE_EQ(progress({95, 100}, {100, 100}, {103, 100}), 0.04 * 40);
    EXPECT_LT(progress({95, 100}, {100, 100}, {90, 130}), 0);
}
