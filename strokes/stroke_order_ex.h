#pragma once
// The stroke order exercise ("Kanji Stroke Order Exercise"): each kanji of the list as a large
// glyph in which the user clicks the start of every stroke in writing order. Each start found
// gets its number; a miss costs the kanji all its scores. The framework (exercise_framework.h)
// builds the list, counts, auto-progresses and closes; the rules are in stroke_order_ex_rules.h.
#include "exercise_window.h"
#include "stroke_order_ex_rules.h"
#include "stroke_store.h"
#include "surface_widget.h"

class StrokeBox;

// The two-line feedback strip under the display, on a lined background of its own.
class StrokeOrderFeedback : public SurfaceWidget {
  public:
    StrokeOrderFeedback(QWidget* parent, int x, int y);
    void show_lines(std::vector<PlacedText> lines);
    const std::vector<PlacedText>& lines() const { return lines_; }

  protected:
    void render() override;

  private:
    std::vector<PlacedText> lines_;
};

class StrokeOrderExWindow : public ExerciseWindow {
    Q_OBJECT

  public:
    StrokeOrderExWindow();

    StrokeBox* display() const { return display_; }
    StrokeOrderFeedback* feedback() const { return feedback_; }
    const StrokeStarts& starts() const { return starts_; }
    char16_t character() const { return character_; }
    int found() const { return found_; }

    // The answer test, for a left button release at (x, y) in the display.
    void click(int x, int y);

    void set_up_question() override;
    void show_answer() override;
    void redraw_question() override;
    void redraw_feedback() override;

  protected:
    void create_question_controls() override;
    void draw_labels(Surface& s) override;

  private:
    StrokeOrderQuestion question() const;
    void store(const StrokeOrderQuestion& q);
    // The current kanji is the kanji of the list's last entry (it may also stand earlier).
    bool on_last_kanji() const;

    StrokeBox* display_ = nullptr;
    StrokeOrderFeedback* feedback_ = nullptr;
    char16_t character_ = 0;
    StrokeStarts starts_;
    int found_ = 0;
};

// The stroke order exercise open now, or null.
StrokeOrderExWindow* StrokeOrderEx_Window();
