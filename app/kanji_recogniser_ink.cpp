#include "kanji_recogniser_ink.h"

#include <algorithm>
#include <cmath>

namespace {

struct Point {
    double x = 0, y = 0;
};

double distance(Point a, Point b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

double length_of(const std::vector<Point>& line) {
    double total = 0;
    for (size_t i = 1; i < line.size(); ++i)
        total += distance(line[i - 1], line[i]);
    return total;
}

// The stroke's points held inside the box, each repeated point once.
std::vector<Point> inside_box(const InkStroke& stroke, int box_size) {
    std::vector<Point> line;
    const int last = std::max(box_size - 1, 0);
    for (const InkPoint& p : stroke) {
        const Point q{double(std::clamp(p.x, 0, last)), double(std::clamp(p.y, 0, last))};
        if (line.empty() || q.x != line.back().x || q.y != line.back().y) line.push_back(q);
    }
    return line;
}

// Points every `step` along the line from its first point, ending on its last point (which
// takes the place of a walked point closer to it than half a step).
std::vector<Point> walk(const std::vector<Point>& line, double step) {
    std::vector<Point> out{line.front()};
    double to_next = step;
    for (size_t i = 1; i < line.size(); ++i) {
        const Point a = line[i - 1], b = line[i];
        const double d = distance(a, b);
        double at = 0;
        while (d - at >= to_next) {
            at += to_next;
            out.push_back({a.x + (b.x - a.x) * at / d, a.y + (b.y - a.y) * at / d});
            to_next = step;
        }
        to_next -= d - at;
    }
    if (out.size() > 1 && distance(out.back(), line.back()) < step / 2) out.pop_back();
    out.push_back(line.back());
    return out;
}

// Each point becomes a triangle-weighted mean of its neighbours up to `half` on either side,
// the window narrowed near the ends so that it stays centred: the ends do not move.
std::vector<Point> smooth(const std::vector<Point>& line, int half) {
    const int n = int(line.size());
    std::vector<Point> out(line.size());
    for (int i = 0; i < n; ++i) {
        const int h = std::min({half, i, n - 1 - i});
        Point sum;
        double weights = 0;
        for (int k = -h; k <= h; ++k) {
            const double w = h + 1 - std::abs(k);
            sum.x += w * line[size_t(i + k)].x;
            sum.y += w * line[size_t(i + k)].y;
            weights += w;
        }
        out[size_t(i)] = {sum.x / weights, sum.y / weights};
    }
    return out;
}

// The pointer's reports with a shake from one report to the next cancelled: each report the
// 1-2-1 mean of itself and its neighbours, each end the mean of itself and its neighbour.
std::vector<Point> settled(const std::vector<Point>& line) {
    std::vector<Point> out = smooth(line, 1);
    const size_t n = line.size();
    if (n > 2) {
        out.front() = {(line[0].x + line[1].x) / 2, (line[0].y + line[1].y) / 2};
        out.back() = {(line[n - 1].x + line[n - 2].x) / 2, (line[n - 1].y + line[n - 2].y) / 2};
    }
    return out;
}

InkStroke rounded(const std::vector<Point>& line) {
    InkStroke stroke;
    for (const Point& p : line) {
        const InkPoint q{int(std::lround(p.x)), int(std::lround(p.y))};
        if (stroke.empty() || !(q == stroke.back())) stroke.push_back(q);
    }
    return stroke;
}

InkStroke prepare_stroke(const InkStroke& drawn, int box_size, const InkPreparation& how) {
    const std::vector<Point> line = inside_box(drawn, box_size);
    if (line.empty()) return {};
    if (line.size() == 1) return rounded(line);
    const double fine = std::max(how.fine_step * box_size, 0.5);
    const int half = int(std::lround(how.smoothing / how.fine_step));
    const std::vector<Point> smoothed = smooth(walk(settled(line), fine), std::max(half, 0));
    const double total = length_of(smoothed);
    const double step =
        std::max({how.coarse_step * box_size, total / std::max(how.max_points - 1, 1), fine});
    return rounded(walk(smoothed, step));
}

} // namespace

Ink prepare_ink(const Ink& drawn, int box_size, const InkPreparation& how) {
    Ink ink;
    for (const InkStroke& stroke : drawn) {
        if (int(ink.size()) >= how.max_strokes) break;
        InkStroke prepared = prepare_stroke(stroke, box_size, how);
        if (!prepared.empty()) ink.push_back(std::move(prepared));
    }
    return ink;
}
