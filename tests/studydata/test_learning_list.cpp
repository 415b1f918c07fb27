#include "study_fixture.h"

namespace {

// Records what the lists ask of the windows, in order.
class RecordingView : public StudyListView {
  public:
    std::vector<std::string> calls;
    void removeRow(int p) override { calls.push_back("remove " + std::to_string(p)); }
    void appendKanji(int k) override { calls.push_back("append " + std::to_string(k)); }
    void refreshStatus() override { calls.push_back("status"); }
    void showMessage(const std::string& text) override { calls.push_back("message " + text); }
    long count(const std::string& call) const {
        return std::count(calls.begin(), calls.end(), call);
    }
};

class LearningListTest : public StudyDataTest {
  protected:
    void SetUp() override {
        StudyDataTest::SetUp();
        write_kanji(sample_kanji(30));
        StudyLists_SetView(&view);
    }
    RecordingView view;
};

using List = std::vector<int32_t>;

TEST_F(LearningListTest, FirstStartRemovingRowsAndASaveAndLoad) {
    open_study_state();
    EXPECT_EQ(read_bytes("data/llist.dat").size(), 44u);
    EXPECT_EQ(list_contents(), (List{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(LearningList_At(10), -1);
    LearningList_RemoveAt(9); // the last row
    for (int p : {9, -1, 99}) // no such row: ignored
        LearningList_RemoveAt(p);
    LearningList_Append(3);
    LearningList_RemoveAt(0);
    ASSERT_TRUE(LearningList_Save());
    LearningList_Clear();
    LearningList_Load();
    EXPECT_EQ(list_contents(), (List{2, 3, 4, 5, 6, 7, 8, 9, 3}));
    EXPECT_FALSE(LearningList_RequireNotEmpty());
    LearningList_Clear();
    EXPECT_TRUE(LearningList_RequireNotEmpty());
    EXPECT_EQ(view.calls.back(), "message " + std::string(kMessageListEmpty));
}

TEST_F(LearningListTest, DamagedListFilesReadOnlyWhatIsThere) {
    CompletedList_Load();
    const std::vector<std::pair<std::vector<uint8_t>, List>> cases = {
        {words({3, 5, 2000, 7}), {5, 7}},                // entry beyond 1945 dropped
        {words({4, 1945, 1946, 0, 1944}), {1945, 1944}}, // the last kanji kept, the next not
        {words({-4, 5, 6}), {}},                         // negative count
        {words({0x7FFFFFFF, 8, 9}), {8, 9}},             // count far beyond the file
        {words({2, 0, -3}), {}},                         // not kanji numbers
        {{1, 0}, {}},                                    // shorter than the count
        {{}, {}},                                        // empty
    };
    for (const auto& [file, expected] : cases) {
        write_bytes("data/llist.dat", file);
        LearningList_Load();
        EXPECT_EQ(list_contents(), expected);
    }
}

// The stored N and map words are never trusted (kanji are studied in number order); the count is
// what the file holds, kept within 0..1945.
TEST_F(LearningListTest, CompletedListHoldsTheCountWithinZeroTo1945) {
    CompletedList_Load();
    EXPECT_EQ(read_bytes("data/clist.dat").size(), 7792u);
    CompletedList_AddCompleted(+1);
    const auto saved = read_bytes("data/clist.dat");
    ASSERT_EQ(saved.size(), 7788u);
    EXPECT_EQ(word_at(saved, 0), 1945u);
    EXPECT_EQ(word_at(saved, 4), 1u);
    EXPECT_EQ(word_at(saved, 8 + 4 * 1944), 1944u);
    const std::pair<std::vector<uint8_t>, uint32_t> cases[] = {
        {words({-1, 3}), 3},         {words({5000000, 4, 9, 9}), 4}, {{7}, 0},
        {words({1945, 1946}), 1945}, {words({1945, -1}), 1945},
    };
    for (const auto& [file, count] : cases) {
        write_bytes("data/clist.dat", file);
        CompletedList_Load();
        EXPECT_EQ(CompletedList_CompletedCount(), count);
        EXPECT_EQ(CompletedList_KanjiAt(2), 2);
    }
    CompletedList_AddCompleted(+1);
    EXPECT_EQ(word_at(read_bytes("data/clist.dat"), 4), 1945u) << "passed the kanji there are";
    write_bytes("data/clist.dat", words({1945, 0}));
    CompletedList_Load();
    CompletedList_AddCompleted(-1);
    EXPECT_EQ(word_at(read_bytes("data/clist.dat"), 4), 0u) << "wrapped below zero";
}

TEST_F(LearningListTest, AGraduationFromTheFirstRowKeepsTheLength) {
    open_study_state();
    pass(1);
    view.calls.clear();
    LearningList_Refill();
    EXPECT_EQ(list_contents(), (List{2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(CompletedList_CompletedCount(), 1u);
    EXPECT_EQ(Scores_Get(1)[CompletedFlag], 1u);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"remove 0", "status", "append 11"}));
    EXPECT_EQ(word_at(read_bytes("data/clist.dat"), 4), 1u) << "the count is saved at once";
}

// The list is saved by the refill that changes it: a run that then ends without the orderly exit
// (killed) neither brings the graduated kanji back nor has it counted again at the next start.
TEST_F(LearningListTest, ARefillSavesTheListWhenItChangedItSoAKilledRunCountsOnce) {
    open_study_state();
    LearningList_Append(30); // Add Word: kept in memory until the program is left
    const auto before = read_bytes("data/llist.dat");
    LearningList_Refill();
    EXPECT_EQ(read_bytes("data/llist.dat"), before) << "nothing graduated, nothing written";
    pass(3);
    LearningList_Refill();
    EXPECT_EQ(read_bytes("data/llist.dat"), words({11, 1, 2, 4, 5, 6, 7, 8, 9, 10, 30, 11}));
    reset_state(); // killed
    open_study_state();
    const List after{1, 2, 4, 5, 6, 7, 8, 9, 10, 30, 11};
    EXPECT_EQ(list_contents(), after);
    LearningList_Refill();
    EXPECT_EQ(CompletedList_CompletedCount(), 1u) << "counted a second time";
    EXPECT_EQ(list_contents(), after);

    // A list that cannot be saved still graduates, and the old file stays whole.
    std::vector<std::string> lines;
    trace_set_sink([&](const std::string& line) { lines.push_back(line); });
    std::filesystem::create_directory("data/llist.dat.tmp");
    pass(30);
    LearningList_Refill();
    trace_set_sink({});
    EXPECT_EQ(list_contents(), (List{1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(CompletedList_CompletedCount(), 2u);
    EXPECT_EQ(read_bytes("data/llist.dat"), words({11, 1, 2, 4, 5, 6, 7, 8, 9, 10, 30, 11}));
    EXPECT_EQ(lines, std::vector<std::string>{"LearningList_Refill: list not saved\n"});
}

TEST_F(LearningListTest, OnlyEveryExerciseThatAppliesGraduates) {
    open_study_state();
    // Kanji 1, 2, 5, 6 and 10 have both readings: each lacks one exercise, kanji 10 only its grid
    // pass. Kanji 3 has no ON reading and kanji 4 no KUN reading: they need no pass of it.
    const int lacking[] = {1, 2, 5, 6, 10};
    for (int slot = KanjiMeaningMC; slot <= KanjiGridSearch; ++slot)
        pass(lacking[slot], slot);
    pass(3, OnPronunciationMC);
    pass(4, KunPronunciationMC);
    LearningList_Refill();
    EXPECT_EQ(list_contents(), (List{1, 2, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(CompletedList_CompletedCount(), 2u);
}

TEST_F(LearningListTest, TwoGraduationsAppendInAscendingOrderSkippingDoneKanji) {
    open_study_state();
    pass(2);
    pass(9);
    pass(11);                             // complete outside the list: flagged, not counted
    Scores_SetSlot(12, CompletedFlag, 1); // flagged completed earlier: skipped
    LearningList_Refill();
    EXPECT_EQ(list_contents(), (List{1, 3, 4, 5, 6, 7, 8, 10, 13, 14}));
    EXPECT_EQ(CompletedList_CompletedCount(), 2u);
    EXPECT_EQ(Scores_Get(11)[CompletedFlag], 1u);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"remove 8", "status", "remove 1", "status",
                                                    "append 13", "append 14"}));
}

TEST_F(LearningListTest, NoUnlearnedKanjiLeftShortensTheListWithOneMessage) {
    // Every kanji passed, except those on the list but 5.
    std::vector<uint8_t> scores(1946 * 80, 0);
    for (int k = 11; k <= 1945; ++k)
        for (int slot = 0; slot <= 4; ++slot)
            scores[static_cast<size_t>(80 * k + 4 * slot)] = 1;
    write_bytes("data/scores.dat", scores);
    open_study_state();
    pass(5);
    LearningList_Refill();
    EXPECT_EQ(LearningList_Count(), 9);
    EXPECT_FALSE(LearningList_Contains(5));
    EXPECT_EQ(Scores_Get(1945)[CompletedFlag], 1u) << "the walk flags what it passes";
    LearningList_Refill();
    EXPECT_EQ(view.count("message " + std::string(kMessageNoUnlearnedKanji)), 1);
    EXPECT_EQ(view.calls.back(), "message " + std::string(kMessageNoUnlearnedKanji))
        << "nothing graduated: no second message";
}

TEST_F(LearningListTest, ZeroWordScoreLowersTheCountOnlyForACountedKanji) {
    open_study_state();
    CompletedList_AddCompleted(+1);
    CompletedList_AddCompleted(+1);
    pass(7); // passed everything, but no refill counted it
    Scores_ZeroWordScore(7);
    EXPECT_EQ(CompletedList_CompletedCount(), 2u);
    EXPECT_EQ(Scores_Get(7)[KanjiMeaningMC], 0u);
    pass(8);
    Scores_SetSlot(8, CompletedFlag, 1);
    Scores_ZeroWordScore(8);
    EXPECT_EQ(CompletedList_CompletedCount(), 1u);
    EXPECT_EQ(Scores_Get(8)[CompletedFlag], 0u);
}

} // namespace
