// The message box's icons (13465 for Yes/No questions, 13466 for the other boxes), 32 x 32.
// They sit at (20, 34) on the box's lined background, which shows round the disc: outside it the
// icons are transparent.
#include "art_palette.h"
#include "artwork.h"
#include "paint_util.h"

#include <QFont>
#include <QRadialGradient>

namespace art {
namespace {

constexpr int kSize = 32;

void paint_disc(QPainter& p, QRgb light, QRgb deep) {
    const QPointF centre(16, 16);
    QRadialGradient fill(QPointF(12, 10), 19);
    fill.setColorAt(0, QColor::fromRgb(light));
    fill.setColorAt(1, QColor::fromRgb(deep));
    p.setPen(QPen(QColor::fromRgb(mix(deep, qRgb(0, 0, 0), 0.25)), 1));
    p.setBrush(fill);
    p.drawEllipse(centre, 13.5, 13.5);
    QColor gloss(255, 255, 255, 46);
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(QRectF(7, 4.5, 18, 10));
}

void paint_sign(QPainter& p, const QString& sign, double size) {
    QFont font("Liberation Serif");
    font.setPixelSize(int(size));
    font.setBold(true);
    QPainterPath path;
    path.addText(0, 0, font, sign);
    const QRectF box = path.boundingRect();
    path.translate(16 - box.center().x(), 16.5 - box.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(path);
}

QImage icon(const QString& sign, double size, QRgb light, QRgb deep) {
    QImage image = transparent(kSize, kSize);
    QPainter p;
    begin_smooth(p, image);
    paint_disc(p, light, deep);
    paint_sign(p, sign, size);
    return image;
}

} // namespace

QImage question_icon() {
    return icon("?", 22, qRgb(110, 146, 246), qRgb(22, 48, 176));
}
QImage notice_icon() {
    return icon("i", 21, qRgb(92, 118, 220), kNavy);
}

} // namespace art
