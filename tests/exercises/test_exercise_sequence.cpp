// "Do Exercises to Complete List": every exercise in turn, the refill once at the end.
#include "exercise_fixture.h"
#include "message_box.h"

#include <gmock/gmock.h>

namespace {

using ::testing::ElementsAre;

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
    for (ExerciseKind next : {ExerciseKind::OnPronunciationMC, ExerciseKind::KunPronunciationMC,
                              ExerciseKind::KanjiGridSearch}) {
        exit_exercise();
        ASSERT_NE(open_exercise(), nullptr);
        EXPECT_EQ(open_kind(), next) << "the stroke order step is skipped while it is missing";
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

TEST_F(ExerciseSequenceTest, LastKanjiInTheSequenceSendsTheUserOnWithExit) {
    set_learning_list({6});
    AdvanceExerciseSequence();
    answer_right();
    EXPECT_EQ(feedback_text(choice()->feedback()),
              QStringLiteral("Correct! | Click 'Exit' to progress to next exercise."));
}

TEST_F(ExerciseSequenceTest, TheCloseGlyphGoesOnLikeExit) {
    set_learning_list(kanji_with_both_readings(1));
    AdvanceExerciseSequence();
    ExerciseWindow* w = open_exercise();
    click(w, w->caption_bar().state().close_rect().center());
    ASSERT_NE(open_exercise(), nullptr);
    EXPECT_EQ(open_kind(), ExerciseKind::OnPronunciationMC);
}

TEST_F(ExerciseSequenceTest, AWindowClosedFromOutsideGoesOnLikeExit) {
    set_learning_list(kanji_with_both_readings(1));
    AdvanceExerciseSequence();
    open_exercise()->close();
    ASSERT_NE(open_exercise(), nullptr);
    EXPECT_EQ(open_kind(), ExerciseKind::OnPronunciationMC);
    EXPECT_FALSE(main_window->isEnabled());
}

TEST_F(ExerciseSequenceTest, AnEmptyLearningListStartsNothing) {
    set_learning_list(std::vector<int>{});
    AdvanceExerciseSequence();
    EXPECT_EQ(open_exercise(), nullptr);
    EXPECT_EQ(ExerciseSequence_Step(), -1);
    EXPECT_EQ(view.messages.size(), 1u);
}

} // namespace
