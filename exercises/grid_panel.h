#pragma once
// The grid of the kanji grid search: 60 cells that follow the pointer with raised and sunken
// bevels and answer on release. A 50 ms timer notices when the pointer has left the grid.
#include "grid_look.h"
#include "surface_widget.h"

#include <QBasicTimer>
#include <functional>

class GridPanel : public SurfaceWidget {
    Q_OBJECT

  public:
    // Called with the cell released on.
    using AnswerFn = std::function<void(int column, int row)>;

    static constexpr int kLeaveTimerMs = 50;

    static GridPanel* create(QWidget* parent, int x, int y, AnswerFn on_answer);

    // A new question: nothing hovered.
    void set_question(const GridQuestion& question);
    // Answered right or shown: the target stands out and the grid takes no clicks.
    void set_answered(bool answered);

    const GridView& view() const { return view_; }
    const GridQuestion& question() const { return question_; }
    bool leave_timer_running() const { return leave_timer_.isActive(); }

  protected:
    void render() override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

  private:
    GridPanel(QWidget* parent, AnswerFn on_answer);
    void pointer_moved(QPoint point);
    void draw_cell(int column, int row);

    AnswerFn on_answer_;
    GridQuestion question_;
    GridView view_;
    bool open_ = true; // the cells follow the pointer and take clicks
    QBasicTimer leave_timer_;
};
