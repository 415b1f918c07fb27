#include "panel.h"

#include "drawing.h"
#include "hint.h"
#include "input_mode.h"
#include "palette.h"

#include <QChildEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace {

constexpr int kCornerEllipse = 20;
constexpr int kTitleOffset = 8;

FontSpec title_font() {
    return FontSpec{QStringLiteral("Tahoma"), 13, true};
}

void style_edit(QLineEdit* edit) {
    QPalette pal = edit->palette();
    pal.setColor(QPalette::Text, colorref(palette::BrightBlue));
    pal.setColor(QPalette::Base, colorref(palette::White));
    edit->setPalette(pal);
}

} // namespace

Panel* Panel::create(QWidget* parent, int x, int y, int w, int h, const QString& title,
                     PaintFn on_paint, ClickFn on_click) {
    auto* panel = new Panel(parent, w, h, title, std::move(on_paint), std::move(on_click));
    panel->move(x, y);
    panel->show();
    return panel;
}

Panel::Panel(QWidget* parent, int w, int h, const QString& title, PaintFn on_paint,
             ClickFn on_click)
    : SurfaceWidget(parent, w, h), title_(title), on_paint_(std::move(on_paint)),
      on_click_(std::move(on_click)) {
    setMouseTracking(true);
    setAccessibleName(title);
    render();
}

void Panel::set_active(int flag) {
    if (flag != -1) {
        if ((flag != 0) == active_) return;
        active_ = flag != 0;
    }
    refresh();
}

void Panel::render() {
    Surface& s = surface();
    const int w = s.width(), h = s.height();
    const int o = title_.isEmpty() ? 0 : kTitleOffset;
    draw_lined_background(s, 0, 0, w, h, active_);
    s.rounded_rect(0, o, w, h, kCornerEllipse, kCornerEllipse, palette::White,
                   active_ ? palette::PanelOutlineActive : palette::PanelOutlineInactive);
    if (!title_.isEmpty()) draw_title();
    if (on_paint_) on_paint_(s);
}

void Panel::draw_title() {
    Surface& s = surface();
    const FontSpec font = title_font();
    const int tw = s.text_width(title_, font), th = s.line_height(font);
    s.fill_rect(11, 0, 11 + tw + 7, th, palette::White);
    draw_lined_background(s, 11, 0, tw + 7, th - 7, active_);
    if (active_) {
        s.text(17, 2, title_, font, palette::DisabledGrey);
        s.text(15, 0, title_, font, palette::Navy);
    } else {
        s.text(15, 0, title_, font, palette::DisabledGrey);
    }
}

void Panel::mouseMoveEvent(QMouseEvent*) {
    if (hint_id_ != -1) show_hint(hint_id_);
}

void Panel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && on_click_) on_click_(1);
}

void Panel::childEvent(QChildEvent* event) {
    // Polished, not added: only then is the child fully constructed.
    if (event->polished()) {
        if (auto* edit = qobject_cast<QLineEdit*>(event->child())) {
            style_edit(edit);
            edit->installEventFilter(this);
        }
    }
    SurfaceWidget::childEvent(event);
}

bool Panel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched))
            switch_input_mode(InputAlphabetic, edit);
    }
    return SurfaceWidget::eventFilter(watched, event);
}
