// The row bullets of the multiple-choice exercises (16000): four 26 x 25 frames side by side,
// transparent round the bullet: no row hovered (x 0), another row hovered (x 26), this row hovered
// (x 52), the question answered (x 78).
#include "art_palette.h"
#include "artwork.h"
#include "paint_util.h"

#include <QRadialGradient>

namespace art {
namespace {

constexpr int kFrameW = 26, kFrameH = 25;
constexpr QPointF kCentre(13, 12.5);
constexpr double kRadius = 7.5;

struct BulletLook {
    QRgb ring, fill, dot;
};
constexpr BulletLook kLooks[] = {
    {kOutline, qRgb(228, 235, 250), kNavy},             // waiting for an answer
    {qRgb(200, 206, 224), kWhite, qRgb(176, 184, 212)}, // resting while another row is hovered
    {kMediumBlue, kBrightBlue, kWhite},                 // the hovered row
    {qRgb(222, 222, 226), kWhite, qRgb(222, 222, 226)}, // answered
};

void paint_bullet(QPainter& p, const BulletLook& look, bool hovered) {
    p.setPen(QPen(QColor::fromRgb(look.ring), 1.2));
    if (hovered) {
        QRadialGradient fill(kCentre - QPointF(2.5, 3), 11);
        fill.setColorAt(0, QColor(90, 130, 255));
        fill.setColorAt(1, QColor::fromRgb(kMediumBlue));
        p.setBrush(fill);
    } else {
        p.setBrush(QColor::fromRgb(look.fill));
    }
    p.drawEllipse(kCentre, kRadius, kRadius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgb(look.dot));
    if (!hovered) {
        p.drawEllipse(kCentre, 2.4, 2.4);
        return;
    }
    QPainterPath arrow; // a small pointer towards the answer text
    arrow.moveTo(kCentre + QPointF(-2.2, -3.6));
    arrow.lineTo(kCentre + QPointF(3.6, 0));
    arrow.lineTo(kCentre + QPointF(-2.2, 3.6));
    arrow.closeSubpath();
    p.drawPath(arrow);
}

} // namespace

QImage choice_bullets() {
    QImage strip = transparent(kFrameW * 4, kFrameH);
    QPainter p;
    begin_smooth(p, strip);
    for (int frame = 0; frame < 4; ++frame) {
        p.save();
        p.translate(frame * kFrameW, 0);
        paint_bullet(p, kLooks[frame], frame == 2);
        p.restore();
    }
    return strip;
}

} // namespace art
