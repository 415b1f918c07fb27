#pragma once
// The "Incomplete Exercises" strip of the selected word's summary: one cell per scored exercise,
// coloured while the exercise is still to be done, pale once passed, crossed out where the kanji
// has no reading for it.
#include "surface.h"

#include <array>
#include <cstdint>
#include <vector>

constexpr int kStripWidth = 150;
constexpr int kStripHeight = 18;
constexpr int kScoredExercises = 5;

// The exercises' colours, in score-slot order (the main window's button swatches too).
constexpr std::array<ColorRef, kScoredExercises> kExerciseColours = {0x7878d2, 0x78d278, 0xd27878,
                                                                     0x4c92ff, 0xeaeab2};

struct StripCell {
    int left = 0;
    int width = 0;
    ColorRef fill = 0;
    bool crossed = false;
    ColorRef cross = 0;
};

// What the strip shows of a kanji: whether there is one, its readings and its first five slots.
struct StripKanji {
    bool present = false;
    bool has_on = false;
    bool has_kun = false;
    std::array<uint32_t, kScoredExercises> scores = {};
};

// The cells in drawing order; none when no kanji is shown.
std::vector<StripCell> strip_cells(const StripKanji& kanji, bool active);
// Clears the 150 x 18 surface to white, draws the cells and the rounded outline.
void paint_strip(Surface& s, const StripKanji& kanji, bool active);
