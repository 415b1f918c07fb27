#include "caption_bar.h"

#include "hint.h"
#include "palette.h"
#include "pump.h"
#include "toolkit_images.h"

#include <QGuiApplication>
#include <QWindow>

namespace {

constexpr int kMaxTitleLength = 255;
const FontSpec kTitleFont{"Arial", 11};
constexpr ColorRef kTitleInactive = 0xc8c8c8;
constexpr ColorRef kTitleColours[3] = {palette::BorderDark, palette::MediumBlue,
                                       palette::BrightBlue};
constexpr int kGlyphW = 19, kGlyphH = 14, kIconSize = 12;

void draw_background(Surface& s, bool active) {
    const QImage& image = toolkit_image(image_id::CaptionBackground);
    const int c = active ? 0 : 9;
    const int h = s.height();
    s.blit(2, 0, image, c + 2, 0, 5, h);
    s.stretch_blit(5, 0, s.width() - 9, h, image, c + 5, 0, 1, h);
    s.blit(s.width() - 6, 0, image, c + 3, 0, 4, h);
}

void draw_icon(Surface& s, const CaptionBarState& st) {
    int cell = st.active ? 0 : 2;
    if (st.bar_state == 1 || st.bar_state == 2) cell = 1;
    s.blit(5, 5, toolkit_image(image_id::CaptionIcon), cell * kIconSize, 0, kIconSize, kIconSize);
}

void draw_glyph(Surface& s, int image, QRect rect, int state) {
    s.blit(rect.left(), rect.top(), toolkit_image(image), state * kGlyphW, 0, kGlyphW, kGlyphH);
}

} // namespace

std::unique_ptr<CaptionBar> CaptionBar::create(QWidget* window, int width, int height,
                                               const QString& title, bool with_minimise) {
    return std::unique_ptr<CaptionBar>(new CaptionBar(window, width, height, title, with_minimise));
}

CaptionBar::CaptionBar(QWidget* window, int width, int height, const QString& title,
                       bool with_minimise)
    : window_(window), state_(width, height, with_minimise), title_(title.left(kMaxTitleLength)),
      bar_(width, height) {
    paint(bar_, state_, title_);
}

void CaptionBar::paint(Surface& s, const CaptionBarState& st, const QString& title) {
    s.fill_rect(0, 0, s.width(), s.height(), palette::White);
    draw_background(s, st.active);
    const ColorRef colour = st.active ? kTitleColours[st.bar_state] : kTitleInactive;
    s.text(22, 4, title, kTitleFont, colour);
    draw_icon(s, st);
    draw_glyph(s, image_id::CaptionClose, st.close_rect(), st.close_state);
    if (st.with_minimise)
        draw_glyph(s, image_id::CaptionMinimise, st.minimise_rect(), st.minimise_state);
}

void CaptionBar::draw(Surface& surface) const {
    surface.copy_from(bar_, 0, 0);
}

void CaptionBar::apply(const CaptionEffects& fx) {
    if (fx.hint >= 0) show_hint(fx.hint);
    if (!fx.redraw) return;
    paint(bar_, state_, title_);
    if (on_change_)
        on_change_();
    else if (window_)
        window_->update(0, 0, state_.width, state_.height);
}

void CaptionBar::set_active(bool flag) {
    apply(state_.set_active(flag));
}

int CaptionBar::mouse_move(QPoint point) {
    if (moving_) {
        if (own_move_) {
            follow_pointer(point);
            return 0;
        }
        // Pointer events come back once the platform's move is over; one that slips in while
        // the button is still down belongs to the move's start.
        if (QGuiApplication::mouseButtons() & Qt::LeftButton) return 0;
        end_drag();
    }
    const CaptionEffects fx = state_.mouse_move(point);
    apply(fx);
    return fx.result;
}

void CaptionBar::mouse_down(QPoint point) {
    const CaptionEffects fx = state_.mouse_down(point);
    apply(fx);
    if (fx.start_move) start_move(point);
}

int CaptionBar::mouse_up(QPoint point) {
    if (moving_) end_drag();
    const CaptionEffects fx = state_.mouse_up(point);
    if (fx.minimise && window_) window_->showMinimized();
    apply(fx);
    return fx.result;
}

// The platform moves the window when it can; otherwise (the offscreen platform, some window
// managers) the bar follows the forwarded pointer moves itself until the button is released.
void CaptionBar::start_move(QPoint point) {
    if (!window_) return;
    moving_ = true;
    if (!state_.with_minimise) window_->setWindowOpacity(kMovingOpacity);
    window_->releaseMouse();
    QWindow* handle = window_->window()->windowHandle();
    own_move_ = !(handle && handle->startSystemMove());
    grab_offset_ = point;
    pump_messages();
}

void CaptionBar::follow_pointer(QPoint point) {
    QWidget* top = window_->window();
    top->move(top->pos() + point - grab_offset_);
}

void CaptionBar::end_drag() {
    moving_ = false;
    own_move_ = false;
    if (window_) window_->setWindowOpacity(1.0);
}
