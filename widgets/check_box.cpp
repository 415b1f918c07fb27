#include "check_box.h"

#include "hint.h"
#include "palette.h"
#include "toolkit_images.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <cmath>

namespace {

constexpr ChoiceControl::Metrics kMetrics{22, 20};
constexpr int kCaptionX = 20;
constexpr int kMarkSize = 12;
enum MarkCell { MarkNormal = 0, MarkHovered = 1, MarkPale = 2 };

QPointer<ChoiceControl>& hovered_check_box() {
    static QPointer<ChoiceControl> hovered;
    return hovered;
}

// The mark is combined with the box by AND: its white leaves the box as it is. A transparent
// pixel of the image counts as white. The work is done in device pixels: each of the box's
// takes the mark's device pixel under it, whatever the two ratios are.
QRgb and_over_white(QRgb m, QRgb d) {
    const int a = qAlpha(m);
    auto over_white = [a](int c) { return c + (255 - a); }; // premultiplied over white
    return qRgb(over_white(qRed(m)) & qRed(d), over_white(qGreen(m)) & qGreen(d),
                over_white(qBlue(m)) & qBlue(d));
}

void and_mark(Surface& s, int x, int y, int cell) {
    const QImage& mark = toolkit_image(image_id::CheckMark);
    if (mark.isNull()) return;
    QImage& dst = s.image();
    const int r = s.ratio(), mr = std::max(1, int(std::lround(mark.devicePixelRatio())));
    for (int dy = 0; dy < kMarkSize * r; ++dy) {
        for (int dx = 0; dx < kMarkSize * r; ++dx) {
            const int sx = cell * kMarkSize * mr + dx * mr / r, sy = dy * mr / r;
            const int tx = x * r + dx, ty = y * r + dy;
            if (!mark.valid(sx, sy) || !dst.valid(tx, ty)) continue;
            dst.setPixel(tx, ty, and_over_white(mark.pixel(sx, sy), dst.pixel(tx, ty)));
        }
    }
}

ColorRef caption_colour(const CheckBoxBehaviour& b) {
    if (b.greyed) return palette::DisabledGrey;
    if (!b.enabled) return palette::LabelGrey;
    return b.hovered ? palette::MediumBlue : palette::Navy;
}

void draw_box(Surface& s, const CheckBoxBehaviour& b) {
    ColorRef outline = palette::DisabledGrey, inner = palette::DisabledGrey;
    if (b.greyed) {
        outline = inner = palette::BoxGreyed;
    } else if (b.enabled && !b.locked) {
        outline = b.hovered ? palette::BoxOutlineHover : palette::BoxOutline;
        inner = b.hovered ? palette::BoxInnerHover : palette::BoxInner;
    }
    s.fill_rect(2, 2, 14, 14, palette::White);
    s.frame_rect(2, 2, 14, 14, outline);
    s.line(13, 3, 13, 13, inner);
    s.line(13, 13, 2, 13, inner);
}

void dotted_frame(Surface& s, int l, int t, int r, int b, ColorRef c) {
    for (int x = l; x < r; x += 2) {
        s.set_pixel(x, t, c);
        s.set_pixel(x, b - 1, c);
    }
    for (int y = t; y < b; y += 2) {
        s.set_pixel(l, y, c);
        s.set_pixel(r - 1, y, c);
    }
}

} // namespace

CheckBox* CheckBox::create(QWidget* parent, const Surface* background, const QString& caption,
                           int x, int y, int max_width, int line_phase, bool checked,
                           ChangeFn on_change) {
    auto* box = new CheckBox(parent, size_for(caption, max_width, kMetrics), line_phase,
                             std::move(on_change));
    box->setAccessibleName(caption);
    box->b_.value = checked ? 2 : 0;
    box->take_background(background, QPoint(x, y), true, line_phase);
    box->move(x, y);
    box->render();
    box->show();
    return box;
}

CheckBox::CheckBox(QWidget* parent, const Size& size, int line_phase, ChangeFn on_change)
    : ChoiceControl(parent, size), line_phase_(line_phase), on_change_(std::move(on_change)) {}

void CheckBox::paint(Surface& s, const Surface& background, const CheckBoxBehaviour& b,
                     const CaptionLines& lines) {
    s.copy_from(background, 0, 0);
    draw_caption(s, lines, caption_colour(b), b.hovered && !b.greyed && b.enabled, kCaptionX);
    draw_box(s, b);
    if (b.value == 1 || b.value == 3) s.fill_rect(4, 4, 12, 12, palette::BoxPressed);
    if (b.value == 2 || b.value == 3) {
        int cell = b.hovered ? MarkHovered : MarkNormal;
        if (b.greyed || !b.enabled || b.locked) cell = MarkPale;
        and_mark(s, 3, 2, cell);
    }
    if (b.has_focus && b.enabled && !b.locked)
        dotted_frame(s, 18, 0, s.width(), s.height() - 1, palette::LabelGrey);
}

void CheckBox::render() {
    paint(surface(), background_, b_, lines_);
}

void CheckBox::apply(const ChoiceEffects& fx) {
    if (fx.beep) beep();
    if (fx.start_hover_timer) start_hover(hovered_check_box());
    if (fx.stop_hover_timer) stop_hover(hovered_check_box());
    if (fx.take_focus) focus();
    if (fx.repaint) refresh();
    if (fx.hint != -1) show_hint(fx.hint);
    if (fx.notify && on_change_) on_change_(b_.checked());
}

void CheckBox::hover_ended() {
    apply(b_.end_hover());
}

void CheckBox::set_lined(bool flag) {
    set_background_lines(flag, line_phase_);
    refresh();
}

void CheckBox::set_greyed(bool flag) {
    if (flag == b_.greyed) return;
    b_.greyed = flag;
    refresh();
}

void CheckBox::set_enabled(bool flag) {
    b_.enabled = flag;
    refresh();
}

void CheckBox::set_locked(bool flag) {
    b_.locked = flag;
    refresh();
}

void CheckBox::set_checked(bool flag) {
    b_.value = flag ? 2 : 0;
    refresh();
}

void CheckBox::focus() {
    setFocus(Qt::OtherFocusReason);
}

void CheckBox::set_tab_order(QWidget* next, QWidget* prev) {
    next_focus_ = next;
    prev_focus_ = prev;
}

bool CheckBox::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            const bool back =
                key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
            if (QWidget* target = back ? prev_focus_ : next_focus_)
                target->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return ChoiceControl::event(event);
}

void CheckBox::mouseMoveEvent(QMouseEvent* event) {
    // While the button is down Qt keeps sending moves from outside; they are not ours.
    if (rect().contains(event->position().toPoint())) apply(b_.mouse_move());
}

void CheckBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) apply(b_.press());
    if (event->button() == Qt::RightButton) focus();
}

void CheckBox::mouseReleaseEvent(QMouseEvent* event) {
    // A release away from the box belongs to whatever is under the pointer.
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
    apply(b_.release());
}

void CheckBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (event->isAutoRepeat()) return;
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)
        apply(b_.toggle_key());
}

void CheckBox::focusInEvent(QFocusEvent*) {
    if (b_.focus_in()) {
        refresh();
    } else if (next_focus_) {
        next_focus_->setFocus(Qt::TabFocusReason);
    }
}

void CheckBox::focusOutEvent(QFocusEvent*) {
    b_.has_focus = false;
    refresh();
}
