// Placeholder entry points until the exercises land: nothing opens yet.
#include "exercises.h"

namespace {
bool exclude_completed = false;
}

void OpenExercise(ExerciseKind, bool) {}
void AdvanceExerciseSequence() {}
void SetExcludeCompleted(bool flag) {
    exclude_completed = flag;
}
bool GetExcludeCompleted() {
    return exclude_completed;
}
void Exercises_SetStrokeOrderOpener(std::function<void(bool)>) {}
