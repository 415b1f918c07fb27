// Check marks (400): three 12 x 12 cells (normal, hovered, pale), transparent but for the tick.
// The check box combines a cell, as it shows over white, with its white box by a bitwise AND, so
// everything but the tick leaves the box as it is. A cell lands
// at (3, 2) of the box, whose white inside is cell columns 0..9 and rows 1..10; the tick keeps
// within it.
#include "art_palette.h"
#include "artwork.h"
#include "paint_util.h"

namespace art {
namespace {

constexpr int kCell = 12;
constexpr QRgb kMarkColours[] = {kNavy, qRgb(0, 48, 224), qRgb(196, 198, 208)};

void paint_tick(QImage& image, int cell, QRgb colour) {
    QPainter p;
    begin_smooth(p, image);
    p.translate(cell * kCell, 0);
    QPainterPath tick;
    tick.moveTo(1.9, 5.6);
    tick.lineTo(4.1, 8.3);
    tick.quadTo(5.6, 5.0, 8.6, 2.4);
    p.setPen(QPen(QColor::fromRgb(colour), 2.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
}

} // namespace

QImage check_marks() {
    QImage image = transparent(kCell * 3, kCell);
    for (int cell = 0; cell < 3; ++cell)
        paint_tick(image, cell, kMarkColours[cell]);
    return image;
}

} // namespace art
