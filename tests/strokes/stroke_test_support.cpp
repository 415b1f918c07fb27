#include "stroke_test_support.h"

#include "kanji_data.h"

#include <algorithm>
#include <cmath>

StrokeSet strokes_of(int kanji, StrokeScreen screen) {
    KanjiData_LoadStrokes(kanji);
    StrokeSet set;
    StrokeSet_Load(set, screen);
    return set;
}

StrokeStarts starts_of(int kanji, StrokeScreen screen) {
    KanjiData_LoadStrokes(kanji);
    StrokeStarts starts;
    StrokeStarts_Load(starts, screen);
    return starts;
}

int apart_stroke(const StrokeSet& set) {
    for (int s = 1; s < set.stroke_count(); ++s) {
        const StrokePoint &a = set.point(0, 0), &b = set.point(s, 0);
        if (std::max(std::abs(a.x - b.x), std::abs(a.y - b.y)) > 10) return s;
    }
    return -1;
}

std::vector<BoxPoint> pointer_path(const std::vector<StrokePoint>& points, double spacing) {
    std::vector<BoxPoint> path;
    if (points.empty()) return path;
    path.push_back({points[0].x, points[0].y});
    double carried = 0; // distance walked since the last position given
    for (size_t i = 1; i < points.size(); ++i) {
        const double x0 = points[i - 1].x, y0 = points[i - 1].y;
        const double dx = points[i].x - x0, dy = points[i].y - y0;
        const double length = std::hypot(dx, dy);
        double at = spacing - carried;
        for (; at <= length; at += spacing)
            path.push_back(
                {int(std::lround(x0 + dx * at / length)), int(std::lround(y0 + dy * at / length))});
        carried = length - (at - spacing);
    }
    const BoxPoint end{points.back().x, points.back().y};
    if (!(path.back() == end)) path.push_back(end);
    return path;
}
