#include "brush.h"

#include "paint_util.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace art {
namespace {

constexpr int kOversample = 4;
constexpr int kStepsPerSegment = 48;

// Catmull-Rom interpolation through the stroke's points, for position and width alike.
BrushPoint interpolate(const BrushStroke& s, size_t i, double t) {
    const BrushPoint& p0 = s[i == 0 ? 0 : i - 1];
    const BrushPoint& p1 = s[i];
    const BrushPoint& p2 = s[i + 1];
    const BrushPoint& p3 = s[std::min(i + 2, s.size() - 1)];
    auto cr = [t](double a, double b, double c, double d) {
        return 0.5 * (2 * b + (c - a) * t + (2 * a - 5 * b + 4 * c - d) * t * t +
                      (3 * b - a - 3 * c + d) * t * t * t);
    };
    const double w = p1.width + (p2.width - p1.width) * t; // widths change linearly
    return {cr(p0.x, p1.x, p2.x, p3.x), cr(p0.y, p1.y, p2.y, p3.y), w};
}

void stamp_stroke(QPainter& p, const BrushStroke& stroke, double scale) {
    for (size_t i = 0; i + 1 < stroke.size(); ++i) {
        for (int step = 0; step <= kStepsPerSegment; ++step) {
            const BrushPoint b = interpolate(stroke, i, double(step) / kStepsPerSegment);
            const double r = std::max(0.3, b.width * scale / 2);
            p.drawEllipse(QPointF(b.x * scale, b.y * scale), r, r);
        }
    }
}

} // namespace

const std::vector<BrushStroke>& emblem_strokes() {
    static const std::vector<BrushStroke> strokes = {
        // the dot
        {{45, 5, 3}, {48, 8, 8}, {52, 12, 10}, {55, 17, 8}, {55.5, 19, 3}},
        // the horizontal, bending down into the long vertical that ends in a hook
        {{29, 30, 4},
         {33, 28.5, 6.5},
         {44, 28, 6},
         {51, 26.5, 7},
         {55, 27.5, 10},
         {53.5, 33, 9},
         {53, 50, 8},
         {53, 72, 8.5},
         {53, 88, 9},
         {51, 92, 7},
         {46, 88, 4.5},
         {42, 85, 1.5}},
        // the left stroke: a short horizontal that turns and sweeps down to the left
        {{16, 47, 3},
         {22, 45.5, 6},
         {32, 45, 5.5},
         {39, 43.5, 6.5},
         {42, 45, 8},
         {38, 53, 6.5},
         {30, 63, 5},
         {21, 71, 3},
         {13, 77, 1}},
        // the short sweep at the upper right
        {{79, 34, 4}, {76, 37, 8}, {71, 43, 6.5}, {64, 49, 4}, {58, 53, 1.5}},
        // the long sweep to the lower right
        {{58, 50, 2},
         {63, 56, 4.5},
         {70, 65, 6.5},
         {78, 74, 9},
         {85, 80, 11.5},
         {91, 84, 9},
         {97, 86, 2}},
    };
    return strokes;
}

void paint_brush_strokes(QImage& image, const std::vector<BrushStroke>& strokes, QRectF box,
                         QColor ink) {
    const int device = scale_of(image); // device pixels per pixel of the box
    const QSize small_size(int(std::ceil(box.width())) * device,
                           int(std::ceil(box.height())) * device);
    const QSize big = small_size * kOversample;
    QImage layer(big, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        const double scale = box.width() * device * kOversample / 100.0;
        for (const BrushStroke& s : strokes)
            stamp_stroke(p, s, scale);
    }
    QImage small = layer.scaled(small_size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    small.setDevicePixelRatio(device);
    QPainter out(&image);
    out.drawImage(box.topLeft(), small);
}

} // namespace art
