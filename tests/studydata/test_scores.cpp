// data/scores.dat and brushwise.opt: fixed slots written straight to disk; and the generator.
#include "random.h"
#include "study_fixture.h"

namespace {

using ScoresTest = StudyDataTest;
using OptionsTest = StudyDataTest;

TEST_F(ScoresTest, EachSlotIsOneWordOnDiskAtOnceAndKanji1945ExtendsTheFile) {
    Scores_Open();
    const auto before = read_bytes("data/scores.dat");
    EXPECT_EQ(before, std::vector<uint8_t>(1945u * 80, 0));
    Scores_SetSlot(7, 3, 1);
    auto expected = before;
    expected[572] = 1;
    EXPECT_EQ(read_bytes("data/scores.dat"), expected) << "read by another handle: on disk";
    Scores_SetSlot(3, kScoreSlots, 1); // not a slot: ignored
    Scores_SetSlot(1945, CompletedFlag, 1);
    EXPECT_EQ(read_bytes("data/scores.dat").size(), 1945u * 80 + 80);
    for (int slot = 0; slot < kScoreSlots; ++slot)
        Scores_SetSlot(12, slot, 1);
    Scores_Reset(12);
    EXPECT_EQ(std::count(Scores_Get(12), Scores_Get(12) + kScoreSlots, 0u), kScoreSlots);
    const std::vector<uint32_t> table = Scores_GetUpTo(1945);
    EXPECT_EQ(std::count(table.begin(), table.end(), 1u), 2);
    EXPECT_EQ(table[1945 * kScoreSlots + CompletedFlag], 1u);

    Scores_Close();
    write_bytes("data/scores.dat", words({1, 1, 1})); // 12 bytes: part of record 0 only
    Scores_Open();
    EXPECT_EQ(read_bytes("data/scores.dat").size(), 12u) << "an existing file is kept";
    std::vector<uint32_t> head(2 * kScoreSlots, 0); // what lies beyond the end reads as 0
    head[0] = head[1] = head[2] = 1;
    EXPECT_EQ(Scores_GetUpTo(1), head);
    Scores_SetSlot(500, 4, 1);
    EXPECT_EQ(Scores_Get(500)[4], 1u);
}

TEST_F(OptionsTest, FileIsTheSlotsInOrderAndShortOrLongFilesFillWhatTheyHold) {
    Options_Load();
    set_option_slot(-1, 5);
    set_option_slot(106, 5);
    EXPECT_FALSE(std::filesystem::exists("brushwise.opt")) << "no such slot: nothing written";
    EXPECT_EQ(get_option_slot(-1), -1);
    EXPECT_EQ(get_option_slot(106), 0);
    set_option_slot(24, 1);
    std::vector<uint8_t> expected(424, 0);
    expected[96] = 1;
    EXPECT_EQ(read_bytes("brushwise.opt"), expected);
    set_option_slot(105, -7);
    Options_Clear();
    Options_Load();
    EXPECT_EQ(get_option_slot(105), -7);
    EXPECT_EQ(get_option_slot(24), 1);

    auto partial = words({9, 8});
    partial.push_back(0x77); // a trailing partial word is not a slot
    write_bytes("brushwise.opt", partial);
    Options_Load();
    EXPECT_EQ(get_option_slot(1), 8);
    EXPECT_EQ(get_option_slot(2), 0);
    write_bytes("brushwise.opt", std::vector<uint8_t>(100000, 0x11));
    Options_Load();
    EXPECT_EQ(get_option_slot(105), 0x11111111);
    set_option_slot(1, 2);
    EXPECT_EQ(read_bytes("brushwise.opt").size(), 424u);
}

TEST(Random, FollowsTheClassicRecurrence) {
    random_seed(1);
    for (int expected : {41, 18467, 6334, 26500})
        EXPECT_EQ(random_next(), expected);
}

} // namespace
