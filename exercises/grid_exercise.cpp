#include "grid_exercise.h"

#include "check_box.h"
#include "clue_panel.h"
#include "exercise_framework.h"
#include "feedback_strip.h"
#include "grid_panel.h"
#include "group_frame.h"
#include "kanji_source.h"
#include "trace.h"

namespace {

const ExerciseWindowLayout kLayout{QSize(464, 531),         509,
                                   QRect(23, 394, 422, 51), QPoint(23, 456),
                                   QPoint(389, 456),        QPoint(393, 498),
                                   QPoint(23, 506)};
constexpr QRect kFrame(20, 34, 424, 261);
constexpr QPoint kGridInFrame(10, 10);
constexpr QRect kFeedback(23, 298, 424, 16);
constexpr QPoint kClue(23, 322);
constexpr QPoint kRomajiBox(23, 488);
constexpr int kCheckBoxMaxWidth = 500;

} // namespace

GridExerciseWindow::GridExerciseWindow() : ExerciseWindow(ExerciseKind::KanjiGridSearch, kLayout) {}

void GridExerciseWindow::create_question_controls() {
    frame_ = GroupFrame::create(this, kFrame.x(), kFrame.y(), kFrame.width(), kFrame.height(),
                                QString());
    const QPoint grid_at = kFrame.topLeft() + kGridInFrame;
    grid_ = GridPanel::create(this, grid_at.x(), grid_at.y(),
                              [this](int column, int row) { answer_cell(column, row); });
    feedback_ = FeedbackStrip::create(this, surface(), kFeedback.x(), kFeedback.y(),
                                      kFeedback.width(), kFeedback.height());
    clue_ = CluePanel::create(this, kClue.x(), kClue.y());
    romaji_box_ =
        CheckBox::create(this, &surface(), QStringLiteral("Romaji ON & KUN pronunciation"),
                         kRomajiBox.x(), kRomajiBox.y(), kCheckBoxMaxWidth, 0, session().showRomaji,
                         [this](bool checked) { set_romaji(checked); });
}

void GridExerciseWindow::set_up_question() {
    const ExerciseSession& s = session();
    trace("KanjiGridLoadKanji %d\n", s.currentIndex);
    question_ = build_grid_question(s.kanjiList, s.currentIndex, study_data_source());
    trace("KanjiGridTarget %d %d %d\n", s.currentKanji, question_.target_column,
          question_.target_row);
    grid_->set_question(question_);
    clue_->set_clue(question_, s.showRomaji);
    redraw_feedback();
}

void GridExerciseWindow::redraw_question() {
    grid_->set_answered(session().feedbackState > 0);
}

// Drawing the line in state Correct with auto-progress on starts the countdown; Next stays
// usable and moves on at once.
void GridExerciseWindow::redraw_feedback() {
    const ExerciseSession& s = session();
    feedback_->show_lines(
        feedback_line(FeedbackStyle::Grid, s.feedbackState, s.inSequence, s.autoProgress));
    if (s.feedbackState == Correct && s.autoProgress) start_auto_progress();
}

void GridExerciseWindow::answer_cell(int column, int row) {
    HandleAnswer(column == question_.target_column && row == question_.target_row);
}

// Only the clue changes: the grid and the right cell stay.
void GridExerciseWindow::set_romaji(bool romaji) {
    session().showRomaji = romaji;
    clue_->set_romaji(romaji);
}
