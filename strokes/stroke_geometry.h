#pragma once
// The geometry of the stroke drawings and of the tracing checker, apart from any painting: where
// markers sit, how an arrow is built, how far a pointer is from a point and how far it has got
// along a chord. All in box pixels.
#include "stroke_store.h"

struct BoxPoint {
    int x = 0;
    int y = 0;
    bool operator==(const BoxPoint&) const = default;
};

// Whether p lies in the square (c.x - half, c.y - half, c.x + half, c.y + half): left and top
// edges included, right and bottom edges excluded.
bool in_square(BoxPoint p, BoxPoint c, int half);

// trunc(sqrt(dx^2 + dy^2)): integer sum of squares, root in double precision.
int distance(BoxPoint p, BoxPoint m);
// 0.04 * (AB . AM): grows as M moves past A in the direction of B, negative behind A.
double progress(BoxPoint a, BoxPoint b, BoxPoint m);

// The three looks of the numbered stroke marker.
enum class MarkerFlavour { Practice, Review, Exercise };

// Where a numbered marker's circle and text go for a marker centred on (x, y).
struct NumberMarkerLayout {
    int left, top, right, bottom; // the circle's bounds (right and bottom excluded)
    int text_x, text_y;           // top-left of the number's text cell
};
NumberMarkerLayout number_marker_layout(MarkerFlavour flavour, int x, int y, int number);

// Where the review and exercise flavours put the marker of stroke `stroke` that was asked for at
// (x, y): shifted along the stroke's own line for every earlier start inside the flavour's
// square. The practice flavour, a stroke index of -1 or 0, or no starts leave it at (x, y).
BoxPoint number_marker_position(MarkerFlavour flavour, const StrokeStarts* starts, int stroke,
                                int x, int y);

// The offset of both markers of a stroke in the practice box: when an earlier stroke starts within
// pen width / 2 of this one, 2.15 times the vector from its point 0 to its point 2 (the last
// point for a shorter stroke); else none.
BoxPoint practice_marker_offset(const StrokeSet& set, int stroke, int pen_width);

// The two arrow looks: the practice's tail of 10 pixels, the review's of 8.
enum class ArrowFlavour { Practice, Review };

struct ArrowGeometry {
    BoxPoint tail;  // where the shaft begins
    BoxPoint tip;   // where the shaft ends and the barbs begin
    BoxPoint barb1; // ends of the two barbs
    BoxPoint barb2;
    double heading; // the direction the head points, in radians (y downwards)
};
// The arrow that starts near (x0, y0) and points towards (x1, y1).
ArrowGeometry arrow_geometry(ArrowFlavour flavour, int x0, int y0, int x1, int y1);

// The point a stroke's static arrow aims at: point 8, or the last point of a shorter stroke.
int static_arrow_target(int point_count);
// The point the animations aim at: the last point of a stroke of fewer than 12 points, else 8.
int animation_arrow_target(int point_count);
