// Every kanji of the data can be traced: a hand that follows each stroke's own points, a few
// pixels per move and a little unsteady, ends every kanji in success; a steady hand on the line
// itself, hooks included, is never told it goes backwards.
#include "kanji_data.h"
#include "screen_fixture.h"
#include "stroke_test_support.h"

#include <QStringList>
#include <gtest/gtest.h>

class RealKanjiTracing : public ScreenTest {};

TEST_F(RealKanjiTracing, EveryKanjiEndsInSuccessWithoutABackwardMoveFromASteadyHand) {
    // A steady hand 3 to 5 pixels a step is never told it goes backwards; 2 pixels a step only
    // has to finish.
    const struct {
        Jitter jitter;
        double spacing;
        bool never_backwards;
    } hands[] = {{Jitter::Walk, 3, false},
                 {Jitter::None, 2, false},
                 {Jitter::None, 3, true},
                 {Jitter::None, 4, true},
                 {Jitter::None, 5, true}};
    for (const auto& hand : hands) {
        std::mt19937 random(20240611);
        QStringList failures, backwards;
        for (int kanji = 1; kanji <= kKanjiTotal; ++kanji) {
            const StrokeSet set = strokes_of(kanji);
            ASSERT_GT(set.stroke_count(), 0) << kanji;
            const TraceOutcome out = trace_kanji(set, random, hand.jitter, hand.spacing);
            if (!out.complete)
                failures << QStringLiteral("%1 (stroke %2 at %3,%4): %5")
                                .arg(kanji)
                                .arg(out.stroke + 1)
                                .arg(out.at.x)
                                .arg(out.at.y)
                                .arg(out.verdict);
            if (hand.never_backwards && out.backward_moves > 0) backwards << QString::number(kanji);
        }
        EXPECT_TRUE(failures.isEmpty()) << hand.spacing << ":\n"
                                        << failures.join('\n').toStdString();
        EXPECT_TRUE(backwards.isEmpty())
            << hand.spacing << ": " << backwards.join(' ').toStdString();
    }
}
