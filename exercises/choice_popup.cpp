#include "choice_popup.h"

#include "choice_rows.h"

#include <QMouseEvent>
#include <QPainter>

ChoicePopup* ChoicePopup::open(QWidget* owner, QPoint screen_pos, int row, const QString& text,
                               const FontSpec& font, std::function<void(int)> on_click) {
    auto* popup = new ChoicePopup(owner, row, text, font, std::move(on_click));
    popup->move(screen_pos);
    popup->show();
    return popup;
}

ChoicePopup::ChoicePopup(QWidget* owner, int row, const QString& text, const FontSpec& font,
                         std::function<void(int)> on_click)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                         Qt::WindowDoesNotAcceptFocus),
      row_(row), text_(text), on_click_(std::move(on_click)) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    const int w = choice_popup_width(text, font, [this](const QString& t, const FontSpec& f) {
        return surface_.text_width(t, f);
    });
    setFixedSize(w, kChoiceRowHeight);
    surface_.resize(w, kChoiceRowHeight);
    paint(surface_, text, font);
}

void ChoicePopup::paint(Surface& s, const QString& text, const FontSpec& font) {
    s.fill_rect(0, 0, s.width(), s.height(), choice_colour::PopupFill);
    s.frame_rect(0, 0, s.width(), s.height(), choice_colour::PopupBorder);
    s.text(5, 2, text, font, choice_colour::Highlight);
}

void ChoicePopup::close_popup() {
    hide();
    deleteLater();
}

void ChoicePopup::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, surface_.image());
}

// The click closes the popup and answers with its row, as a release over the row would.
void ChoicePopup::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    auto on_click = on_click_;
    const int row = row_;
    close_popup();
    if (on_click) on_click(row);
}
