// Corners of the sunken box (610 for variant 0, 620 for the other): top-left 7 x 7 at (0, 0),
// top-right 7 x 6 at (8, 0), bottom-right 6 x 6 at (16, 0), bottom-left 6 x 6 at (23, 0). Each
// rounds off the box's two border lines, whose greys differ per side, and blends the two sides'
// greys round the bend; where a piece meets the straight border its pixels are the border's own.
// Outside the rounded box the pieces are transparent, with partial alpha along the bend; inside
// they are the box's white.
#include "art_palette.h"
#include "artwork.h"
#include "paint_util.h"

#include <cmath>
#include <numbers>
#include <optional>

namespace art {
namespace {

constexpr int kWidth = 29;
constexpr int kHeight = 7;
constexpr int kSamples = 8; // per pixel side, for smooth bends

struct Corner {
    int x, w, h;        // place in the image and size
    bool right, bottom; // which corner of the box
};
constexpr Corner kCorners[] = {{0, 7, 7, false, false},
                               {8, 7, 6, true, false},
                               {16, 6, 6, true, true},
                               {23, 6, 6, false, true}};

// The grey of one sample at (u, v), measured inwards from the box's corner, or nothing outside
// the box; `horizontal` and `vertical` are the greys of the two sides that meet there.
std::optional<double> sample_grey(double u, double v, double radius, const int (&horizontal)[2],
                                  const int (&vertical)[2]) {
    double depth, along; // depth into the border; 1 on the horizontal side, 0 on the vertical
    if (u < radius && v < radius) {
        const double du = radius - u, dv = radius - v;
        depth = radius - std::hypot(du, dv);
        along = std::atan2(dv, du) / (std::numbers::pi / 2);
    } else {
        depth = std::min(u, v);
        along = v < u ? 1.0 : 0.0;
    }
    if (depth < 0) return std::nullopt;
    if (depth >= 2) return 255; // the box's white inside
    const int line = depth < 1 ? 0 : 1;
    return vertical[line] + (horizontal[line] - vertical[line]) * along;
}

// One device pixel (col, row) of the corner at `scale` device pixels per pixel: the average of
// its samples, or nothing when none lies inside the box.
std::optional<QRgb> corner_pixel(const Corner& c, double radius, int scale, int col, int row) {
    const int top[2] = {kSunkenOuter.top, kSunkenInner.top};
    const int bottom[2] = {kSunkenOuter.bottom, kSunkenInner.bottom};
    const int left[2] = {kSunkenOuter.left, kSunkenInner.left};
    const int right[2] = {kSunkenOuter.right, kSunkenInner.right};
    double sum = 0;
    int inside = 0;
    for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
            const double x = (col + (sx + 0.5) / kSamples) / scale;
            const double y = (row + (sy + 0.5) / kSamples) / scale;
            const double u = c.right ? c.w - x : x, v = c.bottom ? c.h - y : y;
            const std::optional<double> g =
                sample_grey(u, v, radius, c.bottom ? bottom : top, c.right ? right : left);
            if (g) sum += *g, ++inside;
        }
    }
    if (inside == 0) return std::nullopt;
    const int level = int(std::lround(sum / inside));
    const int alpha = int(std::lround(255.0 * inside / (kSamples * kSamples)));
    return qPremultiply(qRgba(level, level, level, alpha));
}

void paint_corner(QImage& image, const Corner& c, double radius) {
    const int scale = scale_of(image);
    for (int row = 0; row < c.h * scale; ++row)
        for (int col = 0; col < c.w * scale; ++col)
            if (const std::optional<QRgb> p = corner_pixel(c, radius, scale, col, row))
                image.setPixel(c.x * scale + col, row, *p);
}

} // namespace

QImage sunken_corners(int variant) {
    QImage image = transparent(kWidth, kHeight);
    const double radius = variant == 0 ? 5.0 : 3.5; // variant 0 is the softer of the two
    for (const Corner& c : kCorners)
        paint_corner(image, c, radius);
    return image;
}

} // namespace art
