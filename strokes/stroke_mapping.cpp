#include "stroke_mapping.h"

#include <algorithm>

namespace {

// The practice box scales by 100/121, written as the negated double that its drawing uses.
constexpr double kPracticeFactor = -0.8264462809917356;
constexpr int kPracticeOffset = 5;

// The review glyph is 0.9 of its 200-pixel box; the offset (1 - 0.9) * 100 truncates to 9 in
// double precision, the same offset at which the glyph is drawn.
double review_factor() {
    return 107 / (0.9 * 200);
}
int review_offset() {
    return int((1 - 0.9) * 100);
}

double exercise_factor() {
    return 107 / (2.55 * 50);
}

} // namespace

int map_design(StrokeScreen screen, int c) {
    // Real points lie within 0..309; a damaged file may hold any 32-bit value, which must not
    // overflow the arithmetic of the drawings, the arrows and the checker.
    c = std::clamp(c, -kDesignLimit, kDesignLimit);
    switch (screen) {
    case StrokeScreen::Practice:
        return kPracticeOffset - int(c * kPracticeFactor);
    case StrokeScreen::Review:
        return int(c * review_factor() + review_offset());
    case StrokeScreen::Exercise:
        return int(c * exercise_factor());
    }
    return 0;
}
