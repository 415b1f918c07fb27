// A user file whose replacement fails at any step (the temporary file cannot be created, a write
// runs out of room, the flush to disk fails) keeps its old contents whole, and the save says so.
// (Damaged files fed to every reader: the fuzz entries in tests/fuzz, seeded with tests/corrupt.)
#include "study_fixture.h"

#include <cerrno>
#include <csignal>
#include <sys/resource.h>

namespace {

class DamagedFilesTest : public StudyDataTest {};

TEST_F(DamagedFilesTest, AFailedSaveAtAnyStepKeepsEveryOldFile) {
    write_kanji(sample_kanji(30));
    open_study_state();
    Options_Load();
    set_option_slot(5, 42);
    const std::string files[] = {"data/llist.dat", "data/clist.dat", "brushwise.opt"};
    enum Step { NoTemporaryFile, NoRoom, NoFlush };
    for (Step step : {NoTemporaryFile, NoRoom, NoFlush}) {
        SCOPED_TRACE(step);
        std::vector<std::vector<uint8_t>> before;
        for (const auto& f : files) {
            before.push_back(read_bytes(f));
            if (step == NoTemporaryFile) std::filesystem::create_directory(f + ".tmp");
        }
        // Files limited to 20 bytes: a write beyond fails as on a full disk.
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit limited{20, old.rlim_max};
        auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
        if (step == NoRoom) setrlimit(RLIMIT_FSIZE, &limited);
        if (step == NoFlush) file_io_set_sync([](int) { return errno = EIO, -1; });
        LearningList_Append(30);
        CompletedList_AddCompleted(+1); // saves (and fails) on its own
        set_option_slot(5, 43 + step);  // likewise
        EXPECT_FALSE(LearningList_Save());
        EXPECT_FALSE(CompletedList_Save());
        EXPECT_FALSE(Options_Save());
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, old_handler);
        file_io_set_sync(nullptr);
        for (size_t i = 0; i < std::size(files); ++i) {
            EXPECT_EQ(read_bytes(files[i]), before[i]) << files[i];
            if (step == NoTemporaryFile) {
                std::filesystem::remove(files[i] + ".tmp");
            } else {
                EXPECT_FALSE(std::filesystem::exists(files[i] + ".tmp")) << "left behind";
            }
        }
        // With the failure gone, the saves go through.
        EXPECT_TRUE(LearningList_Save());
        EXPECT_TRUE(CompletedList_Save());
        EXPECT_TRUE(Options_Save());
        for (size_t i = 0; i < std::size(files); ++i)
            EXPECT_NE(read_bytes(files[i]), before[i]) << files[i];
    }
    EXPECT_EQ(word_at(read_bytes("brushwise.opt"), 20), 45u);
}

} // namespace
