// The stroke order exercise over the exercises' stand-in main window, clicked on its display the
// way a user clicks; and its rules without a window.
#include "exercises/exercise_fixture.h"
#include "options.h"
#include "sound_cue.h"
#include "stroke_box.h"
#include "stroke_order_ex.h"
#include "stroke_order_ex_rules.h"
#include "stroke_screens.h"
#include "stroke_test_support.h"

class StrokeOrderExTest : public ExerciseTest {
  protected:
    void SetUp() override {
        ExerciseTest::SetUp();
        Exercises_SetStrokeOrderOpener(StrokeOrderEx_Open);
    }
    static StrokeOrderExWindow* window() { return StrokeOrderEx_Window(); }
    // Opens the exercise over `list` and asks its kanji in that order (not shuffled).
    void open_in_order(const std::vector<int>& list, bool in_sequence = false) {
        set_learning_list(list);
        OpenExercise(ExerciseKind::StrokeOrderExercise, in_sequence);
        ASSERT_NE(window(), nullptr);
        session().kanjiList = list;
        LoadExerciseKanji(0);
    }
    static QPoint start_of(int i) {
        return {window()->starts().start(i).x, window()->starts().start(i).y};
    }
    static void click_starts(int from, int to) { // from to to - 1
        for (int i = from; i < to; ++i)
            click(window()->display(), start_of(i));
    }
    static int stroke_count() { return window()->starts().stroke_count(); }
    static QString feedback() { return feedback_text(window()->feedback()); }
    static QImage picture() { return window()->display()->canvas().snapshot(); }
};

TEST_F(StrokeOrderExTest, EveryStartClickedInOrderIsNumberedAndScoresTheKanji) {
    const std::vector<int> kanji{7, 8};
    open_in_order(kanji);
    const int n = stroke_count();
    cues.clear();
    for (int i = 0; i < n; ++i) {
        const QImage before = picture();
        const QPoint corner = i % 2 ? QPoint(14, -15) : QPoint(-15, 14); // in the hit square
        click(window()->display(), start_of(i) + corner);
        EXPECT_NE(picture(), before) << "start " << i << " numbered once found";
        EXPECT_EQ(slots_of(kanji[0])[StrokeOrderExercise], 1u) << "from the first start on";
    }
    std::vector<int> expected(size_t(n - 1), CueRight);
    expected.push_back(CueComplete);
    EXPECT_EQ(cues, expected);
    EXPECT_EQ(feedback(), QStringLiteral("Correct! | Click 'Next' to proceed."));
    EXPECT_FALSE(window()->show_answer_button()->behaviour().enabled);
    EXPECT_TRUE(window()->next_button()->behaviour().enabled);

    // Once every start is found, clicks change nothing.
    Scores_Reset(kanji[0]);
    click_starts(0, 1);
    click(window()->display(), QPoint(3, 3));
    EXPECT_EQ(cues.size(), size_t(n));
    EXPECT_EQ(slots_of(kanji[0])[StrokeOrderExercise], 0u);
    EXPECT_EQ(session().feedbackState, StrokeOrderComplete);
}

// Whether a kanji is the last goes by its kanji for a click and by its position for Show Answer.
TEST_F(StrokeOrderExTest, TheLastKanjiEndsWithItsOwnTextsAndShowAnswerScoresNothing) {
    const int a = 7, b = 8;
    open_in_order({a, b, a});
    click_starts(0, stroke_count());
    EXPECT_EQ(feedback(), QStringLiteral("Correct! | Exercise Complete."));
    EXPECT_TRUE(window()->next_button()->behaviour().enabled) << "the position is not the last";
    LoadExerciseKanji(0);
    Scores_Reset(a);
    Scores_SetSlot(a, KanjiMeaningMC, 1);
    press(window()->show_answer_button());
    EXPECT_EQ(window()->found(), stroke_count());
    const QImage shown = picture();
    click_starts(0, 1);
    EXPECT_EQ(picture(), shown) << "a click after the answer changes nothing";
    EXPECT_EQ(feedback(), QStringLiteral("Done. | Click 'Next' to proceed to next kanji."));
    EXPECT_EQ(slots_of(a)[StrokeOrderExercise], 0u);
    EXPECT_EQ(slots_of(a)[KanjiMeaningMC], 1u);
    press(window()->next_button());
    press(window()->next_button());
    click_starts(0, 1);
    click(window()->display(), start_of(1) + QPoint(0, 15)); // a miss, just below the square
    click_starts(1, stroke_count());
    EXPECT_EQ(feedback(), QStringLiteral("Done! | Exercise Complete."));
    LoadExerciseKanji(2);
    press(window()->show_answer_button());
    EXPECT_EQ(feedback(), QStringLiteral("All kanji have been completed."));
}

TEST_F(StrokeOrderExTest, AutoProgressCountsDownAfterAWholeKanjiButNotOnTheLastNorAfterAMiss) {
    set_option_slot(OptAutoProgressStrokeOrder, 1);
    set_auto_progress_delay(30);
    const std::vector<int> kanji{7, 8};
    open_in_order(kanji);
    click_starts(0, stroke_count());
    EXPECT_EQ(feedback(), QStringLiteral("Correct! | Autoprogressing in 1.5 seconds."));
    EXPECT_FALSE(window()->next_button()->behaviour().enabled);
    ASSERT_EVENTUALLY(session().currentKanji == kanji[1]);
    click_starts(0, stroke_count());
    EXPECT_EQ(session().feedbackState, StrokeOrderCompleteLast);
    EXPECT_FALSE(window()->auto_progress_pending());
    LoadExerciseKanji(0);
    click(window()->display(), start_of(0) + QPoint(15, 0)); // a miss, just right of the square
    EXPECT_EQ(feedback(), QStringLiteral("Incorrect... try again."));
    click_starts(0, stroke_count());
    EXPECT_EQ(session().feedbackState, StrokeOrderDone);
    EXPECT_FALSE(window()->auto_progress_pending());
}
