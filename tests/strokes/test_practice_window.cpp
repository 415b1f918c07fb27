// The stroke order practice window over the exercises' stand-in main window, traced with mouse
// events through its box; its animation (run under ThreadSanitizer by make test-tsan) runs on a
// clock that never sleeps. Last, the data the X server scripts need.
#include "button.h"
#include "exercise_counter.h"
#include "exercises/exercise_fixture.h"
#include "feedback_list.h"
#include "feedback_panel.h"
#include "options.h"
#include "practice_cursors.h"
#include "practice_window.h"
#include "ratio_support.h"
#include "screen_fixture.h"
#include "stroke_animation.h"
#include "stroke_box.h"
#include "stroke_drawing.h"
#include "stroke_test_support.h"
#include "test_clock.h"
#include "writing_ex.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <random>

// Pixels that differ between two pictures of a box, leaving out the four 7 x 7 corners of its
// sunken frame (their pieces blend over what the box showed before); `c` device pixels each.
static int differing_pixels(const QImage& a, const QImage& b, int c = 7) {
    if (a.size() != b.size()) return -1;
    const int w = a.width(), h = a.height();
    int n = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool corner = (x < c || x >= w - c) && (y < c || y >= h - c);
            n += !corner && (a.pixel(x, y) & 0xffffff) != (b.pixel(x, y) & 0xffffff);
        }
    return n;
}

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

    static void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons buttons) {
        QWidget* box = w()->box();
        QMouseEvent e(type, QPointF(at), QPointF(box->mapToGlobal(at)), button, buttons,
                      Qt::NoModifier);
        QApplication::sendEvent(box, &e);
    }
    static void press_at(QPoint at) {
        mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    }
    static void move_to(QPoint at) { mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
    static void release_at(QPoint at) {
        mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
    // Presses at the stroke's start, moves along its points every 3 pixels, releases at its end.
    static void trace_stroke(int stroke) {
        const std::vector<BoxPoint> path = pointer_path(w()->strokes().stroke(stroke), 3);
        press_at({path.front().x, path.front().y});
        for (size_t i = 1; i < path.size(); ++i)
            move_to({path[i].x, path[i].y});
        release_at({path.back().x, path.back().y});
    }
    static QPoint point_of(int stroke, int i) {
        const StrokePoint& p = w()->strokes().point(stroke, i);
        return {p.x, p.y};
    }
    static Surface box_picture() { return picture_of(w()->box()->canvas()); }
    // The box shows what the drawing draws of the window's strokes.
    static bool box_shows(void (*draw)(Surface&, const StrokeSet&), int corners = 7) {
        Surface s(kPracticeBoxSize, kPracticeBoxSize);
        draw(s, w()->strokes());
        return differing_pixels(box_picture().image(), s.image(), corners) == 0;
    }
    // The feedback panel shows the instructions page for the kanji.
    static bool instructions_shown(char16_t kanji) {
        Surface page(kFeedbackPanelWidth, kFeedbackPanelHeight);
        DrawFeedbackPanel(page, FeedbackList(), false, kanji);
        return differing_pixels(w()->panel()->surface().image(), page.image()) == 0;
    }
    // Pixels of a colour in the newest message's line of the feedback panel.
    static int newest_line_pixels(ColorRef colour) {
        return count_near(w()->panel()->surface(), {12, 28, 210, 43}, colour, 30);
    }
    static bool cursor_is(const QWidget* widget, const QCursor& c) {
        const QCursor& now = widget->cursor();
        return now.shape() == c.shape() && now.hotSpot() == c.hotSpot() &&
               now.pixmap().cacheKey() == c.pixmap().cacheKey();
    }

    // The first kanji of at least `strokes` strokes whose second stroke starts outside the
    // first one's start square (a press there is out of order).
    static int kanji_with_apart_starts(int strokes) {
        for (int k = 1; k <= kKanjiTotal; ++k) {
            const StrokeSet set = strokes_of(k);
            if (set.stroke_count() >= strokes && apart_stroke(set) == 1) return k;
        }
        return -1;
    }
    // The first kanji whose first stroke turns at a corner inside it.
    static int kanji_with_corner() {
        for (int k = 1; k <= kKanjiTotal; ++k) {
            const StrokeSet set = strokes_of(k);
            for (int i = 1; i + 1 < set.point_count(0); ++i)
                if (set.point(0, i).is_corner()) return k;
        }
        return -1;
    }

    TestClock clock;
};
namespace {

using ::testing::ElementsAre;

TEST_F(PracticeWindowTest, OpensOverTheDisabledMainWindowAndClosesWithoutTouchingTheList) {
    set_option_slot(OptPracticeWindowOffset, 30);
    set_option_slot(OptPracticeWindowOffset + 1, 20);
    const std::vector<int> list{4, 5, 6};
    pass_all_exercises(6); // a complete kanji would graduate at a refill
    open(list);
    EXPECT_TRUE(w()->isVisible());
    EXPECT_EQ(w()->windowTitle(), QStringLiteral("Stroke Order Practice Exercise"));
    EXPECT_EQ(w()->pos(), main_window->pos() + QPoint(30, 20));
    EXPECT_FALSE(main_window->isEnabled());
    EXPECT_THAT(active_calls, ElementsAre(false));
    EXPECT_EQ(kanji_window_closes, 1);
    EXPECT_EQ(w()->kanji(), 4);
    EXPECT_TRUE(w()->show_button()->behaviour().held);
    EXPECT_FALSE(w()->previous_button()->behaviour().enabled);
    EXPECT_TRUE(w()->next_button()->behaviour().enabled);
    EXPECT_FALSE(w()->restart_button()->behaviour().enabled);
    EXPECT_FALSE(w()->checker().practice_mode());
    EXPECT_TRUE(box_shows(&DrawShownStrokes));
    QPointer<PracticeWindow> window = w();
    WritingEx_Next();
    WritingEx_Open();
    EXPECT_EQ(w(), window) << "a second open keeps the first window";
    EXPECT_EQ(w()->position(), 1);
    EXPECT_EQ(windows_titled(QStringLiteral("Stroke Order Practice Exercise")).size(), 1);

    w()->move(w()->pos() + QPoint(11, 7));
    press(w()->exit_button());
    EXPECT_EQ(w(), nullptr);
    EXPECT_TRUE(main_window->isEnabled());
    EXPECT_THAT(active_calls, ElementsAre(false, true));
    EXPECT_EQ(get_option_slot(OptPracticeWindowOffset), 41);
    EXPECT_EQ(get_option_slot(OptPracticeWindowOffset + 1), 27);
    EXPECT_EQ(LearningList_Count(), 3) << "closing refills nothing";
    EXPECT_TRUE(view.removed.empty());
    EXPECT_EVENTUALLY(window.isNull());
    set_learning_list(std::vector<int>{});
    WritingEx_Open();
    EXPECT_EQ(w(), nullptr) << "an empty list opens nothing";
    EXPECT_EQ(view.messages.size(), 1u);
    EXPECT_TRUE(main_window->isEnabled());
}

TEST_F(PracticeWindowTest, NextAndPreviousWalkTheListAndStopAtItsEnds) {
    open({9, 10, 11});
    press(w()->next_button());
    EXPECT_EQ(w()->position(), 1);
    EXPECT_EQ(w()->kanji(), 10);
    EXPECT_TRUE(w()->previous_button()->behaviour().enabled);
    press(w()->next_button());
    EXPECT_EQ(w()->kanji(), 11);
    EXPECT_EQ(w()->counter()->current(), 3);
    EXPECT_FALSE(w()->next_button()->behaviour().enabled);
    WritingEx_Next();
    EXPECT_EQ(w()->position(), 2) << "Next does nothing at the last kanji";
    EXPECT_EQ(w()->character(), KanjiData_LoadRecord(11)->Kanji);
    press(w()->previous_button());
    press(w()->previous_button());
    EXPECT_EQ(w()->kanji(), 9);
    EXPECT_EQ(w()->counter()->current(), 1);
    EXPECT_FALSE(w()->previous_button()->behaviour().enabled);
    EXPECT_TRUE(w()->next_button()->behaviour().enabled);
    WritingEx_Previous();
    EXPECT_EQ(w()->position(), 0);
}

TEST_F(PracticeWindowTest, TracingEveryStrokeInOrderEndsInWellDone) {
    const int kanji = kanji_with_apart_starts(4);
    open({kanji});
    press(w()->practice_button());
    EXPECT_TRUE(w()->checker().practice_mode());
    EXPECT_TRUE(w()->practice_button()->behaviour().held);
    EXPECT_FALSE(w()->show_button()->behaviour().held);
    EXPECT_TRUE(box_shows(&DrawTracingTemplate));
    cues.clear();
    const int n = w()->strokes().stroke_count();
    const std::vector<BoxPoint> first = pointer_path(w()->strokes().stroke(0), 3);
    press_at({first[0].x, first[0].y});
    EXPECT_TRUE(cursor_is(w()->box(), w()->cursors().drawing));
    EXPECT_EQ(pixel_at(box_picture(), first[0].x, first[0].y), RGB(164, 0, 0)) << "the dot";
    for (size_t i = 1; i < first.size(); ++i)
        move_to({first[i].x, first[i].y});
    release_at({first.back().x, first.back().y});
    EXPECT_EQ(newest(w()->checker()), QStringLiteral("Stroke number 1 completed"));
    EXPECT_TRUE(cursor_is(w()->box(), w()->cursors().idle));
    for (int s = 1; s < n; ++s)
        trace_stroke(s);
    EXPECT_EQ(newest(w()->checker()), QStringLiteral("WELL DONE: Character complete"));
    EXPECT_EQ(w()->checker().feedback().by_age(1).text,
              QStringLiteral("Stroke number %1 completed").arg(n));
    EXPECT_GT(newest_line_pixels(RGB(0, 0, 255)), 20);
    std::vector<int> expected(size_t(n), CueRight);
    expected.push_back(CueComplete);
    EXPECT_EQ(cues, expected);
    EXPECT_TRUE(w()->restart_button()->behaviour().enabled);
    EXPECT_EQ(w()->restart_button()->behaviour().blink, 0) << "success does not blink";
    Surface finished(kPracticeBoxSize, kPracticeBoxSize);
    DrawFinishedStrokes(finished, w()->strokes(), n - 1);
    EXPECT_EQ(differing_pixels(box_picture().image(), finished.image()), 0) << "drawn clean";
    press_at(point_of(0, 0));
    EXPECT_TRUE(cursor_is(w()->box(), w()->cursors().refused));
}

TEST_F(PracticeWindowTest, AStrokeOutOfOrderEndsTheAttemptInRedAndRestartOrPracticeStartsOver) {
    open({kanji_with_apart_starts(3)});
    press(w()->practice_button());
    cues.clear();
    press_at(point_of(1, 0));
    EXPECT_EQ(newest(w()->checker()), QStringLiteral("FATAL: Incorrect Stroke Order"));
    EXPECT_GT(newest_line_pixels(RGB(255, 0, 0)), 20);
    EXPECT_THAT(cues, ElementsAre(CueWrong));
    EXPECT_TRUE(w()->restart_button()->behaviour().enabled);
    EXPECT_NE(w()->restart_button()->behaviour().blink, 0) << "Restart Practice calls attention";
    release_at(point_of(1, 0));

    press(w()->restart_button());
    EXPECT_TRUE(w()->checker().practising());
    EXPECT_EQ(w()->checker().feedback().count(), 0);
    EXPECT_FALSE(w()->restart_button()->behaviour().enabled);
    EXPECT_EQ(w()->restart_button()->behaviour().blink, 0);
    EXPECT_TRUE(box_shows(&DrawTracingTemplate)) << "the ink is gone";
    trace_stroke(0);
    EXPECT_EQ(newest(w()->checker()), QStringLiteral("Stroke number 1 completed"));

    // Show Stroke Order ends an attempt too; Practice Strokes starts a fresh one.
    press_at(point_of(0, 0)); // out of order again
    ASSERT_NE(w()->restart_button()->behaviour().blink, 0);
    press(w()->show_button());
    EXPECT_FALSE(w()->checker().practice_mode());
    EXPECT_FALSE(w()->checker().practising());
    EXPECT_TRUE(w()->show_button()->behaviour().held);
    EXPECT_FALSE(w()->practice_button()->behaviour().held);
    EXPECT_FALSE(w()->restart_button()->behaviour().enabled);
    EXPECT_EQ(w()->restart_button()->behaviour().blink, 0) << "a disabled button does not blink";
    EXPECT_TRUE(box_shows(&DrawShownStrokes));
    EXPECT_TRUE(instructions_shown(w()->character())) << "the instructions page again";

    press(w()->practice_button());
    EXPECT_TRUE(w()->checker().practising());
    EXPECT_EQ(w()->checker().current_stroke(), -1);
    EXPECT_EQ(w()->checker().feedback().count(), 0);
    press_at(point_of(0, 0));
    move_to(point_of(0, 3));
    press(w()->show_button()); // leaving with a stroke in progress
    press(w()->practice_button());
    move_to(point_of(0, 0));
    EXPECT_EQ(w()->checker().backward_moves(), 0) << "no stroke is in progress after re-entering";
}

TEST_F(PracticeWindowTest, AnotherKanjiDuringAnAttemptEndsItSilentlyAndClearsTheBackwardMoves) {
    open({13, 14});
    press(w()->practice_button());
    press_at(point_of(0, 0));
    move_to(point_of(0, 3));
    move_to(point_of(0, 0));
    ASSERT_EQ(w()->checker().backward_moves(), 1);
    cues.clear();
    press(w()->next_button());
    EXPECT_EQ(w()->kanji(), 14);
    EXPECT_FALSE(w()->checker().practice_mode());
    EXPECT_EQ(w()->checker().feedback().count(), 0);
    EXPECT_EQ(w()->checker().backward_moves(), 0);
    EXPECT_EQ(std::count(cues.begin(), cues.end(), CueWrong), 0);
    EXPECT_TRUE(w()->show_button()->behaviour().held);
    EXPECT_FALSE(w()->practice_button()->behaviour().held);
    EXPECT_TRUE(box_shows(&DrawShownStrokes));
    EXPECT_TRUE(instructions_shown(KanjiData_LoadRecord(14)->Kanji)) << "naming the new kanji";
}

TEST_F(PracticeWindowTest, TheTipsLinkOpensTheStrokeHelpPage) {
    open({15});
    const QPoint on_link = PracticeWindow::kLinkRect.center();
    move_pointer(w(), QPoint(150, 45));
    EXPECT_FALSE(w()->link_hovered());
    click(w(), QPoint(150, 45));
    EXPECT_TRUE(opened_pages.isEmpty());
    move_pointer(w(), on_link);
    EXPECT_TRUE(w()->link_hovered());
    EXPECT_EQ(w()->cursor().shape(), Qt::PointingHandCursor);
    click(w(), on_link);
    ASSERT_EQ(opened_pages.size(), 1);
    EXPECT_EQ(opened_pages[0],
              QDir(folder).absoluteFilePath(QStringLiteral("help/stroke_help.htm")));
    move_pointer(w(), PracticeWindow::kLinkRect.bottomRight() + QPoint(1, 1));
    EXPECT_FALSE(w()->link_hovered());
    EXPECT_EQ(w()->cursor().shape(), Qt::ArrowCursor);
    move_pointer(w(), on_link);
    QEvent leave(QEvent::Leave); // the pointer goes off the window from the link
    QApplication::sendEvent(w(), &leave);
    EXPECT_FALSE(w()->link_hovered());
    EXPECT_EQ(w()->cursor().shape(), Qt::ArrowCursor);
    click(w(), w()->caption_bar().state().close_rect().center());
    EXPECT_EQ(w(), nullptr) << "the close glyph closes the window";
    EXPECT_TRUE(main_window->isEnabled());
}

// The pencil cursors read from the installation folder, and what damaged files leave.
void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void write_picture(const QString& path, int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::black);
    ASSERT_TRUE(image.save(path, "PNG"));
}

TEST(PracticeCursors, TheRunFolderGivesThreePencilsWithTheirHotSpots) {
    const PracticeCursors c = PracticeCursors_Load(run_folder() + QStringLiteral("/res/cursors"));
    for (const QCursor* cursor : {&c.idle, &c.drawing, &c.refused}) {
        EXPECT_EQ(cursor->shape(), Qt::BitmapCursor);
        EXPECT_EQ(cursor->pixmap().size(), QSize(32, 32));
    }
    EXPECT_EQ(c.idle.hotSpot(), QPoint(3, 27));
    EXPECT_EQ(c.drawing.hotSpot(), QPoint(2, 28));
    EXPECT_EQ(c.refused.hotSpot(), QPoint(3, 27));
    EXPECT_NE(c.idle.pixmap().toImage(), c.refused.pixmap().toImage());
}

TEST(PracticeCursors, DamagedOrMissingFilesLeaveTheArrow) {
    QTemporaryDir dir;
    const QString d = dir.path();
    const auto arrow = [](const QCursor& c) { return c.shape() == Qt::ArrowCursor; };
    EXPECT_TRUE(arrow(PracticeCursors_Load(d + QStringLiteral("/none")).idle));
    write_picture(d + "/idle.png", 32);
    write_picture(d + "/drawing.png", 200);
    write(d + "/refused.png", QByteArray("\x89PNG\r\n\x1a\n garbage", 17));
    EXPECT_TRUE(arrow(PracticeCursors_Load(d).idle)) << "no hotspots file";
    write(d + "/hotspots.txt", "idle.png 3 27\ndrawing.png 2 28\nrefused.png 3 27\n");
    const PracticeCursors c = PracticeCursors_Load(d);
    EXPECT_FALSE(arrow(c.idle));
    EXPECT_TRUE(arrow(c.drawing)) << "a picture too large for a cursor";
    EXPECT_TRUE(arrow(c.refused)) << "damaged picture";
    write(d + "/hotspots.txt", "idle.png 3 27\n" + QByteArray(5000, ' '));
    EXPECT_TRUE(arrow(PracticeCursors_Load(d).idle)) << "a hotspots file far too long";
}

TEST(PracticeCursors, HotSpotLinesAreReadStrictly) {
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
    static bool run_ended() {
        return wait_until(
            [] {
                return !w()->animation().running() && !w()->animation_button()->behaviour().held;
            },
            10000);
    }
};

TEST_F(PracticeWindowStrokeAnimation, ShowStrokesAndPracticeStopItInItsPause) {
    open({kanji_with_corner()});
    start_held_in(animation_pause::Corner);
    EXPECT_TRUE(w()->animation_button()->behaviour().held);
    EXPECT_FALSE(w()->show_button()->behaviour().held);
    press(w()->animation_button()); // held: a second start is not possible
    press(w()->show_button());
    EXPECT_FALSE(w()->animation().running());
    EXPECT_FALSE(clock.holding.load()) << "the worker has left its pause";
    EXPECT_FALSE(w()->animation_button()->behaviour().held);
    EXPECT_TRUE(w()->show_button()->behaviour().held);
    QCoreApplication::processEvents(); // repaints the worker asked for change nothing now
    EXPECT_TRUE(box_shows(&DrawShownStrokes));

    start_held_in(animation_pause::Marker);
    press(w()->practice_button());
    EXPECT_FALSE(w()->animation().running());
    EXPECT_TRUE(w()->checker().practising());
    EXPECT_FALSE(w()->animation_button()->behaviour().held);
    EXPECT_TRUE(box_shows(&DrawTracingTemplate));
}

TEST_F(PracticeWindowStrokeAnimation, AtTheNormalEndTheButtonIsReleasedAndThePictureStays) {
    open({kanji_with_corner(), 20});
    press(w()->animation_button());
    ASSERT_TRUE(run_ended());
    const StrokePoint& end = w()->strokes().stroke(0).back();
    EXPECT_EQ(pixel_at(box_picture(), end.x, end.y), RGB(128, 0, 0)) << "drawn in the stroke pen";
    EXPECT_FALSE(w()->show_button()->behaviour().held);
    // Practice after it draws the template; another kanji shows its strokes.
    press(w()->practice_button());
    EXPECT_TRUE(box_shows(&DrawTracingTemplate));
    press(w()->animation_button()); // leaves practice mode first
    EXPECT_FALSE(w()->checker().practice_mode());
    EXPECT_FALSE(w()->practice_button()->behaviour().held);
    press(w()->next_button());
    EXPECT_FALSE(w()->animation().running());
    EXPECT_EQ(w()->kanji(), 20);
    EXPECT_TRUE(box_shows(&DrawShownStrokes));
}

TEST_F(PracticeWindowStrokeAnimation, ClosingHidesTheWindowAtOnceAndDestroysItAfterTheWorker) {
    open({kanji_with_corner()});
    class HideWatch : public QObject {
      public:
        explicit HideWatch(TestClock& clock) : clock_(clock) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Hide && clock_.holding) hidden_while_held = true;
            return false;
        }
        bool hidden_while_held = false;

      private:
        TestClock& clock_;
    } watch(clock);
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
    open({kanji_with_corner()});
    start_held_in(animation_pause::Marker);
    QPointer<PracticeWindow> window = w();
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec(); // its end announces that the program leaves
    EXPECT_EQ(w(), nullptr);
    EXPECT_TRUE(window.isNull() || !window->animation().running());
    EXPECT_FALSE(clock.holding.load()) << "the worker has left its pause";
    EXPECT_TRUE(main_window->isEnabled());
}

// At its end the picture is the plain one's, in the same places, with finer edges.
TEST_F(PracticeWindowStrokeAnimation, AtRatioTwoTheWorkerDrawsTheFinerPicture) {
    const int kanji = kanji_with_corner();
    auto animated = [&](int ratio) {
        ScopedSurfaceRatio at(ratio);
        open({kanji});
        press(w()->animation_button());
        EXPECT_TRUE(run_ended());
        return box_picture();
    };
    const Surface plain = animated(1);
    WritingEx_Close();
    ScopedSurfaceRatio at(2);
    const Surface doubled = animated(2);
    EXPECT_EQ(doubled.ratio(), 2);
    ASSERT_EQ(doubled.image().size(), plain.image().size() * 2);
    const QImage one_image = device_pixels(plain.image()),
                 two_image = device_pixels(doubled.image());
    const InkCount one = count_ink(one_image, one_image.rect(), 255);
    const InkCount two = count_ink(two_image, two_image.rect(), 255);
    EXPECT_NEAR(double(two.ink) / one.ink, 4.0, 0.8);
    EXPECT_LT(two.edge_share(), 0.75 * one.edge_share());
    EXPECT_GT(mixed_blocks(two_image, 2), 1000);
    const QRect box1 = ink_box(one_image), box2 = ink_box(two_image);
    EXPECT_NEAR(box2.left(), 2 * box1.left(), 3);
    EXPECT_NEAR(box2.bottom(), 2 * box1.bottom(), 4);

    press(w()->show_button());
    EXPECT_TRUE(box_shows(&DrawShownStrokes, 14));
}

// Not a check of its own: writes what the X server scripts (tests/e2e/*_x11.sh) need to know of
// the real data to click and trace like a user: where each stroke starts in the stroke order
// exercise's display, a 20-stroke kanji with the pointer's path along its strokes in the practice
// box, and a kanji whose meaning is too long for its multiple-choice row. Skipped unless
// BRUSHWISE_E2E_DATA names the file to write; BRUSHWISE_E2E_KANJI lists the kanji whose starts
// are wanted.
class X11ScriptData : public ScreenTest {};

constexpr double kPathSpacing = 4; // pixels between pointer positions

QString points_line(const QString& head, const std::vector<BoxPoint>& points) {
    QString line = head;
    for (const BoxPoint& p : points)
        line += QStringLiteral(" %1 %2").arg(p.x).arg(p.y);
    return line;
}

// The first kanji of 20 strokes that a steady hand traces to success along the path written.
int twenty_stroke_kanji() {
    for (int k = 1; k <= kKanjiTotal; ++k) {
        const StrokeSet set = strokes_of(k);
        if (set.stroke_count() != 20) continue;
        std::mt19937 random(1);
        if (trace_kanji(set, random, Jitter::None, kPathSpacing).complete) return k;
    }
    return -1;
}

TEST_F(X11ScriptData, WritesWhatTheScriptsNeed) {
    const QString path = qEnvironmentVariable("BRUSHWISE_E2E_DATA");
    if (path.isEmpty()) GTEST_SKIP() << "run by the X server scripts";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QTextStream out(&file);
    for (const QString& word :
         qEnvironmentVariable("BRUSHWISE_E2E_KANJI").split(' ', Qt::SkipEmptyParts)) {
        const int k = word.toInt();
        const StrokeStarts starts = starts_of(k, StrokeScreen::Exercise);
        std::vector<BoxPoint> points;
        for (int i = 0; i < starts.stroke_count(); ++i)
            points.push_back({starts.start(i).x, starts.start(i).y});
        out << points_line(QStringLiteral("starts %1").arg(k), points) << '\n';
    }
    const int twenty = twenty_stroke_kanji();
    ASSERT_GT(twenty, 0);
    out << "twenty " << twenty << '\n';
    const StrokeSet set = strokes_of(twenty);
    for (int s = 0; s < set.stroke_count(); ++s)
        out << points_line(QStringLiteral("path %1").arg(s),
                           pointer_path(set.stroke(s), kPathSpacing))
            << '\n';
    const int wrong = apart_stroke(set);
    ASSERT_GT(wrong, 0);
    out << "wrong " << wrong << ' ' << set.point(wrong, 0).x << ' ' << set.point(wrong, 0).y
        << '\n';
    out << "long " << kanji_with_meaning_wider_than(400) << '\n';
}

} // namespace
