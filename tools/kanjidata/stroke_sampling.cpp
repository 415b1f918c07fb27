#include "stroke_sampling.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kCornerWindow = 16; // design units looked back and ahead to measure a turn

struct ArcLine {
    std::vector<Vec2> points;
    std::vector<double> at; // arc length at each point
    double length() const { return at.empty() ? 0 : at.back(); }

    // The point at arc length s (clamped to the line).
    Vec2 point_at(double s) const {
        s = std::clamp(s, 0.0, length());
        const size_t i = size_t(std::upper_bound(at.begin(), at.end(), s) - at.begin());
        if (i == 0) return points.front();
        if (i >= points.size()) return points.back();
        const double span = at[i] - at[i - 1];
        const double t = span > 0 ? (s - at[i - 1]) / span : 0;
        return {points[i - 1].x + t * (points[i].x - points[i - 1].x),
                points[i - 1].y + t * (points[i].y - points[i - 1].y)};
    }
};

ArcLine to_design_arc(const Polyline& line, const StrokeMapping& mapping) {
    ArcLine arc;
    for (const Vec2& k : line.points) {
        const Vec2 p = mapping.to_design(k);
        if (!arc.points.empty()) {
            const Vec2& q = arc.points.back();
            const double step = std::hypot(p.x - q.x, p.y - q.y);
            if (step < 1e-9) continue;
            arc.at.push_back(arc.at.back() + step);
        } else {
            arc.at.push_back(0);
        }
        arc.points.push_back(p);
    }
    return arc;
}

// Turn in degrees at arc length s, between the chord from s - w to s and from s to s + w.
double turn_at(const ArcLine& arc, double s) {
    const Vec2 a = arc.point_at(s - kCornerWindow), b = arc.point_at(s),
               c = arc.point_at(s + kCornerWindow);
    const double ux = b.x - a.x, uy = b.y - a.y, vx = c.x - b.x, vy = c.y - b.y;
    const double nu = std::hypot(ux, uy), nv = std::hypot(vx, vy);
    if (nu < kCornerWindow / 2 || nv < kCornerWindow / 2) return 0; // too near an end
    const double cosine = std::clamp((ux * vx + uy * vy) / (nu * nv), -1.0, 1.0);
    return std::acos(cosine) * 180 / std::numbers::pi;
}

// Arc lengths of the sharpest turn of each bend above the corner threshold.
std::vector<double> corner_positions(const ArcLine& arc) {
    std::vector<double> turns(arc.points.size());
    for (size_t i = 0; i < arc.points.size(); ++i)
        turns[i] = turn_at(arc, arc.at[i]);
    std::vector<double> out;
    for (size_t i = 0; i < turns.size(); ++i) {
        if (turns[i] <= kCornerDegrees) continue;
        bool peak = true;
        for (size_t j = 0; j < turns.size() && peak; ++j) {
            if (std::abs(arc.at[j] - arc.at[i]) > kCornerWindow) continue;
            peak = turns[j] < turns[i] || (turns[j] == turns[i] && j >= i);
        }
        if (peak) out.push_back(arc.at[i]);
    }
    return out;
}

int32_t in_square(double c) {
    return int32_t(std::clamp(std::lround(c), 0L, long(kDesignSquare - 1)));
}

} // namespace

StrokeMapping global_mapping() {
    // design = 3.15 * unit + offset; pixel = design * 107 / 127.5.
    constexpr double scale = 3.15 * kExercisePixelsPerDesignUnit;
    return {scale, scale, (3.15 * kKanjivgCentre - 21) * kExercisePixelsPerDesignUnit,
            (3.15 * kKanjivgCentre - 4) * kExercisePixelsPerDesignUnit};
}

std::vector<StrokeSample> sample_stroke(const Polyline& line, const StrokeMapping& mapping) {
    const ArcLine arc = to_design_arc(line, mapping);
    if (arc.points.empty()) return {};
    const double length = arc.length();
    const size_t segments = std::clamp<size_t>(size_t(std::lround(length / kSampleSpacing)), 1,
                                               kMaxPointsPerStroke - 1);
    std::vector<StrokeSample> out;
    for (size_t k = 0; k <= segments; ++k) {
        const Vec2 p = k == segments ? arc.points.back() : arc.point_at(length * k / segments);
        out.push_back({in_square(p.x), in_square(p.y), 0});
    }
    for (double s : corner_positions(arc)) {
        const size_t k = size_t(std::lround(s / length * segments));
        if (k > 0 && k < segments) out[k].corner = 1;
    }
    return out;
}

int exercise_pixel(int designCoordinate) {
    return int(std::trunc(designCoordinate * kExercisePixelsPerDesignUnit));
}
