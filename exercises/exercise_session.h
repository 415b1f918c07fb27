#pragma once
// One run of an exercise: the question list and where the user stands in it.
#include "exercises.h"
#include "feedback.h"

#include <vector>

struct ExerciseSession {
    ExerciseKind kind = ExerciseKind::KanjiMeaningMC;
    std::vector<int> kanjiList; // kanji numbers in question order
    int currentIndex = 0;
    int currentKanji = -1;
    bool firstAttempt = true; // no answer given and no answer shown for the current kanji yet
    // The question state: a FeedbackState in the multiple-choice and grid exercises; the stroke
    // order exercise keeps states of its own here.
    int feedbackState = AwaitingAnswer;
    bool autoProgress = false;
    bool showRomaji = false;
    bool inSequence = false;

    int kanjiCount() const { return static_cast<int>(kanjiList.size()); }
    bool on_last() const { return currentIndex + 1 >= kanjiCount(); }
};
