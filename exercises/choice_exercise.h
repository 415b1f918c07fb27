#pragma once
// The three multiple-choice exercises: a kanji, five answers (its meaning, ON reading or KUN
// reading among four wrong ones), and for ON and KUN a check box that shows the readings in
// romaji.
#include "choice_question.h"
#include "exercise_window.h"

class ChoicePanel;
class CheckBox;
class FeedbackStrip;
class GroupFrame;
class TextDisplay;

class ChoiceExerciseWindow : public ExerciseWindow {
    Q_OBJECT

  public:
    explicit ChoiceExerciseWindow(ExerciseKind kind);

    ChoiceKind choice_kind() const { return choice_kind_; }
    ChoicePanel* panel() const { return panel_; }
    FeedbackStrip* feedback() const { return feedback_; }
    TextDisplay* kanji_display() const { return kanji_display_; }
    CheckBox* romaji_box() const { return romaji_box_; }
    const ChoiceQuestion& question() const { return question_; }

    void set_up_question() override;
    void redraw_question() override;
    void redraw_feedback() override;

  protected:
    void create_question_controls() override;
    void draw_labels(Surface& s) override;

  private:
    void answer_row(int row);
    void set_romaji(bool romaji);

    ChoiceKind choice_kind_;
    ChoiceQuestion question_;
    TextDisplay* kanji_display_ = nullptr;
    FeedbackStrip* feedback_ = nullptr;
    GroupFrame* frame_ = nullptr;
    ChoicePanel* panel_ = nullptr;
    CheckBox* romaji_box_ = nullptr;
};
