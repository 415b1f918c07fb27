#include "learning_list.h"

#include "scores.h"
#include "study_lists.h"
#include "trace.h"

#include <vector>

const char* const kMessageNoUnlearnedKanji =
    "Insufficient unlearned kanji remaining.\n\nReducing Learning List size.";

namespace {

bool completed_flag_set(int kanji) {
    return Scores_Get(kanji)[CompletedFlag] == 1;
}

// Takes every complete kanji off the list, from the last position to the first.
int graduate_complete_kanji() {
    StudyListView* view = study_list_view();
    int removed = 0;
    for (int p = LearningList_Count() - 1; p >= 0; --p) {
        const int kanji = LearningList_At(p);
        if (!Scores_IsComplete(kanji)) continue;
        if (view) view->removeRow(p);
        CompletedList_AddCompleted(+1);
        ++removed;
        Scores_SetSlot(kanji, CompletedFlag, 1);
        LearningList_RemoveAt(p);
    }
    return removed;
}

// Appends the lowest-numbered kanji that are neither complete, nor flagged, nor listed. The
// slots of every kanji are read from the file in one go, at the start of the walk (a walk to the
// end would otherwise make 1945 reads); a flagged kanji is passed over whether complete or not.
int top_up(int wanted) {
    StudyListView* view = study_list_view();
    int added = 0;
    const auto n = static_cast<int>(CompletedList_AvailableCount());
    const std::vector<uint32_t> table = Scores_GetUpTo(n);
    for (int i = 1; i <= n && added < wanted; ++i) {
        const int kanji = CompletedList_KanjiAt(i);
        if (kanji < 0 || kanji > n) continue;
        const uint32_t* slots = &table[static_cast<size_t>(kanji) * kScoreSlots];
        if (slots[CompletedFlag] == 1) continue;
        if (Scores_SlotsComplete(kanji, slots)) {
            // Completed outside the list (e.g. through a copy): flag it, the count stays.
            Scores_SetSlot(kanji, CompletedFlag, 1);
            continue;
        }
        if (LearningList_Contains(kanji)) continue;
        LearningList_Append(kanji);
        if (view) view->appendKanji(kanji);
        ++added;
    }
    return added;
}

} // namespace

void LearningList_Refill() {
    const int removed = graduate_complete_kanji();
    const int added = removed > 0 ? top_up(removed) : 0;
    // The completed count and the flags are already on disk; the list must follow at once, or a
    // run that ends without the orderly exit brings the graduated kanji back to be counted again.
    if (removed > 0 && !LearningList_Save()) trace("LearningList_Refill: list not saved\n");
    if (added == 0 && removed > 0)
        if (StudyListView* view = study_list_view()) view->showMessage(kMessageNoUnlearnedKanji);
}

void Scores_ZeroWordScore(int kanji) {
    if (completed_flag_set(kanji)) CompletedList_AddCompleted(-1);
    Scores_Reset(kanji);
}
