#include "button.h"

#include "explanation_popup.h"
#include "hint.h"
#include "palette.h"
#include "pump.h"
#include "sound_cue.h"
#include "toolkit_images.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QTimerEvent>

namespace {

constexpr int kHoverIntervalMs = 10;
constexpr int kBlinkIntervalMs = 400;
constexpr int kEnterPressMs = 150;
constexpr int kSliceWidth = 34;
constexpr int kCapWidth = 10;
constexpr int kMiddleWidth = 14;
constexpr int kSwatchSize = 10;
constexpr int kSwatchAdvance = 11;
constexpr int kCaptionMargin = 28;

// Milliseconds on a clock that never goes back.
int64_t now_ms() {
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}

FontSpec caption_font(int size) {
    return FontSpec{QStringLiteral("Tahoma"), size, true};
}

struct FaceLook {
    int slice;
    ColorRef colour;
};

FaceLook face_look(const ButtonBehaviour& b) {
    FaceLook look{0, palette::Navy};
    if (b.state == 1) look = {1, palette::MediumBlue};
    if (b.state == 2 || b.state == -1) look = {2, palette::MediumBlue};
    if (!b.enabled) look = {3, palette::ButtonDisabledText};
    if (!b.shown_active) look = {4, palette::ButtonGreyedText};
    return look;
}

ColorRef caption_colour(const ButtonBehaviour& b, ColorRef face_colour) {
    ColorRef c = b.blink == 2 ? palette::BrightBlue : face_colour;
    if (b.has_focus && b.shown_active && b.enabled && b.state == 0) c = palette::BrightBlue;
    return c;
}

ColorRef swatch_colour(const ButtonBehaviour& b, ColorRef swatch) {
    if (!b.shown_active) return palette::SwatchGreyed;
    if ((b.state == 1 || b.state == 2) && swatch != palette::SwatchNeutral)
        return brightened_swatch(swatch);
    return swatch;
}

void draw_face_image(Surface& s, const QImage& face, int slice) {
    const int sx = slice * kSliceWidth, w = s.width(), h = metrics::ButtonHeight;
    s.blit(0, 0, face, sx, 0, kCapWidth, h);
    s.stretch_blit(kCapWidth, 0, w - 2 * kCapWidth, h, face, sx + kCapWidth, 0, kMiddleWidth, h);
    s.blit(w - kCapWidth, 0, face, sx + kCapWidth + kMiddleWidth, 0, kCapWidth, h);
}

} // namespace

Button* Button::create(QWidget* parent, int x, int y, const QString& caption, int font_size,
                       Callback on_press, Callback on_click, const QString& explanation,
                       int hint_id, ColorRef swatch) {
    auto* button = new Button(parent, caption, font_size, std::move(on_press), std::move(on_click),
                              explanation, hint_id, swatch);
    button->move(x, y);
    button->show();
    return button;
}

int Button::width_for(const QString& caption, int font_size, bool with_swatch) {
    return Surface().text_width(caption, caption_font(font_size)) + kCaptionMargin +
           (with_swatch ? kSwatchAdvance : 0);
}

Button::Button(QWidget* parent, const QString& caption, int font_size, Callback on_press,
               Callback on_click, const QString& explanation, int hint_id, ColorRef swatch)
    : SurfaceWidget(parent, width_for(caption, font_size, swatch != 0), metrics::ButtonHeight),
      caption_(caption), explanation_(explanation), font_size_(font_size), swatch_(swatch),
      on_press_(std::move(on_press)), on_click_(std::move(on_click)) {
    // What a screen reader says of the button: its caption, then what clicking it does.
    setAccessibleName(caption_);
    setAccessibleDescription(explanation_);
    b_.has_explanation = !explanation_.isEmpty();
    b_.has_on_click = bool(on_click_);
    b_.hint_id = hint_id;
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus); // focus only by focus(), a right click or the Tab order
    // The rounded face leaves its corners to whatever the parent painted there.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    surface().resize_transparent(width(), height());
    render();
}

void Button::paint(Surface& s, const ButtonBehaviour& b, const QString& caption, int font_size,
                   bool alt_style, ColorRef swatch) {
    const FaceLook look = face_look(b);
    s.clear();
    draw_face_image(s, toolkit_image(alt_style ? image_id::ButtonAlt : image_id::ButtonNormal),
                    look.slice);
    int dx = b.state == 2 ? 1 : 0;
    const int dy = b.state == 2 ? 2 : 0;
    if (swatch != 0) {
        const ColorRef c = swatch_colour(b, swatch);
        s.rounded_rect(dx + 10, dy + 6, dx + 10 + kSwatchSize, dy + 6 + kSwatchSize, 5, 5, c, c);
        dx += kSwatchAdvance;
    }
    s.text(dx + 14, dy + 3, caption, caption_font(font_size), caption_colour(b, look.colour));
}

void Button::render() {
    paint(surface(), b_, caption_, font_size_, alt_style_, swatch_);
}

void Button::apply(const ButtonEffects& fx) {
    if (fx.play_press_cue) PlaySoundCue(CuePress);
    if (fx.play_release_cue) PlaySoundCue(CueRelease);
    if (fx.repaint) refresh();
    if (fx.pump) pump_messages();
    if (fx.start_hover_timer) hover_timer_.start(kHoverIntervalMs, this);
    if (fx.stop_hover_timer) hover_timer_.stop();
    if (fx.close_popup) close_popup();
    if (fx.open_popup) open_popup();
    if (fx.hint != -1) show_hint(fx.hint);
    if (fx.call_on_press && on_press_) on_press_();
    if (fx.stop_blink_timer) blink_timer_.stop();
    if (fx.start_blink_timer) blink_timer_.start(kBlinkIntervalMs, this);
    if (fx.call_on_click && on_click_) on_click_();
}

void Button::open_popup() {
    close_popup();
    popup_ = ExplanationPopup::open(window(), explanation_, QCursor::pos());
}

void Button::close_popup() {
    if (popup_) popup_->close_popup();
    popup_ = nullptr;
}

Button::~Button() {
    close_popup();
}

void Button::destroy() {
    hover_timer_.stop();
    blink_timer_.stop();
    hold_timer_.stop();
    close_popup();
    SurfaceWidget::destroy();
}

void Button::enable(bool flag) {
    apply(b_.enable(flag));
}

void Button::set_shown_active(bool flag) {
    if (flag == b_.shown_active) return;
    b_.shown_active = flag;
    refresh();
}

void Button::set_style(bool alt) {
    alt_style_ = alt;
    refresh();
}

void Button::hold(int ms) {
    hold_timer_.stop();
    apply(b_.hold(ms));
    if (ms > 0) hold_timer_.start(ms, this);
}

// Enabled first, so that the focus stays on the button instead of passing on.
void Button::attention(bool flag) {
    apply(b_.attention(flag));
    if (flag) focus();
}

void Button::focus() {
    setFocus(Qt::OtherFocusReason);
}

void Button::set_tab_order(QWidget* next, QWidget* prev) {
    next_focus_ = next;
    prev_focus_ = prev;
}

void Button::move_focus(QWidget* target) {
    if (target) target->setFocus(Qt::TabFocusReason);
}

// Tab and Shift+Tab follow the button's own order, not Qt's focus chain.
bool Button::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            const bool back =
                key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
            move_focus(back ? prev_focus_ : next_focus_);
            return true;
        }
    }
    return SurfaceWidget::event(event);
}

void Button::mouseMoveEvent(QMouseEvent*) {
    apply(b_.mouse_move());
}

void Button::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) apply(b_.press());
}

void Button::mouseReleaseEvent(QMouseEvent* event) {
    // A release away from the button belongs to whatever is under the pointer.
    if (!rect().contains(event->position().toPoint())) return;
    if (event->button() == Qt::LeftButton) apply(b_.release());
    if (event->button() == Qt::RightButton) focus();
}

void Button::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) press_enter();
}

// Shows the pressed face for a moment, then runs the command. Other events keep running during
// the pause; a second Enter meanwhile is ignored because the button is already pressed.
void Button::press_enter() {
    if (!b_.enter_begin()) return;
    refresh();
    pump_messages();
    QPointer<Button> self(this);
    QEventLoop pause;
    QTimer::singleShot(kEnterPressMs, &pause, &QEventLoop::quit);
    pause.exec();
    if (!self) return;
    apply(b_.enter_end());
}

void Button::focusInEvent(QFocusEvent*) {
    if (b_.focus_in()) {
        refresh();
    } else {
        move_focus(next_focus_);
    }
}

void Button::focusOutEvent(QFocusEvent*) {
    b_.focus_out();
    refresh();
}

void Button::timerEvent(QTimerEvent* event) {
    if (event->timerId() == hover_timer_.timerId()) {
        apply(b_.hover_tick(mapFromGlobal(QCursor::pos()), now_ms(), size()));
    } else if (event->timerId() == blink_timer_.timerId()) {
        apply(b_.blink_tick());
    } else if (event->timerId() == hold_timer_.timerId()) {
        hold_timer_.stop();
        apply(b_.hold(0));
    } else {
        SurfaceWidget::timerEvent(event);
    }
}
