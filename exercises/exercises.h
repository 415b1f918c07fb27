#pragma once
// The scored exercises as the main window starts them.
#include <functional>

enum class ExerciseKind : int {
    KanjiMeaningMC = 0,
    OnPronunciationMC = 1,
    KunPronunciationMC = 2,
    StrokeOrderExercise = 3,
    KanjiGridSearch = 4,
};

// Opens one exercise; `in_sequence` when "Do Exercises to Complete List" runs it.
void OpenExercise(ExerciseKind kind, bool in_sequence);
// Starts the full sequence, and moves it on each time an exercise of the sequence closes.
void AdvanceExerciseSequence();
void SetExcludeCompleted(bool flag);
bool GetExcludeCompleted();
// The stroke order exercise is one of the strokes screens: they register how to open it.
void Exercises_SetStrokeOrderOpener(std::function<void(bool in_sequence)> opener);
// The step of the full sequence: -1 while none runs, else 0..4, the exercise it opened last.
int ExerciseSequence_Step();
// Back to no sequence (tests).
void ExerciseSequence_Reset();
