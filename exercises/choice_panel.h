#pragma once
// The choice panel of a multiple-choice exercise: five rows with bullets that follow the
// pointer, a pressed look, the popup for rows too long to show whole, and the answer on release.
// A 50 ms timer notices when the pointer has left the panel.
#include "choice_popup.h"
#include "choice_rows.h"
#include "surface_widget.h"

#include <QBasicTimer>
#include <QPointer>
#include <functional>

class ChoicePanel : public SurfaceWidget {
    Q_OBJECT

  public:
    using AnswerFn = std::function<void(int row)>;

    static constexpr int kLeaveTimerMs = 50;

    static ChoicePanel* create(QWidget* parent, int x, int y, ChoiceKind kind, AnswerFn on_answer);

    // A new question: nothing hovered, no popup.
    void set_question(const ChoiceQuestion& question);
    // Answered right or shown: the rows freeze in their answered colours.
    void set_answered(bool answered);
    void set_romaji(bool romaji);
    // The popup's click: answers with its row as a release over the row would.
    void release_on_row(int row);

    const ChoicePanelView& view() const { return view_; }
    const ChoiceQuestion& question() const { return question_; }
    const std::array<ChoiceRowLook, kChoiceRows>& rows() const { return rows_; }
    ChoicePopup* popup() const { return popup_; }
    bool leave_timer_running() const { return leave_timer_.isActive(); }

  protected:
    void render() override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    // The popup is a window of its own: it goes when the panel's window is hidden.
    void hideEvent(QHideEvent* event) override;

  private:
    ChoicePanel(QWidget* parent, ChoiceKind kind, AnswerFn on_answer);
    void relayout();
    void pointer_moved(QPoint point);
    void hover(int row);
    void answer(int row);
    void open_popup(int row);
    void close_popup();

    ChoiceKind kind_;
    AnswerFn on_answer_;
    ChoiceQuestion question_;
    ChoicePanelView view_;
    std::array<ChoiceRowLook, kChoiceRows> rows_;
    QPointer<ChoicePopup> popup_;
    QBasicTimer leave_timer_;
};
