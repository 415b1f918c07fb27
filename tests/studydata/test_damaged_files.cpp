// Every reader fed every file of the damaged-file corpus in every role (no crash, no read out of
// bounds under the sanitizers, sane results); a user file whose replacement fails at any step
// keeps its old contents whole, and the save says so.
#include "study_fixture.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <sys/resource.h>

namespace {

void read_everything() {
    Options_Load();
    CompletedList_Load();
    Scores_Open();
    LearningList_Load();
    for (int p = 0; p < LearningList_Count(); ++p) {
        const int kanji = LearningList_At(p);
        ASSERT_GE(kanji, 1);
        ASSERT_LE(kanji, kKanjiTotal);
    }
    for (int n = -1; n < 12; ++n) {
        const KanjiRecord* record = KanjiData_LoadRecord(n);
        if (record) Examples_LoadSet(*record);
        // Whatever the bytes, a block that loads is consistent: its strokes fill it exactly.
        const int32_t* data = KanjiData_LoadStrokes(n);
        ASSERT_GE(KanjiData_StrokeCount(), 0);
        int64_t bytes = 8;
        for (int s = 0; s < KanjiData_StrokeCount(); ++s) {
            bytes += 4 + 12 * int64_t(KanjiData_StrokePointCount(s));
            KanjiData_StrokePoint(s, KanjiData_StrokePointCount(s) - 1);
        }
        EXPECT_EQ(uint32_t(data[-1]), uint64_t(bytes)) << "kanji " << n;
        Scores_IsComplete(n);
    }
    LearningList_Refill();
    EXPECT_EQ(CompletedList_AvailableCount(), 1945u);
}

class DamagedFilesTest : public StudyDataTest {};

TEST_F(DamagedFilesTest, EveryReaderSurvivesEveryDamagedFile) {
    const char* source = std::getenv("BRUSHWISE_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    std::vector<std::filesystem::path> files;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(source) + "/tests/corrupt"))
        if (entry.path().extension() == ".bin") files.push_back(entry.path());
    ASSERT_GE(files.size(), 8u) << "the corpus is missing";
    for (const auto& file : files) {
        SCOPED_TRACE(file.filename().string());
        for (const char* role : {"data/kanji.dat", "data/examples.dat", "data/llist.dat",
                                 "data/clist.dat", "data/scores.dat", "brushwise.opt"})
            std::filesystem::copy_file(file, role,
                                       std::filesystem::copy_options::overwrite_existing);
        read_everything();
        reset_state();
    }
}

int failing_sync(int) {
    errno = EIO;
    return -1;
}

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
        auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = old;
        limited.rlim_cur = 20;
        if (step == NoRoom) setrlimit(RLIMIT_FSIZE, &limited);
        if (step == NoFlush) file_io_set_sync(failing_sync);
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
