// The entry points the main window calls: opening each exercise, the full sequence and the
// exclude flag.
#include "exercises.h"

#include "choice_exercise.h"
#include "exercise_framework.h"
#include "grid_exercise.h"
#include "learning_list.h"

namespace {

bool exclude_completed = false;
// -1 while no full sequence runs, else the step of the exercise it opened last.
int sequence_step = -1;
std::function<void(bool)> stroke_order_opener;

} // namespace

void OpenExercise(ExerciseKind kind, bool in_sequence) {
    switch (kind) {
    case ExerciseKind::KanjiMeaningMC:
    case ExerciseKind::OnPronunciationMC:
    case ExerciseKind::KunPronunciationMC:
        OpenExerciseWindow(kind, in_sequence, [kind] { return new ChoiceExerciseWindow(kind); });
        break;
    case ExerciseKind::KanjiGridSearch:
        OpenExerciseWindow(kind, in_sequence, [] { return new GridExerciseWindow; });
        break;
    case ExerciseKind::StrokeOrderExercise:
        // Without the stroke order exercise the sequence moves on as after an empty list.
        if (stroke_order_opener)
            stroke_order_opener(in_sequence);
        else if (in_sequence)
            AdvanceExerciseSequence();
        break;
    }
}

// The step moves on before the exercise opens: an exercise whose list is empty closes again
// inside OpenExercise and comes back here for the next step.
void AdvanceExerciseSequence() {
    if (LearningList_RequireNotEmpty()) return;
    switch (sequence_step) {
    case -1:
    case 0:
    case 1:
    case 2:
    case 3:
        sequence_step += 1;
        OpenExercise(static_cast<ExerciseKind>(sequence_step), true);
        break;
    case 4:
        sequence_step = -1;
        LearningList_Refill();
        break;
    default:
        break;
    }
}

int ExerciseSequence_Step() {
    return sequence_step;
}

void ExerciseSequence_Reset() {
    sequence_step = -1;
}

void SetExcludeCompleted(bool flag) {
    exclude_completed = flag;
}

bool GetExcludeCompleted() {
    return exclude_completed;
}

void Exercises_SetStrokeOrderOpener(std::function<void(bool in_sequence)> opener) {
    stroke_order_opener = std::move(opener);
}
