#pragma once
// The stroke order practice window ("Stroke Order Practice Exercise"): walks the Learning List
// kanji by kanji and offers three ways to study each one's strokes, each with its button held
// down while chosen:
//
//   mode           | entered by                    | the practice box shows
//   ---------------+-------------------------------+------------------------------------------
//   strokes shown  | loading a kanji, "Show Stroke | every stroke with numbers and arrows
//                  | Order"                        |
//   animating      | "Animation Strokes"           | the animation, then its finished picture
//   practising     | " Practice Strokes "          | the template; the tracer is judged
//
// Threads: only the stroke animation runs on a worker, drawing into the box's canvas. Every
// action that draws into the box or enters practice mode stops it and waits first; starting it
// leaves practice mode first; closing stops it before the box goes.
#include "frameless_window.h"
#include "practice_checker.h"
#include "practice_cursors.h"
#include "stroke_store.h"
#include "surface_widget.h"

#include <QRect>
#include <memory>

class AnimationClock;
class Button;
class ExerciseCounter;
class StrokeAnimation;
class StrokeBox;

// The feedback panel (220 x 260): the kanji and the instructions, or the verdicts in practice
// mode, as the checker holds them.
class PracticeFeedbackPanel : public SurfaceWidget {
  public:
    PracticeFeedbackPanel(QWidget* parent, int x, int y, const PracticeChecker& checker);
    void set_kanji(char16_t kanji) { kanji_ = kanji; }

  protected:
    void render() override;

  private:
    const PracticeChecker& checker_;
    char16_t kanji_ = 0;
};

class PracticeWindow : public FramelessWindow {
    Q_OBJECT

  public:
    static constexpr int kWidth = 540;
    static constexpr int kHeight = 467;
    // The "Stroke Order Tips" link's hot rectangle.
    static constexpr QRect kLinkRect{191, 39, 80, 14};

    // A window over the first `list_length` kanji of the Learning List; `clock` null: the
    // animation's real pauses.
    PracticeWindow(int list_length, AnimationClock* clock);
    ~PracticeWindow() override;

    // The window's actions (WritingEx_*).
    void load_kanji(int position);
    void show_strokes();
    void start_animation();
    void practice();
    void restart();
    void previous();
    void next();
    // Stops the animation and waits for its worker (closing).
    void stop_animation();

    int position() const { return position_; }
    int list_length() const { return list_length_; }
    int kanji() const { return kanji_; }
    char16_t character() const { return character_; }
    const StrokeSet& strokes() const { return strokes_; }
    const PracticeChecker& checker() const { return checker_; }
    StrokeAnimation& animation() { return *animation_; }
    StrokeBox* box() const { return box_; }
    PracticeFeedbackPanel* panel() const { return panel_; }
    ExerciseCounter* counter() const { return counter_; }
    Button* show_button() const { return show_; }
    Button* animation_button() const { return animate_; }
    Button* practice_button() const { return practise_; }
    Button* restart_button() const { return restart_; }
    Button* exit_button() const { return exit_; }
    Button* previous_button() const { return previous_; }
    Button* next_button() const { return next_; }
    bool link_hovered() const { return link_hovered_; }
    const PracticeCursors& cursors() const { return cursors_; }

  protected:
    void render(Surface& s) override;
    void unclaimed_mouse_move(QPoint point) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void close_glyph_clicked() override;
    // A close asked for from outside (a window manager) closes as with Exit.
    void closeEvent(QCloseEvent* event) override;

  private:
    void create_buttons();
    void create_box();
    void box_press(int x, int y);
    void box_move(int x, int y);
    void box_release(int x, int y);
    void apply(const PracticeEffects& fx);
    void draw_box(void (*draw)(Surface&, const StrokeSet&));
    void leave_practice_mode();
    void disable_restart();
    void set_link_hovered(bool hovered);
    void show_position();

    int list_length_;
    int position_ = 0;
    int kanji_ = -1;
    char16_t character_ = 0;
    StrokeSet strokes_;
    PracticeChecker checker_;
    PracticeCursors cursors_;
    bool link_hovered_ = false;
    StrokeBox* box_ = nullptr;
    PracticeFeedbackPanel* panel_ = nullptr;
    ExerciseCounter* counter_ = nullptr;
    Button* show_ = nullptr;
    Button* animate_ = nullptr;
    Button* practise_ = nullptr;
    Button* restart_ = nullptr;
    Button* exit_ = nullptr;
    Button* previous_ = nullptr;
    Button* next_ = nullptr;
    // Declared last: destroyed first, so that its worker has ended before the box goes.
    std::unique_ptr<StrokeAnimation> animation_;
};
