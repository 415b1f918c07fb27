#pragma once
// A simulated hand tracing a kanji in the practice box: presses at each stroke's start, moves a
// few pixels at a time along its points (interpolating between them) with a small seeded jitter,
// and releases at its end.
#include "practice_checker.h"

#include <QString>
#include <random>
#include <vector>

struct TraceOutcome {
    bool complete = false; // ended in "WELL DONE: Character complete"
    QString verdict;       // the last message shown
    int stroke = -1;       // the stroke being traced at the end
    BoxPoint at;           // the last pointer position
    int backward_moves = 0;
    int warnings = 0; // warnings given
};

enum class Jitter {
    Walk,        // the hand's offset from the line drifts by at most 1 pixel per move, within 2
    Independent, // every position off by up to 2 pixels in each axis, independently
    None,        // a steady hand on the stroke's points
};

// Pointer positions every `spacing` pixels along a stroke's points, from its first to its last.
std::vector<BoxPoint> pointer_path(const std::vector<StrokePoint>& points, double spacing);

// Traces every stroke of the set in order with a checker in practice mode.
TraceOutcome trace_kanji(const StrokeSet& set, std::mt19937& random, Jitter jitter = Jitter::Walk,
                         double spacing = 3);
