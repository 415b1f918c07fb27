// The exercise windows: the choice panel (rows that follow the pointer, the answered look,
// shortened texts with their popup, the romaji check box) and the kanji grid search (clicking
// cells, what it writes, Show Answer, the romaji clue, and the grid's own Next during the
// countdown).
#include "check_box.h"
#include "clue_panel.h"
#include "exercise_counter.h"
#include "exercise_fixture.h"
#include "options.h"
#include "random.h"

#include <QCursor>
#include <gmock/gmock.h>

namespace {

class ChoicePanelTest : public ExerciseTest {
  protected:
    static ChoicePanel* panel() { return choice()->panel(); }
    static std::vector<int> bullets() {
        std::vector<int> frames;
        for (const ChoiceRowLook& row : panel()->rows())
            frames.push_back(row.bullet_frame);
        return frames;
    }
};

TEST_F(ChoicePanelTest, RowsFollowThePointerUntilItLeaves) {
    set_learning_list({1, 2, 3});
    OpenExercise(ExerciseKind::KanjiMeaningMC, false);
    EXPECT_THAT(bullets(), ::testing::Each(BulletIdle));
    move_pointer(panel(), row_point(2));
    EXPECT_EQ(panel()->view().hover_row, 2);
    EXPECT_EQ(panel()->rows()[2].text.colour, choice_colour::Highlight);
    EXPECT_EQ(panel()->rows()[1].text.colour, choice_colour::Row);
    EXPECT_THAT(bullets(), ::testing::ElementsAre(BulletOther, BulletOther, BulletHovered,
                                                  BulletOther, BulletOther));
    EXPECT_TRUE(panel()->leave_timer_running());
    QCursor::setPos(panel()->mapToGlobal(row_point(2)));
    if (panel()->mapFromGlobal(QCursor::pos()) != row_point(2)) GTEST_SKIP() << "no cursor";
    QTest::qWait(3 * ChoicePanel::kLeaveTimerMs);
    EXPECT_EQ(panel()->view().hover_row, 2) << "the pointer is still over the panel";
    QCursor::setPos(panel()->mapToGlobal(QPoint(120, 400)));
    ASSERT_TRUE(wait_until([&] { return panel()->view().hover_row == -1; }, 2000));
    EXPECT_FALSE(panel()->leave_timer_running());
    EXPECT_THAT(bullets(), ::testing::Each(BulletIdle));
}

TEST_F(ChoicePanelTest, PressedRowMovesAReleaseOutsideAnswersNothingARightAnswerFreezes) {
    set_learning_list({1, 2, 3});
    OpenExercise(ExerciseKind::KanjiMeaningMC, false);
    move_pointer(panel(), row_point(1));
    const PlacedText before = panel()->rows()[1].text;
    QTest::mousePress(panel(), Qt::LeftButton, {}, row_point(1));
    EXPECT_EQ(panel()->rows()[1].text.x, before.x + 1);
    EXPECT_EQ(panel()->rows()[1].text.y, before.y + 1);
    cues.clear();
    QTest::mouseRelease(panel(), Qt::LeftButton, {}, QPoint(120, 170));
    EXPECT_TRUE(cues.empty());
    EXPECT_EQ(session().feedbackState, AwaitingAnswer);
    EXPECT_FALSE(panel()->view().pressed);

    // After a right answer the rows freeze.
    const int right = choice()->question().correctPosition;
    answer_right();
    move_pointer(panel(), row_point((right + 2) % 5));
    EXPECT_EQ(panel()->view().hover_row, right);
    for (int r = 0; r < kChoiceRows; ++r)
        EXPECT_EQ(panel()->rows()[r].text.colour,
                  r == right ? choice_colour::Highlight : choice_colour::Faded);
    EXPECT_THAT(bullets(), ::testing::Each(BulletAnswered));
}

// Every character 20 pixels wide.
int twenty_each(const QString& text, const FontSpec&) {
    return 20 * static_cast<int>(text.size());
}

TEST(ChoiceRows, LongTextsAreShortenedAndMarkedForThePopupByTheirKindsRules) {
    ChoiceQuestion q;
    q.kanji = 1;
    q.right_text = u"abcdefghijklmnopqrst"; // 400 px
    q.wrong_kanji = {2, 3, 4, 5};
    q.wrong_texts = {u"abcde", u"abcdefghijklmn", u"abcdefghijkl", u"abcdefghijklmnop"};
    q.correctPosition = 0;
    const auto meaning = layout_choice_rows(ChoiceKind::Meaning, q, {}, twenty_each);
    EXPECT_EQ(meaning[0].text.text, QStringLiteral("abcdefghij.."));
    EXPECT_TRUE(meaning[0].needs_popup);
    EXPECT_EQ(meaning[0].full, QStringLiteral("abcdefghijklmnopqrst"));
    EXPECT_FALSE(meaning[1].needs_popup) << "five characters are never shortened";
    EXPECT_TRUE(meaning[2].needs_popup) << "280 px do not fit 250";
    const auto kun = layout_choice_rows(ChoiceKind::Kun, q, {}, twenty_each);
    EXPECT_EQ(kun[2].text.text, QStringLiteral("abcdefghijklmn")) << "under 16: not shortened";
    EXPECT_EQ(kun[2].flag, 280);
    EXPECT_TRUE(kun[2].needs_popup) << "wider than 257 px";
    EXPECT_FALSE(kun[3].needs_popup) << "240 px";
    EXPECT_EQ(kun[4].text.text, QStringLiteral("abcdefghij.."));
    EXPECT_EQ(choice_popup_width(QStringLiteral("abc"), {}, twenty_each), 267);
    EXPECT_EQ(choice_popup_width(meaning[0].full, {}, twenty_each), 420);
}

TEST_F(ChoicePanelTest, ALongMeaningIsShortenedAndItsPopupAnswersForItsRow) {
    const FontSpec font = choice_row_font(ChoiceKind::Meaning, false);
    Surface measure(1, 1);
    const int kanji = kanji_with_meaning_wider_than(300);
    ASSERT_GT(kanji, 0);
    set_learning_list({kanji});
    OpenExercise(ExerciseKind::KanjiMeaningMC, false);
    const int right = choice()->question().correctPosition;
    const ChoiceRowLook& row = panel()->rows()[right];
    EXPECT_TRUE(row.text.text.endsWith(QStringLiteral("..")));
    EXPECT_LE(measure.text_width(row.text.text, font), 250);
    move_pointer(panel(), row_point(right));
    QPointer<ChoicePopup> popup = panel()->popup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->text(), row.full);
    EXPECT_EQ(popup->pos(), panel()->mapToGlobal(QPoint(33, 32 * right)));
    EXPECT_EQ(popup->height(), 32);
    EXPECT_GE(popup->width(), 267);
    move_pointer(panel(), row_point((right + 1) % 5));
    EXPECT_TRUE(!popup || !popup->isVisible()) << "another row closes it";
    EXPECT_TRUE(!panel()->popup() || panel()->popup()->row() != right);
    move_pointer(panel(), row_point(right));
    ASSERT_NE(panel()->popup(), nullptr);
    click(panel()->popup(), QPoint(10, 10));
    EXPECT_EQ(session().feedbackState, CorrectLast);
    EXPECT_EQ(slots_of(kanji)[KanjiMeaningMC], 1u);
}

TEST_F(ChoicePanelTest, RomajiShowsTheRomajiTextsOfTheSameQuestion) {
    set_learning_list(kanji_with_both_readings(3));
    OpenExercise(ExerciseKind::OnPronunciationMC, false);
    const ChoiceQuestion q = choice()->question();
    EXPECT_EQ(panel()->rows()[q.correctPosition].full, QString::fromStdU16String(q.right_text));
    EXPECT_EQ(panel()->rows()[0].text.font.face, App_JapaneseFace());
    click(choice()->romaji_box(), QPoint(5, 5));
    EXPECT_EQ(choice()->question().correctPosition, q.correctPosition);
    for (int r = 0; r < kChoiceRows; ++r)
        EXPECT_EQ(panel()->rows()[r].full, QString::fromStdU16String(q.row_text(r, true)));
    EXPECT_EQ(panel()->rows()[q.correctPosition].full, QString::fromStdU16String(q.right_romaji));
    EXPECT_EQ(panel()->rows()[0].text.font.face, QStringLiteral("Tahoma"));
    press(choice()->exit_button());
    EXPECT_EQ(get_option_slot(OptRomajiOn), 1);
    OpenExercise(ExerciseKind::OnPronunciationMC, false);
    EXPECT_TRUE(choice()->romaji_box()->checked());
    EXPECT_TRUE(choice()->panel()->view().romaji);
}

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

TEST_F(GridExerciseTest, TheTargetScoresAnyOtherCellResetsAndAfterShowAnswerNoCellAnswers) {
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
    // After Show Answer on the last kanji no cell takes a click and nothing is written.
    press(grid()->next_button());
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

} // namespace
