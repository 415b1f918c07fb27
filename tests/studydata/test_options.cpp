#include "study_fixture.h"

namespace {

class OptionsTest : public StudyDataTest {};

TEST_F(OptionsTest, FileIsTheSlotsInOrder) {
    Options_Load();
    set_option_slot(OptMainWindowSaved, 1);
    auto file = read_bytes("brushwise.opt");
    ASSERT_EQ(file.size(), 424u);
    EXPECT_EQ(word_at(file, 0), 1u);
    const auto before = file;
    set_option_slot(24, 1);
    file = read_bytes("brushwise.opt");
    for (size_t i = 0; i < file.size(); ++i)
        if (i < 96 || i > 99) {
            ASSERT_EQ(file[i], before[i]) << "byte " << i;
        }
    EXPECT_EQ((std::vector<uint8_t>(file.begin() + 96, file.begin() + 100)),
              (std::vector<uint8_t>{1, 0, 0, 0}));
    set_option_slot(105, -7);
    Options_Clear();
    Options_Load();
    EXPECT_EQ(get_option_slot(105), -7);
    EXPECT_EQ(get_option_slot(24), 1);
}

TEST_F(OptionsTest, OutOfRangeIndexesTouchNothing) {
    Options_Load();
    EXPECT_EQ(get_option_slot(-1), -1);
    set_option_slot(-1, 5);
    set_option_slot(106, 5);
    EXPECT_FALSE(std::filesystem::exists("brushwise.opt"));
    EXPECT_EQ(get_option_slot(106), 0);
    EXPECT_EQ(get_option_slot(-2), 0);
}

TEST_F(OptionsTest, ShortEmptyAndLongFiles) {
    write_bytes("brushwise.opt", words({3, 4, 5}));
    Options_Load();
    EXPECT_EQ(get_option_slot(2), 5);
    EXPECT_EQ(get_option_slot(3), 0);
    // A trailing partial word is not a slot.
    auto partial = words({9, 8});
    partial.push_back(0x77);
    write_bytes("brushwise.opt", partial);
    Options_Load();
    EXPECT_EQ(get_option_slot(1), 8);
    EXPECT_EQ(get_option_slot(2), 0);
    write_bytes("brushwise.opt", {});
    Options_Load();
    EXPECT_EQ(get_option_slot(0), 0);
    std::vector<uint8_t> huge(100000, 0x11);
    write_bytes("brushwise.opt", huge);
    Options_Load();
    EXPECT_EQ(get_option_slot(105), 0x11111111);
    set_option_slot(1, 2);
    EXPECT_EQ(read_bytes("brushwise.opt").size(), 424u);
}

TEST(Random, FollowsTheClassicRecurrence) {
    // The first values of the classic generator seeded with 1.
    random_seed(1);
    EXPECT_EQ(random_next(), 41);
    EXPECT_EQ(random_next(), 18467);
    EXPECT_EQ(random_next(), 6334);
    EXPECT_EQ(random_next(), 26500);
    random_seed(77);
    int lowest = 32767, highest = 0;
    for (int i = 0; i < 20000; ++i) {
        const int v = random_next();
        lowest = std::min(lowest, v);
        highest = std::max(highest, v);
    }
    EXPECT_GE(lowest, 0);
    EXPECT_LE(highest, 32767);
    EXPECT_GT(highest - lowest, 32000) << "values spread over the whole range";
}

TEST(Channels, SoundCuesAndTracesReachTheirSinks) {
    std::vector<std::string> played, traced;
    PlaySoundCue(CueRight); // no player: silence, no crash
    SoundCue_SetPlayer([&](const std::string& path) { played.push_back(path); });
    PlaySoundCue(CueRight);
    PlaySoundCue(CueWrong);
    SoundCue_SetPlayer(nullptr);
    EXPECT_EQ(played, (std::vector<std::string>{"res/7.wav", "res/0.wav"}));
    trace("dropped %d\n", 1);
    trace_set_sink([&](const std::string& line) { traced.push_back(line); });
    trace("KanjiGridLoadKanji %d %s\n", 12, "x");
    trace_set_sink(nullptr);
    EXPECT_EQ(traced, (std::vector<std::string>{"KanjiGridLoadKanji 12 x\n"}));
}

} // namespace
