// The stroke order exercise's rules without a window: the hit square, the states a click leads
// to and what it scores, and Show Answer.
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

TEST(StrokeOrderRules, HitsBeforeTheFirstMissScoreAndTheLastStartEndsTheQuestion) {
    const StrokeStarts starts = starts_at({{50, 50}, {150, 50}, {100, 150}});
    StrokeOrderQuestion q;
    StrokeOrderClick c = StrokeOrderEx_Judge(q, starts, 50, 50, false);
    EXPECT_TRUE(c.hit && c.write_slot && !c.complete);
    EXPECT_EQ(c.cue, CueRight);
    EXPECT_EQ(q.state, StrokeOrderFound);
    EXPECT_TRUE(q.first_attempt) << "a hit keeps the first attempt";
    c = StrokeOrderEx_Judge(q, starts, 150, 50, false);
    EXPECT_TRUE(c.write_slot);
    c = StrokeOrderEx_Judge(q, starts, 100, 150, false);
    EXPECT_TRUE(c.complete && c.write_slot);
    EXPECT_EQ(c.cue, CueComplete);
    EXPECT_EQ(q.state, StrokeOrderComplete);
    c = StrokeOrderEx_Judge(q, starts, 10, 10, false);
    EXPECT_FALSE(c.judged || c.reset_scores) << "nothing is judged once every start is found";
    EXPECT_EQ(q.state, StrokeOrderComplete);
}

TEST(StrokeOrderRules, AMissOrShowAnswerDecidesHowTheQuestionEnds) {
    const StrokeStarts starts = starts_at({{50, 50}, {150, 50}});
    struct Case {
        bool miss;
        bool last;
        int state;
    };
    for (const Case& c :
         {Case{false, false, StrokeOrderComplete}, Case{false, true, StrokeOrderCompleteLast},
          Case{true, false, StrokeOrderDone}, Case{true, true, StrokeOrderDoneLast}}) {
        StrokeOrderQuestion q;
        if (c.miss) {
            const StrokeOrderClick m = StrokeOrderEx_Judge(q, starts, 150, 50, c.last);
            EXPECT_TRUE(m.reset_scores && !m.write_slot);
            EXPECT_EQ(q.state, StrokeOrderMissed);
        }
        EXPECT_EQ(StrokeOrderEx_Judge(q, starts, 50, 50, c.last).write_slot, !c.miss);
        StrokeOrderEx_Judge(q, starts, 150, 50, c.last);
        EXPECT_EQ(q.state, c.state) << c.miss << c.last;
        EXPECT_FALSE(StrokeOrderEx_Reveal(q, 2, false)) << "nothing left to show";
    }
    StrokeOrderQuestion q;
    StrokeOrderEx_Judge(q, starts, 50, 50, false);
    EXPECT_TRUE(StrokeOrderEx_Reveal(q, 2, true));
    EXPECT_EQ(q.state, StrokeOrderAllShown);
    EXPECT_EQ(q.found, 2);
    EXPECT_FALSE(q.first_attempt);
    StrokeOrderQuestion early;
    EXPECT_TRUE(StrokeOrderEx_Reveal(early, 2, false));
    EXPECT_EQ(early.state, StrokeOrderDone);
}

} // namespace
