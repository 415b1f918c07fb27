#pragma once
// The kanji glyph displays: the review window's kanji display and the stroke order exercise's
// display show the kanji itself in the Japanese face with numbered stroke-start markers on top.
#include "stroke_drawing.h"

// The review's glyph: 180 pixels at (9, 9) in its 200 x 200 box, the same offset as its mapping.
constexpr int kReviewGlyphSize = 180;
constexpr int kReviewGlyphOffset = 9;
// The exercise's glyph: 250 pixels at (2, 2) in its 260 x 260 box.
constexpr int kExerciseGlyphSize = 250;
constexpr int kExerciseGlyphOffset = 2;

// The review kanji display (a 200 x 200 surface): the sunken box, the glyph, and with
// `show_numbers` the number of every stroke at its start (review markers, collision rule on).
void DrawReviewGlyphDisplay(Surface& s, char16_t kanji, const StrokeStarts& starts,
                            bool show_numbers);

// The stroke order exercise's display (a 260 x 260 surface): the sunken box, the glyph, and the
// numbers 1 to `found` at the first `found` starts (exercise markers, collision rule on).
void DrawExerciseGlyphDisplay(Surface& s, char16_t kanji, const StrokeStarts& starts, int found);
