// Every kanji of the data can be traced: a hand that follows each stroke's own points, a few
// pixels per move and a little unsteady, ends every kanji in success; a steady hand on the line
// itself, hooks included, 3 to 5 pixels a step, is never told it goes backwards (2 pixels a step
// only has to finish).
#include "kanji_data.h"
#include "screen_fixture.h"
#include "stroke_test_support.h"

#include <gtest/gtest.h>

class RealKanjiTracing : public ScreenTest {};

TEST_F(RealKanjiTracing, EveryKanjiEndsInSuccessWithoutABackwardMoveFromASteadyHand) {
    for (const auto& [jitter, spacing] : {std::pair{Jitter::Walk, 3.0},
                                          {Jitter::None, 2.0},
                                          {Jitter::None, 3.0},
                                          {Jitter::None, 4.0},
                                          {Jitter::None, 5.0}}) {
        std::mt19937 random(20240611);
        QStringList failures, backwards;
        for (int kanji = 1; kanji <= kKanjiTotal; ++kanji) {
            const TraceOutcome out = trace_kanji(strokes_of(kanji), random, jitter, spacing);
            if (!out.complete)
                failures << QStringLiteral("%1 (stroke %2): %3")
                                .arg(kanji)
                                .arg(out.stroke + 1)
                                .arg(out.verdict);
            if (jitter == Jitter::None && spacing > 2 && out.backward_moves > 0)
                backwards << QString::number(kanji);
        }
        EXPECT_TRUE(failures.isEmpty()) << spacing << ":\n" << failures.join('\n').toStdString();
        EXPECT_TRUE(backwards.isEmpty()) << spacing << ": " << backwards.join(' ').toStdString();
    }
}
