#include "grid_panel.h"

#include "palette.h"
#include "shell.h"

#include <QCursor>
#include <QMouseEvent>
#include <QTimerEvent>

GridPanel* GridPanel::create(QWidget* parent, int x, int y, AnswerFn on_answer) {
    auto* panel = new GridPanel(parent, std::move(on_answer));
    panel->move(x, y);
    panel->refresh();
    panel->show();
    return panel;
}

GridPanel::GridPanel(QWidget* parent, AnswerFn on_answer)
    : SurfaceWidget(parent, kGridPanelWidth, kGridPanelHeight), on_answer_(std::move(on_answer)) {
    setMouseTracking(true);
}

void GridPanel::set_question(const GridQuestion& question) {
    question_ = question;
    view_ = GridView{};
    open_ = true;
    refresh();
}

void GridPanel::set_answered(bool answered) {
    view_.answered = answered;
    if (answered) open_ = false;
    refresh();
}

void GridPanel::render() {
    Surface& s = surface();
    s.fill_rect(0, 0, s.width(), s.height(), palette::White);
    for (int c = 0; c < kGridColumns; ++c)
        for (int r = 0; r < kGridRows; ++r)
            draw_cell(c, r);
}

void GridPanel::draw_cell(int column, int row) {
    using namespace grid_colour;
    Surface& s = surface();
    const CellLook look = grid_cell_look(column, row, question_, view_);
    const int x = kCellSize * column;
    const int y = kCellSize * row;
    if (look.bevel != Bevel::None) {
        const ColorRef top_left = look.bevel == Bevel::Sunken ? BevelDark : BevelLight;
        const ColorRef bottom_right = look.bevel == Bevel::Sunken ? BevelLight : BevelDark;
        s.fill_rect(x, y, x + kCellSize, y + 1, top_left);
        s.fill_rect(x, y, x + 1, y + kCellSize, top_left);
        s.fill_rect(x, y + kCellSize - 1, x + kCellSize, y + kCellSize, bottom_right);
        s.fill_rect(x + kCellSize - 1, y, x + kCellSize, y + kCellSize, bottom_right);
    }
    const char16_t c = question_.cells[GridQuestion::cell_index(column, row)];
    if (c != 0)
        s.text(x + 5 + look.offset, y + 4 + look.offset, QString(QChar(c)),
               FontSpec{App_JapaneseFace(), 35}, look.colour);
}

// The leave timer starts with the first move over the grid; cells follow the pointer while the
// question is open. (A held button sends moves from outside the grid: they hover nothing.)
void GridPanel::pointer_moved(QPoint point) {
    if (view_.hover_column < 0) leave_timer_.start(kLeaveTimerMs, this);
    if (!open_) return;
    int column, row;
    if (!grid_cell_at(point, column, row)) return;
    if (column == view_.hover_column && row == view_.hover_row) return;
    view_.hover_column = column;
    view_.hover_row = row;
    refresh();
}

void GridPanel::mouseMoveEvent(QMouseEvent* event) {
    pointer_moved(event->position().toPoint());
}

void GridPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !open_) return;
    pointer_moved(event->position().toPoint());
    view_.pressed = true;
    refresh();
}

// Answers with the cell under the pointer; a release on the margin or outside the grid answers
// nothing.
void GridPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !open_) return;
    view_.pressed = false;
    refresh();
    int column, row;
    if (!grid_cell_at(event->position().toPoint(), column, row)) return;
    pointer_moved(event->position().toPoint());
    if (on_answer_) on_answer_(column, row);
}

void GridPanel::timerEvent(QTimerEvent* event) {
    if (event->timerId() != leave_timer_.timerId()) return SurfaceWidget::timerEvent(event);
    if (rect().contains(mapFromGlobal(QCursor::pos()))) return;
    view_.hover_column = -1;
    view_.pressed = false;
    refresh();
    leave_timer_.stop();
}
