#pragma once
// The question list of an exercise run: the Learning List's kanji that the exercise asks about,
// shuffled.
#include "exercises.h"

#include <vector>

// Every Learning List kanji in list order, less those already passed in this exercise when
// completed kanji are excluded, less (ON and KUN) those without that reading; then shuffled with
// the program's generator.
std::vector<int> BuildExerciseList(ExerciseKind kind);

// The shuffle of the list: 3 x size swaps of two entries drawn at random.
void shuffle_exercise_list(std::vector<int>& list);
