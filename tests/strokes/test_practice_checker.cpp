// The tracing checker: starts, direction, distance from the line, corners, the end of a stroke,
// success, and the end of an attempt.
#include "practice_checker.h"
#include "sound_cue.h"
#include "stroke_test_support.h"

#include <gtest/gtest.h>

namespace {

// The newest message first.
QStringList texts(const PracticeChecker& c) {
    QStringList out;
    for (int age = 0; age < c.feedback().count(); ++age)
        out << c.feedback().by_age(age).text;
    return out;
}

// A horizontal stroke from (20, 100) to (220, 100) sampled every 5 pixels, and a second stroke
// that starts far from it.
StrokeSet long_line() {
    return stroke_set({straight_stroke(20, 100, 1, 0, 41), straight_stroke(40, 200, 1, 0, 10)});
}

// A checker practising the set; tracing: with the first stroke started at its first point.
PracticeChecker practising(const StrokeSet& set) {
    PracticeChecker c;
    c.load_kanji(set);
    c.start_practice();
    return c;
}
PracticeChecker tracing(const StrokeSet& set) {
    PracticeChecker c = practising(set);
    c.press(set.point(0, 0).x, set.point(0, 0).y);
    return c;
}

} // namespace

TEST(PracticeChecker, APressStartsTheStrokeOnlyInsideTheSquareAroundItsStart) {
    const StrokeSet set = long_line(); // stroke 1 starts at (20, 100), stroke 2 at (40, 200)
    const QString started = "Started stroke number 1", far = "FATAL: Too far from stroke start";
    const struct {
        int x, y;
        QString verdict;
    } cases[] = {{26, 93, started},
                 {13, 106, started},
                 {13, 93, started},
                 {27, 100, far},
                 {20, 92, far},
                 {20, 107, far},
                 {41, 201, "FATAL: Incorrect Stroke Order"}};
    for (const auto& k : cases) {
        PracticeChecker c = practising(set);
        const PracticeEffects fx = c.press(k.x, k.y);
        const bool fatal = k.verdict != started;
        EXPECT_EQ(newest(c), k.verdict) << k.x << "," << k.y;
        EXPECT_EQ(fx.dot, (BoxPoint{k.x, k.y})) << "the press's dot stays drawn";
        EXPECT_EQ(c.current_stroke(), 0);
        EXPECT_EQ(c.practising(), !fatal);
        EXPECT_EQ(fx.cues, fatal ? std::vector<int>{CueWrong} : std::vector<int>{});
        EXPECT_EQ(fx.restart_attention, fatal);
        EXPECT_EQ(c.target_point(), fatal ? 0 : 1);
    }
    // The release of the last stroke happened outside the box, so the box never saw it.
    PracticeChecker d = tracing(stroke_set({straight_stroke(20, 50, 1, 0, 5)}));
    EXPECT_EQ(d.press(20, 50).cues, std::vector<int>{CueWrong});
    EXPECT_EQ(newest(d), "FATAL: Incorrect Stroke Order");
    EXPECT_EQ(d.current_stroke(), 0);
    EXPECT_FALSE(d.practising());
}

TEST(PracticeChecker, NothingIsJudgedOutsidePracticeModeOrWithoutAStrokeInProgress) {
    PracticeChecker c;
    c.load_kanji(long_line());
    for (const PracticeEffects& fx : {c.press(20, 100), c.move(25, 100), c.release(25, 100)}) {
        EXPECT_EQ(fx.cursor, PracticeCursor::Refused);
        EXPECT_FALSE(fx.dot || fx.ink || fx.feedback_changed);
    }
    EXPECT_EQ(c.current_stroke(), -1);
    c.start_practice();
    const PracticeEffects move = c.move(30, 100);
    EXPECT_FALSE(move.ink.has_value());
    EXPECT_EQ(move.cursor, PracticeCursor::Unchanged);
    EXPECT_FALSE(c.release(30, 100).feedback_changed);
    EXPECT_EQ(c.feedback().count(), 0);
    EXPECT_TRUE(c.practising());
}

TEST(PracticeChecker, TwelvePixelsOffWarnsOnceUntilBackWithinFiveAndThirteenIsFatal) {
    PracticeChecker c = tracing(long_line());
    auto warnings = [&] { return int(texts(c).count("Warning: Too far from line")); };

    PracticeEffects fx = c.move(25, 112); // 12 from point 1
    EXPECT_EQ(warnings(), 1);
    EXPECT_EQ(c.feedback().by_age(0).severity, SeverityWarning);
    EXPECT_TRUE(fx.ink.has_value());
    EXPECT_TRUE(fx.pump);
    c.move(30, 112); // 12 again: warned already
    c.move(35, 106); // 6: does not re-arm
    c.move(40, 112);
    EXPECT_EQ(warnings(), 1);
    c.move(45, 105); // 5: re-arms
    c.move(50, 112);
    EXPECT_EQ(warnings(), 2);
    EXPECT_TRUE(c.practising());
    fx = c.move(55, 113); // 13
    EXPECT_EQ(newest(c), "FATAL: Too far from line");
    EXPECT_EQ(fx.cues, std::vector<int>{CueWrong});
    EXPECT_FALSE(c.practising());
}

TEST(PracticeChecker, TargetMovesOnTwoPixelsPastThePointBeforeIt) {
    PracticeChecker c = tracing(long_line()); // target: point 1 at (25, 100)
    c.move(21, 100);                          // progress 0.4 against the 10-pixel chord
    EXPECT_EQ(c.target_point(), 1);
    c.move(22, 100); // 0.8
    EXPECT_EQ(c.target_point(), 2);
    c.move(26, 100); // 0.4 against the chord from point 1 to point 3
    EXPECT_EQ(c.target_point(), 2);
    c.move(27, 100);
    EXPECT_EQ(c.target_point(), 3);
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
            const int before = c.feedback().count(), count = restart && back > 3 ? back - 3 : back;
            const PracticeEffects fx = c.move(20, 100); // progress 0: backwards
            EXPECT_EQ(c.backward_moves(), count);
            EXPECT_FALSE(fx.pump);
            EXPECT_EQ(c.target_point(), 1);
            EXPECT_EQ(c.feedback().count(), count == 1 ? before + 1 : before) << back;
            if (count == 1) {
                EXPECT_EQ(newest(c), "Warning: Incorrect Direction!");
            }
            c.move(21, 100);
        }
        EXPECT_TRUE(c.practising());
        c.move(20, 100);
        EXPECT_EQ(c.practising(), restart);
        EXPECT_EQ(newest(c),
                  restart ? "Warning: Incorrect Direction!" : "FATAL: Incorrect Direction!");
    }
}

namespace {

// Right from (20, 100) to a corner at (35, 100), then down to (35, 130).
StrokeSet hook() {
    std::vector<StrokePoint> points = straight_stroke(20, 100, 1, 0, 4);
    points[3].corner = 1;
    for (const StrokePoint& p : straight_stroke(35, 105, 0, 1, 6))
        points.push_back(p);
    return stroke_set({points});
}

} // namespace

TEST(PracticeChecker, PassingACornerBeforeTheLastPointTellsTheTracerAndMarksThePointAfterIt) {
    PracticeChecker c = tracing(hook());
    c.move(27, 100);
    PracticeEffects fx = c.move(32, 100); // heading for the corner now
    EXPECT_EQ(c.target_point(), 3);
    EXPECT_FALSE(fx.corner_pixel.has_value());
    fx = c.move(35, 102); // round it
    EXPECT_EQ(c.target_point(), 4);
    EXPECT_EQ(newest(c), "Change direction now");
    EXPECT_EQ(c.feedback().by_age(0).severity, SeverityWarning);
    ASSERT_TRUE(fx.corner_pixel.has_value());
    EXPECT_EQ(*fx.corner_pixel, (BoxPoint{35, 105}));
    EXPECT_TRUE(fx.repaint_box);

    // A fatal move that passes the corner says nothing more.
    PracticeChecker d = tracing(hook());
    d.move(27, 100);
    d.move(32, 100);
    ASSERT_EQ(d.target_point(), 3); // the corner
    d.move(48, 103);                // 13 from the corner, yet past it
    EXPECT_EQ(newest(d), "FATAL: Too far from line");
    EXPECT_EQ(d.feedback().count(), 2);

    // A corner on the stroke's last point is never passed.
    std::vector<StrokePoint> line = straight_stroke(20, 100, 1, 0, 4);
    line[3].corner = 1;
    PracticeChecker e = tracing(stroke_set({line}));
    e.move(27, 100);
    fx = e.move(32, 100);
    EXPECT_EQ(e.target_point(), 3);
    EXPECT_FALSE(fx.corner_pixel.has_value());
    e.move(35, 100);
    e.release(35, 100);
    EXPECT_EQ(newest(e), "WELL DONE: Character complete");
    EXPECT_FALSE(texts(e).contains("Change direction now"));
}

TEST(PracticeChecker, FarTracerCatchesUpWithANearerLaterPoint) {
    PracticeChecker c = tracing(long_line()); // target: point 1 at (25, 100)
    c.move(41, 103);                          // 16 from point 1, 3 from point 4
    EXPECT_EQ(c.target_point(), 5);
    EXPECT_TRUE(c.practising());
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
    EXPECT_EQ(newest(c), "Warning: Not too long!");
    c.move(107, 100); // 2.4: warned again
    EXPECT_EQ(texts(c).count("Warning: Not too long!"), 2);
    EXPECT_TRUE(c.practising());
    c.move(108, 100); // 2.6
    EXPECT_EQ(newest(c), "FATAL: Line too long");
    EXPECT_FALSE(c.practising());
}

TEST(PracticeChecker, ReleaseCompletesAStrokeWithinFourteenPixelsOfItsEnd) {
    const StrokeSet set = stroke_set({straight_stroke(90, 100, 1, 0, 3)}); // ends at (100, 100)
    struct Case {
        int last_move_x, x, y;
        const char* verdict;
    } cases[] = {
        {97, 100, 114, "WELL DONE: Character complete"},
        {97, 100, 115, "FATAL: Should continue stroke"}, // progress 1.0
        {105, 115, 100, "FATAL: Stroke too long"},       // distance 15, progress 4.0
        {97, 112, 100, "WELL DONE: Character complete"},
    };
    for (const Case& k : cases) {
        PracticeChecker c = tracing(set);
        c.move(k.last_move_x, 100);
        const int before = c.feedback().count();
        const PracticeEffects fx = c.release(k.x, k.y);
        EXPECT_EQ(newest(c), k.verdict) << k.x << "," << k.y;
        EXPECT_EQ(fx.cursor, PracticeCursor::Idle);
        EXPECT_FALSE(c.stroke_in_progress());
        if (QString(k.verdict).startsWith("FATAL")) {
            EXPECT_EQ(c.feedback().count(), before + 1); // one verdict only
            EXPECT_EQ(fx.finished_through, -1);
        }
    }
}

TEST(PracticeChecker, NoMessageAfterAFatalVerdictWhateverTheTracerDoes) {
    PracticeChecker c = tracing(long_line());
    c.move(25, 120); // 20 off the line
    ASSERT_EQ(newest(c), "FATAL: Too far from line");
    const int count = c.feedback().count();
    for (const PracticeEffects& fx :
         {c.move(30, 100), c.release(220, 100), c.press(40, 200), c.move(50, 200)}) {
        EXPECT_EQ(fx.cursor, PracticeCursor::Refused);
        EXPECT_TRUE(fx.cues.empty());
    }
    EXPECT_EQ(c.feedback().count(), count);
    EXPECT_EQ(c.current_stroke(), 0);
}

TEST(PracticeChecker, StrokesOfOneOrTwoPointsCanBeTracedAndOneWithoutPointsCannot) {
    const StrokeSet set = stroke_set({{{50, 50, 0}}, {{80, 50, 0}, {80, 55, 0}}});
    PracticeChecker c = tracing(set);
    c.move(52, 51);
    c.release(51, 50);
    EXPECT_EQ(newest(c), "Stroke number 1 completed");
    c.press(80, 50);
    c.move(80, 53);
    c.move(80, 56);
    c.release(80, 57);
    EXPECT_EQ(newest(c), "WELL DONE: Character complete");
    PracticeChecker d = practising(stroke_set({{}, straight_stroke(20, 50, 1, 0, 5)}));
    d.press(0, 0);
    EXPECT_EQ(newest(d), "FATAL: Too far from stroke start");
    EXPECT_EQ(d.release(0, 0).cursor, PracticeCursor::Refused);
}
