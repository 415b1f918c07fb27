// The stroke order exercise over the exercises' stand-in main window, clicked on its display the
// way a user clicks; and its rules without a window.
#include "check_box.h"
#include "exercises/exercise_fixture.h"
#include "glyph_display.h"
#include "options.h"
#include "sound_cue.h"
#include "stroke_box.h"
#include "stroke_order_ex.h"
#include "stroke_order_ex_rules.h"
#include "stroke_screens.h"
#include "stroke_test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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
    static QPoint start_of(int stroke) {
        const StrokeStart& s = window()->starts().start(stroke);
        return {s.x, s.y};
    }
    static void click_start(int stroke, QPoint offset = {}) {
        click(window()->display(), start_of(stroke) + offset);
    }
    static void click_starts(int from, int to) { // from to to - 1
        for (int i = from; i < to; ++i)
            click_start(i);
    }
    static int stroke_count() { return window()->starts().stroke_count(); }
    static QString feedback() { return feedback_text(window()->feedback()); }
    // The number marker's dark red ring around a start, in pixels of the display.
    static int marker_pixels(int stroke) {
        const QPoint p = start_of(stroke);
        return count_near(picture_of(window()->display()->canvas()),
                          {p.x() - 8, p.y() - 8, p.x() + 9, p.y() + 9}, RGB(128, 0, 0), 30);
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

namespace {

using ::testing::ElementsAre;

TEST_F(StrokeOrderExTest, EveryStartClickedInOrderIsNumberedAndScoresTheKanji) {
    const std::vector<int> kanji = spread_kanji(2, 4);
    ASSERT_EQ(kanji.size(), 2u);
    open_in_order(kanji);
    EXPECT_EQ(window()->windowTitle(), QStringLiteral("Kanji Stroke Order Exercise"));
    EXPECT_EQ(feedback(), QStringLiteral("Select the start of each stroke | in the order they are "
                                         "drawn."));
    const int n = stroke_count();
    cues.clear();
    for (int i = 0; i < n; ++i) {
        EXPECT_EQ(marker_pixels(i), 0) << "start " << i << " before it is found";
        click_start(i, i == 1 ? QPoint(14, -15) : QPoint(-15, 14)); // the hit square's corners
        EXPECT_GT(marker_pixels(i), 10) << "start " << i << " after it is found";
        EXPECT_EQ(slots_of(kanji[0])[StrokeOrderExercise], 1u) << "from the first start on";
        if (i + 1 < n) {
            EXPECT_EQ(feedback(), QStringLiteral("Correct! | Select the next stroke start."));
        }
    }
    std::vector<int> expected(size_t(n - 1), CueRight);
    expected.push_back(CueComplete);
    EXPECT_EQ(cues, expected);
    EXPECT_EQ(session().feedbackState, StrokeOrderComplete);
    EXPECT_EQ(feedback(), QStringLiteral("Correct! | Click 'Next' to proceed."));
    const auto& lines = window()->feedback()->lines();
    EXPECT_EQ(lines[0].colour, RGB(0, 0, 255));
    EXPECT_EQ(lines[1].colour, RGB(0, 0, 192));
    EXPECT_EQ(lines[1].y, 16);
    EXPECT_FALSE(window()->show_answer_button()->behaviour().enabled);
    EXPECT_TRUE(window()->next_button()->behaviour().enabled);

    // Once every start is found, clicks change nothing.
    Scores_Reset(kanji[0]);
    click_start(0);
    click(window()->display(), QPoint(3, 3));
    EXPECT_EQ(cues.size(), size_t(n));
    EXPECT_EQ(slots_of(kanji[0])[StrokeOrderExercise], 0u);
    EXPECT_EQ(session().feedbackState, StrokeOrderComplete);
}

TEST_F(StrokeOrderExTest, AMissAfterTwoStartsCostsEverySlotAndTheRestEarnNothing) {
    const std::vector<int> kanji = spread_kanji(2, 4);
    open_in_order(kanji);
    const int a = kanji[0];
    for (int slot : {KanjiMeaningMC, OnPronunciationMC, KanjiGridSearch, MarkedSlot})
        Scores_SetSlot(a, slot, 1);
    Scores_SetSlot(kanji[1], KanjiMeaningMC, 1);
    click_starts(0, 2);
    EXPECT_EQ(slots_of(a)[StrokeOrderExercise], 1u);
    cues.clear();
    click_start(3); // a later start is a miss like any other
    EXPECT_THAT(cues, ElementsAre(CueWrong));
    EXPECT_TRUE(all_zero(slots_of(a)));
    EXPECT_EQ(slots_of(kanji[1])[KanjiMeaningMC], 1u) << "the other kanji keeps its slots";
    EXPECT_EQ(feedback(), QStringLiteral("Incorrect... try again."));
    EXPECT_EQ(window()->feedback()->lines()[0].colour, RGB(192, 0, 0));
    EXPECT_EQ(window()->feedback()->lines()[0].y, 16);
    click_starts(2, stroke_count());
    EXPECT_TRUE(all_zero(slots_of(a))) << "no hit after the miss writes the slot";
    EXPECT_EQ(cues.back(), CueComplete);
    EXPECT_EQ(feedback(), QStringLiteral("Done. | Click 'Next' to proceed to next kanji."));
    EXPECT_FALSE(window()->show_answer_button()->behaviour().enabled);
}

TEST_F(StrokeOrderExTest, TheLastKanjiEndsWithItsOwnTexts) {
    const int k = spread_kanji(1, 2)[0];
    struct Case {
        bool in_sequence;
        bool miss;
        const char* text;
    };
    for (const Case& c :
         {Case{false, false, "Correct! | Exercise Complete."},
          Case{true, false, "Correct! | Click 'Exit' to progress to next exercise."},
          Case{false, true, "Done! | Exercise Complete."},
          Case{true, true, "Done! | Exercise Complete."}}) {
        open_in_order({k}, c.in_sequence);
        if (c.miss) click_start(1);
        click_starts(0, stroke_count());
        EXPECT_EQ(feedback(), QString::fromLatin1(c.text)) << c.in_sequence << c.miss;
        EXPECT_EQ(slots_of(k)[StrokeOrderExercise], c.miss ? 0u : 1u);
        Exercises_Abandon();
        ExerciseSequence_Reset();
        Scores_Reset(k);
    }
}

TEST_F(StrokeOrderExTest, ShowAnswerNumbersEveryStartAndScoresNothing) {
    const std::vector<int> kanji = spread_kanji(2, 3);
    open_in_order(kanji);
    Scores_SetSlot(kanji[0], KanjiMeaningMC, 1);
    cues.clear();
    press(window()->show_answer_button());
    const int n = stroke_count();
    EXPECT_EQ(window()->found(), n);
    EXPECT_GT(marker_pixels(n - 1), 10);
    EXPECT_EQ(feedback(), QStringLiteral("Done. | Click 'Next' to proceed to next kanji."));
    EXPECT_FALSE(window()->show_answer_button()->behaviour().enabled);
    click_start(0);
    EXPECT_EQ(slots_of(kanji[0])[StrokeOrderExercise], 0u);
    EXPECT_EQ(slots_of(kanji[0])[KanjiMeaningMC], 1u);
    EXPECT_THAT(cues, ::testing::Not(::testing::Contains(CueWrong)));
    press(window()->next_button());
    ASSERT_EQ(session().currentKanji, kanji[1]);
    EXPECT_EQ(window()->found(), 0);
    EXPECT_TRUE(window()->show_answer_button()->behaviour().enabled);
    click_start(0);
    press(window()->show_answer_button());
    EXPECT_EQ(feedback(), QStringLiteral("All kanji have been completed."));
    EXPECT_EQ(window()->found(), stroke_count());
    EXPECT_EQ(slots_of(kanji[1])[StrokeOrderExercise], 1u) << "written by the hit before";
}

TEST_F(StrokeOrderExTest, TheLastEntrysKanjiEarlierInTheListAlreadyShowsTheLastTexts) {
    const std::vector<int> kanji = spread_kanji(2, 2);
    open_in_order({kanji[0], kanji[1], kanji[0]});
    click_starts(0, stroke_count());
    EXPECT_EQ(session().feedbackState, StrokeOrderCompleteLast);
    EXPECT_EQ(feedback(), QStringLiteral("Correct! | Exercise Complete."));
    EXPECT_TRUE(window()->next_button()->behaviour().enabled) << "the position is not the last";
    press(window()->next_button());
    press(window()->next_button());
    ASSERT_EQ(session().currentIndex, 2);
    // Show Answer goes by the position, not the kanji: the same kanji at position 0 shows "Done.".
    LoadExerciseKanji(0);
    press(window()->show_answer_button());
    EXPECT_EQ(session().feedbackState, StrokeOrderDone);
}

TEST_F(StrokeOrderExTest, AutoProgressCountsDownAfterAWholeKanjiButNotOnTheLast) {
    set_option_slot(OptAutoProgressStrokeOrder, 1);
    set_auto_progress_delay(30);
    const std::vector<int> kanji = spread_kanji(2, 2);
    open_in_order(kanji);
    EXPECT_TRUE(window()->auto_progress_box()->checked());
    click_starts(0, stroke_count() - 1);
    EXPECT_FALSE(window()->auto_progress_pending()) << "not before the last start";
    click_start(stroke_count() - 1);
    EXPECT_EQ(feedback(), QStringLiteral("Correct! | Autoprogressing in 1.5 seconds."));
    EXPECT_FALSE(window()->next_button()->behaviour().enabled);
    EXPECT_TRUE(window()->auto_progress_pending());
    ASSERT_EVENTUALLY(session().currentKanji == kanji[1]);
    EXPECT_EQ(feedback(), QStringLiteral("Select the start of each stroke | in the order they are "
                                         "drawn."));
    click_starts(0, stroke_count());
    EXPECT_EQ(session().feedbackState, StrokeOrderCompleteLast);
    EXPECT_FALSE(window()->auto_progress_pending());
    // A miss ends a kanji without a countdown.
    LoadExerciseKanji(0);
    click_start(1);
    click_starts(0, stroke_count());
    EXPECT_EQ(session().feedbackState, StrokeOrderDone);
    EXPECT_FALSE(window()->auto_progress_pending());
    click(window()->auto_progress_box(), QPoint(5, 5));
    press(window()->exit_button());
    EXPECT_EQ(get_option_slot(OptAutoProgressStrokeOrder), 0);
}

StrokeStarts starts_at(std::initializer_list<QPoint> points) {
    StrokeStarts starts;
    for (QPoint p : points)
        starts.add({p.x(), p.y(), p.x(), p.y() + 10});
    return starts;
}

TEST(StrokeOrderRules, TheHitSquareTakesItsLeftAndTopEdgesOnly) {
    const StrokeStart s{100, 60, 100, 70};
    struct Case {
        int dx, dy;
        bool hit;
    };
    for (const Case& c : {Case{0, 0, true}, Case{14, -15, true}, Case{-15, 14, true},
                          Case{-15, -15, true}, Case{14, 14, true}, Case{15, 0, false},
                          Case{0, 15, false}, Case{-16, 0, false}, Case{0, -16, false}})
        EXPECT_EQ(stroke_start_hit(s, s.x + c.dx, s.y + c.dy), c.hit) << c.dx << "," << c.dy;
}

// The window disables Show Answer once the starts are all found; the rule itself refuses too.
TEST(StrokeOrderRules, ShowAnswerEndsOnlyAnOpenQuestion) {
    const StrokeStarts starts = starts_at({{50, 50}, {150, 50}});
    StrokeOrderQuestion q;
    StrokeOrderEx_Judge(q, starts, 50, 50, false);
    StrokeOrderEx_Judge(q, starts, 150, 50, false);
    ASSERT_EQ(q.state, StrokeOrderComplete);
    EXPECT_FALSE(StrokeOrderEx_Reveal(q, 2, true));
    EXPECT_EQ(q.state, StrokeOrderComplete);
    EXPECT_TRUE(q.first_attempt);
    StrokeOrderQuestion missed;
    StrokeOrderEx_Judge(missed, starts, 150, 50, false);
    EXPECT_TRUE(StrokeOrderEx_Reveal(missed, 2, true));
    EXPECT_EQ(missed.state, StrokeOrderAllShown);
    EXPECT_EQ(missed.found, 2);
}

} // namespace
