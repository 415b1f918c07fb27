// A user file whose replacement fails at any step (the temporary file cannot be created, a write
// runs out of room, the flush to disk fails) keeps its old contents whole, and the save says so.
#include "file_io.h"
#include "study_fixture.h"

#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

// Runs `save` with files limited to `max_bytes`: writes beyond it fail as on a full disk.
bool with_file_size_limit(rlim_t max_bytes, const std::function<bool()>& save) {
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = old;
    limited.rlim_cur = max_bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
    const bool ok = save();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, old_handler);
    return ok;
}

int failing_sync(int) {
    errno = EIO;
    return -1;
}

class FileFailuresTest : public StudyDataTest {
  protected:
    void SetUp() override {
        StudyDataTest::SetUp();
        write_kanji(sample_kanji(30));
        CompletedList_Load();
        Scores_Open();
        LearningList_Load();
        Options_Load();
        set_option_slot(5, 42);
    }
    void TearDown() override {
        file_io_set_sync(nullptr);
        StudyDataTest::TearDown();
    }
    void change_everything() {
        LearningList_Append(30);
        CompletedList_AddCompleted(+1); // saves (and fails) on its own
        set_option_slot(5, 43);         // likewise
    }
    // Each save fails; every file holds what it held before, and no temporary file is left.
    void expect_failed_saves_keep_old_files() {
        const auto list = read_bytes("data/llist.dat");
        const auto completed = read_bytes("data/clist.dat");
        const auto options = read_bytes("brushwise.opt");
        change_everything();
        EXPECT_FALSE(LearningList_Save());
        EXPECT_FALSE(CompletedList_Save());
        EXPECT_FALSE(Options_Save());
        EXPECT_EQ(read_bytes("data/llist.dat"), list);
        EXPECT_EQ(read_bytes("data/clist.dat"), completed);
        EXPECT_EQ(read_bytes("brushwise.opt"), options);
        for (const char* tmp : {"data/llist.dat.tmp", "data/clist.dat.tmp", "brushwise.opt.tmp"})
            EXPECT_FALSE(std::filesystem::exists(tmp)) << tmp;
    }
};

TEST_F(FileFailuresTest, AWriteThatRunsOutOfRoomKeepsEveryOldFile) {
    with_file_size_limit(20, [this] {
        expect_failed_saves_keep_old_files();
        return true;
    });
    // With room again, the saves go through.
    EXPECT_TRUE(LearningList_Save());
    EXPECT_EQ(read_bytes("data/llist.dat").size(), 4u + 4u * 11u);
}

TEST_F(FileFailuresTest, AFailedFlushToDiskKeepsEveryOldFile) {
    file_io_set_sync(failing_sync);
    expect_failed_saves_keep_old_files();
    file_io_set_sync(nullptr);
    EXPECT_TRUE(Options_Save());
    EXPECT_EQ(word_at(read_bytes("brushwise.opt"), 20), 43u);
}

} // namespace
