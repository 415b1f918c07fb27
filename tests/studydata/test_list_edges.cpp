// Edges of the lists and the completion rule: the first and last rows, the last kanji number,
// and a kanji that lacks a single exercise.
#include "study_fixture.h"

namespace {

class ListEdgesTest : public StudyDataTest {
  protected:
    void SetUp() override {
        StudyDataTest::SetUp();
        write_kanji(sample_kanji(30));
    }
    void open_study_state() {
        CompletedList_Load();
        Scores_Open();
        LearningList_Load();
    }
    static void pass_all_but(int kanji, int missing_slot) {
        for (int slot = KanjiMeaningMC; slot <= KanjiGridSearch; ++slot)
            if (slot != missing_slot) Scores_SetSlot(kanji, slot, 1);
    }
    static std::vector<int32_t> list() {
        std::vector<int32_t> out;
        for (int p = 0; p < LearningList_Count(); ++p)
            out.push_back(LearningList_At(p));
        return out;
    }
};

TEST_F(ListEdgesTest, ACompletedKanjiInTheFirstRowGraduates) {
    open_study_state();
    pass_all_but(1, -1);
    LearningList_Refill();
    EXPECT_EQ(list(), (std::vector<int32_t>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(CompletedList_CompletedCount(), 1u);
    EXPECT_EQ(Scores_Get(1)[CompletedFlag], 1u);
}

TEST_F(ListEdgesTest, AKanjiLackingAnyOneExerciseThatAppliesStaysOnTheList) {
    open_study_state();
    // Kanji 1, 2, 5, 6 and 10 have both readings in the sample data: each lacks one exercise.
    const int lacking[] = {1, 2, 5, 6, 10};
    for (int slot = KanjiMeaningMC; slot <= KanjiGridSearch; ++slot)
        pass_all_but(lacking[slot], slot);
    for (int k : lacking)
        EXPECT_FALSE(Scores_IsComplete(k)) << "kanji " << k;
    LearningList_Refill();
    EXPECT_EQ(list(), (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(CompletedList_CompletedCount(), 0u);
}

TEST_F(ListEdgesTest, ZeroWordScoreOfAKanjiNeverCountedKeepsTheCount) {
    open_study_state();
    CompletedList_AddCompleted(+1);
    CompletedList_AddCompleted(+1);
    pass_all_but(7, -1); // passed everything, but no refill counted it
    Scores_ZeroWordScore(7);
    EXPECT_EQ(CompletedList_CompletedCount(), 2u);
    EXPECT_EQ(Scores_Get(7)[KanjiMeaningMC], 0u);
    Scores_SetSlot(8, CompletedFlag, 1);
    Scores_ZeroWordScore(8);
    EXPECT_EQ(CompletedList_CompletedCount(), 1u);
}

TEST_F(ListEdgesTest, TheLastKanjiNumberSurvivesALoadAndTheNextIsDropped) {
    write_bytes("data/llist.dat", words({4, 1945, 1946, 0, 1944}));
    open_study_state();
    EXPECT_EQ(list(), (std::vector<int32_t>{1945, 1944}));
}

TEST_F(ListEdgesTest, RemovingTheLastRowAndRowsPastTheEnd) {
    open_study_state();
    LearningList_RemoveAt(9);
    EXPECT_EQ(list(), (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    LearningList_RemoveAt(9);
    LearningList_RemoveAt(-1);
    EXPECT_EQ(LearningList_Count(), 9);
    LearningList_RemoveAt(0);
    EXPECT_EQ(LearningList_At(0), 2);
}

} // namespace
