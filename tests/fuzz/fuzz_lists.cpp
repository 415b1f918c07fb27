// The input as data/llist.dat and data/clist.dat: whatever they hold, the Learning List holds
// only kanji numbers and a save writes back a file that loads to the same list.
#include "file_io.h"
#include "fuzz_common.h"
#include "kanji_record.h"
#include "learning_list.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Parsing is what is fuzzed here: the flush to disk would only slow every run down.
    file_io_set_sync([](int) { return 0; });
    write_input("data/llist.dat", data, size);
    write_input("data/clist.dat", data, size);
    CompletedList_Load();
    LearningList_Clear();
    LearningList_Load();
    std::vector<int> loaded;
    for (int p = 0; p < LearningList_Count(); ++p) {
        const int kanji = LearningList_At(p);
        FUZZ_CHECK(kanji >= 1 && kanji <= kKanjiTotal);
        loaded.push_back(kanji);
    }
    FUZZ_CHECK(CompletedList_KanjiAt(kKanjiTotal) == kKanjiTotal);
    FUZZ_CHECK(LearningList_Save());
    LearningList_Load();
    FUZZ_CHECK(size_t(LearningList_Count()) == loaded.size());
    for (int p = 0; p < LearningList_Count(); ++p)
        FUZZ_CHECK(LearningList_At(p) == loaded[size_t(p)]);
    return 0;
}
