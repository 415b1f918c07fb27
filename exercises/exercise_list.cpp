#include "exercise_list.h"

#include "exercise_kinds.h"
#include "kanji_data.h"
#include "learning_list.h"
#include "random.h"
#include "scores.h"

#include <utility>

namespace {

bool admitted(ExerciseKind kind, int kanji) {
    if (GetExcludeCompleted() && Scores_Get(kanji)[kind_info(kind).score_slot] != 0) return false;
    if (kind != ExerciseKind::OnPronunciationMC && kind != ExerciseKind::KunPronunciationMC)
        return true;
    const KanjiRecord* r = KanjiData_LoadRecord(kanji);
    if (!r) return false;
    return kind == ExerciseKind::OnPronunciationMC ? r->hasOn() : r->hasKun();
}

} // namespace

std::vector<int> BuildExerciseList(ExerciseKind kind) {
    std::vector<int> list;
    const int count = LearningList_Count();
    list.reserve(count);
    for (int p = 0; p < count; ++p) {
        const int kanji = LearningList_At(p);
        if (admitted(kind, kanji)) list.push_back(kanji);
    }
    shuffle_exercise_list(list);
    return list;
}

void shuffle_exercise_list(std::vector<int>& list) {
    const int n = static_cast<int>(list.size());
    for (int k = 0; k < 3 * n; ++k) {
        const int i = random_next() % n;
        const int j = random_next() % n;
        std::swap(list[i], list[j]);
    }
}
