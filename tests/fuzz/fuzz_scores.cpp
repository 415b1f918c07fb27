// The input as data/scores.dat: reads of every kanji, writes, and the completion rule.
#include "fuzz_common.h"
#include "scores.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    write_input("data/scores.dat", data, size);
    Scores_Close();
    Scores_Open();
    for (int kanji : {-1, 0, 1, 7, 1944, 1945}) {
        Scores_Get(kanji);
        Scores_IsComplete(kanji);
    }
    Scores_SetSlot(3, 2, 1);
    FUZZ_CHECK(Scores_Get(3)[2] == 1);
    Scores_Reset(3);
    FUZZ_CHECK(Scores_Get(3)[19] == 0);
    return 0;
}
