#pragma once
// What each scored exercise is: its title, its score slot, its option slots and its texts.
#include "exercises.h"

#include <QString>

struct ExerciseKindInfo {
    const char* title;           // the window's caption
    int score_slot;              // the kanji's ScoreTable slot it writes
    int offset_slot;             // option slots offset_slot, offset_slot + 1: window offset
    int auto_progress_slot;      // option slot of "Automatically progress to next kanji"
    int romaji_slot;             // option slot of the romaji check box, -1 without one
    const char* exercise_phrase; // "in this ... exercise." of the empty-list message
    const char* show_answer_hint;
    // The grid's own rules: Next stays usable during the auto-progress countdown, and closing
    // reactivates the main window also within the full sequence.
    bool grid_rules;
};

const ExerciseKindInfo& kind_info(ExerciseKind kind);

// The message shown when every kanji of the Learning List is left out of the exercise.
QString empty_list_message(ExerciseKind kind);
