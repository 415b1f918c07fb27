#include "practice_checker.h"

#include "sound_cue.h"

#include <algorithm>

void PracticeChecker::load_kanji(const StrokeSet& strokes) {
    strokes_ = strokes;
    practising_ = false;
    practice_mode_ = false;
    in_stroke_ = false;
    current_stroke_ = -1;
    target_ = 0;
    backward_moves_ = 0;
    far_warned_ = false;
    feedback_.clear();
}

void PracticeChecker::start_practice() {
    practising_ = true;
    practice_mode_ = true;
    in_stroke_ = false;
    current_stroke_ = -1;
    feedback_.clear();
}

void PracticeChecker::restart() {
    practising_ = true;
    in_stroke_ = false;
    current_stroke_ = -1;
    target_ = 0;
    backward_moves_ = 0;
    far_warned_ = false;
    feedback_.clear();
}

void PracticeChecker::leave_practice() {
    practice_mode_ = false;
    practising_ = false;
    in_stroke_ = false;
}

BoxPoint PracticeChecker::point(int i) const {
    const int n = strokes_.point_count(current_stroke_);
    if (n <= 0) return {}; // no stroke can be started without a point
    const StrokePoint& p = strokes_.point(current_stroke_, std::clamp(i, 0, n - 1));
    return {p.x, p.y};
}

bool PracticeChecker::is_corner(int i) const {
    return strokes_.point(current_stroke_, i).is_corner();
}

// Every message after the attempt has ended is dropped; a fatal one ends it.
void PracticeChecker::post(PracticeEffects& fx, const QString& text, int severity) {
    if (!practising_) return;
    if (severity == SeverityFatal) {
        fx.cues.push_back(CueWrong);
        practising_ = false;
        fx.restart_enabled = true;
        fx.restart_attention = true;
    }
    feedback_.append(text, severity);
    fx.feedback_changed = true;
}

PracticeEffects PracticeChecker::press(int x, int y) {
    PracticeEffects fx;
    if (!accepting()) {
        fx.cursor = PracticeCursor::Refused;
        return fx;
    }
    const BoxPoint m{x, y};
    fx.cursor = PracticeCursor::Drawing;
    fx.dot = m;
    fx.repaint_box = true;
    last_ = m;
    in_stroke_ = true;
    if (current_stroke_ + 1 >= strokes_.stroke_count()) { // every stroke has been started
        post(fx, QStringLiteral("FATAL: Incorrect Stroke Order"), SeverityFatal);
        return fx;
    }
    current_stroke_ += 1;
    target_ = 0;
    far_warned_ = false;
    judge_start(fx, m);
    return fx;
}

void PracticeChecker::judge_start(PracticeEffects& fx, BoxPoint m) {
    auto starts_at = [&](int s) {
        return strokes_.point_count(s) > 0 &&
               in_square(m, {strokes_.point(s, 0).x, strokes_.point(s, 0).y}, kStartHalf);
    };
    if (starts_at(current_stroke_)) {
        post(fx, QStringLiteral("Started stroke number %1").arg(current_stroke_ + 1), SeverityInfo);
        target_ = 1;
        previous_progress_ = kFreshProgress;
        return;
    }
    for (int s = 0; s < strokes_.stroke_count(); ++s)
        if (s != current_stroke_ && starts_at(s)) {
            post(fx, QStringLiteral("FATAL: Incorrect Stroke Order"), SeverityFatal);
            return;
        }
    post(fx, QStringLiteral("FATAL: Too far from stroke start"), SeverityFatal);
}

PracticeEffects PracticeChecker::move(int x, int y) {
    PracticeEffects fx;
    if (!accepting()) {
        fx.cursor = PracticeCursor::Refused;
        return fx;
    }
    if (!in_stroke_) return fx;
    const BoxPoint m{x, y};
    fx.cursor = PracticeCursor::Drawing;
    fx.ink = InkSegment{last_, m};
    fx.repaint_box = true;
    last_ = m;
    const int n = strokes_.point_count(current_stroke_);
    if (target_ >= n - 1) {
        judge_end_zone(fx, m);
        fx.pump = true;
        return fx;
    }
    int d = distance(point(target_), m);
    double v = progress(point(target_ - 1), point(target_ + 1), m);
    if (judge_direction(fx, v)) return fx; // a backward move is judged no further
    if (d > kCatchUpBeyond) catch_up(m, d, v);
    judge_distance(fx, d);
    advance(fx, v);
    fx.pump = true;
    return fx;
}

// Past the stroke's last point: only running on too far is judged.
void PracticeChecker::judge_end_zone(PracticeEffects& fx, BoxPoint m) {
    const double v = progress(point(target_ - 1), point(target_), m);
    if (v > kTooLongFatal)
        post(fx, QStringLiteral("FATAL: Line too long"), SeverityFatal);
    else if (v > kTooLongWarn)
        post(fx, QStringLiteral("Warning: Not too long!"), SeverityWarning);
}

// True when the move went backwards; the first is warned, the seventh since the kanji was loaded
// or the practice restarted ends the attempt.
bool PracticeChecker::judge_direction(PracticeEffects& fx, double v) {
    if (!(v < previous_progress_)) return false;
    backward_moves_ += 1;
    if (backward_moves_ == 1)
        post(fx, QStringLiteral("Warning: Incorrect Direction!"), SeverityWarning);
    else if (backward_moves_ >= kBackwardFatal)
        post(fx, QStringLiteral("FATAL: Incorrect Direction!"), SeverityFatal);
    return true;
}

// The tracer may be nearer a later point than the target: the target skips ahead to the first
// point past the nearest one, unless the nearest is the target's next point or the scan reaches
// the stroke's last point. `d` keeps the smallest distance seen.
void PracticeChecker::catch_up(BoxPoint m, int& d, double& v) {
    const int n = strokes_.point_count(current_stroke_);
    int stopped_at = -1;
    for (int j = target_ + 1; j < n - 1; ++j) {
        const int dj = distance(point(j), m);
        if (dj >= d) {
            stopped_at = j;
            break;
        }
        d = dj;
    }
    if (stopped_at <= target_ + 1) return;
    previous_progress_ = v;
    target_ = stopped_at;
    v = progress(point(target_ - 1), point(target_ + 1), m);
}

void PracticeChecker::judge_distance(PracticeEffects& fx, int d) {
    if (d >= kFarFatal) {
        post(fx, QStringLiteral("FATAL: Too far from line"), SeverityFatal);
    } else if (d >= kFarWarning) {
        if (!far_warned_) {
            post(fx, QStringLiteral("Warning: Too far from line"), SeverityWarning);
            far_warned_ = true;
        }
    } else if (d <= kNearLine) {
        far_warned_ = false;
    }
}

// Past the previous point towards the next one: the target moves on. Moving on from a corner
// tells the tracer to turn and marks the point after it.
//
// The corner is the target until the tracer gets there; it is not skipped as soon as it becomes
// the target. Skipping it then put the target on the far side of the turn while the tracer was
// still a sample or two before it, so that every further move towards the corner of a hook
// lowered the progress and counted as a backward move: a steady hand following the stored
// points 2 pixels a move was told "Incorrect Direction!" on 755 of the 1945 kanji and failed 19.
// A corner on the stroke's last point is never moved past.
void PracticeChecker::advance(PracticeEffects& fx, double v) {
    if (!(v > kAdvance)) {
        previous_progress_ = v;
        return;
    }
    const bool passing_corner = is_corner(target_);
    target_ += 1;
    previous_progress_ = kFreshProgress;
    if (passing_corner) {
        post(fx, QStringLiteral("Change direction now"), SeverityWarning);
        fx.corner_pixel = point(target_);
        fx.repaint_box = true;
    }
}

PracticeEffects PracticeChecker::release(int x, int y) {
    PracticeEffects fx;
    if (!accepting()) {
        fx.cursor = PracticeCursor::Refused;
        return fx;
    }
    if (!in_stroke_) return fx;
    fx.cursor = PracticeCursor::Idle;
    in_stroke_ = false;
    const BoxPoint m{x, y};
    const int s = current_stroke_;
    const int n = strokes_.point_count(s);
    const BoxPoint last = point(n - 1);
    if (distance(last, m) > kReleaseReach) {
        const bool too_long = progress(point(n - 2), last, m) > kReleaseTooLong;
        post(fx,
             too_long ? QStringLiteral("FATAL: Stroke too long")
                      : QStringLiteral("FATAL: Should continue stroke"),
             SeverityFatal);
        return fx;
    }
    fx.finished_through = s;
    fx.repaint_box = true;
    post(fx, QStringLiteral("Stroke number %1 completed").arg(s + 1), SeverityInfo);
    fx.cues.push_back(CueRight);
    if (s + 1 == strokes_.stroke_count()) {
        fx.cues.push_back(CueComplete);
        post(fx, QStringLiteral("WELL DONE: Character complete"), SeveritySuccess);
        practising_ = false;
        fx.restart_enabled = true;
    }
    return fx;
}
