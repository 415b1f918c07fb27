#pragma once
// The tracing checker of the stroke order practice: presses, moves and releases in practice box
// coordinates go in; verdicts (into its feedback list), the ink to draw, redraw requests and sound
// cues come out as effects that the practice window carries out. No window is involved.
//
//   state               | practising | stroke in progress | press          | move       | release
//   --------------------+------------+--------------------+----------------+------------+------------
//   out of practice     | off        | any                | refused        | refused    | refused
//   waiting for a press | on         | no                 | judge a start  | nothing    | nothing
//   tracing stroke s    | on         | yes                | judge a start  | judge      | judge end
//   ended               | off        | any                | refused        | refused    | refused
//
// "Out of practice" is practice mode off; an attempt ends by a fatal verdict (practising off,
// Restart Practice enabled and blinking) or by success after the last stroke. Every accepted
// press moves on to the next stroke, whatever happened before; a press once every stroke has been
// started ends the attempt with "FATAL: Incorrect Stroke Order". The tracer is told to change
// direction as the target moves on from a corner point.
#include "feedback_list.h"
#include "stroke_geometry.h"

#include <optional>
#include <vector>

enum class PracticeCursor { Unchanged, Idle, Drawing, Refused };

struct InkSegment {
    BoxPoint from;
    BoxPoint to;
};

// What the window must do after an input, in this order: cursor, box drawings (dot, ink, the
// finished strokes, the corner pixel), box repaint, panel redraw, cues, Restart Practice, pump.
struct PracticeEffects {
    PracticeCursor cursor = PracticeCursor::Unchanged;
    std::optional<BoxPoint> dot;          // the press's dot, RGB(164, 0, 0)
    std::optional<InkSegment> ink;        // the move's 12-pixel line, RGB(164, 0, 0)
    int finished_through = -1;            // stroke done: template, then strokes 0..n clean
    std::optional<BoxPoint> corner_pixel; // a corner was passed: one pixel RGB(0, 0, 255)
    bool repaint_box = false;
    bool feedback_changed = false;  // the feedback list changed: redraw the panel
    std::vector<int> cues;          // sound cues, in the order to play them
    bool restart_enabled = false;   // enable Restart Practice
    bool restart_attention = false; // ... and make it blink
    bool pump = false;              // dispatch pending messages at the end
};

class PracticeChecker {
  public:
    // Judging distances and progress values, in box pixels.
    static constexpr int kStartHalf = 7;         // a press starts a stroke within this square
    static constexpr int kNearLine = 5;          // at or within: the far warning re-arms
    static constexpr int kFarWarning = 7;        // from here the tracer is warned
    static constexpr int kFarFatal = 13;         // from here the attempt ends
    static constexpr int kCatchUpBeyond = 6;     // look for a nearer later point beyond this
    static constexpr int kReleaseReach = 14;     // a release this near the end completes
    static constexpr double kAdvance = 0.5;      // progress that moves the target on
    static constexpr double kTooLongWarn = 1.5;  // past the last point
    static constexpr double kTooLongFatal = 2.5; // past the last point
    static constexpr double kReleaseTooLong = 3.0;
    static constexpr int kBackwardFatal = 7;
    static constexpr double kFreshProgress = -50.0;

    // The kanji-loaded reset: takes the kanji's strokes (practice mapping), leaves practice mode,
    // clears the counters and the list.
    void load_kanji(const StrokeSet& strokes);
    // The practice-start reset: practice mode and practising on, back to stroke 1, list cleared;
    // the target, the backward moves and the far warning stay as they were.
    void start_practice();
    // The restart reset: practising on, back to stroke 1, counters and list cleared.
    void restart();
    // Leaves practice mode (another view was chosen).
    void leave_practice();

    PracticeEffects press(int x, int y);
    PracticeEffects move(int x, int y);
    PracticeEffects release(int x, int y);

    bool practising() const { return practising_; }
    bool practice_mode() const { return practice_mode_; }
    bool stroke_in_progress() const { return in_stroke_; }
    int current_stroke() const { return current_stroke_; }
    int target_point() const { return target_; }
    int backward_moves() const { return backward_moves_; }
    const FeedbackList& feedback() const { return feedback_; }
    const StrokeSet& strokes() const { return strokes_; }

  private:
    bool accepting() const { return practising_ && practice_mode_; }
    // Point i of the current stroke, i kept within the stroke (which has at least one point).
    BoxPoint point(int i) const;
    bool is_corner(int i) const;
    void post(PracticeEffects& fx, const QString& text, int severity);
    void judge_start(PracticeEffects& fx, BoxPoint m);
    void judge_end_zone(PracticeEffects& fx, BoxPoint m);
    bool judge_direction(PracticeEffects& fx, double v);
    void catch_up(BoxPoint m, int& d, double& v);
    void judge_distance(PracticeEffects& fx, int d);
    void advance(PracticeEffects& fx, double v);

    StrokeSet strokes_;
    FeedbackList feedback_;
    bool practising_ = false;
    bool practice_mode_ = false;
    bool in_stroke_ = false;
    int current_stroke_ = -1;
    int target_ = 0;
    BoxPoint last_;
    double previous_progress_ = kFreshProgress;
    int backward_moves_ = 0;
    bool far_warned_ = false;
};
