#pragma once
// The run of a scored exercise, shared by every kind: opening over the disabled main window,
// loading each kanji, scoring answers, Show Answer, Next, auto-progress, closing with the refill,
// and the full sequence (exercises.h).
#include "exercise_window.h"

#include <functional>

// The exercise window open now, or null. Only one exercise runs at a time.
ExerciseWindow* open_exercise();

// Opens an exercise: closes the Kanji Window, stops with the Learning List's own message when
// the list is empty, builds the question list (exercise_list.h), shows the kind's empty-list
// message and ends when nothing is left, else creates the window with make(), loads the first
// kanji, deactivates the main window and shows the exercise. Ignored while another exercise is
// open.
void OpenExerciseWindow(ExerciseKind kind, bool in_sequence,
                        const std::function<ExerciseWindow*()>& make);

// Makes the kanji at a list position the current question (the shared steps around the kind's
// set_up_question).
void LoadExerciseKanji(int position);
// A first right answer scores the kind's slot; a wrong answer resets every slot of the kanji.
// Only while the question is open.
void HandleAnswer(bool right);
void ShowAnswer();
void NextKanji();
// Stores the window offset and the check boxes, refills the Learning List (outside the full
// sequence), then goes on with the sequence or reactivates the main window.
void CloseExercise();

// Forgets a running full sequence and closes an open exercise window without its closing steps
// (tests, between cases).
void Exercises_Abandon();
