// Rewrites every user file as fast as it can until it is killed: each round stores two option
// slots (one save each), sets a score slot, raises the completed count (a save of the completed
// list) and appends to the Learning List and saves it. Says "writing" once it has begun.
#include "kanji_record.h"
#include "learning_list.h"
#include "options.h"
#include "scores.h"

#include <cstdio>

int main() {
    Options_Load();
    CompletedList_Load();
    Scores_Open();
    LearningList_Load();
    for (int round = 1;; ++round) {
        set_option_slot(40, round);
        set_option_slot(41, round);
        const int kanji = 1 + (get_option_slot(42) + round) % kKanjiTotal;
        Scores_SetSlot(kanji, round % 5, 1);
        CompletedList_AddCompleted(+1);
        LearningList_Append(kanji);
        LearningList_Save();
        if (round == 1) {
            std::puts("writing");
            std::fflush(stdout);
        }
    }
}
