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

// The scale the artwork is drawn at: 1 for the plain images, 2 for their double-size variants
// ("<name>@2x"), which screens with twice as many pixels show. Every painter draws in the plain
// image's coordinates; the images below are `scale` times larger, with that device pixel ratio.
int art_scale();
// Draws at `scale` while it lives.
class ArtScale {
  public:
    explicit ArtScale(int scale);
    ~ArtScale();
    ArtScale(const ArtScale&) = delete;
    ArtScale& operator=(const ArtScale&) = delete;

  private:
    int previous_;
};

// An opaque image filled with one colour, w x h at art_scale().
QImage filled(int w, int h, QRgb colour);
// A transparent image, w x h at art_scale().
QImage transparent(int w, int h);
// The device pixel ratio of an image as a whole number.
int scale_of(const QImage& image);
// Sets every device pixel of the pixel (x, y) of an image's plain coordinates.
void set_plain_pixel(QImage& image, int x, int y, QRgb colour);

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
