#pragma once
// Brush-drawn strokes: a stroke is a path of points with a brush width at each, drawn as the
// trail of a round brush tip. The kanji 永 ("eternity"), whose five strokes hold the classic
// movements of the brush, is the program's emblem on the splash picture and the icon.
#include <QColor>
#include <QImage>
#include <QRectF>
#include <vector>

namespace art {

struct BrushPoint {
    double x, y, width;
};
using BrushStroke = std::vector<BrushPoint>;

// The emblem's strokes in a 100 x 100 box.
const std::vector<BrushStroke>& emblem_strokes();

// Draws the strokes, scaled from their 100 x 100 box into `box` of `image`, in `ink`. The strokes
// are drawn four times larger and reduced, which gives their edges a clean antialiasing.
void paint_brush_strokes(QImage& image, const std::vector<BrushStroke>& strokes, QRectF box,
                         QColor ink);

} // namespace art
