// The stroke animation worker: its pauses and stop points, the hand-over of the canvas and the
// button between the worker and the user-interface thread.
#include "button.h"
#include "feedback_panel.h"
#include "poll.h"
#include "stroke_box.h"
#include "stroke_drawing.h"
#include "stroke_test_support.h"

#include <QApplication>
#include <QThread>
#include <chrono>
#include <numeric>

namespace {

// A canvas, what the animation asked of its window (and whether on the user-interface thread),
// a recording clock and the animation over them.
struct Rig {
    explicit Rig(AnimationFlavour flavour = AnimationFlavour::Practice, bool real = false)
        : clock(real), a(flavour,
                         {&canvas, [this] { on_ui(), ++repaints; },
                          [this](bool held) { on_ui(), holds.push_back(held); }},
                         &clock) {}
    void on_ui() { off_ui_thread |= QThread::currentThread() != qApp->thread(); }
    bool wait_end() {
        return wait_until([&] { return !a.running() && !holds.empty() && !holds.back(); }, 10000);
    }
    Surface picture() const { return picture_of(canvas); }

    StrokeCanvas canvas{260, 260};
    int repaints = 0;
    std::vector<bool> holds;
    bool off_ui_thread = false;
    TestClock clock;
    StrokeAnimation a;
};

// Stroke 0: no points; stroke 1: four points with a corner at point 2; stroke 2: a single point;
// stroke 3: three.
StrokeSet mixed_strokes() {
    std::vector<StrokePoint> bent = straight_stroke(40, 60, 1, 0, 4, 30);
    bent[2].corner = 1;
    return stroke_set({{}, bent, {{60, 120, 0}}, straight_stroke(40, 200, 1, 0, 3, 60)});
}

} // namespace

// The stroke without points is passed over; stopping before or after a run touches nothing.
TEST(StrokeAnimation, DrawsEveryStrokeWithItsPausesThenReleasesTheButton) {
    for (AnimationFlavour flavour : {AnimationFlavour::Practice, AnimationFlavour::Review}) {
        Rig r(flavour);
        StrokeAnimation_Stop(r.a);
        EXPECT_TRUE(r.holds.empty());
        StrokeAnimation_Start(r.a, mixed_strokes());
        EXPECT_EQ(r.holds, std::vector<bool>{true});
        ASSERT_TRUE(r.wait_end());
        EXPECT_EQ(r.clock.pauses(),
                  (std::vector<int>{150, 400, 400, 12, 200, 12, 400, 400, 400, 400, 12, 12}));
        EXPECT_EQ(r.holds, (std::vector<bool>{true, false}));
        EXPECT_GT(r.repaints, 10);
        EXPECT_FALSE(r.off_ui_thread);
        const ColorRef pen = animation_look(flavour).pen_colour;
        EXPECT_EQ(pixel_at(r.picture(), 85, 60), pen);   // inside the first stroke
        EXPECT_EQ(pixel_at(r.picture(), 159, 201), pen); // the last tip square is gone
        StrokeAnimation_Stop(r.a);
        EXPECT_EQ(r.holds.size(), 2u);
    }
}

TEST(StrokeAnimation, AStopDuringANumbersPauseTakesEffectAfterTheArrowsPause) {
    // Stroke 0 is a single point on stroke 1's start. The stop comes in stroke 0's number pause:
    // the review sees it after stroke 0's arrow; the practice, which looks only before each point
    // from the second on, draws stroke 1's number and arrow first.
    const StrokeSet strokes = stroke_set({{{40, 60, 0}}, straight_stroke(40, 60, 1, 0, 4, 30)});
    for (AnimationFlavour flavour : {AnimationFlavour::Review, AnimationFlavour::Practice}) {
        Rig r(flavour);
        r.clock.hold_in(r.a, [](size_t index, int) { return index == 1; });
        r.a.start(strokes);
        ASSERT_TRUE(wait_until([&] { return r.clock.holding.load(); }, 10000));
        r.a.stop();
        EXPECT_FALSE(r.a.running());
        const std::vector<int> expected = flavour == AnimationFlavour::Review
                                              ? std::vector<int>{150, 400, 400}
                                              : std::vector<int>{150, 400, 400, 400, 400};
        EXPECT_EQ(r.clock.pauses(), expected);
        QCoreApplication::processEvents();
        EXPECT_EQ(r.holds, (std::vector<bool>{true, false})); // released once, by the stop
        // The arrow is drawn (white over the grey first picture), the line is not.
        EXPECT_GT(count_near(r.picture(), {49, 58, 66, 63}, RGB(255, 255, 255), 10), 5);
        EXPECT_EQ(pixel_at(r.picture(), 80, 60), RGB(192, 192, 192));
    }
}

// The worker ends on its own while the user-interface thread is busy: its release waits in the
// event queue while a new run starts.
TEST(StrokeAnimation, ALateReleaseFromAnEarlierRunLeavesTheNewRunsButtonHeld) {
    Rig r;
    std::atomic<bool> gate_open{true};
    r.clock.on_pause = [&](size_t, int) {
        while (!gate_open)
            std::this_thread::yield();
    };
    r.a.start(mixed_strokes());
    while (r.a.running())
        std::this_thread::yield();
    gate_open = false;
    r.a.start(mixed_strokes()); // held in its first pause
    QCoreApplication::processEvents();
    EXPECT_EQ(r.holds, (std::vector<bool>{true, true}));
    gate_open = true;
    r.a.stop();
    EXPECT_EQ(r.holds, (std::vector<bool>{true, true, false}));
}

// The real clock sleeps at least each pause's length (no upper bound: the machine may be slow).
TEST(StrokeAnimation, RealPausesLastAtLeastTheirLength) {
    Rig r(AnimationFlavour::Practice, true);
    const auto t0 = std::chrono::steady_clock::now();
    r.a.start(stroke_set({straight_stroke(40, 60, 1, 0, 3, 30)}));
    ASSERT_TRUE(r.wait_end());
    const std::vector<int> pauses = r.clock.pauses();
    ASSERT_EQ(pauses, (std::vector<int>{150, 400, 400, 12, 12}));
    EXPECT_GE(std::chrono::steady_clock::now() - t0,
              std::chrono::milliseconds(std::accumulate(pauses.begin(), pauses.end(), 0)));
}

// While the worker draws, this thread draws text and pictures and paints the canvas.
TEST(StrokeAnimation, TheUserInterfaceDrawsAndPaintsWhileTheWorkerDraws) {
    Rig r;
    StrokeSet set;
    for (int s = 0; s < kMaxStoredStrokes; ++s)
        set.add_stroke(straight_stroke(10, 10 + 8 * s, 1, 0, 40));
    FeedbackList list;
    list.append("Started stroke number 1", SeverityInfo);
    Surface panel(220, 260), screen(260, 260);
    r.a.start(set);
    for (int frames = 0; r.a.running() || frames == 0; ++frames) {
        DrawFeedbackPanel(panel, list, true, u'\u6c34');
        QPainter p(&screen.image());
        r.canvas.paint_to(p);
    }
    EXPECT_TRUE(r.wait_end());
}

// The box paints its canvas, and the animation holds its button while it runs.
TEST(StrokeAnimation, ABoxAndItsButtonServeAsTheHost) {
    QWidget window;
    StrokeBox* box = new StrokeBox(&window, 10, 10, 260, 260);
    Button* button = Button::create(&window, 280, 10, "Animate Strokes", 12, {}, {}, {}, -1, 0);
    window.show();
    TestClock clock;
    StrokeAnimation a(AnimationFlavour::Review, animation_host(box, button), &clock);
    a.start(mixed_strokes());
    EXPECT_TRUE(button->behaviour().held);
    ASSERT_TRUE(wait_until([&] { return !a.running() && !button->behaviour().held; }, 10000));
    EXPECT_EQ(box->grab().toImage().convertToFormat(QImage::Format_RGB32),
              box->canvas().snapshot().convertToFormat(QImage::Format_RGB32));
}
