#pragma once
// The kanji grid search: a clue about the kanji (its meaning, ON or KUN reading) and a grid of 60
// kanji in which the user clicks the one that matches.
#include "exercise_window.h"
#include "grid_question.h"

class CheckBox;
class CluePanel;
class FeedbackStrip;
class GridPanel;
class GroupFrame;

class GridExerciseWindow : public ExerciseWindow {
    Q_OBJECT

  public:
    GridExerciseWindow();

    GridPanel* grid() const { return grid_; }
    CluePanel* clue() const { return clue_; }
    FeedbackStrip* feedback() const { return feedback_; }
    CheckBox* romaji_box() const { return romaji_box_; }
    const GridQuestion& question() const { return question_; }

    void set_up_question() override;
    void redraw_question() override;
    void redraw_feedback() override;

  protected:
    void create_question_controls() override;

  private:
    void answer_cell(int column, int row);
    void set_romaji(bool romaji);

    GridQuestion question_;
    GroupFrame* frame_ = nullptr;
    GridPanel* grid_ = nullptr;
    FeedbackStrip* feedback_ = nullptr;
    CluePanel* clue_ = nullptr;
    CheckBox* romaji_box_ = nullptr;
};
