#include "glyph_ink.h"
#include "kanjivg_path.h"
#include "stroke_sampling.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Identity-like mapping: one KanjiVG unit is one design unit.
StrokeMapping unit_mapping() {
    const double s = kExercisePixelsPerDesignUnit;
    return {s, s, s * kKanjivgCentre, s * kKanjivgCentre};
}

double spacing(const StrokeSample& a, const StrokeSample& b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

} // namespace

TEST(KanjivgPath, AbsoluteRelativeAndRepeatedOperands) {
    auto line = flatten_path("M10,20 l5,0 5,0");
    ASSERT_TRUE(line);
    ASSERT_EQ(line->points.size(), 3u);
    EXPECT_DOUBLE_EQ(line->points[2].x, 20);
    EXPECT_DOUBLE_EQ(line->points[2].y, 20);

    // Two relative cubics written with one command letter; numbers packed without separators.
    auto curve = flatten_path("M0,0c1,0,2,0,3,0 1,0,2,0,3-1.5");
    ASSERT_TRUE(curve);
    EXPECT_DOUBLE_EQ(curve->points.back().x, 6);
    EXPECT_DOUBLE_EQ(curve->points.back().y, -1.5);
}

TEST(KanjivgPath, SmoothCurveReflectsTheLastControlPoint) {
    // The reflected control point of S makes the curve bulge below y = 0 before its end.
    auto line = flatten_path("M0,0C0,10,10,10,10,0S20,-10,20,0");
    ASSERT_TRUE(line);
    EXPECT_DOUBLE_EQ(line->points.back().x, 20);
    double lowest = 0;
    for (const Vec2& p : line->points)
        lowest = std::min(lowest, p.y);
    EXPECT_LT(lowest, -5);
}

TEST(KanjivgPath, MalformedPathsAreRejected) {
    EXPECT_FALSE(flatten_path(""));
    EXPECT_FALSE(flatten_path("M10"));
    EXPECT_FALSE(flatten_path("M0,0 Q1,1,2,2"));
    EXPECT_FALSE(flatten_path("M0,0 c1,x"));
}

TEST(KanjivgPath, PathDataInDocumentOrder) {
    const auto d = svg_path_data(R"(<svg><path id="a" d="M1,1c1,1,1,1,1,1"/><g/>)"
                                 R"(<path id="b" d="M2,2c1,1,1,1,1,1"/><path d="M3,3)");
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[1], "M2,2c1,1,1,1,1,1");
}

TEST(StrokeSampling, EvenSpacingWithExactEnds) {
    auto line = flatten_path("M10,50 L97,50");
    ASSERT_TRUE(line);
    const auto samples = sample_stroke(*line, unit_mapping());
    ASSERT_GE(samples.size(), 14u); // 87 units at about 6 apart
    EXPECT_EQ(samples.front().x, 10);
    EXPECT_EQ(samples.back().x, 97);
    for (size_t i = 1; i < samples.size(); ++i) {
        EXPECT_NEAR(spacing(samples[i - 1], samples[i]), kSampleSpacing, 1.0);
        EXPECT_EQ(samples[i].corner, 0);
    }
}

TEST(StrokeSampling, CornerWhereTheStrokeTurnsNeverAtTheEnds) {
    // Right, then down: one corner near (80, 20). A gentle bend of 30 degrees is no corner.
    auto turn = flatten_path("M20,20 L80,20 L80,80");
    ASSERT_TRUE(turn);
    const auto samples = sample_stroke(*turn, unit_mapping());
    int corners = 0;
    for (size_t i = 0; i < samples.size(); ++i)
        if (samples[i].corner == 1) {
            ++corners;
            EXPECT_NEAR(samples[i].x, 80, 4);
            EXPECT_NEAR(samples[i].y, 20, 4);
        }
    EXPECT_EQ(corners, 1);

    auto bend = flatten_path("M20,20 L80,20 L132,50");
    ASSERT_TRUE(bend);
    for (const StrokeSample& s : sample_stroke(*bend, unit_mapping()))
        EXPECT_EQ(s.corner, 0);

    auto hook = flatten_path("M20,20 L80,20 L79,21");
    ASSERT_TRUE(hook);
    const auto hooked = sample_stroke(*hook, unit_mapping());
    EXPECT_EQ(hooked.back().corner, 0);
    EXPECT_EQ(hooked.front().corner, 0);
}

TEST(StrokeSampling, ExerciseMappingOfDesignCoordinates) {
    EXPECT_EQ(exercise_pixel(255), 214);
    EXPECT_EQ(exercise_pixel(0), 0);
}

TEST(InkDistance, OneDimensionalSquaredDistances) {
    const double far = 1e12;
    const auto d = squared_distance_1d({far, 0, far, far, far, 0});
    EXPECT_EQ(d, (std::vector<double>{1, 0, 1, 4, 1, 0}));
}
