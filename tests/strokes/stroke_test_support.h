#pragma once
// Support for the stroke tests: small stroke sets, the real data's strokes, pixels read back from
// a surface, pointer positions along a stroke, and the animation clock the tests run the worker
// on.
#include "animation_clock.h"
#include "kanji_data.h"
#include "practice_checker.h"
#include "stroke_animation.h"
#include "stroke_canvas.h"
#include "stroke_store.h"
#include "surface.h"

#include <QString>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <mutex>
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
    const auto near = [&](int a, int shift) {
        return std::abs(a - int((c >> shift) & 0xff)) <= tolerance;
    };
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const QRgb p = s.image().pixel(x, y);
            n += near(qRed(p), 0) && near(qGreen(p), 8) && near(qBlue(p), 16);
        }
    return n;
}

// A kanji's strokes and starts as a screen's store holds them, from the open kanji file.
inline StrokeSet strokes_of(int kanji, StrokeScreen screen = StrokeScreen::Practice) {
    KanjiData_LoadStrokes(kanji);
    StrokeSet set;
    StrokeSet_Load(set, screen);
    return set;
}

inline StrokeStarts starts_of(int kanji, StrokeScreen screen) {
    KanjiData_LoadStrokes(kanji);
    StrokeStarts starts;
    StrokeStarts_Load(starts, screen);
    return starts;
}

// The first stroke after the first whose start lies outside the first one's start square (a
// press there is out of order); -1 when there is none.
inline int apart_stroke(const StrokeSet& set) {
    for (int s = 1; s < set.stroke_count(); ++s) {
        const StrokePoint &a = set.point(0, 0), &b = set.point(s, 0);
        if (std::max(std::abs(a.x - b.x), std::abs(a.y - b.y)) > 10) return s;
    }
    return -1;
}

// Pointer positions every `spacing` pixels along a stroke's points, from its first to its last.
inline std::vector<BoxPoint> pointer_path(const std::vector<StrokePoint>& points, double spacing) {
    std::vector<BoxPoint> path;
    if (points.empty()) return path;
    path.push_back({points[0].x, points[0].y});
    double carried = 0; // distance walked since the last position given
    for (size_t i = 1; i < points.size(); ++i) {
        const double x0 = points[i - 1].x, y0 = points[i - 1].y;
        const double dx = points[i].x - x0, dy = points[i].y - y0;
        const double length = std::hypot(dx, dy);
        double at = spacing - carried;
        for (; at <= length; at += spacing)
            path.push_back(
                {int(std::lround(x0 + dx * at / length)), int(std::lround(y0 + dy * at / length))});
        carried = length - (at - spacing);
    }
    const BoxPoint end{points.back().x, points.back().y};
    if (!(path.back() == end)) path.push_back(end);
    return path;
}

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
