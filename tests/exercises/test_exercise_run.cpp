// One run of an exercise, through the Kanji Meaning exercise: opening, scoring, Show Answer,
// Next, auto-progress and closing; and "Do Exercises to Complete List": every exercise in turn,
// the refill once at the end.
#include "check_box.h"
#include "exercise_counter.h"
#include "exercise_fixture.h"
#include "exercise_list.h"
#include "message_box.h"
#include "options.h"
#include "random.h"

#include <QElapsedTimer>
#include <gmock/gmock.h>

namespace {

using ::testing::ElementsAre;

using ExerciseRunTest = ExerciseTest;

TEST_F(ExerciseRunTest, AnEmptyLearningListOpensNothingAndStartsNoSequence) {
    set_learning_list(std::vector<int>{});
    OpenExercise(ExerciseKind::KanjiMeaningMC, false);
    EXPECT_EQ(open_exercise(), nullptr);
    EXPECT_EQ(view.messages.size(), 1u);
    AdvanceExerciseSequence();
    EXPECT_EQ(open_exercise(), nullptr);
    EXPECT_EQ(ExerciseSequence_Step(), -1);
    EXPECT_EQ(view.messages.size(), 2u);
    EXPECT_TRUE(main_window->isEnabled());
    EXPECT_TRUE(active_calls.empty());
}

TEST_F(ExerciseRunTest, OneKanjiListHasNoNextAndItsRightAnswerEndsTheExercise) {
    set_learning_list({12});
    OpenExercise(ExerciseKind::KanjiMeaningMC, false);
    ASSERT_NE(choice(), nullptr);
    EXPECT_FALSE(choice()->next_button()->behaviour().enabled);
    answer_right();
    EXPECT_EQ(session().feedbackState, CorrectLast);
    EXPECT_THAT(cues, ::testing::Contains(CueComplete));
    EXPECT_EQ(feedback_text(choice()->feedback()), QStringLiteral("Correct! | Exercise Complete."));
    EXPECT_EQ(slots_of(12)[KanjiMeaningMC], 1u);
    EXPECT_FALSE(choice()->show_answer_button()->behaviour().enabled);
}

TEST_F(ExerciseRunTest, WrongThenRightResetsEverySlotAndScoresNothing) {
    set_learning_list({3, 4});
    for (int slot : {OnPronunciationMC, StrokeOrderExercise, KanjiGridSearch, MarkedSlot})
        Scores_SetSlot(3, slot, 1);
    Scores_SetSlot(4, OnPronunciationMC, 1);
    random_seed(2);
    OpenExercise(ExerciseKind::KanjiMeaningMC, false);
    const int kanji = session().currentKanji;
    cues.clear();
    answer_wrong();
    EXPECT_EQ(feedback_text(choice()->feedback()), QStringLiteral("Incorrect... try again."));
    EXPECT_EQ(choice()->feedback()->lines().at(0).colour, 0x0000c0u);
    answer_right();
    EXPECT_EQ(cues, (std::vector<int>{CueWrong, CueRight}));
    EXPECT_TRUE(all_zero(slots_of(kanji)));
    EXPECT_EQ(slots_of(kanji == 3 ? 4 : 3)[OnPronunciationMC], 1u) << "the other kanji keeps its";
    EXPECT_EQ(feedback_text(choice()->feedback()),
              QStringLiteral("Correct! | Click 'Next' to proceed."));
}

TEST_F(ExerciseRunTest, ShowAnswerWritesNothingAndClosesTheQuestion) {
    set_learning_list({21});
    Scores_SetSlot(21, KunPronunciationMC, 1);
    OpenExercise(ExerciseKind::KanjiMeaningMC, false);
    press(choice()->show_answer_button());
    EXPECT_EQ(session().feedbackState, AnswerShownLast);
    EXPECT_EQ(feedback_text(choice()->feedback()),
              QStringLiteral("All kanji have been completed."));
    EXPECT_FALSE(choice()->show_answer_button()->behaviour().enabled);
    cues.clear();
    answer_right();
    answer_wrong();
    EXPECT_TRUE(cues.empty()) << "clicks after Show Answer answer nothing";
    std::vector<uint32_t> expected(kScoreSlots, 0);
    expected[KunPronunciationMC] = 1;
    EXPECT_EQ(slots_of(21), expected);
}

TEST_F(ExerciseRunTest, NextWalksTheShuffledListAndStopsOnTheLastKanji) {
    set_learning_list({5, 6, 7});
    OpenExercise(ExerciseKind::KanjiMeaningMC, false);
    std::vector<int> asked{session().currentKanji};
    press(choice()->show_answer_button());
    EXPECT_EQ(feedback_text(choice()->feedback()), QStringLiteral("Click 'Next' to proceed."));
    press(choice()->next_button());
    asked.push_back(session().currentKanji);
    EXPECT_EQ(session().feedbackState, AwaitingAnswer);
    EXPECT_TRUE(choice()->show_answer_button()->behaviour().enabled);
    press(choice()->next_button());
    asked.push_back(session().currentKanji);
    EXPECT_EQ(choice()->counter()->current(), 3);
    EXPECT_FALSE(choice()->next_button()->behaviour().enabled);
    EXPECT_THAT(asked, ::testing::UnorderedElementsAre(5, 6, 7));
    EXPECT_EQ(asked, session().kanjiList);
}

TEST_F(ExerciseRunTest, AutoProgressFollowsTheCheckBoxButNeverMovesFromTheLastKanji) {
    set_auto_progress_delay(kAutoProgressMs);
    set_option_slot(OptAutoProgressMeaning, 1);
    set_learning_list({8, 9, 10, 11});
    OpenExercise(ExerciseKind::KanjiMeaningMC, false);
    QElapsedTimer clock;
    clock.start();
    answer_right();
    EXPECT_EQ(feedback_text(choice()->feedback()),
              QStringLiteral("Correct! | Autoprogressing in 1.5 seconds."));
    EXPECT_FALSE(choice()->next_button()->behaviour().enabled) << "the countdown moves on";
    EXPECT_EQ(choice()->counter()->current(), 1);
    ASSERT_TRUE(wait_until([&] { return choice()->counter()->current() == 2; }, 5000));
    EXPECT_GE(clock.elapsed(), kAutoProgressMs);
    // The check box decides for the next right answer; it is stored when the window closes.
    set_auto_progress_delay(20);
    click(choice()->auto_progress_box(), QPoint(5, 5));
    answer_right();
    EXPECT_FALSE(choice()->auto_progress_pending());
    EXPECT_TRUE(choice()->next_button()->behaviour().enabled);
    press(choice()->next_button());
    click(choice()->auto_progress_box(), QPoint(5, 5));
    answer_right();
    ASSERT_TRUE(wait_until([&] { return choice()->counter()->current() == 4; }, 2000));
    answer_right();
    EXPECT_EQ(session().feedbackState, CorrectLast);
    EXPECT_FALSE(choice()->auto_progress_pending());
    click(choice()->auto_progress_box(), QPoint(5, 5));
    press(choice()->exit_button());
    EXPECT_EQ(get_option_slot(OptAutoProgressMeaning), 0);
}

TEST_F(ExerciseRunTest, OpensOverTheDisabledMainWindowAtItsOffsetAndExitStoresItAndRefills) {
    set_option_slot(OptMeaningMCOffset, 40);
    set_option_slot(OptMeaningMCOffset + 1, 25);
    set_learning_list({1, 2, 3});
    pass_all_exercises(2);
    OpenExercise(ExerciseKind::KanjiMeaningMC, false);
    ASSERT_NE(choice(), nullptr);
    EXPECT_TRUE(choice()->isVisible());
    EXPECT_EQ(choice()->pos(), main_window->pos() + QPoint(40, 25));
    EXPECT_FALSE(main_window->isEnabled());
    EXPECT_THAT(active_calls, ElementsAre(false));
    EXPECT_EQ(kanji_window_closes, 1);
    EXPECT_EQ(session().kanjiCount(), 3);
    EXPECT_EQ(choice()->counter()->current(), 1);
    EXPECT_EQ(feedback_text(choice()->feedback()),
              QStringLiteral("Select the matching meaning..."));
    choice()->move(main_window->pos() + QPoint(-30, 60));
    press(choice()->exit_button());
    EXPECT_EQ(open_exercise(), nullptr);
    EXPECT_EQ(get_option_slot(OptMeaningMCOffset), -30);
    EXPECT_EQ(get_option_slot(OptMeaningMCOffset + 1), 60);
    EXPECT_THAT(view.removed, ElementsAre(1)) << "kanji 2 graduated";
    EXPECT_EQ(view.appended.size(), 1u);
    EXPECT_TRUE(main_window->isEnabled());
    EXPECT_THAT(active_calls, ElementsAre(false, true));
}

TEST_F(ExerciseRunTest, ExcludedKanjiAndKanjiWithoutTheReadingAreLeftOut) {
    set_learning_list({1, 2, 3});
    Scores_SetSlot(2, KanjiMeaningMC, 1);
    SetExcludeCompleted(false);
    EXPECT_EQ(BuildExerciseList(ExerciseKind::KanjiMeaningMC).size(), 3u);
    SetExcludeCompleted(true);
    EXPECT_THAT(BuildExerciseList(ExerciseKind::KanjiMeaningMC),
                ::testing::UnorderedElementsAre(1, 3));
    Scores_SetSlot(1, KanjiMeaningMC, 1);
    Scores_SetSlot(3, KanjiMeaningMC, 1);
    answer_message_boxes({MessageYes});
    OpenExercise(ExerciseKind::KanjiMeaningMC, false);
    EXPECT_EQ(open_exercise(), nullptr);
    ASSERT_EQ(message_texts.size(), 1u);
    EXPECT_EQ(message_texts[0],
              QStringLiteral("All Kanji in the Learning List have been successfully answered\nin "
                             "this multiple choice exercise.\n\n(You have chosen to exclude all "
                             "completed kanji from\nindividual exercises.)"));
    EXPECT_THAT(active_calls, ElementsAre(true));

    // The reading exercises leave out kanji without that reading.
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
    int moved = 0;
    for (int seed = 1; seed <= 20; ++seed) {
        random_seed(seed);
        std::vector<int> shuffled = list;
        shuffle_exercise_list(shuffled);
        EXPECT_THAT(shuffled, ::testing::UnorderedElementsAreArray(list));
        moved += shuffled != list;
    }
    EXPECT_EQ(moved, 20);
    std::vector<int> one{7};
    shuffle_exercise_list(one);
    EXPECT_THAT(one, ElementsAre(7));
}

class ExerciseSequenceTest : public ExerciseTest {
  protected:
    static ExerciseKind open_kind() { return open_exercise()->kind(); }
    static void exit_exercise() { press(open_exercise()->exit_button()); }
};

TEST_F(ExerciseSequenceTest, ExitOpensTheNextExerciseAndTheListIsRefilledOnlyAfterTheGrid) {
    const std::vector<int> list = kanji_with_both_readings(3);
    set_learning_list(list);
    pass_all_exercises(list[2]);
    AdvanceExerciseSequence();
    ASSERT_NE(open_exercise(), nullptr);
    EXPECT_EQ(open_kind(), ExerciseKind::KanjiMeaningMC);
    EXPECT_TRUE(session().inSequence);
    // Exit, the close glyph and a close from outside all go on.
    const std::function<void(ExerciseWindow*)> closes[] = {
        [](ExerciseWindow* w) { press(w->exit_button()); },
        [](ExerciseWindow* w) { click(w, w->caption_bar().state().close_rect().center()); },
        [](ExerciseWindow* w) { w->close(); }};
    const ExerciseKind next[] = {ExerciseKind::OnPronunciationMC, ExerciseKind::KunPronunciationMC,
                                 ExerciseKind::KanjiGridSearch};
    for (int i = 0; i < 3; ++i) {
        closes[i](open_exercise());
        ASSERT_NE(open_exercise(), nullptr);
        EXPECT_EQ(open_kind(), next[i]) << "the stroke order step is skipped while it is missing";
        EXPECT_TRUE(view.removed.empty()) << "no refill inside the sequence";
        EXPECT_FALSE(main_window->isEnabled());
    }
    EXPECT_EQ(ExerciseSequence_Step(), 4);
    exit_exercise();
    EXPECT_EQ(open_exercise(), nullptr);
    EXPECT_THAT(view.removed, ElementsAre(2));
    EXPECT_EQ(ExerciseSequence_Step(), -1);
    EXPECT_TRUE(main_window->isEnabled());
    // Each exercise deactivates the main window; only the grid reactivates it within the sequence.
    EXPECT_THAT(active_calls, ElementsAre(false, false, false, false, true));
}

TEST_F(ExerciseSequenceTest, AnExerciseWithNothingLeftShowsItsMessageOnceAndTheNextOneOpens) {
    const std::vector<int> list = kanji_with_both_readings(2);
    set_learning_list(list);
    SetExcludeCompleted(true);
    for (int k : list)
        Scores_SetSlot(k, OnPronunciationMC, 1);
    AdvanceExerciseSequence();
    ASSERT_EQ(open_kind(), ExerciseKind::KanjiMeaningMC);
    answer_message_boxes({MessageYes});
    exit_exercise();
    ASSERT_NE(open_exercise(), nullptr);
    EXPECT_EQ(open_kind(), ExerciseKind::KunPronunciationMC);
    ASSERT_EQ(message_texts.size(), 1u);
    EXPECT_TRUE(message_texts[0].contains(QStringLiteral("in this multiple choice exercise.")));
    EXPECT_EQ(ExerciseSequence_Step(), 2);
    press(choice()->next_button());
    answer_right();
    EXPECT_EQ(feedback_text(choice()->feedback()),
              QStringLiteral("Correct! | Click 'Exit' to progress to next exercise."));
}

TEST_F(ExerciseSequenceTest, TheStrokeOrderStepOpensTheRegisteredExercise) {
    set_learning_list(kanji_with_both_readings(1));
    std::vector<bool> opened;
    Exercises_SetStrokeOrderOpener([&](bool in_sequence) { opened.push_back(in_sequence); });
    AdvanceExerciseSequence();
    exit_exercise();
    exit_exercise();
    exit_exercise();
    EXPECT_THAT(opened, ElementsAre(true));
    EXPECT_EQ(ExerciseSequence_Step(), 3);
    EXPECT_EQ(open_exercise(), nullptr) << "the stroke order exercise is the registered one's";
    OpenExercise(ExerciseKind::StrokeOrderExercise, false);
    EXPECT_THAT(opened, ElementsAre(true, false));
}

} // namespace
