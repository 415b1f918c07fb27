// Every reader is fed every file of the damaged-file corpus in every role: no crash, no
// out-of-bounds read (the sanitizer build checks that), and sane results.
#include "study_fixture.h"

#include <cstdlib>

namespace {

std::vector<std::filesystem::path> corpus_files() {
    const char* source = std::getenv("BRUSHWISE_SOURCE_DIR");
    std::vector<std::filesystem::path> files;
    if (!source) return files;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(source) + "/tests/corrupt"))
        if (entry.path().extension() == ".bin") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

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
        KanjiData_LoadStrokes(n);
        ASSERT_GE(KanjiData_StrokeCount(), 0);
        for (int s = 0; s < KanjiData_StrokeCount(); ++s)
            KanjiData_StrokePoint(s, KanjiData_StrokePointCount(s) - 1);
        Scores_IsComplete(n);
    }
    LearningList_Refill();
    EXPECT_EQ(CompletedList_AvailableCount(), 1945u);
}

class CorruptCorpusTest : public StudyDataTest {};

TEST_F(CorruptCorpusTest, EveryReaderSurvivesEveryDamagedFile) {
    const auto files = corpus_files();
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

} // namespace
