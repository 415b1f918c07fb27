#pragma once
// Small helpers shared by the painters of the artwork.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace art {

// A colour between a (t = 0) and b (t = 1).
QRgb mix(QRgb a, QRgb b, double t);

// The most transparent colour (not premultiplied) that shows as `seen` when drawn over white: a
// tint that darkens whatever background it lands on as `seen` darkens white.
QRgb tint_over_white(QRgb seen);

// An opaque image filled with one colour.
QImage filled(int w, int h, QRgb colour);
// A transparent image.
QImage transparent(int w, int h);

// A painter with antialiasing on, for shapes; straight one-pixel lines are drawn on pixel
// centres (x + 0.5) so that they stay crisp.
void begin_smooth(QPainter& p, QImage& image);

// A rounded rectangle whose outline runs through pixel centres: left, top, right and bottom
// are the pixel columns and rows of the outline.
QPainterPath pixel_rounded_rect(int left, int top, int right, int bottom, double radius);

// Fills a rectangle with a vertical gradient from `top` (first row) to `bottom` (last row),
// row by row, so that every column is the same.
void vertical_gradient(QImage& image, QRect rect, QRgb top, QRgb bottom);

} // namespace art
