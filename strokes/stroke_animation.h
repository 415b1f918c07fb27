#pragma once
// The stroke animation: a worker thread draws a kanji stroke by stroke into a box's canvas, slowly
// enough to follow, while the user-interface thread stays responsive. The practice window and the
// review window each own one, in their own flavour:
//
//                         | practice              | review
//   ----------------------+-----------------------+-----------------------------------
//   first picture width   | 16                    | 12
//   stroke pen            | 18, RGB(128, 0, 0)    | 14, RGB(0, 0, 192)
//   number marker, arrow  | practice flavours     | review flavours
//   stop checks           | before every point    | also after each stroke's arrow
//                         | from the second on    |
//
// The window fills the StrokeSet (the practice's with the kanji, the review's afresh from the
// shared stroke buffer with the review mapping) and hands it to start, which copies it.
//
// Threads: start and stop run on the user-interface thread. The worker touches the canvas only
// under its lock and nothing else of the window: repaints and the button's release are posted to
// the user-interface thread. Stop clears the running flag and joins the worker, so that when it
// returns no worker draws any more and the window may draw into the canvas, free it or close.
#include "animation_clock.h"
#include "stroke_canvas.h"
#include "stroke_geometry.h"
#include "surface.h"

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

class Button;
class StrokeBox;

enum class AnimationFlavour { Practice, Review };

struct AnimationLook {
    int first_picture_width;
    int pen_width;
    ColorRef pen_colour;
    MarkerFlavour marker;
    ArrowFlavour arrow;
    bool check_after_arrow; // a stop is also seen after each stroke's arrow
};
AnimationLook animation_look(AnimationFlavour flavour);

// The animation's pauses, in milliseconds.
namespace animation_pause {
constexpr int FirstPicture = 150;
constexpr int Marker = 400; // after the number, and after the arrow
constexpr int Corner = 200;
constexpr int Point = 12;
} // namespace animation_pause

// What the animating window provides.
struct AnimationHost {
    StrokeCanvas* canvas = nullptr;             // drawn by the worker, under the canvas's lock
    std::function<void()> repaint;              // run on the user-interface thread
    std::function<void(bool held)> hold_button; // run on the user-interface thread
};
// The host for a box window and its animation button: repaints update the box, the button is held
// down while the animation runs. Either may be destroyed first; the box's canvas must outlive
// the animation's run (stop before freeing it).
AnimationHost animation_host(StrokeBox* box, Button* button);

class StrokeAnimation {
  public:
    // `clock` null: the real clock.
    StrokeAnimation(AnimationFlavour flavour, AnimationHost host, AnimationClock* clock = nullptr);
    // Stops a running worker and waits for it; touches neither the button nor the box.
    ~StrokeAnimation();
    StrokeAnimation(const StrokeAnimation&) = delete;
    StrokeAnimation& operator=(const StrokeAnimation&) = delete;

    // Holds the button down and starts the worker on a copy of `strokes`; nothing while running.
    void start(const StrokeSet& strokes);
    // When running: asks the worker to end, waits until it has, and releases the button. When not
    // running: waits for a worker that has just ended on its own (it draws no more) and touches
    // nothing else.
    void stop();
    bool running() const { return running_.load(); }

  private:
    void run(const StrokeSet strokes); // worker thread
    bool animate_stroke(const StrokeSet& strokes, int s, const AnimationLook& look);
    bool stop_requested() const { return !running_.load(); }
    void request_repaint();
    void finish();
    void join_worker();

    AnimationFlavour flavour_;
    AnimationHost host_;
    AnimationClock* clock_;
    std::unique_ptr<QObject> ui_; // receives what the worker posts to the user-interface thread
    std::atomic<bool> running_{false};
    std::thread worker_;
};

// The entry points as the windows call them.
void StrokeAnimation_Start(StrokeAnimation& animation, const StrokeSet& strokes);
void StrokeAnimation_Stop(StrokeAnimation& animation);
