// The stroke order practice window over the exercises' stand-in main window, traced with mouse
// events through its box; its animation runs on a clock that never sleeps.
#include "button.h"
#include "exercise_counter.h"
#include "exercises/exercise_fixture.h"
#include "options.h"
#include "practice_cursors.h"
#include "practice_window.h"
#include "stroke_box.h"
#include "stroke_drawing.h"
#include "stroke_test_support.h"
#include "writing_ex.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

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
    // Opens the window over the list. Under ThreadSanitizer the window must not paint (Qt hands
    // the conversion of a window's picture to a thread pool whose futex locks the sanitizer cannot
    // see): the tests read the box's canvas, which the animation worker draws into.
    void open(const std::vector<int>& list) {
        set_learning_list(list);
        WritingEx_Open();
        ASSERT_NE(w(), nullptr);
        w()->setUpdatesEnabled(false);
    }
    static void mouse(QEvent::Type type, const StrokePoint& p) {
        const QPoint at(p.x, p.y);
        QMouseEvent e(type, QPointF(at), QPointF(w()->box()->mapToGlobal(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(w()->box(), &e);
    }
    static void press_at(int stroke) {
        mouse(QEvent::MouseButtonPress, w()->strokes().point(stroke, 0));
    }
    // Presses at the stroke's start, moves along its points every 3 pixels, releases at its end.
    static void trace_stroke(int stroke) {
        press_at(stroke);
        const std::vector<BoxPoint> path = pointer_path(w()->strokes().stroke(stroke), 3);
        for (size_t i = 1; i < path.size(); ++i)
            mouse(QEvent::MouseMove, {path[i].x, path[i].y, 0});
        mouse(QEvent::MouseButtonRelease, w()->strokes().stroke(stroke).back());
    }
    // The box shows what the drawing draws of the window's strokes, but for the four 7 x 7 corners
    // of its sunken frame (their pieces blend over what the box showed before).
    static bool box_shows(void (*draw)(Surface&, const StrokeSet&)) {
        Surface s(kPracticeBoxSize, kPracticeBoxSize);
        draw(s, w()->strokes());
        const QImage a = w()->box()->canvas().snapshot(), b = s.image();
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if ((x >= 7 && x < a.width() - 7) || (y >= 7 && y < a.height() - 7))
                    if ((a.pixel(x, y) ^ b.pixel(x, y)) & 0xffffff) return false;
        return a.size() == b.size();
    }
    static bool held(Button* b) { return b->behaviour().held; }
    static bool restart_blinks() { return w()->restart_button()->behaviour().blink != 0; }

    TestClock clock;
};

// Closing refills nothing; the tips link opens the help page; an empty list opens nothing.
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
    move_pointer(w(), PracticeWindow::kLinkRect.center());
    click(w(), PracticeWindow::kLinkRect.center());
    EXPECT_EQ(opened_pages, QStringList{QDir(folder).absoluteFilePath("help/stroke_help.htm")});
    w()->move(w()->pos() + QPoint(11, 7));
    press(w()->exit_button());
    EXPECT_EQ(w(), nullptr);
    EXPECT_TRUE(main_window->isEnabled());
    EXPECT_EQ(active_calls, (std::vector<bool>{false, true}));
    EXPECT_EQ(get_option_slot(OptPracticeWindowOffset), 41);
    EXPECT_EQ(get_option_slot(OptPracticeWindowOffset + 1), 27);
    EXPECT_EQ(LearningList_Count(), 3);
    EXPECT_EVENTUALLY(window.isNull());
    set_learning_list(std::vector<int>{});
    WritingEx_Open();
    EXPECT_EQ(w(), nullptr);
    EXPECT_EQ(view.messages.size(), 1u);
}

// A stroke out of order ends the attempt and Restart Practice (blinking) starts it over; every
// stroke traced in order ends in success; Next ends an attempt too.
TEST_F(PracticeWindowTest,
       TracingEveryStrokeInOrderEndsInWellDoneAndAStrokeOutOfOrderEndsTheAttempt) {
    int kanji = 1; // whose second stroke starts outside the first one's start square
    while (kanji < kKanjiTotal && apart_stroke(strokes_of(kanji)) != 1)
        ++kanji;
    open({kanji, 10});
    press(w()->practice_button());
    cues.clear();
    press_at(1);
    EXPECT_EQ(newest(w()->checker()), QStringLiteral("FATAL: Incorrect Stroke Order"));
    EXPECT_EQ(cues, std::vector<int>{CueWrong});
    EXPECT_TRUE(restart_blinks());
    press(w()->restart_button());
    EXPECT_EQ(w()->checker().feedback().count(), 0);
    EXPECT_FALSE(w()->restart_button()->behaviour().enabled);
    EXPECT_FALSE(restart_blinks());
    EXPECT_TRUE(box_shows(&DrawTracingTemplate)) << "the ink is gone";

    cues.clear();
    const int n = w()->strokes().stroke_count();
    for (int s = 0; s < n; ++s)
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

    press(w()->restart_button());
    press_at(0);
    mouse(QEvent::MouseMove, w()->strokes().point(0, 3));
    mouse(QEvent::MouseMove, w()->strokes().point(0, 0));
    ASSERT_EQ(w()->checker().backward_moves(), 1);
    press(w()->next_button());
    EXPECT_EQ(w()->kanji(), 10);
    EXPECT_EQ(w()->counter()->current(), 2);
    EXPECT_FALSE(w()->next_button()->behaviour().enabled);
    EXPECT_EQ(w()->checker().backward_moves(), 0);
    EXPECT_FALSE(w()->checker().practice_mode());
    EXPECT_TRUE(held(w()->show_button()));
    EXPECT_TRUE(box_shows(&DrawShownStrokes));
}

class PracticeWindowStrokeAnimation : public PracticeWindowTest {
  protected:
    // Starts the animation, the worker held in its first pause of `ms` until asked to stop.
    void start_held_in(int ms) {
        clock.hold_in(w()->animation(), [ms](size_t, int pause) { return pause == ms; });
        press(w()->animation_button());
        ASSERT_TRUE(wait_until([&] { return clock.holding.load(); }, 10000));
    }
};

// Started in practice mode it leaves it first; at its end the button is released and the picture
// stays; another kanji shows its strokes.
TEST_F(PracticeWindowStrokeAnimation, ShowStrokesAndPracticeStopItInItsPause) {
    open({3, 20});
    start_held_in(animation_pause::Point);
    press(w()->animation_button()); // held: a second start is not possible
    press(w()->show_button());
    EXPECT_FALSE(clock.holding.load()) << "the worker has left its pause";
    EXPECT_FALSE(held(w()->animation_button()));
    QCoreApplication::processEvents(); // repaints the worker asked for change nothing now
    EXPECT_TRUE(box_shows(&DrawShownStrokes));
    start_held_in(animation_pause::Marker);
    press(w()->practice_button());
    EXPECT_FALSE(w()->animation().running());
    EXPECT_TRUE(w()->checker().practising());
    EXPECT_TRUE(box_shows(&DrawTracingTemplate));

    clock.reset();
    press(w()->animation_button());
    EXPECT_FALSE(w()->checker().practice_mode());
    ASSERT_TRUE(wait_until(
        [] { return !w()->animation().running() && !held(w()->animation_button()); }, 10000));
    const StrokePoint& end = w()->strokes().stroke(0).back();
    EXPECT_EQ(pixel_at(picture_of(w()->box()->canvas()), end.x, end.y), RGB(128, 0, 0));
    press(w()->next_button());
    EXPECT_TRUE(box_shows(&DrawShownStrokes));
}

// Exit hides the window at once and destroys it after the worker; leaving the program closes it.
TEST_F(PracticeWindowStrokeAnimation,
       ClosingOrLeavingTheProgramStopsTheWorkerAfterHidingTheWindow) {
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
    EXPECT_TRUE(watch.hidden_while_held) << "hidden before the worker was stopped";
    ASSERT_FALSE(window.isNull()) << "destroyed only after the close";
    EXPECT_FALSE(window->animation().running());
    window->removeEventFilter(&watch);
    EXPECT_EVENTUALLY(window.isNull());

    open({3});
    start_held_in(animation_pause::Marker);
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec(); // its end announces that the program leaves
    EXPECT_EQ(w(), nullptr);
    EXPECT_FALSE(clock.holding.load()) << "the worker has left its pause";
    EXPECT_TRUE(main_window->isEnabled());
}

// The pencil cursors come from untrusted files: anything damaged leaves the arrow.
TEST(PracticeCursors, DamagedFilesAndHotSpotsLeaveTheArrow) {
    QTemporaryDir dir;
    const QString d = dir.path();
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile f(d + '/' + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    const auto arrow = [](const QCursor& c) { return c.shape() == Qt::ArrowCursor; };
    QImage pencil(32, 32, QImage::Format_ARGB32);
    pencil.fill(Qt::black);
    ASSERT_TRUE(pencil.save(d + "/idle.png", "PNG"));
    ASSERT_TRUE(pencil.scaled(200, 200).save(d + "/drawing.png", "PNG"));
    write("refused.png", QByteArray("\x89PNG\r\n\x1a\n garbage", 17));
    EXPECT_TRUE(arrow(PracticeCursors_Load(d).idle)) << "no hotspots file";
    write("hotspots.txt", "idle.png 3 27\ndrawing.png 2 28\nrefused.png 3 27\n");
    const PracticeCursors c = PracticeCursors_Load(d);
    EXPECT_EQ(c.idle.hotSpot(), QPoint(3, 27));
    EXPECT_TRUE(arrow(c.drawing)) << "a picture too large for a cursor";
    EXPECT_TRUE(arrow(c.refused)) << "a damaged picture";
    write("hotspots.txt", "idle.png 3 27\n" + QByteArray(5000, ' '));
    EXPECT_TRUE(arrow(PracticeCursors_Load(d).idle)) << "a hotspots file far too long";
    QPoint spot;
    EXPECT_TRUE(cursor_hotspot("a.png 1 2\nidle.png  0   31 \n", "idle.png", 32, spot));
    EXPECT_EQ(spot, QPoint(0, 31));
    for (const char* bad : {"idle.png -1 3", "idle.png 3 x", "idle.png 3", "idle.png 32 0",
                            "idle.png 2 32", "idle.png 3 27 9", "idle.pngx 3 3", ""})
        EXPECT_FALSE(cursor_hotspot(bad, "idle.png", 32, spot)) << bad;
}
