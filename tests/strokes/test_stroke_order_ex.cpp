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
    // The number marker's dark red ring around a start, in pixels of the display.
    static int marker_pixels(int i) {
        const QPoint p = start_of(i) - QPoint(8, 8);
        return count_near(picture_of(window()->display()->canvas()),
                          {p.x(), p.y(), p.x() + 17, p.y() + 17}, RGB(128, 0, 0), 30);
    }
    // The first `count` kanji of at least `strokes` strokes whose starts lie at least 31 pixels
    // apart each way, so that a click on one start never falls in another's square.
    static std::vector<int> spread_kanji(int count, int strokes) {
        std::vector<int> found;
        for (int k = 1; k <= kKanjiTotal && int(found.size()) < count; ++k) {
            const StrokeStarts starts = starts_of(k, StrokeScreen::Exercise);
            bool spread = starts.stroke_count() >= strokes;
            for (int i = 0; i < starts.stroke_count(); ++i)
                for (int j = 0; j < i; ++j) {
                    const StrokeStart &a = starts.start(i), &b = starts.start(j);
                    spread = spread && std::max(std::abs(a.x - b.x), std::abs(a.y - b.y)) >= 31;
                }
            if (spread) found.push_back(k);
        }
        return found;
    }
};

TEST_F(StrokeOrderExTest, EveryStartClickedInOrderIsNumberedAndScoresTheKanji) {
    const std::vector<int> kanji = spread_kanji(2, 4);
    ASSERT_EQ(kanji.size(), 2u);
    open_in_order(kanji);
    const int n = stroke_count();
    cues.clear();
    for (int i = 0; i < n; ++i) {
        EXPECT_EQ(marker_pixels(i), 0) << "start " << i << " before it is found";
        click(window()->display(), start_of(i) + QPoint(-15, 14)); // the hit square's corner
        EXPECT_GT(marker_pixels(i), 10) << "start " << i << " after it is found";
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
    const std::vector<int> kanji = spread_kanji(2, 3);
    for (bool in_sequence : {true, false}) {
        open_in_order({kanji[0], kanji[1], kanji[0]}, in_sequence);
        click_starts(0, stroke_count());
        EXPECT_EQ(feedback(), in_sequence
                                  ? QStringLiteral("Correct! | Click 'Exit' to progress to next "
                                                   "exercise.")
                                  : QStringLiteral("Correct! | Exercise Complete."));
        EXPECT_TRUE(window()->next_button()->behaviour().enabled) << "the position is not the last";
        if (in_sequence) Exercises_Abandon(), ExerciseSequence_Reset();
    }
    LoadExerciseKanji(0);
    Scores_Reset(kanji[0]);
    Scores_SetSlot(kanji[0], KanjiMeaningMC, 1);
    press(window()->show_answer_button());
    EXPECT_EQ(window()->found(), stroke_count());
    EXPECT_GT(marker_pixels(stroke_count() - 1), 10);
    EXPECT_EQ(feedback(), QStringLiteral("Done. | Click 'Next' to proceed to next kanji."));
    click_starts(0, 1);
    EXPECT_EQ(slots_of(kanji[0])[StrokeOrderExercise], 0u);
    EXPECT_EQ(slots_of(kanji[0])[KanjiMeaningMC], 1u);

    press(window()->next_button());
    press(window()->next_button());
    ASSERT_EQ(session().currentIndex, 2);
    click_starts(0, 1);
    click_starts(2, 3); // a miss
    click_starts(1, stroke_count());
    EXPECT_EQ(feedback(), QStringLiteral("Done! | Exercise Complete."));
    LoadExerciseKanji(2);
    press(window()->show_answer_button());
    EXPECT_EQ(feedback(), QStringLiteral("All kanji have been completed."));
}

TEST_F(StrokeOrderExTest, AutoProgressCountsDownAfterAWholeKanjiButNotOnTheLastNorAfterAMiss) {
    set_option_slot(OptAutoProgressStrokeOrder, 1);
    set_auto_progress_delay(30);
    const std::vector<int> kanji = spread_kanji(2, 2);
    open_in_order(kanji);
    click_starts(0, stroke_count());
    EXPECT_EQ(feedback(), QStringLiteral("Correct! | Autoprogressing in 1.5 seconds."));
    EXPECT_FALSE(window()->next_button()->behaviour().enabled);
    ASSERT_EVENTUALLY(session().currentKanji == kanji[1]);
    click_starts(0, stroke_count());
    EXPECT_EQ(session().feedbackState, StrokeOrderCompleteLast);
    EXPECT_FALSE(window()->auto_progress_pending());
    LoadExerciseKanji(0);
    click_starts(1, 2);
    click_starts(0, stroke_count());
    EXPECT_EQ(session().feedbackState, StrokeOrderDone);
    EXPECT_FALSE(window()->auto_progress_pending());
}

TEST(StrokeOrderRules, TheHitSquareTakesItsLeftAndTopEdgesOnlyAndShowAnswerEndsAnOpenQuestion) {
    const StrokeStart s{100, 60, 100, 70};
    for (int dx : {-15, 14})
        for (int dy : {-15, 14})
            EXPECT_TRUE(stroke_start_hit(s, s.x + dx, s.y + dy)) << dx << "," << dy;
    for (const auto& [dx, dy] : {std::pair{15, 0}, {0, 15}, {-16, 0}, {0, -16}})
        EXPECT_FALSE(stroke_start_hit(s, s.x + dx, s.y + dy)) << dx << "," << dy;
    StrokeStarts starts;
    starts.add({50, 50, 50, 60});
    starts.add({150, 50, 150, 60});
    StrokeOrderQuestion q, missed;
    StrokeOrderEx_Judge(q, starts, 50, 50, false);
    StrokeOrderEx_Judge(q, starts, 150, 50, false);
    EXPECT_FALSE(StrokeOrderEx_Reveal(q, 2, true));
    EXPECT_EQ(q.state, StrokeOrderComplete);
    EXPECT_TRUE(q.first_attempt);
    StrokeOrderEx_Judge(missed, starts, 150, 50, false);
    EXPECT_TRUE(StrokeOrderEx_Reveal(missed, 2, true));
    EXPECT_EQ(missed.state, StrokeOrderAllShown);
    EXPECT_EQ(missed.found, 2);
}
