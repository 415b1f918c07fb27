#pragma once
// The practice box's drawings that follow the checker's effects: the press's dot, the ink, the
// strokes drawn clean once finished and the pixel after a corner.
#include "practice_checker.h"
#include "surface.h"

constexpr ColorRef kInkColour = RGB(164, 0, 0);
constexpr ColorRef kCornerPixelColour = RGB(0, 0, 255);
constexpr int kInkWidth = 12;

// Draws what the effects ask for into the practice box's surface (the window repaints).
void DrawPracticeEffects(Surface& box, const StrokeSet& set, const PracticeEffects& fx);
