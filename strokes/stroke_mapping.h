#pragma once
// How each stroke screen maps the design coordinates of the stored strokes into its box.
//
//   screen                     | box       | box coordinate of design coordinate c
//   ---------------------------+-----------+------------------------------------------
//   practice box               | 260 x 260 | 5 - trunc(c * -0.8264462809917356)
//   review kanji display       | 200 x 200 | trunc(c * 107 / (0.9 * 200) + 9)
//   stroke order exercise      | 260 x 260 | trunc(c * 107 / (2.55 * 50))
//
// The factors are not interchangeable: each lines the strokes up with its own glyph size.

enum class StrokeScreen { Practice, Review, Exercise };

// The box coordinate of design coordinate c (both axes alike); c is first held within
// -kDesignLimit..kDesignLimit.
int map_design(StrokeScreen screen, int c);
constexpr int kDesignLimit = 4096;

// Edge of each screen's box, in pixels.
constexpr int kPracticeBoxSize = 260;
constexpr int kReviewBoxSize = 200;
constexpr int kExerciseBoxSize = 260;
