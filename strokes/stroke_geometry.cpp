#include "stroke_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

bool in_square(BoxPoint p, BoxPoint c, int half) {
    return p.x >= c.x - half && p.x < c.x + half && p.y >= c.y - half && p.y < c.y + half;
}

// In 64 bits, so that a pointer far outside the box (signed 16-bit coordinates) cannot overflow.
int distance(BoxPoint p, BoxPoint m) {
    const int64_t dx = p.x - m.x, dy = p.y - m.y;
    return int(std::sqrt(double(dx * dx + dy * dy)));
}

double progress(BoxPoint a, BoxPoint b, BoxPoint m) {
    const int dot = (b.x - a.x) * (m.x - a.x) + (b.y - a.y) * (m.y - a.y);
    return 0.04 * dot;
}

namespace {

struct MarkerMetrics {
    int before, after; // the circle spans (x - before, x + after)
    int text_dx, text_dy;
    int two_digit_shift;
};

MarkerMetrics marker_metrics(MarkerFlavour flavour) {
    if (flavour == MarkerFlavour::Review) return {6, 7, 2, 5, 2};
    return {8, 9, 3, 7, 3};
}

struct CollisionRule {
    int half;
    double factor;
    bool from_shifted; // the reference is the shifted marker, not the earlier start
};

CollisionRule collision_rule(MarkerFlavour flavour) {
    if (flavour == MarkerFlavour::Review) return {6, 2.15, false};
    return {8, 1.95, true};
}

} // namespace

NumberMarkerLayout number_marker_layout(MarkerFlavour flavour, int x, int y, int number) {
    const MarkerMetrics m = marker_metrics(flavour);
    const int shift = number > 9 ? m.two_digit_shift : 0;
    return {x - m.before, y - m.before,          x + m.after,
            y + m.after,  x - m.text_dx - shift, y - m.text_dy};
}

BoxPoint number_marker_position(MarkerFlavour flavour, const StrokeStarts* starts, int stroke,
                                int x, int y) {
    BoxPoint at{x, y};
    if (flavour == MarkerFlavour::Practice || !starts || stroke <= 0 ||
        stroke >= starts->stroke_count())
        return at;
    const CollisionRule rule = collision_rule(flavour);
    const BoxPoint asked{x, y}; // the square stays where it was first placed
    const StrokeStart& own = starts->start(stroke);
    for (int j = 0; j < stroke; ++j) {
        const StrokeStart& earlier = starts->start(j);
        if (!in_square({earlier.x, earlier.y}, asked, rule.half)) continue;
        const BoxPoint ref = rule.from_shifted ? at : BoxPoint{earlier.x, earlier.y};
        at.x += int((own.toward_x - ref.x) * rule.factor);
        at.y += int((own.toward_y - ref.y) * rule.factor);
    }
    return at;
}

BoxPoint practice_marker_offset(const StrokeSet& set, int stroke, int pen_width) {
    const int n = set.point_count(stroke);
    if (n == 0) return {};
    const int half = pen_width / 2;
    const StrokePoint& p0 = set.point(stroke, 0);
    bool covered = false;
    for (int j = 0; j < stroke && !covered; ++j)
        covered = set.point_count(j) > 0 &&
                  in_square({set.point(j, 0).x, set.point(j, 0).y}, {p0.x, p0.y}, half);
    if (!covered) return {};
    const StrokePoint& p2 = set.point(stroke, marker_toward_index(n));
    return {int((p2.x - p0.x) * 2.15), int((p2.y - p0.y) * 2.15)};
}

namespace {

// The constants of the arrow's heading, as the arrows have always been drawn: not quite pi/2, pi.
constexpr double kHalfTurn = 1.5707965;
constexpr double kTurn = 3.141593;
constexpr double kBarbAngle = 0.6;
constexpr double kBarbLength = 7;
constexpr double kShaftLength = 25;

// tip - len * component: the practice truncates the difference, the review the product.
int barb_coordinate(ArrowFlavour flavour, int tip, double component) {
    if (flavour == ArrowFlavour::Practice) return int(tip - kBarbLength * component);
    return tip - int(kBarbLength * component);
}

} // namespace

ArrowGeometry arrow_geometry(ArrowFlavour flavour, int x0, int y0, int x1, int y1) {
    const int tail = flavour == ArrowFlavour::Practice ? 10 : 8;
    int ax = int(kShaftLength), ay = 0, bx = tail, by = 0;
    // Differences in 64 bits: points straight from a damaged file may lie far apart.
    const int64_t dx = int64_t(x1) - x0, dy = int64_t(y1) - y0;
    if (std::abs(dy) >= 5) {
        const double m = double(dx) / double(dy);
        ay = int(std::sqrt(kShaftLength * kShaftLength / (1 + m * m)));
        by = int(std::sqrt(double(tail * tail) / (1 + m * m)));
        if (y0 > y1) {
            ay = -ay;
            by = -by;
        }
        ax = int(ay * m);
        bx = int(by * m);
    }
    double heading = ax != 0 ? std::atan(double(ay) / double(ax)) : -kHalfTurn;
    if (x0 > x1 || ax == 0) heading += kTurn;

    ArrowGeometry g;
    g.tail = {x0 + bx, y0 + by};
    g.tip = {x0 + ax, y0 + ay};
    g.heading = heading;
    const double a1 = kHalfTurn - heading - kBarbAngle;
    g.barb1 = {barb_coordinate(flavour, g.tip.x, std::sin(a1)),
               barb_coordinate(flavour, g.tip.y, std::cos(a1))};
    const double a2 = heading - kBarbAngle;
    g.barb2 = {barb_coordinate(flavour, g.tip.x, std::cos(a2)),
               barb_coordinate(flavour, g.tip.y, std::sin(a2))};
    return g;
}

int static_arrow_target(int point_count) {
    return std::clamp(point_count - 1, 0, 8);
}

int animation_arrow_target(int point_count) {
    return point_count < 12 ? std::max(point_count - 1, 0) : 8;
}
