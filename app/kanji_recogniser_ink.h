#pragma once
// What the recogniser is given of the strokes the pointer drew. The pointer reports a point
// every few pixels and shakes with the hand, while the recogniser reads a stroke's shape from
// the points farthest from its chord: a shake of a few pixels would read as extra corners (a
// zigzag of 3 % of the box from one report to the next cost a fifth of the right answers). So
// each stroke is kept inside the box, its reports are averaged with their neighbours (which
// cancels a zigzag from report to report), it is walked at even steps and smoothed over a few
// pixels (slower shakes; the bends of the stroke itself stay), then walked again at a coarser
// step. The coarse walk also bounds a stroke's points, and with them the work the recogniser
// does on a stroke however it wanders.
#include "kanji_recogniser.h"

struct InkPreparation {
    double fine_step = 2.0 / 260;    // first walk, as a fraction of the box
    double smoothing = 8.0 / 260;    // half-width of the smoothing window, fraction of the box
    double coarse_step = 10.0 / 260; // second walk, fraction of the box
    int max_points = 20;             // per stroke after the second walk (at least 2)
    int max_strokes = 30;            // later strokes are left out
};

// The strokes of `drawn` prepared for the recogniser; a stroke that stays on one point keeps
// that one point, a stroke without points is left out.
Ink prepare_ink(const Ink& drawn, int box_size, const InkPreparation& how = {});
