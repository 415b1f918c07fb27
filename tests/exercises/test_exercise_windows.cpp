// The exercise windows: a press answers only where it is released; the romaji check boxes. (What
// a click on a row or a cell writes: the runs; a long meaning's popup answering for its row: the
// exercises script on a real X server.)
#include "check_box.h"
#include "clue_panel.h"
#include "exercise_fixture.h"
#include "random.h"

namespace {

using ExerciseWindowTest = ExerciseTest;

TEST_F(ExerciseWindowTest, APressReleasedOutsideTheRowsOrTheCellsAnswersNothing) {
    set_learning_list({1, 2, 3});
    OpenExercise(ExerciseKind::KanjiMeaningMC, false);
    move_pointer(choice()->panel(), row_point(1));
    QTest::mousePress(choice()->panel(), Qt::LeftButton, {}, row_point(1));
    cues.clear();
    QTest::mouseRelease(choice()->panel(), Qt::LeftButton, {}, QPoint(120, 170));
    EXPECT_TRUE(cues.empty() && session().feedbackState == AwaitingAnswer);
    press(choice()->exit_button());
    OpenExercise(ExerciseKind::KanjiGridSearch, false);
    cues.clear();
    QTest::mouseClick(grid()->grid(), Qt::LeftButton, {}, QPoint(402, 100)); // past the last column
    QTest::mouseClick(grid()->grid(), Qt::LeftButton, {}, QPoint(100, 240)); // below the last row
    EXPECT_TRUE(cues.empty() && session().feedbackState == AwaitingAnswer);
}

TEST_F(ExerciseWindowTest, RomajiShowsTheRomajiTextsOfTheSameQuestionAndIsStored) {
    set_learning_list(kanji_with_both_readings(3));
    OpenExercise(ExerciseKind::OnPronunciationMC, false);
    const ChoiceQuestion q = choice()->question();
    click(choice()->romaji_box(), QPoint(5, 5));
    for (int r = 0; r < kChoiceRows; ++r)
        EXPECT_EQ(choice()->panel()->rows()[r].full,
                  QString::fromStdU16String(q.row_text(r, true)));
    press(choice()->exit_button());
    EXPECT_EQ(get_option_slot(OptRomajiOn), 1);
    // The grid: a kanji whose clue is a reading (seeds until the ON or KUN clue comes up).
    for (int seed = 1; seed < 50; ++seed) {
        Exercises_Abandon();
        random_seed(seed);
        OpenExercise(ExerciseKind::KanjiGridSearch, false);
        if (grid()->question().clue_kind != ClueMeaning) break;
    }
    const GridQuestion before = grid()->question();
    ASSERT_NE(before.clue_kind, ClueMeaning);
    click(grid()->romaji_box(), QPoint(5, 5));
    const KanjiRecord& r = before.record;
    EXPECT_EQ(grid()->clue()->look().clue.text,
              QString::fromStdU16String(before.clue_kind == ClueOn ? r.OnRomaji.text()
                                                                   : r.KunRomaji.text()));
    EXPECT_EQ(grid()->question().cells, before.cells);
    press(grid()->exit_button());
    EXPECT_EQ(get_option_slot(OptRomajiGrid), 1);
}

} // namespace
