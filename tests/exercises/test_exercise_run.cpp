// One run of an exercise, and "Do Exercises to Complete List" (more: tests/app's long session).
#include "check_box.h"
#include "exercise_counter.h"
#include "exercise_fixture.h"
#include "exercise_list.h"
#include "random.h"

namespace {

using ExerciseRunTest = ExerciseTest;

// An empty list opens nothing and starts no sequence; the reading exercises leave out kanji
// without that reading.
TEST_F(ExerciseRunTest, AnEmptyListOpensNothingAndKanjiWithoutTheReadingAreLeftOut) {
    set_learning_list(std::vector<int>{});
    OpenExercise(ExerciseKind::KanjiMeaningMC, false);
    AdvanceExerciseSequence();
    EXPECT_EQ(open_exercise(), nullptr);
    EXPECT_EQ(ExerciseSequence_Step(), -1);
    EXPECT_EQ(view.messages, std::vector<std::string>(2, kMessageListEmpty));
    std::vector<int> without_kun, with_kun;
    for (int k = 1; k <= 200 && (without_kun.size() < 2 || with_kun.size() < 2); ++k)
        (KanjiData_LoadRecord(k)->hasKun() ? with_kun : without_kun).push_back(k);
    ASSERT_GE(without_kun.size(), 2u);
    set_learning_list({without_kun[0], with_kun[0], without_kun[1], with_kun[1]});
    EXPECT_THAT(BuildExerciseList(ExerciseKind::KunPronunciationMC),
                ::testing::UnorderedElementsAre(with_kun[0], with_kun[1]));
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
        cues.clear();
        answer(true);
        EXPECT_EQ(session().feedbackState, CorrectLast);
        EXPECT_THAT(cues, ElementsAre(CueComplete));
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
        answer(false);
        answer(true);
        EXPECT_EQ(cues, (std::vector<int>{CueWrong, CueRight}));
        EXPECT_EQ(slots_of(kanji), std::vector<uint32_t>(kScoreSlots, 0));
        const std::vector<uint32_t> before = slots_of(other);
        EXPECT_EQ(before[OnPronunciationMC], 1u) << "the other kanji keeps its";
        press(open_exercise()->next_button());
        press(open_exercise()->show_answer_button());
        cues.clear();
        answer(true);
        answer(false);
        EXPECT_TRUE(cues.empty()) << "clicks after Show Answer answer nothing";
        EXPECT_EQ(slots_of(other), before);
        press(open_exercise()->exit_button());
    }
}

// The grid's own Next during the countdown moves on at once; the countdown never starts on the
// last kanji; the window opens at its offset from the main window, and the check box and the
// offset are stored when it closes. (The countdown running out: the stroke order exercise's.)
TEST_F(ExerciseRunTest, NextCutsTheCountdownShortTheLastKanjiHasNoneAndTheWindowIsStored) {
    set_auto_progress_delay(60000);
    set_option_slot(OptAutoProgressGrid, 1);
    set_option_slot(OptKanjiGridOffset, 40);
    set_learning_list(kanji_with_both_readings(2));
    OpenExercise(ExerciseKind::KanjiGridSearch, false);
    EXPECT_EQ(grid()->pos(), main_window->pos() + QPoint(40, 0));
    answer(true);
    EXPECT_TRUE(grid()->auto_progress_pending());
    press(grid()->next_button());
    EXPECT_EQ(grid()->counter()->current(), 2);
    answer(true);
    EXPECT_FALSE(grid()->auto_progress_pending()) << "the last kanji";
    click(grid()->auto_progress_box(), QPoint(5, 5));
    grid()->move(main_window->pos() + QPoint(-30, 60));
    press(grid()->exit_button());
    EXPECT_EQ(get_option_slot(OptAutoProgressGrid), 0);
    EXPECT_EQ(get_option_slot(OptKanjiGridOffset), -30);
    EXPECT_EQ(get_option_slot(OptKanjiGridOffset + 1), 60);
}

// A press released off the rows or the cells answers nothing; the romaji box shows the romaji of
// the same question and is stored.
TEST_F(ExerciseRunTest, APressReleasedOutsideAnswersNothingAndRomajiIsStored) {
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
    press(grid()->exit_button());
    set_learning_list(kanji_with_both_readings(3));
    OpenExercise(ExerciseKind::OnPronunciationMC, false);
    const ChoiceQuestion q = choice()->question();
    click(choice()->romaji_box(), QPoint(5, 5));
    for (int r = 0; r < kChoiceRows; ++r)
        EXPECT_EQ(choice()->panel()->rows()[r].full,
                  QString::fromStdU16String(q.row_text(r, true)));
    press(choice()->exit_button());
    EXPECT_EQ(get_option_slot(OptRomajiOn), 1);
}

TEST(ExerciseList, TheShuffleIsAPermutationThatMovesEntries) {
    const std::vector<int> list{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    for (int seed = 1; seed <= 20; ++seed) {
        random_seed(seed);
        std::vector<int> shuffled = list;
        shuffle_exercise_list(shuffled);
        EXPECT_THAT(shuffled, ::testing::UnorderedElementsAreArray(list));
        EXPECT_NE(shuffled, list) << seed;
    }
}

// Meaning, ON, KUN, stroke order (the registered exercise), grid: exit, the close glyph and a
// close from outside all go on to the next; each exercise deactivates the main window and only
// the grid reactivates it, after the one refill.
TEST_F(ExerciseRunTest, EveryExerciseInTurnAndTheListIsRefilledOnlyAfterTheGrid) {
    const std::vector<int> list = kanji_with_both_readings(3);
    set_learning_list(list);
    pass_all_exercises(list[2]);
    std::vector<bool> opened;
    Exercises_SetStrokeOrderOpener([&](bool in_sequence) { opened.push_back(in_sequence); });
    AdvanceExerciseSequence();
    const std::function<void(ExerciseWindow*)> closes[] = {
        [](ExerciseWindow* w) { press(w->exit_button()); },
        [](ExerciseWindow* w) { click(w, w->caption_bar().state().close_rect().center()); },
        [](ExerciseWindow* w) { w->close(); }};
    const ExerciseKind kinds[] = {ExerciseKind::KanjiMeaningMC, ExerciseKind::OnPronunciationMC,
                                  ExerciseKind::KunPronunciationMC};
    for (int i = 0; i < 3; ++i) {
        ASSERT_NE(open_exercise(), nullptr);
        EXPECT_EQ(open_exercise()->kind(), kinds[i]);
        closes[i](open_exercise());
    }
    EXPECT_THAT(opened, ElementsAre(true));
    EXPECT_EQ(ExerciseSequence_Step(), 3);
    EXPECT_EQ(open_exercise(), nullptr) << "the stroke order exercise is the registered one's";
    AdvanceExerciseSequence(); // as the stroke order exercise does when it closes
    ASSERT_NE(open_exercise(), nullptr);
    EXPECT_EQ(open_exercise()->kind(), ExerciseKind::KanjiGridSearch);
    EXPECT_TRUE(view.removed.empty()) << "no refill inside the sequence";
    press(open_exercise()->exit_button());
    EXPECT_EQ(open_exercise(), nullptr);
    EXPECT_THAT(view.removed, ElementsAre(2));
    EXPECT_EQ(ExerciseSequence_Step(), -1);
    EXPECT_THAT(active_calls, ElementsAre(false, false, false, false, true));
    OpenExercise(ExerciseKind::StrokeOrderExercise, false);
    EXPECT_THAT(opened, ElementsAre(true, false));
}

TEST_F(ExerciseRunTest, AnExerciseWithNothingLeftShowsItsMessageOnceAndTheNextOneOpens) {
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
}

} // namespace
