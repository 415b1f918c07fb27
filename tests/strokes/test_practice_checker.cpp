// The tracing checker: starts, direction, distance from the line, corners, the end of a stroke,
// success, and the end of an attempt; every kanji of the data traced by a simulated hand; and the
// data the X server scripts need.
#include "exercises/exercise_fixture.h"
#include "sound_cue.h"
#include "stroke_test_support.h"

#include <QFile>
#include <QTextStream>
#include <random>

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
        EXPECT_EQ(fx.cues, fatal ? std::vector<int>{CueWrong} : std::vector<int>{});
        EXPECT_EQ(c.target_point(), fatal ? 0 : 1);
    }
    // The release of the last stroke happened outside the box, so the box never saw it.
    PracticeChecker d = tracing(stroke_set({straight_stroke(20, 50, 1, 0, 5)}));
    d.press(20, 50);
    EXPECT_EQ(newest(d), "FATAL: Incorrect Stroke Order");
    EXPECT_EQ(d.current_stroke(), 0);
    // Nothing is judged outside practice mode, nor a move or release without a stroke started,
    // nor after entering practice mode again with a stroke in progress.
    PracticeChecker idle;
    idle.load_kanji(set);
    EXPECT_EQ(idle.press(20, 100).cursor, PracticeCursor::Refused);
    PracticeChecker fresh = tracing(set);
    fresh.leave_practice();
    fresh.start_practice();
    EXPECT_FALSE(fresh.move(30, 100).ink.has_value());
    EXPECT_FALSE(fresh.release(30, 100).feedback_changed);
    EXPECT_TRUE(fresh.practising());
}

TEST(PracticeChecker, TwelvePixelsOffWarnsOnceUntilBackWithinFiveAndThirteenIsFatal) {
    PracticeChecker c = tracing(long_line());
    // 12 off warns, 6 does not re-arm the warning, 5 does.
    const int off[] = {12, 12, 6, 12, 5, 12}, warnings[] = {1, 1, 1, 1, 1, 2};
    for (int i = 0; i < 6; ++i) {
        c.move(25 + 5 * i, 100 + off[i]);
        EXPECT_EQ(count_of(c, "Warning: Too far from line"), warnings[i]) << i;
    }
    EXPECT_TRUE(c.practising());
    EXPECT_EQ(c.move(55, 113).cues, std::vector<int>{CueWrong});
    EXPECT_EQ(newest(c), kFarFromLine);
    EXPECT_FALSE(c.practising());
    // No message after a fatal verdict, whatever the tracer does.
    for (const PracticeEffects& fx : {c.move(30, 100), c.release(220, 100), c.press(40, 200)})
        EXPECT_EQ(fx.cursor, PracticeCursor::Refused);
    EXPECT_EQ(newest(c), kFarFromLine);
    EXPECT_EQ(count_of(c, kFarFromLine), 1);
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

// A stroke of one point ends where it starts; a stroke without points cannot be started.
TEST(PracticeChecker, StrokesOfOneOrTwoPointsCanBeTracedAndOneWithoutPointsCannot) {
    PracticeChecker c = tracing(stroke_set({{{50, 50, 0}}, {{80, 50, 0}, {80, 55, 0}}}));
    c.release(51, 50);
    c.press(80, 50);
    c.move(80, 56);
    c.release(80, 57);
    EXPECT_EQ(newest(c), kDone);
    PracticeChecker d = tracing(stroke_set({{}, straight_stroke(20, 50, 1, 0, 5)}), false);
    d.press(0, 0);
    EXPECT_EQ(newest(d), "FATAL: Too far from stroke start");
}

// Traces every stroke of the set in order with a checker in practice mode: a hand presses at each
// stroke's start, moves `spacing` pixels at a time along its points and releases at its end; an
// unsteady one drifts from the line by at most 1 pixel per move, within 2 (from a seeded random).
static PracticeChecker trace_kanji(const StrokeSet& set, double spacing, std::mt19937* unsteady) {
    PracticeChecker c;
    c.load_kanji(set);
    c.start_practice();
    int dx = 0, dy = 0; // the hand's offset from the line
    const auto place = [&](BoxPoint p) {
        if (!unsteady) return p;
        dx = std::clamp(dx + std::uniform_int_distribution<int>(-1, 1)(*unsteady), -2, 2);
        dy = std::clamp(dy + std::uniform_int_distribution<int>(-1, 1)(*unsteady), -2, 2);
        return BoxPoint{p.x + dx, p.y + dy};
    };
    for (int s = 0; s < set.stroke_count() && c.practising(); ++s) {
        const std::vector<BoxPoint> path = pointer_path(set.stroke(s), spacing);
        BoxPoint at = place(path.front());
        c.press(at.x, at.y);
        for (size_t i = 1; i < path.size() && c.practising(); ++i) {
            at = place(path[i]);
            c.move(at.x, at.y);
        }
        c.release(at.x, at.y);
    }
    return c;
}

class RealKanjiTracing : public ScreenTest {};

// An unsteady hand 3 pixels a step, and a steady one 2 to 5 pixels a step, end every kanji in
// success; the steady one, 3 to 5 pixels a step, is never told it goes backwards.
TEST_F(RealKanjiTracing, EveryKanjiEndsInSuccessWithoutABackwardMoveFromASteadyHand) {
    for (const auto& [steady, spacing] :
         {std::pair{false, 3.0}, {true, 2.0}, {true, 3.0}, {true, 4.0}, {true, 5.0}}) {
        std::mt19937 random(20240611);
        QStringList failures, backwards;
        for (int kanji = 1; kanji <= kKanjiTotal; ++kanji) {
            const PracticeChecker c =
                trace_kanji(strokes_of(kanji), spacing, steady ? nullptr : &random);
            if (newest(c) != kDone) failures << QString::number(kanji) + ": " + newest(c);
            if (steady && spacing > 2 && c.backward_moves() > 0)
                backwards << QString::number(kanji);
        }
        EXPECT_TRUE(failures.isEmpty()) << spacing << ":\n" << failures.join('\n').toStdString();
        EXPECT_TRUE(backwards.isEmpty()) << spacing << ": " << backwards.join(' ').toStdString();
    }
}

// Not a check of its own: writes what the X server scripts (tests/e2e/*_x11.sh) need to click and
// trace like a user: where each stroke starts in the stroke order exercise's display (for the
// kanji BRUSHWISE_E2E_KANJI lists), a 20-stroke kanji that a steady hand traces to success with
// the pointer's path along its strokes, and a kanji whose meaning is too long for its
// multiple-choice row. Skipped unless BRUSHWISE_E2E_DATA names the file to write.
class X11ScriptData : public ScreenTest {};

TEST_F(X11ScriptData, WritesWhatTheScriptsNeed) {
    const QString path = qEnvironmentVariable("BRUSHWISE_E2E_DATA");
    if (path.isEmpty()) GTEST_SKIP() << "run by the X server scripts";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QTextStream out(&file);
    const auto points_line = [&](const QString& head, const std::vector<BoxPoint>& points) {
        out << head;
        for (const BoxPoint& p : points)
            out << ' ' << p.x << ' ' << p.y;
        out << '\n';
    };
    for (const QString& word :
         qEnvironmentVariable("BRUSHWISE_E2E_KANJI").split(' ', Qt::SkipEmptyParts)) {
        const StrokeStarts starts = starts_of(word.toInt(), StrokeScreen::Exercise);
        std::vector<BoxPoint> points;
        for (int i = 0; i < starts.stroke_count(); ++i)
            points.push_back({starts.start(i).x, starts.start(i).y});
        points_line(QStringLiteral("starts ") + word, points);
    }
    constexpr double kPathSpacing = 4; // pixels between pointer positions
    int twenty = 1;
    for (; twenty <= kKanjiTotal; ++twenty)
        if (strokes_of(twenty).stroke_count() == 20 &&
            newest(trace_kanji(strokes_of(twenty), kPathSpacing, nullptr)) == kDone)
            break;
    ASSERT_LE(twenty, kKanjiTotal);
    out << "twenty " << twenty << '\n';
    const StrokeSet set = strokes_of(twenty);
    for (int s = 0; s < set.stroke_count(); ++s)
        points_line(QStringLiteral("path %1").arg(s), pointer_path(set.stroke(s), kPathSpacing));
    const int wrong = apart_stroke(set);
    ASSERT_GT(wrong, 0);
    out << "wrong " << wrong << ' ' << set.point(wrong, 0).x << ' ' << set.point(wrong, 0).y
        << '\n';
    out << "long " << kanji_with_meaning_wider_than(400) << '\n';
}
