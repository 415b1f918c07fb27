#pragma once
// Support for the stroke tests: small stroke sets, the real data's strokes, pixels read back from
// a surface, pointer positions along a stroke, and the animation clock the tests run the worker
// on.
#include "animation_clock.h"
#include "practice_checker.h"
#include "stroke_animation.h"
#include "stroke_canvas.h"
#include "stroke_store.h"
#include "surface.h"

#include <QString>
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

// A straight stroke from (x0, y0), `count` points `step` pixels apart along (dx, dy).
inline std::vector<StrokePoint> straight_stroke(int x0, int y0, int dx, int dy, int count,
                                                int step = 5) {
    std::vector<StrokePoint> points;
    for (int i = 0; i < count; ++i)
        points.push_back({x0 + dx * step * i, y0 + dy * step * i, 0});
    return points;
}

inline StrokeSet stroke_set(std::initializer_list<std::vector<StrokePoint>> strokes) {
    StrokeSet set;
    for (const auto& s : strokes)
        set.add_stroke(s);
    return set;
}

// A kanji's strokes and starts as a screen's store holds them, from the open kanji file.
StrokeSet strokes_of(int kanji, StrokeScreen screen = StrokeScreen::Practice);
StrokeStarts starts_of(int kanji, StrokeScreen screen);
// The first stroke after the first whose start lies outside the first one's start square (a
// press there is out of order); -1 when there is none.
int apart_stroke(const StrokeSet& set);

// The newest message of a checker's feedback, or nothing.
inline QString newest(const PracticeChecker& c) {
    return c.feedback().count() ? c.feedback().by_age(0).text : QString();
}

inline Surface picture_of(const StrokeCanvas& canvas) {
    Surface s;
    s.image() = canvas.snapshot();
    return s;
}
inline ColorRef pixel_at(const Surface& s, int x, int y) {
    const QRgb p = s.image().pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

// Pixels in (left, top, right, bottom) within `tolerance` of the colour in every channel.
struct PixelRect {
    int left, top, right, bottom;
};
inline int count_near(const Surface& s, PixelRect r, ColorRef c, int tolerance = 40) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const ColorRef p = pixel_at(s, x, y);
            bool near = true;
            for (int shift : {0, 8, 16})
                near = near &&
                       std::abs(int((p >> shift) & 0xff) - int((c >> shift) & 0xff)) <= tolerance;
            n += near;
        }
    return n;
}

// Pointer positions every `spacing` pixels along a stroke's points, from its first to its last.
std::vector<BoxPoint> pointer_path(const std::vector<StrokePoint>& points, double spacing);

// Records every pause, runs a hook on the worker first, and sleeps for real only when asked to.
class TestClock : public AnimationClock {
  public:
    explicit TestClock(bool real = false) : real_(real) {}
    void pause(int ms) override {
        size_t index;
        {
            std::lock_guard<std::mutex> hold(mutex_);
            index = pauses_.size();
            pauses_.push_back(ms);
        }
        if (on_pause) on_pause(index, ms);
        if (real_) real_animation_clock().pause(ms);
    }
    // Before a run: pauses counted afresh from 0, no hook.
    void reset() {
        std::lock_guard<std::mutex> hold(mutex_);
        pauses_.clear();
        on_pause = {};
        held_once = false;
    }
    // Before a run: the worker stays in the first pause that `wanted` picks until `a` has been
    // asked to stop; `holding` is true while it waits there.
    void hold_in(const StrokeAnimation& a, std::function<bool(size_t index, int ms)> wanted) {
        reset();
        on_pause = [this, &a, wanted](size_t index, int ms) {
            if (!wanted(index, ms) || held_once.exchange(true)) return;
            holding = true;
            while (a.running())
                std::this_thread::yield();
            holding = false;
        };
    }
    std::vector<int> pauses() const {
        std::lock_guard<std::mutex> hold(mutex_);
        return pauses_;
    }

    std::function<void(size_t index, int ms)> on_pause; // set before the worker starts
    std::atomic<bool> holding{false};

  private:
    bool real_;
    std::atomic<bool> held_once{false};
    mutable std::mutex mutex_;
    std::vector<int> pauses_;
};
