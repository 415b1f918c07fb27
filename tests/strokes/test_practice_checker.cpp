// The tracing checker: starts, direction, distance from the line, corners, the end of a stroke,
// success, and the end of an attempt; and every kanji of the data traced by a simulated hand.
#include "kanji_data.h"
#include "screen_fixture.h"
#include "sound_cue.h"
#include "stroke_test_support.h"

namespace {

int count_of(const PracticeChecker& c, const QString& text) {
    int n = 0;
    for (int age = 0; age < c.feedback().count(); ++age)
        n += c.feedback().by_age(age).text == text;
    return n;
}

// A horizontal stroke from (20, 100) to (220, 100) sampled every 5 pixels, and a second stroke
// that starts far from it.
StrokeSet long_line() {
    return stroke_set({straight_stroke(20, 100, 1, 0, 41), straight_stroke(40, 200, 1, 0, 10)});
}

// A checker practising the set, with the first stroke started at its first point unless not.
PracticeChecker tracing(const StrokeSet& set, bool started = true) {
    PracticeChecker c;
    c.load_kanji(set);
    c.start_practice();
    if (started) c.press(set.point(0, 0).x, set.point(0, 0).y);
    return c;
}

const QString kFarFromLine = "FATAL: Too far from line", kDone = "WELL DONE: Character complete";

} // namespace

TEST(PracticeChecker, APressStartsTheStrokeOnlyInsideTheSquareAroundItsStart) {
    const StrokeSet set = long_line(); // stroke 1 starts at (20, 100), stroke 2 at (40, 200)
    const QString started = "Started stroke number 1", far = "FATAL: Too far from stroke start";
    const struct {
        int x, y;
        QString verdict;
    } cases[] = {{26, 93, started}, {13, 106, started}, {27, 100, far},
                 {20, 92, far},     {20, 107, far},     {41, 201, "FATAL: Incorrect Stroke Order"}};
    for (const auto& k : cases) {
        PracticeChecker c = tracing(set, false);
        const PracticeEffects fx = c.press(k.x, k.y);
        const bool fatal = k.verdict != started;
        EXPECT_EQ(newest(c), k.verdict) << k.x << "," << k.y;
        EXPECT_EQ(fx.dot, (BoxPoint{k.x, k.y})) << "the press's dot stays drawn";
        EXPECT_EQ(c.practising(), !fatal);
        EXPECT_EQ(fx.cues, fatal ? std::vector<int>{CueWrong} : std::vector<int>{});
        EXPECT_EQ(fx.restart_attention, fatal);
        EXPECT_EQ(c.target_point(), fatal ? 0 : 1);
    }
    // The release of the last stroke happened outside the box, so the box never saw it.
    PracticeChecker d = tracing(stroke_set({straight_stroke(20, 50, 1, 0, 5)}));
    d.press(20, 50);
    EXPECT_EQ(newest(d), "FATAL: Incorrect Stroke Order");
    EXPECT_EQ(d.current_stroke(), 0);
    // Nothing is judged outside practice mode, nor a move or release without a stroke started.
    PracticeChecker idle;
    idle.load_kanji(set);
    for (const PracticeEffects& fx : {idle.press(20, 100), idle.move(25, 100)})
        EXPECT_EQ(fx.cursor, PracticeCursor::Refused);
    EXPECT_EQ(idle.current_stroke(), -1);
    PracticeChecker fresh = tracing(set, false);
    EXPECT_FALSE(fresh.move(30, 100).ink.has_value());
    EXPECT_FALSE(fresh.release(30, 100).feedback_changed);
    EXPECT_TRUE(fresh.practising());
}

TEST(PracticeChecker, TwelvePixelsOffWarnsOnceUntilBackWithinFiveAndThirteenIsFatal) {
    PracticeChecker c = tracing(long_line());
    const QString warning = "Warning: Too far from line";
    for (const auto& [x, y, warnings] : {std::tuple{25, 112, 1},
                                         {30, 112, 1},
                                         {35, 106, 1},
                                         {40, 112, 1},
                                         {45, 105, 1},
                                         {50, 112, 2}}) {
        c.move(x, y); // 12 off warns, 6 does not re-arm the warning, 5 does
        EXPECT_EQ(count_of(c, warning), warnings) << x << "," << y;
    }
    EXPECT_TRUE(c.practising());
    EXPECT_EQ(c.move(55, 113).cues, std::vector<int>{CueWrong});
    EXPECT_EQ(newest(c), kFarFromLine);
    EXPECT_FALSE(c.practising());
}

TEST(PracticeChecker, TargetMovesOnTwoPixelsPastThePointBeforeIt) {
    PracticeChecker c = tracing(long_line()); // target: point 1 at (25, 100)
    // Progress against the 10-pixel chord around the target: 0.4, 0.8; then around point 2.
    for (const auto& [x, target] : {std::pair{21, 1}, {22, 2}, {26, 2}, {27, 3}}) {
        c.move(x, 100);
        EXPECT_EQ(c.target_point(), target) << x;
    }
    EXPECT_EQ(c.backward_moves(), 0);
}

// The count runs from the kanji's load or the last restart: entering practice mode again keeps it.
TEST(PracticeChecker, TheFirstBackwardMoveWarnsAndTheSeventhSinceALoadOrRestartIsFatal) {
    for (bool restart : {false, true}) {
        PracticeChecker c = tracing(long_line());
        c.move(21, 100); // progress 0.4, stays on point 1
        for (int back = 1; back <= 6; ++back) {
            if (back == 4) { // a new round
                restart ? c.restart() : c.start_practice();
                c.press(20, 100);
                c.move(21, 100);
            }
            const int count = restart && back > 3 ? back - 3 : back;
            EXPECT_FALSE(c.move(20, 100).pump); // progress 0: backwards
            EXPECT_EQ(c.backward_moves(), count);
            EXPECT_EQ(c.target_point(), 1);
            // Warned once in each round whose count began at 1.
            EXPECT_EQ(count_of(c, "Warning: Incorrect Direction!"), back <= 3 || restart) << back;
            c.move(21, 100);
        }
        EXPECT_TRUE(c.practising());
        c.move(20, 100);
        EXPECT_EQ(c.practising(), restart);
        EXPECT_EQ(newest(c),
                  restart ? "Warning: Incorrect Direction!" : "FATAL: Incorrect Direction!");
    }
}

TEST(PracticeChecker, PassingACornerBeforeTheLastPointTellsTheTracerAndMarksThePointAfterIt) {
    // Right from (20, 100) to a corner at (35, 100), then down to (35, 130).
    std::vector<StrokePoint> points = straight_stroke(20, 100, 1, 0, 4);
    points[3].corner = 1;
    const StrokeSet line = stroke_set({points});
    for (const StrokePoint& p : straight_stroke(35, 105, 0, 1, 6))
        points.push_back(p);
    const StrokeSet hook = stroke_set({points});
    PracticeChecker c = tracing(hook);
    c.move(27, 100);
    EXPECT_FALSE(c.move(32, 100).corner_pixel.has_value()); // heading for the corner now
    EXPECT_EQ(c.target_point(), 3);
    const PracticeEffects fx = c.move(35, 102); // round it
    EXPECT_EQ(c.target_point(), 4);
    EXPECT_EQ(newest(c), "Change direction now");
    EXPECT_EQ(fx.corner_pixel, (BoxPoint{35, 105}));

    // A fatal move that passes the corner says nothing more.
    PracticeChecker d = tracing(hook);
    d.move(27, 100);
    d.move(32, 100);
    d.move(48, 103); // 13 from the corner, yet past it
    EXPECT_EQ(newest(d), kFarFromLine);
    EXPECT_EQ(d.feedback().count(), 2);

    // A corner on the stroke's last point is never passed.
    PracticeChecker e = tracing(line);
    e.move(27, 100);
    e.move(32, 100);
    e.move(35, 100);
    e.release(35, 100);
    EXPECT_EQ(newest(e), kDone);
    EXPECT_EQ(count_of(e, "Change direction now"), 0);
}

TEST(PracticeChecker, FarTracerCatchesUpWithANearerLaterPoint) {
    PracticeChecker c = tracing(long_line()); // target: point 1 at (25, 100)
    c.move(41, 103);                          // 16 from point 1, 3 from point 4
    EXPECT_EQ(c.target_point(), 5);
    EXPECT_EQ(newest(c), "Started stroke number 1");

    // When the target is the nearest point, the target and the progress stay as they were: the
    // next move is not taken for a step backwards.
    PracticeChecker e = tracing(long_line());
    e.move(23, 108); // 8 from point 1, 10 from point 2: advances past point 1 only
    e.move(22, 101);
    EXPECT_EQ(e.target_point(), 2);
    EXPECT_EQ(e.backward_moves(), 0);

    // When the nearer points run to the stroke's last but one, the target stays.
    PracticeChecker d = tracing(stroke_set({straight_stroke(20, 100, 1, 0, 5)}));
    d.move(36, 100);
    EXPECT_EQ(d.target_point(), 2); // only the ordinary advance from point 1
}

TEST(PracticeChecker, RunningPastTheLastPointWarnsThenEndsTheAttempt) {
    PracticeChecker c = tracing(stroke_set({straight_stroke(90, 100, 1, 0, 3)})); // to (100, 100)
    c.move(97, 100);
    ASSERT_EQ(c.target_point(), 2); // the last point: only its segment is judged now
    c.move(103, 100);               // progress 1.6 against (95, 100) - (100, 100)
    c.move(107, 100);               // 2.4: warned again
    EXPECT_EQ(count_of(c, "Warning: Not too long!"), 2);
    EXPECT_TRUE(c.practising());
    c.move(108, 100); // 2.6
    EXPECT_EQ(newest(c), "FATAL: Line too long");
    EXPECT_FALSE(c.practising());
}

TEST(PracticeChecker, ReleaseCompletesAStrokeWithinFourteenPixelsOfItsEnd) {
    const StrokeSet set = stroke_set({straight_stroke(90, 100, 1, 0, 3)}); // ends at (100, 100)
    const struct {
        int last_move_x, x, y;
        QString verdict;
    } cases[] = {
        {97, 100, 114, kDone},
        {97, 100, 115, "FATAL: Should continue stroke"}, // progress 1.0
        {105, 115, 100, "FATAL: Stroke too long"},       // distance 15, progress 4.0
        {97, 112, 100, kDone},
    };
    for (const auto& k : cases) {
        PracticeChecker c = tracing(set);
        c.move(k.last_move_x, 100);
        const int before = c.feedback().count();
        const PracticeEffects fx = c.release(k.x, k.y);
        EXPECT_EQ(newest(c), k.verdict) << k.x << "," << k.y;
        EXPECT_EQ(fx.cursor, PracticeCursor::Idle);
        if (k.verdict != kDone) {
            EXPECT_EQ(c.feedback().count(), before + 1); // one verdict only
            EXPECT_EQ(fx.finished_through, -1);
        }
    }
}

TEST(PracticeChecker, NoMessageAfterAFatalVerdictWhateverTheTracerDoes) {
    PracticeChecker c = tracing(long_line());
    c.move(25, 120); // 20 off the line
    ASSERT_EQ(newest(c), kFarFromLine);
    const int count = c.feedback().count();
    for (const PracticeEffects& fx :
         {c.move(30, 100), c.release(220, 100), c.press(40, 200), c.move(50, 200)}) {
        EXPECT_EQ(fx.cursor, PracticeCursor::Refused);
        EXPECT_TRUE(fx.cues.empty());
    }
    EXPECT_EQ(c.feedback().count(), count);
}

TEST(PracticeChecker, StrokesOfOneOrTwoPointsCanBeTracedAndOneWithoutPointsCannot) {
    PracticeChecker c = tracing(stroke_set({{{50, 50, 0}}, {{80, 50, 0}, {80, 55, 0}}}));
    c.move(52, 51);
    c.release(51, 50);
    EXPECT_EQ(newest(c), "Stroke number 1 completed");
    c.press(80, 50);
    c.move(80, 53);
    c.move(80, 56);
    c.release(80, 57);
    EXPECT_EQ(newest(c), kDone);
    PracticeChecker d = tracing(stroke_set({{}, straight_stroke(20, 50, 1, 0, 5)}), false);
    d.press(0, 0);
    EXPECT_EQ(newest(d), "FATAL: Too far from stroke start");
}

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
