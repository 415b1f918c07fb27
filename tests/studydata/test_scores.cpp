#include "study_fixture.h"

namespace {

class ScoresTest : public StudyDataTest {};

TEST_F(ScoresTest, NewFileOfZerosEachSlotOneWordWrittenAtOnceAndKanji1945ExtendsIt) {
    Scores_Open();
    const auto before = read_bytes("data/scores.dat");
    EXPECT_EQ(before.size(), 1945u * 80);
    EXPECT_EQ(std::count(before.begin(), before.end(), 0), static_cast<long>(before.size()));
    Scores_SetSlot(7, 3, 1);
    const auto after = read_bytes("data/scores.dat"); // read by another handle: already on disk
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i)
        if (i < 572 || i > 575) {
            ASSERT_EQ(after[i], before[i]) << "byte " << i;
        }
    EXPECT_EQ(word_at(after, 572), 1u);
    EXPECT_EQ(Scores_Get(7)[3], 1u);
    EXPECT_EQ(Scores_Get(1945)[CompletedFlag], 0u);
    Scores_SetSlot(1945, CompletedFlag, 1);
    EXPECT_EQ(read_bytes("data/scores.dat").size(), 1945u * 80 + 80);
    for (int slot = 0; slot < kScoreSlots; ++slot)
        Scores_SetSlot(12, slot, 1);
    Scores_Reset(12);
    const uint32_t* s = Scores_Get(12);
    EXPECT_EQ(std::count(s, s + kScoreSlots, 0u), kScoreSlots);
    EXPECT_EQ(Scores_Get(1945)[CompletedFlag], 1u);
}

// The refill reads every kanji's slots in one go: the same words as one kanji at a time.
TEST_F(ScoresTest, AllSlotsReadInOneGoAgreeWithEachKanjiRead) {
    Scores_Open();
    Scores_SetSlot(0, 1, 5);
    Scores_SetSlot(7, 3, 1);
    Scores_SetSlot(1944, CompletedFlag, 1);
    Scores_SetSlot(1945, kScoreSlots - 1, 9); // the record that extends the file
    const std::vector<uint32_t> table = Scores_GetUpTo(1945);
    ASSERT_EQ(table.size(), 1946u * kScoreSlots);
    for (int kanji = 0; kanji <= 1945; ++kanji) {
        const uint32_t* one = Scores_Get(kanji);
        ASSERT_TRUE(std::equal(one, one + kScoreSlots, &table[size_t(kanji) * kScoreSlots]))
            << "kanji " << kanji;
    }
    EXPECT_EQ(table[1945 * kScoreSlots + kScoreSlots - 1], 9u);
    EXPECT_TRUE(Scores_GetUpTo(-1).empty());

    Scores_Close();
    write_bytes("data/scores.dat", words({1, 1, 1})); // 12 bytes: part of record 0 only
    Scores_Open();
    EXPECT_EQ(read_bytes("data/scores.dat").size(), 12u) << "an existing file is kept";
    const std::vector<uint32_t> short_table = Scores_GetUpTo(3);
    EXPECT_EQ(std::count(short_table.begin(), short_table.end(), 1u), 3);
    EXPECT_EQ(std::count(short_table.begin(), short_table.begin() + 3, 1u), 3);
    EXPECT_EQ(Scores_Get(0)[2], 1u);
    EXPECT_EQ(Scores_Get(0)[3], 0u);
    EXPECT_EQ(Scores_Get(500)[0], 0u);
    Scores_SetSlot(500, 4, 1);
    EXPECT_EQ(Scores_Get(500)[4], 1u);
    EXPECT_EQ(Scores_Get(-1)[0], 0u);
    Scores_SetSlot(3, kScoreSlots, 1); // not a slot: ignored
    EXPECT_EQ(Scores_Get(4)[0], 0u);
    Scores_Close();
    EXPECT_EQ(Scores_GetUpTo(2), std::vector<uint32_t>(3 * kScoreSlots, 0u)) << "no file open";
}

TEST_F(ScoresTest, CompletionNeedsEveryExerciseThatApplies) {
    // Kanji 3 has no ON reading (see sample_kanji); the refill tests cover a missing KUN.
    write_kanji(sample_kanji(6));
    Scores_Open();
    pass(2, KunPronunciationMC);
    EXPECT_FALSE(Scores_IsComplete(2)) << "has a KUN reading: slot 2 needed";
    Scores_SetSlot(2, 2, 7); // any non-zero value counts
    EXPECT_TRUE(Scores_IsComplete(2));
    pass(3, OnPronunciationMC);
    EXPECT_TRUE(Scores_IsComplete(3)) << "no ON reading: slot 1 not needed";
    Scores_SetSlot(3, CompletedFlag, 1);
    Scores_Reset(3);
    EXPECT_FALSE(Scores_IsComplete(3));
    EXPECT_EQ(Scores_Get(3)[CompletedFlag], 0u) << "a wrong answer clears the flag too";
}

} // namespace
