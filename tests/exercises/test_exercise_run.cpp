// One run of an exercise: opening, scoring, Show Answer, auto-progress and closing; and "Do
// Exercises to Complete List": every exercise in turn, the refill once at the end. (Every
// question walked by Next or the countdown, with the scores and the list checked against a
// model: the long session of tests/app.)
#include "check_box.h"
#include "exercise_counter.h"
#include "exercise_fixture.h"
#include "exercise_list.h"
#include "random.h"

#include <QElapsedTimer>
#include <numeric>

namespace {

using ExerciseRunTest = ExerciseTest;

TEST_F(ExerciseRunTest, AnEmptyLearningListOpensNothingAndStartsNoSequence) {
    set_learning_list(std::vector<int>{});
    OpenExercise(ExerciseKind::KanjiMeaningMC, false);
    AdvanceExerciseSequence();
    EXPECT_EQ(open_exercise(), nullptr);
    EXPECT_EQ(ExerciseSequence_Step(), -1);
    EXPECT_EQ(view.messages, std::vector<std::string>(2, kMessageListEmpty));
    EXPECT_TRUE(main_window->isEnabled());
}

// A right first answer sets the exercise's own slot and nothing else; on the only kanji it ends
// the exercise.
TEST_F(ExerciseRunTest, ARightFirstAnswerSetsTheSlotOfItsExercise) {
    const int kanji = kanji_with_both_readings(1)[0];
    set_learning_list({kanji});
    for (ExerciseKind kind : {ExerciseKind::KanjiMeaningMC, ExerciseKind::OnPronunciationMC,
                              ExerciseKind::KunPronunciationMC, ExerciseKind::KanjiGridSearch}) {
        OpenExercise(kind, false);
        ASSERT_NE(open_exercise(), nullptr);
        EXPECT_FALSE(open_exercise()->next_button()->behaviour().enabled);
        cues.clear();
        answer_right();
        EXPECT_EQ(session().feedbackState, CorrectLast);
        EXPECT_THAT(cues, ElementsAre(CueComplete));
        EXPECT_FALSE(open_exercise()->show_answer_button()->behaviour().enabled);
        press(open_exercise()->exit_button());
    }
    std::vector<uint32_t> expected(kScoreSlots, 0);
    expected[KanjiMeaningMC] = expected[OnPronunciationMC] = expected[KunPronunciationMC] = 1;
    expected[KanjiGridSearch] = 1;
    EXPECT_EQ(slots_of(kanji), expected);
}

// A wrong answer resets every slot of the kanji, the right one after it scores nothing; after
// Show Answer no click answers.
TEST_F(ExerciseRunTest, WrongThenRightResetsEverySlotAndShowAnswerWritesNothing) {
    for (ExerciseKind kind : {ExerciseKind::KanjiMeaningMC, ExerciseKind::KanjiGridSearch}) {
        set_learning_list({3, 4});
        for (int slot : {OnPronunciationMC, StrokeOrderExercise, KanjiGridSearch, MarkedSlot})
            Scores_SetSlot(3, slot, 1);
        Scores_SetSlot(4, OnPronunciationMC, 1);
        random_seed(2);
        OpenExercise(kind, false);
        const int kanji = session().currentKanji, other = kanji == 3 ? 4 : 3;
        cues.clear();
        answer_wrong();
        answer_right();
        EXPECT_EQ(cues, (std::vector<int>{CueWrong, CueRight}));
        EXPECT_EQ(slots_of(kanji), std::vector<uint32_t>(kScoreSlots, 0));
        const std::vector<uint32_t> before = slots_of(other);
        EXPECT_EQ(before[OnPronunciationMC], 1u) << "the other kanji keeps its";
        press(open_exercise()->next_button());
        press(open_exercise()->show_answer_button());
        EXPECT_EQ(session().feedbackState, AnswerShownLast);
        cues.clear();
        answer_right();
        answer_wrong();
        EXPECT_TRUE(cues.empty()) << "clicks after Show Answer answer nothing";
        EXPECT_EQ(slots_of(other), before);
        press(open_exercise()->exit_button());
    }
}

// The countdown moves on no sooner than its delay, the grid's own Next during it at once, and
// never from the last kanji; the check box is stored when the window closes.
TEST_F(ExerciseRunTest, AutoProgressWaitsItsDelayNextCutsItShortTheLastKanjiStays) {
    set_auto_progress_delay(kAutoProgressMs);
    set_option_slot(OptAutoProgressGrid, 1);
    set_learning_list(kanji_with_both_readings(3));
    OpenExercise(ExerciseKind::KanjiGridSearch, false);
    QElapsedTimer clock;
    clock.start();
    answer_right();
    ASSERT_TRUE(wait_until([&] { return grid()->counter()->current() == 2; }, 5000));
    EXPECT_GE(clock.elapsed(), kAutoProgressMs);
    answer_right();
    EXPECT_TRUE(grid()->auto_progress_pending());
    press(grid()->next_button());
    EXPECT_EQ(grid()->counter()->current(), 3);
    answer_right();
    EXPECT_FALSE(grid()->auto_progress_pending()) << "the last kanji";
    click(grid()->auto_progress_box(), QPoint(5, 5));
    press(grid()->exit_button());
    EXPECT_EQ(get_option_slot(OptAutoProgressGrid), 0);
}

TEST_F(ExerciseRunTest, OpensOverTheDisabledMainWindowAtItsOffsetAndExitStoresItAndRefills) {
    set_option_slot(OptMeaningMCOffset, 40);
    set_option_slot(OptMeaningMCOffset + 1, 25);
    set_learning_list({1, 2, 3});
    pass_all_exercises(2);
    OpenExercise(ExerciseKind::KanjiMeaningMC, false);
    EXPECT_EQ(choice()->pos(), main_window->pos() + QPoint(40, 25));
    EXPECT_FALSE(main_window->isEnabled());
    EXPECT_EQ(kanji_window_closes, 1);
    choice()->move(main_window->pos() + QPoint(-30, 60));
    press(choice()->exit_button());
    EXPECT_EQ(get_option_slot(OptMeaningMCOffset), -30);
    EXPECT_EQ(get_option_slot(OptMeaningMCOffset + 1), 60);
    EXPECT_THAT(view.removed, ElementsAre(1)) << "kanji 2 graduated";
    EXPECT_THAT(active_calls, ElementsAre(false, true));
}

TEST_F(ExerciseRunTest, ExcludedKanjiAndKanjiWithoutTheReadingAreLeftOut) {
    set_learning_list({1, 2, 3});
    Scores_SetSlot(2, KanjiMeaningMC, 1);
    EXPECT_EQ(BuildExerciseList(ExerciseKind::KanjiMeaningMC).size(), 3u);
    SetExcludeCompleted(true);
    EXPECT_THAT(BuildExerciseList(ExerciseKind::KanjiMeaningMC),
                ::testing::UnorderedElementsAre(1, 3));
    Scores_SetSlot(1, KanjiMeaningMC, 1);
    Scores_SetSlot(3, KanjiMeaningMC, 1);
    answer_message_boxes({MessageYes});
    OpenExercise(ExerciseKind::KanjiMeaningMC, false);
    EXPECT_EQ(open_exercise(), nullptr);
    EXPECT_EQ(message_texts.size(), 1u);
    std::vector<int> without_kun, with_kun;
    for (int k = 1; k <= 200 && (without_kun.size() < 2 || with_kun.size() < 2); ++k)
        (KanjiData_LoadRecord(k)->hasKun() ? with_kun : without_kun).push_back(k);
    ASSERT_GE(without_kun.size(), 2u);
    set_learning_list({without_kun[0], with_kun[0], without_kun[1], with_kun[1]});
    EXPECT_THAT(BuildExerciseList(ExerciseKind::KunPronunciationMC),
                ::testing::UnorderedElementsAre(with_kun[0], with_kun[1]));
    EXPECT_EQ(BuildExerciseList(ExerciseKind::KanjiGridSearch).size(), 4u);
}

TEST_F(ExerciseRunTest, TheShuffleIsAPermutationThatMovesEntries) {
    std::vector<int> list(20);
    std::iota(list.begin(), list.end(), 1);
    for (int seed = 1; seed <= 20; ++seed) {
        random_seed(seed);
        std::vector<int> shuffled = list;
        shuffle_exercise_list(shuffled);
        EXPECT_THAT(shuffled, ::testing::UnorderedElementsAreArray(list));
        EXPECT_NE(shuffled, list) << seed;
    }
}

using ExerciseSequenceTest = ExerciseTest;

// Exit, the close glyph and a close from outside all go on to the next exercise; the stroke
// order step is skipped while none is registered; each exercise deactivates the main window and
// only the grid reactivates it, after the one refill.
TEST_F(ExerciseSequenceTest, ExitOpensTheNextExerciseAndTheListIsRefilledOnlyAfterTheGrid) {
    const std::vector<int> list = kanji_with_both_readings(3);
    set_learning_list(list);
    pass_all_exercises(list[2]);
    AdvanceExerciseSequence();
    ASSERT_NE(open_exercise(), nullptr);
    EXPECT_EQ(open_exercise()->kind(), ExerciseKind::KanjiMeaningMC);
    EXPECT_TRUE(session().inSequence);
    const std::function<void(ExerciseWindow*)> closes[] = {
        [](ExerciseWindow* w) { press(w->exit_button()); },
        [](ExerciseWindow* w) { click(w, w->caption_bar().state().close_rect().center()); },
        [](ExerciseWindow* w) { w->close(); }};
    const ExerciseKind next[] = {ExerciseKind::OnPronunciationMC, ExerciseKind::KunPronunciationMC,
                                 ExerciseKind::KanjiGridSearch};
    for (int i = 0; i < 3; ++i) {
        closes[i](open_exercise());
        ASSERT_NE(open_exercise(), nullptr);
        EXPECT_EQ(open_exercise()->kind(), next[i]);
        EXPECT_TRUE(view.removed.empty()) << "no refill inside the sequence";
    }
    EXPECT_EQ(ExerciseSequence_Step(), 4);
    press(open_exercise()->exit_button());
    EXPECT_EQ(open_exercise(), nullptr);
    EXPECT_THAT(view.removed, ElementsAre(2));
    EXPECT_EQ(ExerciseSequence_Step(), -1);
    EXPECT_THAT(active_calls, ElementsAre(false, false, false, false, true));
}

TEST_F(ExerciseSequenceTest, AnExerciseWithNothingLeftShowsItsMessageOnceAndTheNextOneOpens) {
    const std::vector<int> list = kanji_with_both_readings(2);
    set_learning_list(list);
    SetExcludeCompleted(true);
    for (int k : list)
        Scores_SetSlot(k, OnPronunciationMC, 1);
    AdvanceExerciseSequence();
    answer_message_boxes({MessageYes});
    press(open_exercise()->exit_button());
    ASSERT_NE(open_exercise(), nullptr);
    EXPECT_EQ(open_exercise()->kind(), ExerciseKind::KunPronunciationMC);
    EXPECT_EQ(message_texts.size(), 1u);
    EXPECT_EQ(ExerciseSequence_Step(), 2);
}

TEST_F(ExerciseSequenceTest, TheStrokeOrderStepOpensTheRegisteredExercise) {
    set_learning_list(kanji_with_both_readings(1));
    std::vector<bool> opened;
    Exercises_SetStrokeOrderOpener([&](bool in_sequence) { opened.push_back(in_sequence); });
    AdvanceExerciseSequence();
    for (int i = 0; i < 3; ++i)
        press(open_exercise()->exit_button());
    EXPECT_THAT(opened, ElementsAre(true));
    EXPECT_EQ(ExerciseSequence_Step(), 3);
    EXPECT_EQ(open_exercise(), nullptr) << "the stroke order exercise is the registered one's";
    OpenExercise(ExerciseKind::StrokeOrderExercise, false);
    EXPECT_THAT(opened, ElementsAre(true, false));
}

} // namespace
