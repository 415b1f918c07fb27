#pragma once
// Kanji drawn the way a hand draws them with a pointer, from each kanji's own stroke data: the
// whole kanji a little smaller or larger and off centre, each stroke a little out of place, the
// strokes bent slowly, the pointer's reports a few pixels apart at whole pixels, and, when asked
// for, a shake that zigzags from one report to the next.
#include "kanji_data.h"
#include "kanji_recogniser.h"
#include "stroke_mapping.h"

#include <algorithm>
#include <cmath>
#include <random>

struct HandStyle {
    double min_scale = 0.80, max_scale = 1.0; // of the design square
    double shift = 12;                        // of the whole kanji, pixels each way at most
    double stroke_shift = 3;                  // of each stroke, pixels each way at most
    double bend = 3;                          // amplitude of a slow bend along a stroke, pixels
    double zigzag = 0;                        // shake from report to report, fraction of the box
    int min_step = 3, max_step = 7;           // pixels between pointer reports
};

constexpr int kTestBox = 260;

// The kanji's strokes mapped into a 260-pixel box as the practice box maps them.
inline Ink box_strokes(int kanji) {
    Ink ink;
    KanjiData_LoadStrokes(kanji);
    for (int s = 0; s < KanjiData_StrokeCount(); ++s) {
        InkStroke stroke;
        for (int p = 0; p < KanjiData_StrokePointCount(s); ++p) {
            const auto [x, y] = KanjiData_StrokePoint(s, p);
            stroke.push_back(
                {map_design(StrokeScreen::Practice, x), map_design(StrokeScreen::Practice, y)});
        }
        ink.push_back(stroke);
    }
    return ink;
}

namespace hand_detail {

struct Pt {
    double x, y;
};

inline double uniform(std::mt19937& rng, double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(rng);
}

// Positions along the polyline every `step` pixels (step drawn anew each time), and its end.
inline std::vector<Pt> reports_along(const std::vector<Pt>& line, const HandStyle& style,
                                     std::mt19937& rng) {
    std::vector<Pt> out{line.front()};
    double to_next = uniform(rng, style.min_step, style.max_step);
    for (size_t i = 1; i < line.size(); ++i) {
        const Pt a = line[i - 1], b = line[i];
        const double d = std::hypot(b.x - a.x, b.y - a.y);
        double at = 0;
        while (d - at >= to_next) {
            at += to_next;
            out.push_back({a.x + (b.x - a.x) * at / d, a.y + (b.y - a.y) * at / d});
            to_next = uniform(rng, style.min_step, style.max_step);
        }
        to_next -= d - at;
    }
    out.push_back(line.back());
    return out;
}

} // namespace hand_detail

// The strokes of `ink` (in a box of kTestBox pixels) as a hand would draw them.
inline Ink draw_by_hand(const Ink& ink, const HandStyle& style, std::mt19937& rng) {
    using namespace hand_detail;
    const double centre = kTestBox / 2.0;
    const double scale = uniform(rng, style.min_scale, style.max_scale);
    const double dx = uniform(rng, -style.shift, style.shift);
    const double dy = uniform(rng, -style.shift, style.shift);
    Ink drawn;
    for (const InkStroke& stroke : ink) {
        if (stroke.empty()) continue;
        const double sx = uniform(rng, -style.stroke_shift, style.stroke_shift);
        const double sy = uniform(rng, -style.stroke_shift, style.stroke_shift);
        std::vector<Pt> line;
        for (const InkPoint& p : stroke)
            line.push_back({centre + (p.x - centre) * scale + dx + sx,
                            centre + (p.y - centre) * scale + dy + sy});
        const std::vector<Pt> reports = reports_along(line, style, rng);
        // A slow bend: half a sine wave across the stroke, sideways in x and y alike.
        const double bend_x = uniform(rng, -style.bend, style.bend);
        const double bend_y = uniform(rng, -style.bend, style.bend);
        InkStroke out;
        for (size_t i = 0; i < reports.size(); ++i) {
            const double t = reports.size() > 1 ? double(i) / double(reports.size() - 1) : 0;
            const double arc = std::sin(t * M_PI);
            const double shake = (i % 2 ? 1 : -1) * style.zigzag * kTestBox;
            out.push_back({int(std::lround(reports[i].x + bend_x * arc + shake)),
                           int(std::lround(reports[i].y + bend_y * arc - shake))});
        }
        drawn.push_back(out);
    }
    return drawn;
}
