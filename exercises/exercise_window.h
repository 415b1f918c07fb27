#pragma once
// The window of a scored exercise as the framework runs it. The framework owns what every
// exercise shares: the session, the Show Answer, Next and Exit buttons, the auto-progress check
// box, the exercise counter and the auto-progress timer. Each exercise kind derives from it and
// supplies its question panels, its question set-up, its feedback line and, if it differs from
// the common one, its Show Answer.
//
// How a run goes (exercise_framework.h): OpenExerciseWindow builds the list, calls make() for
// the window, then build(); LoadExerciseKanji does the shared steps around set_up_question();
// the kind's answer test calls HandleAnswer (or handles answers itself); Show Answer calls
// show_answer(); Next and the timer call NextKanji; Exit and the close glyph call CloseExercise.
#include "exercise_session.h"
#include "frameless_window.h"

#include <QRect>
#include <QTimer>

class Button;
class CheckBox;
class ExerciseCounter;

// Where the shared controls sit (client coordinates).
struct ExerciseWindowLayout {
    QSize size;
    int background_height = 0; // the lined background from (2, 20)
    QRect counter;
    QPoint show_answer;
    QPoint next;
    QPoint exit;
    QPoint auto_progress;
};

class ExerciseWindow : public FramelessWindow {
    Q_OBJECT

  public:
    ~ExerciseWindow() override;

    ExerciseKind kind() const { return session_.kind; }
    ExerciseSession& session() { return session_; }
    const ExerciseSession& session() const { return session_; }
    const ExerciseWindowLayout& layout() const { return layout_; }

    Button* show_answer_button() const { return show_answer_; }
    Button* next_button() const { return next_; }
    Button* exit_button() const { return exit_; }
    CheckBox* auto_progress_box() const { return auto_progress_; }
    ExerciseCounter* counter() const { return counter_; }

    // The one-shot auto-progress countdown: NextKanji once it runs out. Starting it again while
    // it runs starts it over.
    void start_auto_progress();
    void stop_auto_progress();
    bool auto_progress_pending() const { return auto_progress_timer_.isActive(); }

    // Framework: takes the list, places the window over the main window, draws the background
    // and creates the shared controls, the kind's controls and the counter.
    void build(std::vector<int> kanji_list, bool in_sequence);

    // The kind's question set-up for session().currentKanji: build the question, redraw the
    // question panel and the feedback line.
    virtual void set_up_question() = 0;
    // Show Answer. The common one: the right answer is marked, nothing is scored.
    virtual void show_answer();
    // Redraws after the question state changed.
    virtual void redraw_question() {}
    virtual void redraw_feedback() {}

  protected:
    ExerciseWindow(ExerciseKind kind, const ExerciseWindowLayout& layout);
    // The kind's panels and controls; the window's background is drawn by then.
    virtual void create_question_controls() = 0;
    // Labels over the lined background.
    virtual void draw_labels(Surface&) {}

    void render(Surface& s) override;
    void close_glyph_clicked() override;
    // A close asked for from outside (a window manager): the exercise closes as with Exit.
    void closeEvent(QCloseEvent* event) override;

  private:
    void create_shared_controls();

    ExerciseSession session_;
    ExerciseWindowLayout layout_;
    Button* show_answer_ = nullptr;
    Button* next_ = nullptr;
    Button* exit_ = nullptr;
    CheckBox* auto_progress_ = nullptr;
    ExerciseCounter* counter_ = nullptr;
    QTimer auto_progress_timer_;
};

// Tests shorten the auto-progress countdown (the line still reads 1.5 seconds); 0 or less
// restores 1500 ms.
void set_auto_progress_delay(int ms);
int auto_progress_delay();
