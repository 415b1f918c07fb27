#include "stroke_fit.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double kSampleStep = 0.75; // KanjiVG units between centre-line samples (about 2 px)
constexpr double kLineCap = 10;      // a centre-line sample costs at most this many pixels
constexpr double kStartCap = 20;     // a stroke start costs at most this many pixels
constexpr double kStartWeight = 1.5; // the starts weigh more than the rest of the line
constexpr double kMinScale = 0.85;   // bounds of a kanji's scale, relative to the global one
constexpr double kMaxScale = 1.15;
constexpr double kMaxShift = 25;       // bound of a kanji's centre shift in pixels
constexpr double kShiftPenalty = 0.01; // per pixel of shift, so that ties keep the global fit

struct FitPoints {
    std::vector<Vec2> line;   // centre-line samples of every stroke, in KanjiVG units
    std::vector<Vec2> starts; // the first point of every stroke
};

FitPoints fit_points(const std::vector<Polyline>& strokes) {
    FitPoints out;
    for (const Polyline& stroke : strokes) {
        if (stroke.points.empty()) continue;
        out.starts.push_back(stroke.points.front());
        double carried = kSampleStep;
        for (size_t i = 0; i < stroke.points.size(); ++i) {
            if (i > 0) {
                const Vec2 a = stroke.points[i - 1], b = stroke.points[i];
                carried += std::hypot(b.x - a.x, b.y - a.y);
            }
            if (carried >= kSampleStep || i + 1 == stroke.points.size()) {
                out.line.push_back(stroke.points[i]);
                carried = 0;
            }
        }
    }
    return out;
}

double cost_of(const FitPoints& pts, const InkDistance& ink, const StrokeMapping& m) {
    if (pts.line.empty()) return 0;
    double line = 0, starts = 0;
    for (const Vec2& k : pts.line) {
        const Vec2 p = m.to_pixels(k);
        line += std::min(ink.at(p.x, p.y), kLineCap);
    }
    for (const Vec2& k : pts.starts) {
        const Vec2 p = m.to_pixels(k);
        starts += std::min(ink.at(p.x, p.y), kStartCap);
    }
    const StrokeMapping g = global_mapping();
    const double shift = std::abs(m.centreX - g.centreX) + std::abs(m.centreY - g.centreY);
    return line / double(pts.line.size()) + kStartWeight * starts / double(pts.starts.size()) +
           kShiftPenalty * shift;
}

StrokeMapping clamped(StrokeMapping m) {
    const StrokeMapping g = global_mapping();
    m.scaleX = std::clamp(m.scaleX, g.scaleX * kMinScale, g.scaleX * kMaxScale);
    m.scaleY = std::clamp(m.scaleY, g.scaleY * kMinScale, g.scaleY * kMaxScale);
    m.centreX = std::clamp(m.centreX, g.centreX - kMaxShift, g.centreX + kMaxShift);
    m.centreY = std::clamp(m.centreY, g.centreY - kMaxShift, g.centreY + kMaxShift);
    return m;
}

// Coarse search: one scale for both axes, centres on a 3-pixel grid.
StrokeMapping coarse_search(const FitPoints& pts, const InkDistance& ink) {
    const StrokeMapping g = global_mapping();
    StrokeMapping best = g;
    double bestCost = cost_of(pts, ink, g);
    for (double s = kMinScale; s <= kMaxScale + 1e-9; s += 0.05)
        for (double dx = -24; dx <= 24; dx += 3)
            for (double dy = -24; dy <= 24; dy += 3) {
                const StrokeMapping m{g.scaleX * s, g.scaleY * s, g.centreX + dx, g.centreY + dy};
                const double c = cost_of(pts, ink, m);
                if (c < bestCost) {
                    bestCost = c;
                    best = m;
                }
            }
    return best;
}

// Refinement: each parameter in turn, steps halving, scales per axis.
StrokeMapping refine(const FitPoints& pts, const InkDistance& ink, StrokeMapping m) {
    const StrokeMapping g = global_mapping();
    double best = cost_of(pts, ink, m);
    for (double step = 1; step >= 0.25; step /= 2) {
        bool improved = true;
        while (improved) {
            improved = false;
            const std::array<StrokeMapping, 8> moves = {{
                {m.scaleX + 0.02 * step * g.scaleX, m.scaleY, m.centreX, m.centreY},
                {m.scaleX - 0.02 * step * g.scaleX, m.scaleY, m.centreX, m.centreY},
                {m.scaleX, m.scaleY + 0.02 * step * g.scaleY, m.centreX, m.centreY},
                {m.scaleX, m.scaleY - 0.02 * step * g.scaleY, m.centreX, m.centreY},
                {m.scaleX, m.scaleY, m.centreX + 2 * step, m.centreY},
                {m.scaleX, m.scaleY, m.centreX - 2 * step, m.centreY},
                {m.scaleX, m.scaleY, m.centreX, m.centreY + 2 * step},
                {m.scaleX, m.scaleY, m.centreX, m.centreY - 2 * step},
            }};
            for (const StrokeMapping& candidate : moves) {
                const StrokeMapping c = clamped(candidate);
                const double cost = cost_of(pts, ink, c);
                if (cost < best - 1e-12) {
                    best = cost;
                    m = c;
                    improved = true;
                }
            }
        }
    }
    return m;
}

} // namespace

double fit_cost(const std::vector<Polyline>& strokes, const InkDistance& ink,
                const StrokeMapping& mapping) {
    return cost_of(fit_points(strokes), ink, mapping);
}

StrokeMapping fit_strokes(const std::vector<Polyline>& strokes, const InkDistance& ink) {
    if (!ink.has_ink() || strokes.empty()) return global_mapping();
    const FitPoints pts = fit_points(strokes);
    return refine(pts, ink, coarse_search(pts, ink));
}

std::pair<int, int> starts_near_ink(const std::vector<std::vector<StrokeSample>>& strokes,
                                    const InkDistance& ink, double pixels) {
    int hits = 0, total = 0;
    for (const auto& stroke : strokes) {
        if (stroke.empty()) continue;
        ++total;
        const double x = exercise_pixel(stroke.front().x), y = exercise_pixel(stroke.front().y);
        if (ink.at(x, y) <= pixels) ++hits;
    }
    return {hits, total};
}
