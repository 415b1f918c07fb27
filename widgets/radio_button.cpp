#include "radio_button.h"

#include "palette.h"

#include <QMouseEvent>

namespace {

constexpr ChoiceControl::Metrics kMetrics{19, 19};
constexpr int kCaptionX = 19;
constexpr int kFirstLine = 1; // y of the first background line

QPointer<ChoiceControl>& hovered_radio() {
    static QPointer<ChoiceControl> hovered;
    return hovered;
}

ColorRef caption_colour(const RadioBehaviour& b) {
    return b.hovered || b.selected() ? palette::Navy : palette::RadioUnselectedText;
}

} // namespace

RadioButton* RadioButton::create(QWidget* parent, const Surface* background, const QString& caption,
                                 int x, int y, int max_width, bool checked, bool lined,
                                 SelectFn on_select) {
    auto* radio =
        new RadioButton(parent, size_for(caption, max_width, kMetrics), std::move(on_select));
    radio->setAccessibleName(caption);
    radio->b_.value = checked ? 2 : 0;
    radio->take_background(background, QPoint(x, y), lined, kFirstLine);
    radio->move(x, y);
    radio->render();
    radio->show();
    return radio;
}

RadioButton::RadioButton(QWidget* parent, const Size& size, SelectFn on_select)
    : ChoiceControl(parent, size), on_select_(std::move(on_select)) {}

void RadioButton::paint(Surface& s, const Surface& background, const RadioBehaviour& b,
                        const CaptionLines& lines) {
    s.copy_from(background, 0, 0);
    draw_caption(s, lines, caption_colour(b), b.hovered, kCaptionX);
    s.fill_ellipse(2, 2, 15, 15, b.enabled ? palette::White : palette::RadioDisabledFill,
                   b.hovered ? palette::BoxOutlineHover : palette::BoxOutline);
    if (b.value == 1 || b.value == 3) s.fill_ellipse(4, 4, 13, 13, palette::RadioPressed, 0, 0);
    if (b.selected())
        s.fill_ellipse(4, 4, 13, 13, b.hovered ? palette::RadioDotHover : palette::RadioDot, 0, 0);
}

void RadioButton::render() {
    paint(surface(), background_, b_, lines_);
}

void RadioButton::apply(const ChoiceEffects& fx) {
    if (fx.beep) beep();
    if (fx.start_hover_timer) start_hover(hovered_radio());
    if (fx.stop_hover_timer) stop_hover(hovered_radio());
    if (fx.take_focus) setFocus(Qt::MouseFocusReason);
    if (fx.repaint) refresh();
    if (fx.notify && on_select_) on_select_(1);
}

void RadioButton::hover_ended() {
    apply(b_.end_hover());
}

void RadioButton::set_checked(bool flag) {
    b_.value = flag ? 2 : 0;
    refresh();
}

void RadioButton::set_enabled(bool flag) {
    b_.enabled = flag;
    refresh();
}

void RadioButton::mouseMoveEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint())) apply(b_.mouse_move());
}

void RadioButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) apply(b_.press());
}

void RadioButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
    apply(b_.release());
}
