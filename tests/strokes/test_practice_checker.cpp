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

QString newest(const PracticeChecker& c) {
    return c.feedback().count() ? c.feedback().by_age(0).text : QString();
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

TEST(PracticeChecker, PressStartsAStrokeOnlyInsideTheSquareAroundItsStart) {
    const StrokeSet set = long_line(); // stroke 1 starts at (20, 100)
    struct Case {
        int x, y;
        bool starts;
    } cases[] = {{26, 93, true},   {13, 106, true}, {13, 93, true},
                 {27, 100, false}, {20, 92, false}, {20, 107, false}};
    for (const Case& k : cases) {
        PracticeChecker c = practising(set);
        const PracticeEffects fx = c.press(k.x, k.y);
        ASSERT_TRUE(fx.dot.has_value());
        EXPECT_EQ(fx.dot->x, k.x);
        EXPECT_EQ(c.current_stroke(), 0);
        if (k.starts) {
            EXPECT_EQ(newest(c), "Started stroke number 1") << k.x << "," << k.y;
            EXPECT_EQ(c.target_point(), 1);
            EXPECT_TRUE(c.practising());
        } else {
            EXPECT_EQ(newest(c), "FATAL: Too far from stroke start") << k.x << "," << k.y;
            EXPECT_FALSE(c.practising());
        }
    }
}

TEST(PracticeChecker, PressOnAnotherStrokesStartOrOnceAllAreStartedIsTheWrongOrder) {
    PracticeChecker c = practising(long_line());
    const PracticeEffects fx = c.press(41, 201); // the start of stroke 2
    EXPECT_EQ(newest(c), "FATAL: Incorrect Stroke Order");
    EXPECT_EQ(c.feedback().by_age(0).severity, SeverityFatal);
    EXPECT_EQ(fx.cues, std::vector<int>{CueWrong});
    EXPECT_TRUE(fx.restart_enabled);
    EXPECT_TRUE(fx.restart_attention);
    EXPECT_TRUE(fx.dot.has_value()); // the press's dot stays drawn
    EXPECT_FALSE(c.practising());
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

TEST(PracticeChecker, FirstBackwardMoveWarnsAndTheSeventhIsFatal) {
    PracticeChecker c = tracing(long_line());
    c.move(21, 100); // progress 0.4, stays on point 1
    for (int back = 1; back <= 6; ++back) {
        const int before = c.feedback().count();
        const PracticeEffects fx = c.move(20, 100); // progress 0: backwards
        EXPECT_EQ(c.backward_moves(), back);
        EXPECT_FALSE(fx.pump);
        EXPECT_EQ(c.target_point(), 1);
        EXPECT_EQ(c.feedback().count(), back == 1 ? before + 1 : before) << back;
        c.move(21, 100);
    }
    EXPECT_EQ(texts(c).count("Warning: Incorrect Direction!"), 1);
    EXPECT_TRUE(c.practising());
    c.move(20, 100);
    EXPECT_EQ(newest(c), "FATAL: Incorrect Direction!");
    EXPECT_FALSE(c.practising());
}

TEST(PracticeChecker, BackwardMovesCountAcrossRoundsUntilARestart) {
    for (bool restart : {false, true}) {
        PracticeChecker c = tracing(long_line());
        c.move(21, 100);
        for (int i = 0; i < 3; ++i) {
            c.move(20, 100);
            c.move(21, 100);
        }
        // A new round: entering practice mode again keeps the count, a restart clears it.
        if (restart)
            c.restart();
        else
            c.start_practice();
        c.press(20, 100);
        c.move(21, 100);
        for (int i = 0; i < 4; ++i) {
            c.move(20, 100);
            c.move(21, 100);
        }
        EXPECT_EQ(c.backward_moves(), restart ? 4 : 7);
        EXPECT_EQ(c.practising(), restart) << restart;
    }
    // Leaving practice refuses presses; entering again clears the messages and the stroke in
    // progress; another kanji clears the count too.
    PracticeChecker c = tracing(long_line());
    c.move(21, 100);
    c.move(20, 100);
    c.leave_practice();
    EXPECT_FALSE(c.practice_mode());
    EXPECT_EQ(c.press(20, 100).cursor, PracticeCursor::Refused);
    c.start_practice();
    EXPECT_EQ(c.feedback().count(), 0);
    EXPECT_EQ(c.current_stroke(), -1);
    EXPECT_EQ(c.backward_moves(), 1);
    c.load_kanji(long_line());
    EXPECT_EQ(c.backward_moves(), 0);
    EXPECT_FALSE(c.practising());
    EXPECT_FALSE(c.practice_mode());
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

TEST(PracticeChecker, PassingACornerTellsTheTracerAndMarksThePointAfterIt) {
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
}

TEST(PracticeChecker, ApproachingTheCornerOfAHookIsNotABackwardMove) {
    // Down to a corner at (100, 130), then sharply back up to the right.
    std::vector<StrokePoint> points = straight_stroke(100, 100, 0, 1, 7);
    points[6].corner = 1;
    for (int i = 1; i <= 4; ++i)
        points.push_back({100 + 4 * i, 130 - 3 * i, 0});
    PracticeChecker c = tracing(stroke_set({points}));
    for (int y = 102; y <= 130; y += 2)
        c.move(100, y);
    EXPECT_EQ(c.backward_moves(), 0);
    for (int i = 1; i <= 8; ++i)
        c.move(100 + 2 * i, 130 - (3 * i) / 2);
    c.release(116, 118);
    EXPECT_EQ(c.backward_moves(), 0);
    EXPECT_TRUE(texts(c).contains("Change direction now"));
    EXPECT_EQ(newest(c), "WELL DONE: Character complete");
}

TEST(PracticeChecker, ACornerOnTheLastPointIsNotSkippedPast) {
    std::vector<StrokePoint> line = straight_stroke(20, 100, 1, 0, 4);
    line[3].corner = 1;
    PracticeChecker c = tracing(stroke_set({line}));
    c.move(27, 100);
    const PracticeEffects fx = c.move(32, 100);
    EXPECT_EQ(c.target_point(), 3);
    EXPECT_FALSE(fx.corner_pixel.has_value());
    EXPECT_FALSE(texts(c).contains("Change direction now"));
    c.move(35, 100);
    c.release(35, 100);
    EXPECT_EQ(newest(c), "WELL DONE: Character complete");
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

TEST(PracticeChecker, CompletingTheLastStrokeSucceedsWithCueSevenThenOne) {
    const StrokeSet set = stroke_set({straight_stroke(20, 50, 1, 0, 5),   // to (40, 50)
                                      straight_stroke(20, 90, 0, 1, 5)}); // to (20, 110)
    PracticeChecker c = tracing(set);
    c.move(30, 50);
    PracticeEffects fx = c.release(40, 50);
    EXPECT_EQ(fx.finished_through, 0);
    EXPECT_EQ(fx.cues, std::vector<int>{CueRight});
    EXPECT_EQ(newest(c), "Stroke number 1 completed");
    EXPECT_TRUE(c.practising());

    c.press(20, 90);
    c.move(20, 100);
    fx = c.release(20, 110);
    EXPECT_EQ(fx.finished_through, 1);
    EXPECT_EQ(fx.cues, (std::vector<int>{CueRight, CueComplete}));
    EXPECT_TRUE(fx.restart_enabled);
    EXPECT_FALSE(fx.restart_attention);
    EXPECT_FALSE(c.practising());
    const auto lines = feedback_lines(c.feedback());
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, "WELL DONE: Character complete");
    EXPECT_EQ(lines[0].colour, RGB(0, 0, 255));
    EXPECT_TRUE(lines[0].bold);
    EXPECT_EQ(lines[1].text, "Stroke number 2 completed");
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

TEST(PracticeChecker, SixteenMessagesKeepFifteenWithTheOldestFadedToTheBackground) {
    StrokeSet set;
    for (int s = 0; s < 10; ++s)
        set.add_stroke(straight_stroke(20, 20 + 20 * s, 1, 0, 3)); // 10 pixels long
    PracticeChecker c = practising(set);
    for (int s = 0; s < 8; ++s) { // two messages per stroke
        c.press(20, 20 + 20 * s);
        c.release(30, 20 + 20 * s);
    }
    EXPECT_EQ(c.feedback().count(), 15);
    const auto lines = feedback_lines(c.feedback());
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines.front().text, "Stroke number 8 completed");
    EXPECT_EQ(lines.back().text, "Stroke number 1 completed"); // "Started stroke number 1" gone
    EXPECT_EQ(lines.back().colour, RGB(228, 228, 228));
    EXPECT_EQ(lines.back().y, 28 + 14 * 15);
    EXPECT_NE(lines[13].colour, RGB(228, 228, 228));
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
