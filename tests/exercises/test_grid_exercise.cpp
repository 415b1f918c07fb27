// The kanji grid search window: clicking cells, what it writes, Show Answer, the romaji clue,
// and the grid's own Next during the countdown.
#include "check_box.h"
#include "clue_panel.h"
#include "exercise_counter.h"
#include "exercise_fixture.h"
#include "options.h"
#include "random.h"

#include <QCursor>
#include <gmock/gmock.h>

namespace {

class GridExerciseTest : public ExerciseTest {
  protected:
    void open_grid(const std::vector<int>& list) {
        set_learning_list(list);
        OpenExercise(ExerciseKind::KanjiGridSearch, false);
        ASSERT_NE(grid(), nullptr);
    }
    static const GridQuestion& question() { return grid()->question(); }
    static void click_target() { click_cell(question().target_column, question().target_row); }
    static void click_other() {
        click_cell((question().target_column + 3) % kGridColumns, question().target_row);
    }
};

TEST_F(GridExerciseTest, TheTargetScoresAndAnyOtherCellResetsWithItsWarning) {
    const std::vector<int> list = kanji_with_both_readings(3);
    open_grid(list);
    EXPECT_EQ(feedback_text(grid()->feedback()), QStringLiteral("Select the matching Kanji..."));
    const int first = session().currentKanji;
    Scores_SetSlot(first, KanjiMeaningMC, 1);
    click_other();
    EXPECT_EQ(feedback_text(grid()->feedback()),
              QStringLiteral("Incorrect..try again. | All exercise scores for this kanji reset."));
    EXPECT_EQ(grid()->feedback()->lines().at(1).x, 132);
    EXPECT_TRUE(all_zero(slots_of(first)));
    click_target();
    EXPECT_EQ(slots_of(first)[KanjiGridSearch], 0u) << "right only after a wrong try";
    press(grid()->next_button());
    const int second = session().currentKanji;
    cues.clear();
    click_target();
    EXPECT_EQ(cues, std::vector<int>{CueRight});
    EXPECT_EQ(slots_of(second)[KanjiGridSearch], 1u);
    EXPECT_EQ(feedback_text(grid()->feedback()),
              QStringLiteral("Correct! | Click 'Next' to proceed."));
    EXPECT_EQ(grid()->feedback()->lines().at(1).x, 62);
    const CellLook target = grid_cell_look(question().target_column, question().target_row,
                                           question(), grid()->grid()->view());
    EXPECT_EQ(target.colour, grid_colour::Answer);
}

TEST_F(GridExerciseTest, AfterShowAnswerNoCellTakesAClickAndNothingIsWritten) {
    open_grid(kanji_with_both_readings(1));
    const int kanji = session().currentKanji;
    Scores_SetSlot(kanji, StrokeOrderExercise, 1);
    press(grid()->show_answer_button());
    EXPECT_EQ(feedback_text(grid()->feedback()), QStringLiteral("All kanji have been completed."));
    cues.clear();
    click_other();
    click_target();
    EXPECT_TRUE(cues.empty());
    EXPECT_EQ(session().feedbackState, AnswerShownLast);
    EXPECT_EQ(slots_of(kanji)[StrokeOrderExercise], 1u);
    EXPECT_EQ(slots_of(kanji)[KanjiGridSearch], 0u);
}

TEST_F(GridExerciseTest, CellsFollowThePointerWithBevelsAndTheMarginAnswersNothing) {
    open_grid(kanji_with_both_readings(2));
    GridPanel* panel = grid()->grid();
    move_pointer(panel, cell_point(2, 3));
    CellLook look = grid_cell_look(2, 3, question(), panel->view());
    EXPECT_EQ(look.bevel, Bevel::Raised);
    EXPECT_EQ(look.offset, -1);
    QTest::mousePress(panel, Qt::LeftButton, {}, cell_point(2, 3));
    look = grid_cell_look(2, 3, question(), panel->view());
    EXPECT_EQ(look.bevel, Bevel::Sunken);
    EXPECT_EQ(look.colour, grid_colour::Pressed);
    cues.clear();
    QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(402, 100)); // beyond the last column
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(100, 240));   // below the last row
    EXPECT_TRUE(cues.empty());
    EXPECT_EQ(session().feedbackState, AwaitingAnswer);
}

TEST_F(GridExerciseTest, RomajiChangesTheClueOnly) {
    // A kanji whose clue is a reading: seeds until the ON or KUN clue comes up.
    const std::vector<int> list = kanji_with_both_readings(1);
    for (int seed = 1; seed < 50; ++seed) {
        random_seed(seed);
        open_grid(list);
        if (question().clue_kind != ClueMeaning) break;
        Exercises_Abandon();
    }
    ASSERT_NE(question().clue_kind, ClueMeaning);
    const GridQuestion before = question();
    const ClueLook kana = grid()->clue()->look();
    EXPECT_EQ(kana.clue.font.face, App_JapaneseFace());
    click(grid()->romaji_box(), QPoint(5, 5));
    const ClueLook romaji = grid()->clue()->look();
    const KanjiRecord& r = before.record;
    EXPECT_EQ(romaji.clue.text,
              QString::fromStdU16String(before.clue_kind == ClueOn ? r.OnRomaji.text()
                                                                   : r.KunRomaji.text()));
    EXPECT_NE(romaji.clue.text, kana.clue.text);
    EXPECT_EQ(romaji.caption.text, kana.caption.text);
    EXPECT_EQ(question().cells, before.cells);
    EXPECT_EQ(question().target_cell(), before.target_cell());
    press(grid()->exit_button());
    EXPECT_EQ(get_option_slot(OptRomajiGrid), 1);
}

TEST_F(GridExerciseTest, NextDuringTheCountdownMovesOnAtOnce) {
    set_option_slot(OptAutoProgressGrid, 1);
    set_auto_progress_delay(60000);
    open_grid(kanji_with_both_readings(3));
    click_target();
    EXPECT_EQ(feedback_text(grid()->feedback()),
              QStringLiteral("Correct! | Autoprogressing in 1.5 seconds."));
    EXPECT_TRUE(grid()->auto_progress_pending());
    ASSERT_TRUE(grid()->next_button()->behaviour().enabled);
    press(grid()->next_button());
    EXPECT_EQ(grid()->counter()->current(), 2);
    EXPECT_FALSE(grid()->auto_progress_pending());
}

TEST_F(GridExerciseTest, ClosingReactivatesTheMainWindowAlsoInTheSequence) {
    set_learning_list(kanji_with_both_readings(1));
    ExerciseSequence_Reset();
    AdvanceExerciseSequence();
    for (int i = 0; i < 3; ++i)
        press(open_exercise()->exit_button());
    ASSERT_NE(grid(), nullptr);
    active_calls.clear();
    press(grid()->exit_button());
    EXPECT_EQ(active_calls, std::vector<bool>{true});
}

} // namespace
