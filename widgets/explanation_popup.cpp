#include "explanation_popup.h"

#include "palette.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

FontSpec popup_font() {
    return FontSpec{QStringLiteral("Arial"), 11};
}

} // namespace

QSize ExplanationPopup::size_for(const QString& text) {
    QFontMetrics fm(make_font(popup_font()));
    return QSize(fm.horizontalAdvance(text) + 10, fm.height() + 4);
}

QPoint ExplanationPopup::position_for(QPoint cursor, QSize size) {
    int left = cursor.x() - size.width();
    int top = cursor.y() - size.height();
    return QPoint(left < 0 ? cursor.x() : left, top < 0 ? cursor.y() : top);
}

void ExplanationPopup::paint(Surface& s, const QString& text) {
    s.fill_rect(0, 0, s.width(), s.height(), palette::ExplanationYellow);
    s.text(5, 2, text, popup_font(), palette::Navy);
    s.frame_rect(0, 0, s.width(), s.height(), palette::Black);
}

ExplanationPopup* ExplanationPopup::open(QWidget* owner, const QString& text, QPoint cursor) {
    auto* popup = new ExplanationPopup(owner, text);
    popup->move(position_for(cursor, popup->size()));
    popup->show();
    return popup;
}

ExplanationPopup::ExplanationPopup(QWidget* owner, const QString& text)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                         Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QSize size = size_for(text);
    setFixedSize(size);
    surface_.resize(size.width(), size.height());
    paint(surface_, text);
}

void ExplanationPopup::close_popup() {
    hide();
    deleteLater();
}

void ExplanationPopup::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, surface_.image());
}
