#pragma once
// Screen tests of the stroke order practice window: the exercises' stand-in main window, the
// window opened as the main window opens it, an animation clock that never sleeps unless told
// to, and a hand that traces strokes through the practice box with mouse events.
#include "button.h"
#include "exercises/exercise_fixture.h"
#include "pixel_support.h"
#include "practice_window.h"
#include "stroke_animation.h"
#include "stroke_box.h"
#include "stroke_drawing.h"
#include "tracer.h"
#include "writing_ex.h"

#include <atomic>
#include <functional>
#include <thread>

// Runs an optional hook on the worker at each pause instead of sleeping.
class HookClock : public AnimationClock {
  public:
    void pause(int ms) override {
        if (on_pause) on_pause(ms);
        pauses += 1;
    }
    std::function<void(int ms)> on_pause; // set before the animation starts
    std::atomic<int> pauses{0};
};

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
    static QString newest_message() {
        const FeedbackList& f = w()->checker().feedback();
        return f.count() ? f.by_age(0).text : QString();
    }
    static Surface box_picture() {
        Surface s;
        s.image() = w()->box()->canvas().snapshot();
        return s;
    }
    static Surface drawn(void (*draw)(Surface&, const StrokeSet&)) {
        Surface s(kPracticeBoxSize, kPracticeBoxSize);
        draw(s, w()->strokes());
        return s;
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

    // The first kanji, from `from` on, of at least `strokes` strokes whose second stroke starts
    // outside the first one's start square (a press there is out of order).
    static int kanji_with_apart_starts(int strokes, int from = 1) {
        for (int k = from; k <= kKanjiTotal; ++k) {
            KanjiData_LoadStrokes(k);
            StrokeSet set;
            StrokeSet_Load(set, StrokeScreen::Practice);
            if (set.stroke_count() < strokes) continue;
            const StrokePoint &a = set.point(0, 0), &b = set.point(1, 0);
            if (std::max(std::abs(a.x - b.x), std::abs(a.y - b.y)) > 10) return k;
        }
        return -1;
    }
    // The first kanji whose first stroke turns at a corner inside it.
    static int kanji_with_corner() {
        for (int k = 1; k <= kKanjiTotal; ++k) {
            KanjiData_LoadStrokes(k);
            StrokeSet set;
            StrokeSet_Load(set, StrokeScreen::Practice);
            const int n = set.point_count(0);
            for (int i = 1; i + 1 < n; ++i)
                if (set.point(0, i).is_corner()) return k;
        }
        return -1;
    }

    HookClock clock;
};
// Pixels that differ between two pictures of a box, leaving out the four 7 x 7 corners of its
// sunken frame (their pieces blend over what the box showed before); `c` device pixels each.
inline int differing_pixels(const QImage& a, const QImage& b, int c = 7) {
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
