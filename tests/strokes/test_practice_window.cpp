// The stroke order practice window over the exercises' stand-in main window, traced with mouse
// events through its box; its animation runs on a clock that never sleeps. Last, the data the X
// server scripts need.
#include "button.h"
#include "exercise_counter.h"
#include "exercises/exercise_fixture.h"
#include "feedback_list.h"
#include "feedback_panel.h"
#include "options.h"
#include "practice_cursors.h"
#include "practice_window.h"
#include "screen_fixture.h"
#include "stroke_animation.h"
#include "stroke_box.h"
#include "stroke_drawing.h"
#include "stroke_test_support.h"
#include "test_clock.h"
#include "writing_ex.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <random>

using ::testing::ElementsAre;

class PracticeWindowTest : public ExerciseTest {
  protected:
    void SetUp() override {
        ExerciseTest::SetUp();
        WritingEx_SetAnimationClock(&clock);
    }
    void TearDown() override {
        WritingEx_Close();
        WritingEx_SetAnimationClock(nullptr);
        ExerciseTest::TearDown();
    }

    static PracticeWindow* w() { return WritingEx_Window(); }
    void open(const std::vector<int>& list) {
        set_learning_list(list);
        WritingEx_Open();
        ASSERT_NE(w(), nullptr);
    }
    static void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton,
                      Qt::MouseButtons buttons = Qt::LeftButton) {
        QMouseEvent e(type, QPointF(at), QPointF(w()->box()->mapToGlobal(at)), button, buttons,
                      Qt::NoModifier);
        QApplication::sendEvent(w()->box(), &e);
    }
    static QPoint point_of(int s, int i) {
        return {w()->strokes().point(s, i).x, w()->strokes().point(s, i).y};
    }
    static void press_at(int stroke) { mouse(QEvent::MouseButtonPress, point_of(stroke, 0)); }
    // Presses at the stroke's start (unless pressed there already), moves along its points every
    // 3 pixels, releases at its end.
    static void trace_stroke(int stroke, bool pressed = false) {
        if (!pressed) press_at(stroke);
        const std::vector<BoxPoint> path = pointer_path(w()->strokes().stroke(stroke), 3);
        for (size_t i = 1; i < path.size(); ++i)
            mouse(QEvent::MouseMove, {path[i].x, path[i].y}, Qt::NoButton);
        mouse(QEvent::MouseButtonRelease, {path.back().x, path.back().y}, Qt::LeftButton,
              Qt::NoButton);
    }
    static Surface box_picture() { return picture_of(w()->box()->canvas()); }
    // Two pictures of a box alike but for the four 7 x 7 corners of its sunken frame (their pieces
    // blend over what the box showed before).
    static bool alike(const QImage& a, const QImage& b) {
        if (a.size() != b.size()) return false;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                const bool corner = (x < 7 || x >= a.width() - 7) && (y < 7 || y >= a.height() - 7);
                if (!corner && (a.pixel(x, y) & 0xffffff) != (b.pixel(x, y) & 0xffffff))
                    return false;
            }
        return true;
    }
    // The box shows what the drawing draws of the window's strokes.
    static bool box_shows(void (*draw)(Surface&, const StrokeSet&)) {
        Surface s(kPracticeBoxSize, kPracticeBoxSize);
        draw(s, w()->strokes());
        return alike(box_picture().image(), s.image());
    }
    // The feedback panel shows the instructions page for the kanji.
    static bool instructions_shown(char16_t kanji) {
        Surface page(kFeedbackPanelWidth, kFeedbackPanelHeight);
        DrawFeedbackPanel(page, FeedbackList(), false, kanji);
        return alike(w()->panel()->surface().image(), page.image());
    }
    static bool cursor_is(const QCursor& c) {
        return w()->box()->cursor().pixmap().cacheKey() == c.pixmap().cacheKey();
    }
    static bool held(Button* b) { return b->behaviour().held; }
    static bool restart_blinks() { return w()->restart_button()->behaviour().blink != 0; }
    // The first kanji of at least `strokes` strokes whose second stroke starts outside the first
    // one's start square (a press there is out of order).
    static int kanji_with_apart_starts(int strokes) {
        for (int k = 1; k <= kKanjiTotal; ++k) {
            const StrokeSet set = strokes_of(k);
            if (set.stroke_count() >= strokes && apart_stroke(set) == 1) return k;
        }
        return -1;
    }

    TestClock clock;
};

// Closing refills nothing; the tips link opens the help page; the close glyph closes.
TEST_F(PracticeWindowTest, OpensOverTheDisabledMainWindowAndClosesWithoutTouchingTheList) {
    set_option_slot(OptPracticeWindowOffset, 30);
    set_option_slot(OptPracticeWindowOffset + 1, 20);
    pass_all_exercises(6); // a complete kanji would graduate at a refill
    open({4, 5, 6});
    EXPECT_EQ(w()->pos(), main_window->pos() + QPoint(30, 20));
    EXPECT_FALSE(main_window->isEnabled());
    EXPECT_EQ(kanji_window_closes, 1);
    EXPECT_TRUE(box_shows(&DrawShownStrokes));
    QPointer<PracticeWindow> window = w();
    WritingEx_Next();
    WritingEx_Open();
    EXPECT_EQ(w(), window) << "a second open keeps the first window";
    EXPECT_EQ(w()->position(), 1);
    w()->move(w()->pos() + QPoint(11, 7));
    press(w()->exit_button());
    EXPECT_EQ(w(), nullptr);
    EXPECT_TRUE(main_window->isEnabled());
    EXPECT_THAT(active_calls, ElementsAre(false, true));
    EXPECT_EQ(get_option_slot(OptPracticeWindowOffset), 41);
    EXPECT_EQ(get_option_slot(OptPracticeWindowOffset + 1), 27);
    EXPECT_EQ(LearningList_Count(), 3);
    EXPECT_EVENTUALLY(window.isNull());

    open({15});
    click(w(), PracticeWindow::kLinkRect.center() + QPoint(0, 20));
    move_pointer(w(), PracticeWindow::kLinkRect.center());
    EXPECT_EQ(w()->cursor().shape(), Qt::PointingHandCursor);
    click(w(), PracticeWindow::kLinkRect.center());
    EXPECT_EQ(opened_pages, QStringList{QDir(folder).absoluteFilePath("help/stroke_help.htm")});
    QEvent leave(QEvent::Leave); // the pointer goes off the window from the link
    QApplication::sendEvent(w(), &leave);
    EXPECT_EQ(w()->cursor().shape(), Qt::ArrowCursor);
    click(w(), w()->caption_bar().state().close_rect().center());
    EXPECT_EQ(w(), nullptr);
    set_learning_list(std::vector<int>{});
    WritingEx_Open();
    EXPECT_EQ(w(), nullptr) << "an empty list opens nothing";
    EXPECT_EQ(view.messages.size(), 1u);
}

// Another kanji during an attempt ends it silently and clears its backward moves.
TEST_F(PracticeWindowTest, NextAndPreviousWalkTheListStopAtItsEndsAndEndAnAttempt) {
    open({9, 10});
    press(w()->practice_button());
    press_at(0);
    mouse(QEvent::MouseMove, point_of(0, 3), Qt::NoButton);
    mouse(QEvent::MouseMove, point_of(0, 0), Qt::NoButton);
    ASSERT_EQ(w()->checker().backward_moves(), 1);
    cues.clear();
    press(w()->next_button());
    EXPECT_EQ(w()->kanji(), 10);
    EXPECT_EQ(w()->counter()->current(), 2);
    EXPECT_EQ(w()->checker().backward_moves(), 0);
    EXPECT_EQ(std::count(cues.begin(), cues.end(), CueWrong), 0);
    EXPECT_TRUE(held(w()->show_button()));
    EXPECT_FALSE(held(w()->practice_button()));
    EXPECT_TRUE(box_shows(&DrawShownStrokes));
    EXPECT_TRUE(instructions_shown(KanjiData_LoadRecord(10)->Kanji)) << "naming the new kanji";
    EXPECT_FALSE(w()->next_button()->behaviour().enabled);
    WritingEx_Next();
    EXPECT_EQ(w()->kanji(), 10) << "Next does nothing at the last kanji";
    press(w()->previous_button());
    EXPECT_EQ(w()->kanji(), 9);
    EXPECT_FALSE(w()->previous_button()->behaviour().enabled);
    WritingEx_Previous();
    EXPECT_EQ(w()->position(), 0);
}

// A stroke out of order ends the attempt, Restart Practice (blinking) starts it over; then every
// stroke traced in order ends in success; Show Stroke Order ends an attempt too.
TEST_F(PracticeWindowTest, TracingEveryStrokeInOrderEndsInWellDoneAndAStrokeOutOfOrderInRed) {
    open({kanji_with_apart_starts(4)});
    press(w()->practice_button());
    cues.clear();
    press_at(1);
    EXPECT_EQ(newest(w()->checker()), QStringLiteral("FATAL: Incorrect Stroke Order"));
    EXPECT_THAT(cues, ElementsAre(CueWrong));
    EXPECT_TRUE(w()->restart_button()->behaviour().enabled);
    EXPECT_TRUE(restart_blinks());
    press(w()->restart_button());
    EXPECT_EQ(w()->checker().feedback().count(), 0);
    EXPECT_FALSE(w()->restart_button()->behaviour().enabled);
    EXPECT_FALSE(restart_blinks());
    EXPECT_TRUE(box_shows(&DrawTracingTemplate)) << "the ink is gone";

    cues.clear();
    const int n = w()->strokes().stroke_count();
    press_at(0);
    EXPECT_TRUE(cursor_is(w()->cursors().drawing));
    trace_stroke(0, true);
    EXPECT_TRUE(cursor_is(w()->cursors().idle));
    for (int s = 1; s < n; ++s)
        trace_stroke(s);
    EXPECT_EQ(newest(w()->checker()), QStringLiteral("WELL DONE: Character complete"));
    std::vector<int> expected(size_t(n), CueRight);
    expected.push_back(CueComplete);
    EXPECT_EQ(cues, expected);
    EXPECT_TRUE(w()->restart_button()->behaviour().enabled);
    EXPECT_FALSE(restart_blinks()) << "success does not blink";
    EXPECT_TRUE(box_shows([](Surface& s, const StrokeSet& set) {
        DrawFinishedStrokes(s, set, set.stroke_count() - 1);
    })) << "drawn clean";
    press_at(0);
    EXPECT_TRUE(cursor_is(w()->cursors().refused));

    press(w()->restart_button());
    press_at(1);
    ASSERT_TRUE(restart_blinks());
    press(w()->show_button());
    EXPECT_FALSE(w()->checker().practising());
    EXPECT_FALSE(held(w()->practice_button()));
    EXPECT_FALSE(w()->restart_button()->behaviour().enabled);
    EXPECT_FALSE(restart_blinks()) << "a disabled button does not blink";
    EXPECT_TRUE(box_shows(&DrawShownStrokes));
    EXPECT_TRUE(instructions_shown(w()->character())) << "the instructions page again";
    press(w()->practice_button());
    EXPECT_EQ(w()->checker().feedback().count(), 0);
    press_at(0);
    mouse(QEvent::MouseMove, point_of(0, 3), Qt::NoButton);
    press(w()->show_button()); // leaving with a stroke in progress
    press(w()->practice_button());
    mouse(QEvent::MouseMove, point_of(0, 0), Qt::NoButton);
    EXPECT_EQ(w()->checker().backward_moves(), 0) << "no stroke is in progress after re-entering";
}

// The pencil cursors read from the installation folder; damaged files leave the arrow.
TEST(PracticeCursors, TheRunFolderGivesThreePencilsAndDamagedFilesLeaveTheArrow) {
    EXPECT_EQ(PracticeCursors_Load(run_folder() + "/res/cursors").drawing.hotSpot(), QPoint(2, 28));

    QTemporaryDir dir;
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    const auto arrow = [](const QCursor& c) { return c.shape() == Qt::ArrowCursor; };
    for (const auto& [name, size] : {std::pair{"idle.png", 32}, {"drawing.png", 200}}) {
        QImage image(size, size, QImage::Format_ARGB32);
        image.fill(Qt::black);
        ASSERT_TRUE(image.save(dir.filePath(name), "PNG"));
    }
    write("refused.png", QByteArray("\x89PNG\r\n\x1a\n garbage", 17));
    EXPECT_TRUE(arrow(PracticeCursors_Load(dir.path()).idle)) << "no hotspots file";
    write("hotspots.txt", "idle.png 3 27\ndrawing.png 2 28\nrefused.png 3 27\n");
    const PracticeCursors damaged = PracticeCursors_Load(dir.path());
    EXPECT_FALSE(arrow(damaged.idle));
    EXPECT_TRUE(arrow(damaged.drawing)) << "a picture too large for a cursor";
    EXPECT_TRUE(arrow(damaged.refused)) << "damaged picture";
    write("hotspots.txt", "idle.png 3 27\n" + QByteArray(5000, ' '));
    EXPECT_TRUE(arrow(PracticeCursors_Load(dir.path()).idle)) << "a hotspots file far too long";

    QPoint spot;
    EXPECT_TRUE(cursor_hotspot("a.png 1 2\nidle.png  3   27 \n", "idle.png", 32, spot));
    EXPECT_EQ(spot, QPoint(3, 27));
    EXPECT_TRUE(cursor_hotspot("idle.png 0 31", "idle.png", 32, spot));
    for (const char* bad :
         {"idle.png -1 3", "idle.png 3 x", "idle.png 3", "idle.png 32 0", "idle.png 2 32",
          "idle.png 3 27 9", "idle.pngx 3 3", "", "idle.png 99999999999 3"})
        EXPECT_FALSE(cursor_hotspot(bad, "idle.png", 32, spot)) << bad;
}

// Under ThreadSanitizer the window does not paint: Qt hands the conversion of a whole window's
// picture to a thread pool of its own, whose hand-over through Qt Core's futex locks the
// sanitizer cannot see. The box's canvas is read back directly instead, and the worker's drawing
// beside the box's painting is checked with the box alone (test_stroke_animation.cpp).
class PracticeWindowStrokeAnimation : public PracticeWindowTest {
  protected:
    void open(const std::vector<int>& list) {
        PracticeWindowTest::open(list);
        if (w()) w()->setUpdatesEnabled(false);
    }
    // Starts the animation, the worker held in its first pause of `ms` until asked to stop.
    void start_held_in(int ms) {
        clock.hold_in(w()->animation(), [ms](size_t, int pause) { return pause == ms; });
        press(w()->animation_button());
        ASSERT_TRUE(wait_until([&] { return clock.holding.load(); }, 10000));
    }
};

TEST_F(PracticeWindowStrokeAnimation, ShowStrokesAndPracticeStopItInItsPause) {
    open({3});
    start_held_in(animation_pause::Point);
    EXPECT_FALSE(held(w()->show_button()));
    press(w()->animation_button()); // held: a second start is not possible
    press(w()->show_button());
    EXPECT_FALSE(w()->animation().running());
    EXPECT_FALSE(clock.holding.load()) << "the worker has left its pause";
    EXPECT_FALSE(held(w()->animation_button()));
    QCoreApplication::processEvents(); // repaints the worker asked for change nothing now
    EXPECT_TRUE(box_shows(&DrawShownStrokes));

    start_held_in(animation_pause::Marker);
    press(w()->practice_button());
    EXPECT_FALSE(w()->animation().running());
    EXPECT_TRUE(w()->checker().practising());
    EXPECT_FALSE(held(w()->animation_button()));
    EXPECT_TRUE(box_shows(&DrawTracingTemplate));
}

TEST_F(PracticeWindowStrokeAnimation, AtTheNormalEndTheButtonIsReleasedAndThePictureStays) {
    open({3, 20});
    press(w()->animation_button());
    ASSERT_TRUE(wait_until(
        [] { return !w()->animation().running() && !held(w()->animation_button()); }, 10000));
    const StrokePoint& end = w()->strokes().stroke(0).back();
    EXPECT_EQ(pixel_at(box_picture(), end.x, end.y), RGB(128, 0, 0)) << "drawn in the stroke pen";
    press(w()->practice_button());
    press(w()->animation_button()); // leaves practice mode first
    EXPECT_FALSE(w()->checker().practice_mode());
    EXPECT_FALSE(held(w()->practice_button()));
    press(w()->next_button());
    EXPECT_FALSE(w()->animation().running());
    EXPECT_TRUE(box_shows(&DrawShownStrokes));
}

TEST_F(PracticeWindowStrokeAnimation, ClosingHidesTheWindowAtOnceAndDestroysItAfterTheWorker) {
    open({3});
    struct HideWatch : QObject {
        bool eventFilter(QObject*, QEvent* e) override {
            hidden_while_held |= e->type() == QEvent::Hide && clock->holding;
            return false;
        }
        TestClock* clock;
        bool hidden_while_held = false;
    } watch;
    watch.clock = &clock;
    w()->installEventFilter(&watch);
    start_held_in(animation_pause::Point);
    QPointer<PracticeWindow> window = w();
    press(w()->exit_button());
    EXPECT_EQ(w(), nullptr);
    EXPECT_TRUE(watch.hidden_while_held) << "hidden before the worker was stopped";
    ASSERT_FALSE(window.isNull()) << "destroyed only after the close";
    EXPECT_FALSE(window->animation().running());
    window->removeEventFilter(&watch);
    EXPECT_EVENTUALLY(window.isNull());
}

TEST_F(PracticeWindowStrokeAnimation, LeavingTheProgramClosesTheWindowAndStopsTheWorker) {
    open({3});
    start_held_in(animation_pause::Marker);
    QPointer<PracticeWindow> window = w();
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec(); // its end announces that the program leaves
    EXPECT_EQ(w(), nullptr);
    EXPECT_TRUE(window.isNull() || !window->animation().running());
    EXPECT_FALSE(clock.holding.load()) << "the worker has left its pause";
    EXPECT_TRUE(main_window->isEnabled());
}

// Not a check of its own: writes what the X server scripts (tests/e2e/*_x11.sh) need to know of
// the real data to click and trace like a user: where each stroke starts in the stroke order
// exercise's display (for the kanji BRUSHWISE_E2E_KANJI lists), a 20-stroke kanji that a steady
// hand traces to success with the pointer's path along its strokes in the practice box, and a
// kanji whose meaning is too long for its multiple-choice row. Skipped unless BRUSHWISE_E2E_DATA
// names the file to write.
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
    for (std::mt19937 random(1); twenty <= kKanjiTotal; ++twenty)
        if (strokes_of(twenty).stroke_count() == 20 &&
            trace_kanji(strokes_of(twenty), random, Jitter::None, kPathSpacing).complete)
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
