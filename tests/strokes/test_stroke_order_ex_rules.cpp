// The stroke order exercise's rules without a window: the hit square and Show Answer. (The
// states, cues and scores of each click are checked through the window.)
#include "sound_cue.h"
#include "stroke_order_ex_rules.h"

#include <gtest/gtest.h>

namespace {

StrokeStarts starts_at(std::initializer_list<QPoint> points) {
    StrokeStarts starts;
    for (QPoint p : points)
        starts.add({p.x(), p.y(), p.x(), p.y() + 10});
    return starts;
}

TEST(StrokeOrderRules, TheHitSquareTakesItsLeftAndTopEdgesOnly) {
    const StrokeStart s{100, 60, 100, 70};
    struct Case {
        int dx, dy;
        bool hit;
    };
    for (const Case& c : {Case{0, 0, true}, Case{14, -15, true}, Case{-15, 14, true},
                          Case{-15, -15, true}, Case{14, 14, true}, Case{15, 0, false},
                          Case{0, 15, false}, Case{-16, 0, false}, Case{0, -16, false}})
        EXPECT_EQ(stroke_start_hit(s, s.x + c.dx, s.y + c.dy), c.hit) << c.dx << "," << c.dy;
}

// The window disables Show Answer once the starts are all found; the rule itself refuses too.
TEST(StrokeOrderRules, ShowAnswerEndsOnlyAnOpenQuestion) {
    const StrokeStarts starts = starts_at({{50, 50}, {150, 50}});
    StrokeOrderQuestion q;
    StrokeOrderEx_Judge(q, starts, 50, 50, false);
    StrokeOrderEx_Judge(q, starts, 150, 50, false);
    ASSERT_EQ(q.state, StrokeOrderComplete);
    EXPECT_FALSE(StrokeOrderEx_Reveal(q, 2, true));
    EXPECT_EQ(q.state, StrokeOrderComplete);
    EXPECT_TRUE(q.first_attempt);
    StrokeOrderQuestion missed;
    StrokeOrderEx_Judge(missed, starts, 150, 50, false);
    EXPECT_TRUE(StrokeOrderEx_Reveal(missed, 2, true));
    EXPECT_EQ(missed.state, StrokeOrderAllShown);
    EXPECT_EQ(missed.found, 2);
}

} // namespace
