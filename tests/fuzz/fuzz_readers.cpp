// libFuzzer entry for every reader of the study data: the input becomes each data and user file
// in turn, and everything that reads them runs over it.
#include "examples.h"
#include "kanji_data.h"
#include "learning_list.h"
#include "options.h"
#include "scores.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

void enter_scratch_folder() {
    static bool entered = false;
    if (entered) return;
    char pattern[] = "/tmp/brushwise-fuzz-XXXXXX";
    if (!mkdtemp(pattern)) std::abort();
    std::filesystem::current_path(pattern);
    std::filesystem::create_directory("data");
    entered = true;
}

void write_input(const char* path, const uint8_t* data, size_t size) {
    std::FILE* f = std::fopen(path, "wb");
    if (!f) std::abort();
    std::fwrite(data, 1, size, f);
    std::fclose(f);
}

void read_everything() {
    KanjiData_Close();
    Scores_Close();
    LearningList_Clear();
    Options_Load();
    CompletedList_Load();
    Scores_Open();
    LearningList_Load();
    for (int p = 0; p < LearningList_Count(); ++p)
        if (LearningList_At(p) < 1 || LearningList_At(p) > kKanjiTotal) std::abort();
    for (int n = -1; n < 8; ++n) {
        if (const KanjiRecord* record = KanjiData_LoadRecord(n)) Examples_LoadSet(*record);
        KanjiData_LoadStrokes(n);
        if (KanjiData_StrokeCount() < 0) std::abort();
        for (int s = 0; s < KanjiData_StrokeCount(); ++s)
            KanjiData_StrokePoint(s, KanjiData_StrokePointCount(s) - 1);
        Scores_IsComplete(n);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    enter_scratch_folder();
    for (const char* role : {"data/kanji.dat", "data/examples.dat", "data/llist.dat",
                             "data/clist.dat", "data/scores.dat", "brushwise.opt"})
        write_input(role, data, size);
    read_everything();
    return 0;
}
