#include "choice_panel.h"

#include "palette.h"
#include "toolkit_images.h"

#include <QCursor>
#include <QMouseEvent>
#include <QTimerEvent>

ChoicePanel* ChoicePanel::create(QWidget* parent, int x, int y, ChoiceKind kind,
                                 AnswerFn on_answer) {
    auto* panel = new ChoicePanel(parent, kind, std::move(on_answer));
    panel->move(x, y);
    panel->refresh();
    panel->show();
    return panel;
}

ChoicePanel::ChoicePanel(QWidget* parent, ChoiceKind kind, AnswerFn on_answer)
    : SurfaceWidget(parent, kChoicePanelWidth, kChoicePanelHeight), kind_(kind),
      on_answer_(std::move(on_answer)) {
    setMouseTracking(true);
    relayout();
}

void ChoicePanel::set_question(const ChoiceQuestion& question) {
    question_ = question;
    view_.hover_row = -1;
    view_.pressed = false;
    view_.answered = false;
    close_popup();
    refresh();
}

void ChoicePanel::set_answered(bool answered) {
    view_.answered = answered;
    if (answered) close_popup();
    refresh();
}

void ChoicePanel::set_romaji(bool romaji) {
    view_.romaji = romaji;
    close_popup();
    refresh();
}

void ChoicePanel::relayout() {
    const Surface& s = surface();
    rows_ = layout_choice_rows(kind_, question_, view_, [&s](const QString& t, const FontSpec& f) {
        return s.text_width(t, f);
    });
}

void ChoicePanel::render() {
    relayout();
    Surface& s = surface();
    s.fill_rect(0, 0, s.width(), s.height(), palette::White);
    const QImage& bullets = toolkit_image(image_id::FirstBullet);
    for (const ChoiceRowLook& row : rows_) {
        s.text(row.text.x, row.text.y, row.text.text, row.text.font, row.text.colour);
        s.blit(0, row.bullet_y, bullets, row.bullet_frame, 0, kBulletWidth, kBulletHeight);
    }
}

// Pointer tracking: the leave timer starts with the first move; rows follow the pointer only
// while the question is open. (A held button sends moves from outside the panel: they hover
// nothing.)
void ChoicePanel::pointer_moved(QPoint point) {
    if (view_.hover_row < 0) leave_timer_.start(kLeaveTimerMs, this);
    if (view_.answered) return;
    const int row = choice_row_at(point);
    if (row < 0) return;
    if (popup_ && popup_->row() != row) close_popup();
    hover(row);
}

void ChoicePanel::hover(int row) {
    if (row == view_.hover_row) return;
    view_.hover_row = row;
    refresh();
    if (rows_[row].needs_popup) open_popup(row);
}

void ChoicePanel::mouseMoveEvent(QMouseEvent* event) {
    pointer_moved(event->position().toPoint());
}

void ChoicePanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pointer_moved(event->position().toPoint());
    view_.pressed = true;
    refresh();
}

// Answers with the row under the pointer; a release outside the panel (the button was pressed
// inside and dragged out) answers nothing.
void ChoicePanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int row = choice_row_at(event->position().toPoint());
    if (row >= 0 && !view_.answered) {
        pointer_moved(event->position().toPoint());
        answer(row);
    }
    view_.pressed = false;
    refresh();
}

void ChoicePanel::release_on_row(int row) {
    if (row < 0 || row >= kChoiceRows || view_.answered) return;
    view_.hover_row = row;
    answer(row);
    view_.pressed = false;
    refresh();
}

void ChoicePanel::answer(int row) {
    if (on_answer_) on_answer_(row);
}

void ChoicePanel::timerEvent(QTimerEvent* event) {
    if (event->timerId() != leave_timer_.timerId()) return SurfaceWidget::timerEvent(event);
    if (rect().contains(mapFromGlobal(QCursor::pos()))) return;
    view_.hover_row = -1;
    view_.pressed = false;
    refresh();
    close_popup();
    leave_timer_.stop();
}

void ChoicePanel::hideEvent(QHideEvent* event) {
    close_popup();
    SurfaceWidget::hideEvent(event);
}

void ChoicePanel::open_popup(int row) {
    close_popup();
    const QPoint at = mapToGlobal(QPoint(kChoiceTextX, kChoiceRowHeight * row));
    popup_ = ChoicePopup::open(window(), at, row, rows_[row].full,
                               choice_popup_font(kind_, view_.romaji),
                               [panel = QPointer<ChoicePanel>(this)](int r) {
                                   if (panel) panel->release_on_row(r);
                               });
}

void ChoicePanel::close_popup() {
    if (popup_) popup_->close_popup();
    popup_ = nullptr;
}
