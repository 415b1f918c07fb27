#include "stroke_animation.h"

#include "button.h"
#include "stroke_box.h"
#include "stroke_drawing.h"

#include <QPointer>

namespace {

// Receives on the user-interface thread what the worker posts, by method name: the posted call
// is then made entirely by Qt Core, and the worker allocates nothing that the user-interface
// thread reads afterwards. (A posted lambda is allocated by the worker and read on the other
// side through Qt Core's own locks, which ThreadSanitizer cannot see.)
class WorkerMail : public QObject {
    Q_OBJECT

  public:
    WorkerMail(std::function<void()> repaint, std::function<void()> finished)
        : repaint_(std::move(repaint)), finished_(std::move(finished)) {}
    Q_INVOKABLE void repaint() { repaint_(); }
    Q_INVOKABLE void finished() { finished_(); }

  private:
    std::function<void()> repaint_;
    std::function<void()> finished_;
};

} // namespace

AnimationLook animation_look(AnimationFlavour flavour) {
    if (flavour == AnimationFlavour::Review)
        return {12, 14, RGB(0, 0, 192), MarkerFlavour::Review, ArrowFlavour::Review, true};
    return {16, 18, RGB(128, 0, 0), MarkerFlavour::Practice, ArrowFlavour::Practice, false};
}

AnimationHost animation_host(StrokeBox* box, Button* button) {
    QPointer<StrokeBox> b(box);
    QPointer<Button> held(button);
    return {&box->canvas(),
            [b] {
                if (b) b->update();
            },
            [held](bool hold) {
                if (held) held->hold(hold ? -1 : 0);
            }};
}

StrokeAnimation::StrokeAnimation(AnimationFlavour flavour, AnimationHost host,
                                 AnimationClock* clock)
    : flavour_(flavour), host_(std::move(host)), clock_(clock ? clock : &real_animation_clock()),
      ui_(std::make_unique<WorkerMail>(
          [this] {
              if (host_.repaint) host_.repaint();
          },
          [this] { finish(); })) {}

StrokeAnimation::~StrokeAnimation() {
    running_.store(false);
    if (worker_.joinable()) worker_.join();
}

void StrokeAnimation::join_worker() {
    if (worker_.joinable()) worker_.join();
}

void StrokeAnimation::start(const StrokeSet& strokes) {
    if (running_.load()) return;
    join_worker(); // a worker that ended on its own
    if (host_.hold_button) host_.hold_button(true);
    running_.store(true);
    worker_ = std::thread(&StrokeAnimation::run, this, strokes);
}

void StrokeAnimation::stop() {
    // Whoever clears the flag first owns the release: the stop here, or the worker at its normal
    // end (then the release is already on its way and the stop touches nothing).
    const bool was_running = running_.exchange(false);
    join_worker();
    if (was_running && host_.hold_button) host_.hold_button(false);
}

// On the user-interface thread, posted by a worker that ended on its own. When a new run has
// started before this arrived, its button stays held.
void StrokeAnimation::finish() {
    if (running_.load()) return;
    join_worker();
    if (host_.hold_button) host_.hold_button(false);
}

void StrokeAnimation::request_repaint() {
    QMetaObject::invokeMethod(ui_.get(), "repaint", Qt::QueuedConnection);
}

void StrokeAnimation::run(const StrokeSet strokes) {
    const AnimationLook look = animation_look(flavour_);
    host_.canvas->draw([&](Surface& s) {
        DrawStrokes(s, strokes,
                    {stroke_colours::Template, look.first_picture_width, false, false, true, -1});
    });
    request_repaint();
    clock_->pause(animation_pause::FirstPicture);
    bool whole = true;
    for (int s = 0; s < strokes.stroke_count() && whole; ++s)
        whole = animate_stroke(strokes, s, look);
    if (running_.exchange(false))
        QMetaObject::invokeMethod(ui_.get(), "finished", Qt::QueuedConnection);
}

namespace {

QPen stroke_pen(const AnimationLook& look) {
    QPen pen(colorref(look.pen_colour));
    pen.setWidth(look.pen_width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void draw_segment(Surface& s, const QPen& pen, const StrokePoint& a, const StrokePoint& b) {
    auto p = s.painter(true);
    p->setPen(pen);
    p->drawLine(QPoint(a.x, a.y), QPoint(b.x, b.y));
}

} // namespace

// Draws one stroke: its number, its arrow, then its line point by point with the brush tip
// showing. False when a stop was seen (the picture stays as drawn so far).
bool StrokeAnimation::animate_stroke(const StrokeSet& strokes, int s, const AnimationLook& look) {
    const int n = strokes.point_count(s);
    if (n == 0) return true;
    const StrokePoint& p0 = strokes.point(s, 0);
    host_.canvas->draw([&](Surface& surface) {
        DrawStrokeNumber(surface, look.marker, p0.x, p0.y, s + 1, stroke_colours::AnimationMarker);
    });
    request_repaint();
    clock_->pause(animation_pause::Marker);
    const StrokePoint& target = strokes.point(s, animation_arrow_target(n));
    host_.canvas->draw([&](Surface& surface) {
        DrawDirectionArrow(surface, look.arrow, p0.x, p0.y, target.x, target.y);
    });
    request_repaint();
    clock_->pause(animation_pause::Marker);
    if (look.check_after_arrow && stop_requested()) return false;
    const QPen pen = stroke_pen(look);
    for (int i = 1; i < n; ++i) {
        if (stop_requested()) return false;
        const StrokePoint& a = strokes.point(s, i - 1);
        const StrokePoint& b = strokes.point(s, i);
        host_.canvas->draw([&](Surface& surface) {
            draw_segment(surface, pen, a, b);
            surface.fill_rect(b.x - 2, b.y - 1, b.x + 2, b.y + 3, RGB(255, 255, 255)); // the tip
        });
        request_repaint();
        clock_->pause(b.is_corner() ? animation_pause::Corner : animation_pause::Point);
        host_.canvas->draw([&](Surface& surface) { draw_segment(surface, pen, a, b); });
    }
    request_repaint();
    return true;
}

void StrokeAnimation_Start(StrokeAnimation& animation, const StrokeSet& strokes) {
    animation.start(strokes);
}

void StrokeAnimation_Stop(StrokeAnimation& animation) {
    animation.stop();
}

#include "stroke_animation.moc"
