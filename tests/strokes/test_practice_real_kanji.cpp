// Every kanji of the data can be traced: a hand that follows each stroke's own points, a few
// pixels per move and a little unsteady, ends every kanji in success.
#include "kanji_data.h"
#include "screen_fixture.h"
#include "stroke_store.h"
#include "tracer.h"

#include <QStringList>
#include <gtest/gtest.h>

TEST(Tracer, PathRunsFromTheFirstToTheLastPointInSmallSteps) {
    const std::vector<StrokePoint> points{{0, 0, 0}, {10, 0, 0}, {10, 7, 0}};
    const std::vector<BoxPoint> path = pointer_path(points, 3);
    ASSERT_GE(path.size(), 6u);
    EXPECT_EQ(path.front(), (BoxPoint{0, 0}));
    EXPECT_EQ(path.back(), (BoxPoint{10, 7}));
    for (size_t i = 1; i < path.size(); ++i)
        EXPECT_LE(std::abs(path[i].x - path[i - 1].x) + std::abs(path[i].y - path[i - 1].y), 4);
}

class RealKanjiTracing : public ScreenTest {
  protected:
    // Traces every kanji; returns how many end in success and lists the others.
    int trace_all(std::mt19937& random, Jitter jitter, double spacing, QStringList& failures) {
        int complete = 0;
        for (int kanji = 1; kanji <= kKanjiTotal; ++kanji) {
            KanjiData_LoadStrokes(kanji);
            EXPECT_GT(KanjiData_StrokeCount(), 0) << kanji;
            StrokeSet set;
            StrokeSet_Load(set, StrokeScreen::Practice);
            const TraceOutcome out = trace_kanji(set, random, jitter, spacing);
            if (out.complete) {
                ++complete;
                continue;
            }
            failures << QStringLiteral("%1 (stroke %2 at %3,%4): %5")
                            .arg(kanji)
                            .arg(out.stroke + 1)
                            .arg(out.at.x)
                            .arg(out.at.y)
                            .arg(out.verdict);
        }
        return complete;
    }
};

TEST_F(RealKanjiTracing, EveryKanjiEndsInSuccess) {
    std::mt19937 random(20240611);
    QStringList failures;
    const int complete = trace_all(random, Jitter::Walk, 3, failures);
    std::printf("[          ] %d of %d kanji traced to the end\n", complete, kKanjiTotal);
    EXPECT_EQ(complete, kKanjiTotal) << failures.join('\n').toStdString();
}

// Small steps on the line itself: no move along a stroke, hooks included, is taken for a step
// backwards.
TEST_F(RealKanjiTracing, ASteadyHandIsNeverToldItGoesBackwards) {
    for (double spacing : {3.0, 4.0, 5.0}) {
        std::mt19937 random(1);
        int backwards = 0;
        for (int kanji = 1; kanji <= kKanjiTotal; ++kanji) {
            KanjiData_LoadStrokes(kanji);
            StrokeSet set;
            StrokeSet_Load(set, StrokeScreen::Practice);
            const TraceOutcome out = trace_kanji(set, random, Jitter::None, spacing);
            EXPECT_TRUE(out.complete) << kanji << ": " << out.verdict.toStdString();
            backwards += out.backward_moves > 0;
        }
        EXPECT_EQ(backwards, 0) << spacing;
    }
    QStringList failures;
    std::mt19937 random(1);
    EXPECT_EQ(trace_all(random, Jitter::None, 2, failures), kKanjiTotal)
        << failures.join('\n').toStdString();
}
