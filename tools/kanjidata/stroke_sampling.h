#pragma once
// From KanjiVG polylines to the stored stroke samples in design coordinates.
#include "kanji_record.h"
#include "kanjivg_path.h"

#include <vector>

// The stroke order exercise shows design coordinate c at pixel trunc(c * 107 / 127.5) of its
// 260-pixel box, over the Japanese face's glyph drawn at 250 px at (2, 2).
constexpr double kExercisePixelsPerDesignUnit = 107 / 127.5;
// Design coordinates stay within 0 .. kDesignSquare - 1, which the exercise's 260-pixel box shows
// whole.
constexpr int kDesignSquare = 310;
constexpr double kKanjivgCentre = 54.5; // centre of KanjiVG's 109-unit box
constexpr double kSampleSpacing = 6;    // design units between stored samples
constexpr double kCornerDegrees = 50;   // a turn sharper than this marks a corner
constexpr size_t kMaxStrokes = 30;
constexpr size_t kMaxPointsPerStroke = 1000;

// KanjiVG units to exercise-display pixels: pixel = scale * (unit - kKanjivgCentre) + centre.
struct StrokeMapping {
    double scaleX = 0, scaleY = 0;
    double centreX = 0, centreY = 0;

    Vec2 to_pixels(Vec2 k) const {
        return {scaleX * (k.x - kKanjivgCentre) + centreX,
                scaleY * (k.y - kKanjivgCentre) + centreY};
    }
    Vec2 to_design(Vec2 k) const {
        const Vec2 p = to_pixels(k);
        return {p.x / kExercisePixelsPerDesignUnit, p.y / kExercisePixelsPerDesignUnit};
    }
};

// The mapping that fits the glyphs of many kanji at once (design = 3.15 * unit - 21 across,
// 3.15 * unit - 4 down), used where a kanji's own fit fails.
StrokeMapping global_mapping();

// Samples a stroke about every kSampleSpacing design units along its length, first and last
// points exact (up to the design square's edges), with Corner 1 where it turns by more than
// kCornerDegrees (never at its ends).
std::vector<StrokeSample> sample_stroke(const Polyline& line, const StrokeMapping& mapping);

// Where the exercise display draws a design coordinate.
int exercise_pixel(int designCoordinate);
