// The stroke animation worker: its pauses and stop points, the hand-over of the canvas and the
// button between the worker and the user-interface thread.
#include "button.h"
#include "feedback_panel.h"
#include "pixel_support.h"
#include "poll.h"
#include "stroke_animation.h"
#include "stroke_box.h"
#include "stroke_drawing.h"
#include "stroke_test_support.h"

#include <QApplication>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Records every pause; runs a hook on the worker first; sleeps for real when asked to.
class RecordingClock : public AnimationClock {
  public:
    explicit RecordingClock(bool real = false) : real_(real) {}
    void pause(int ms) override {
        size_t index;
        {
            std::lock_guard<std::mutex> hold(mutex_);
            index = pauses_.size();
            pauses_.push_back(ms);
            began_.push_back(Clock::now());
        }
        if (on_pause) on_pause(index);
        if (real_) real_animation_clock().pause(ms);
        std::lock_guard<std::mutex> hold(mutex_);
        ended_.push_back(Clock::now());
    }
    std::vector<int> pauses() const {
        std::lock_guard<std::mutex> hold(mutex_);
        return pauses_;
    }
    std::vector<Clock::time_point> began() const {
        std::lock_guard<std::mutex> hold(mutex_);
        return began_;
    }
    std::vector<Clock::time_point> ended() const {
        std::lock_guard<std::mutex> hold(mutex_);
        return ended_;
    }
    std::function<void(size_t index)> on_pause; // set before the worker starts

  private:
    bool real_;
    mutable std::mutex mutex_;
    std::vector<int> pauses_;
    std::vector<Clock::time_point> began_, ended_;
};

// What the animation asked of its window, and whether it asked on the user-interface thread.
struct HostLog {
    int repaints = 0;
    std::vector<bool> holds;
    bool off_ui_thread = false;
};

AnimationHost logging_host(StrokeCanvas& canvas, HostLog& log) {
    auto on_ui = [&log] {
        if (QThread::currentThread() != qApp->thread()) log.off_ui_thread = true;
    };
    return {&canvas,
            [&log, on_ui] {
                on_ui();
                log.repaints += 1;
            },
            [&log, on_ui](bool held) {
                on_ui();
                log.holds.push_back(held);
            }};
}

// Stroke 0: four points with a corner at point 2; stroke 1: a single point; stroke 2: three.
StrokeSet mixed_strokes() {
    std::vector<StrokePoint> bent = straight_stroke(40, 60, 1, 0, 4, 30);
    bent[2].corner = 1;
    return stroke_set({bent, {{60, 120, 0}}, straight_stroke(40, 200, 1, 0, 3, 60)});
}

bool run_ended(const StrokeAnimation& a, const HostLog& log) {
    return !a.running() && !log.holds.empty() && !log.holds.back();
}

} // namespace

TEST(StrokeAnimation, DrawsEveryStrokeWithItsPausesThenReleasesTheButton) {
    for (AnimationFlavour flavour : {AnimationFlavour::Practice, AnimationFlavour::Review}) {
        StrokeCanvas canvas(260, 260);
        HostLog log;
        RecordingClock clock;
        StrokeAnimation a(flavour, logging_host(canvas, log), &clock);
        StrokeAnimation_Start(a, mixed_strokes());
        EXPECT_EQ(log.holds, std::vector<bool>{true});
        ASSERT_TRUE(wait_until([&] { return bool(run_ended(a, log)); }, 10000));
        EXPECT_EQ(clock.pauses(),
                  (std::vector<int>{150, 400, 400, 12, 200, 12, 400, 400, 400, 400, 12, 12}));
        EXPECT_EQ(log.holds, (std::vector<bool>{true, false}));
        EXPECT_GT(log.repaints, 10);
        EXPECT_FALSE(log.off_ui_thread);
        const AnimationLook look = animation_look(flavour);
        Surface picture;
        picture.image() = canvas.snapshot();
        EXPECT_EQ(pixel_at(picture, 85, 60), look.pen_colour);   // inside the first stroke
        EXPECT_EQ(pixel_at(picture, 159, 201), look.pen_colour); // the last tip square is gone
        StrokeAnimation_Stop(a); // after the end: nothing to release
        EXPECT_EQ(log.holds.size(), 2u);
    }
}

TEST(StrokeAnimation, AStopDuringANumbersPauseTakesEffectAfterTheArrowsPause) {
    // Stroke 0 is a single point on stroke 1's start. The stop comes in stroke 0's number pause:
    // the review sees it after stroke 0's arrow; the practice, which looks only before each point
    // from the second on, draws stroke 1's number and arrow first.
    const StrokeSet strokes = stroke_set({{{40, 60, 0}}, straight_stroke(40, 60, 1, 0, 4, 30)});
    for (AnimationFlavour flavour : {AnimationFlavour::Review, AnimationFlavour::Practice}) {
        StrokeCanvas canvas(260, 260);
        HostLog log;
        RecordingClock clock;
        StrokeAnimation a(flavour, logging_host(canvas, log), &clock);
        std::atomic<bool> in_number_pause{false};
        clock.on_pause = [&](size_t index) {
            if (index != 1) return; // after the first picture's pause
            in_number_pause = true;
            while (a.running()) // until the stop has been asked for
                std::this_thread::yield();
        };
        a.start(strokes);
        ASSERT_TRUE(wait_until([&] { return bool(in_number_pause.load()); }, 10000));
        a.stop();
        EXPECT_FALSE(a.running());
        const std::vector<int> expected = flavour == AnimationFlavour::Review
                                              ? std::vector<int>{150, 400, 400}
                                              : std::vector<int>{150, 400, 400, 400, 400};
        EXPECT_EQ(clock.pauses(), expected);
        QCoreApplication::processEvents();
        EXPECT_EQ(log.holds, (std::vector<bool>{true, false})); // released once, by the stop
        // The arrow is drawn (white over the grey first picture), the line is not.
        Surface picture;
        picture.image() = canvas.snapshot();
        EXPECT_GT(count_near(picture, {49, 58, 66, 63}, RGB(255, 255, 255), 10), 5);
        EXPECT_EQ(pixel_at(picture, 80, 60), RGB(192, 192, 192));
    }
}

TEST(StrokeAnimation, AStrokeWithoutPointsIsPassedOver) {
    StrokeCanvas canvas(260, 260);
    HostLog log;
    RecordingClock clock;
    StrokeAnimation a(AnimationFlavour::Practice, logging_host(canvas, log), &clock);
    a.start(stroke_set({{}, straight_stroke(40, 60, 1, 0, 2)}));
    ASSERT_TRUE(wait_until([&] { return bool(run_ended(a, log)); }, 10000));
    EXPECT_EQ(clock.pauses(), (std::vector<int>{150, 400, 400, 12}));
    Surface shown(260, 260);
    DrawShownStrokes(shown, stroke_set({{}, straight_stroke(40, 60, 1, 0, 2)}));
    EXPECT_GT(count_near(shown, {31, 51, 49, 69}, RGB(128, 0, 0)), 8); // stroke 2's number
}

TEST(StrokeAnimation, StoppingWhenNothingRunsReturnsAtOnceAndTouchesNothing) {
    StrokeCanvas canvas(200, 200);
    HostLog log;
    StrokeAnimation a(AnimationFlavour::Review, logging_host(canvas, log));
    StrokeAnimation_Stop(a);
    EXPECT_TRUE(log.holds.empty());
    EXPECT_EQ(log.repaints, 0);
}

TEST(StrokeAnimation, ALateReleaseFromAnEarlierRunLeavesTheNewRunsButtonHeld) {
    StrokeCanvas canvas(260, 260);
    HostLog log;
    RecordingClock clock;
    std::atomic<bool> gate_open{true};
    clock.on_pause = [&](size_t) {
        while (!gate_open)
            std::this_thread::yield();
    };
    StrokeAnimation a(AnimationFlavour::Practice, logging_host(canvas, log), &clock);
    a.start(mixed_strokes());
    while (a.running()) // the worker ends on its own; its release waits in the event queue
        std::this_thread::yield();
    gate_open = false;
    a.start(mixed_strokes()); // held in its first pause
    QCoreApplication::processEvents();
    EXPECT_EQ(log.holds, (std::vector<bool>{true, true}));
    EXPECT_TRUE(a.running());
    gate_open = true;
    a.stop();
    QCoreApplication::processEvents();
    EXPECT_EQ(log.holds, (std::vector<bool>{true, true, false}));
}

TEST(StrokeAnimation, RealPausesComeInOrderAndLastAtLeastTheirLength) {
    StrokeCanvas canvas(260, 260);
    HostLog log;
    RecordingClock clock(true);
    StrokeAnimation a(AnimationFlavour::Practice, logging_host(canvas, log), &clock);
    std::vector<StrokePoint> bent = straight_stroke(40, 60, 1, 0, 3, 30);
    bent[1].corner = 1;
    const auto t0 = Clock::now();
    a.start(stroke_set({bent}));
    ASSERT_TRUE(wait_until([&] { return bool(run_ended(a, log)); }, 10000));
    const auto elapsed = Clock::now() - t0;
    const std::vector<int> pauses = clock.pauses();
    ASSERT_EQ(pauses, (std::vector<int>{150, 400, 400, 200, 12}));
    const auto began = clock.began(), ended = clock.ended();
    int total = 0;
    for (size_t i = 0; i < pauses.size(); ++i) {
        EXPECT_GE(ended[i] - began[i], std::chrono::milliseconds(pauses[i])) << i;
        if (i > 0) {
            EXPECT_GE(began[i], ended[i - 1]);
        }
        total += pauses[i];
    }
    EXPECT_GE(elapsed, std::chrono::milliseconds(total));
}

TEST(StrokeAnimation, TheUserInterfaceDrawsAndPaintsWhileTheWorkerDraws) {
    StrokeCanvas canvas(260, 260);
    HostLog log;
    RecordingClock clock;
    StrokeAnimation a(AnimationFlavour::Practice, logging_host(canvas, log), &clock);
    StrokeSet set;
    for (int s = 0; s < kMaxStoredStrokes; ++s)
        set.add_stroke(straight_stroke(10, 10 + 8 * s, 1, 0, 40));
    FeedbackList list;
    list.append("Started stroke number 1", SeverityInfo);
    Surface panel(220, 260), screen(260, 260);
    a.start(set);
    int frames = 0;
    while (a.running()) {
        DrawFeedbackPanel(panel, list, true, u'\u6c34'); // text on this thread too
        QPainter p(&screen.image());
        canvas.paint_to(p);
        ++frames;
    }
    ASSERT_TRUE(wait_until([&] { return bool(run_ended(a, log)); }, 10000));
    EXPECT_GT(frames, 0);
    EXPECT_EQ(int(clock.pauses().size()), 1 + kMaxStoredStrokes * (2 + 39));
}

TEST(StrokeAnimation, ABoxAndItsButtonServeAsTheHost) {
    QWidget window;
    window.resize(400, 300);
    StrokeBox* box = new StrokeBox(&window, 10, 10, 260, 260);
    Button* button =
        Button::create(&window, 280, 10, QStringLiteral("Animate Strokes"), 12, {}, {}, {}, -1, 0);
    window.show();
    RecordingClock clock;
    StrokeAnimation a(AnimationFlavour::Review, animation_host(box, button), &clock);
    a.start(mixed_strokes());
    EXPECT_TRUE(button->behaviour().held);
    ASSERT_TRUE(wait_until([&] { return bool(!a.running() && !button->behaviour().held); }, 10000));
    QCoreApplication::processEvents();
    EXPECT_EQ(box->grab().toImage().convertToFormat(QImage::Format_RGB32),
              box->canvas().snapshot().convertToFormat(QImage::Format_RGB32));

    // The button may go first: the release finds nothing to release.
    std::atomic<bool> gate_open{false};
    clock.on_pause = [&](size_t) {
        while (!gate_open)
            std::this_thread::yield();
    };
    a.start(mixed_strokes());
    delete button;
    gate_open = true;
    ASSERT_TRUE(wait_until([&] { return bool(!a.running()); }, 10000));
    QCoreApplication::processEvents();
}
